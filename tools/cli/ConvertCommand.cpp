// corvana-cli convert: a game from one of the file forms to another, the forms named by the
// extensions (.kpx, .txt, .ggf, .obf). GGF keeps a set-up start; a position file gets the end.
#include <iostream>

#include "Commands.h"
#include "GameFiles.h"

int RunConvert(CliArgs& args)
{
    const std::optional<std::string> in = args.TakePositional();
    const std::optional<std::string> out = args.TakePositional();
    if (!in || !out)
        throw UsageError("convert needs a file to read and a file to write");
    args.ExpectEnd();

    const Result<LoadedGame> read = ReadGameFile(*in);
    if (!read) {
        ReportUnreadGame(*in, read.Failure());
        return 1;
    }
    // A game from a transcript or GGF gets the settings of a new game: the computer plays Green.
    const SavedGameSettings settings = read.Value().Settings.value_or(SavedGameSettings {});
    if (const Status written = WriteGameFile(*out, read.Value().Game, settings); !written) {
        std::cerr << "corvana-cli: error: " << written.Failure().Message << "\n";
        return 1;
    }
    return 0;
}
