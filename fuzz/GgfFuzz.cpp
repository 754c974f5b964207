// The GGF reader: a game it accepts is one every other form takes and that its own GGF reads back
// unchanged; the clipboard's reader takes the same game from the same text.
#include "FuzzCheck.h"

#include "GameFiles.h"
#include "GgfGame.h"

void FuzzGgf(FuzzBytes input)
{
    const std::string_view text = AsText(input);
    const Result<WrittenGame> read = ReadGgf(text);
    if (text.find("(;") != std::string_view::npos) {
        const Result<WrittenGame> pasted = ReadGameText(text);
        Expect(pasted.Ok() == read.Ok(), "GGF: the clipboard's reader and the GGF reader disagree");
        Expect(!pasted || SameGame(pasted.Value(), read.Value()),
            "GGF: the clipboard's reader reads another game");
    }
    if (!read) {
        Expect(read.Failure().Kind == ErrorKind::Damaged && !read.Failure().Message.empty(),
            "GGF: a refusal is Damaged and says why");
        return;
    }
    ExpectWholeRecord(read.Value().Record, "GGF");
    ExpectWritesBack(read.Value(), "GGF");
}
