// Game files in the three forms, chosen by the extension.
#include "GameFiles.h"

#include <algorithm>
#include <cctype>

#include "Notation.h"
#include "SafeFile.h"

namespace {

// The name's extension with its dot, in lower case; empty when it has none.
std::string LowerExtension(const std::string& fileName)
{
    const std::string name = BaseName(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    std::string extension = name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

} // namespace

GameFileForm GameFileFormOf(const std::string& fileName)
{
    const std::string extension = LowerExtension(fileName);
    if (extension == ".txt")
        return GameFileForm::Transcript;
    if (extension == ".ggf")
        return GameFileForm::Ggf;
    return GameFileForm::Saved;
}

std::string GameFileExtension(GameFileForm form)
{
    switch (form) {
    case GameFileForm::Transcript:
        return ".txt";
    case GameFileForm::Ggf:
        return ".ggf";
    case GameFileForm::Saved:
        break;
    }
    return ".kpx";
}

Result<LoadedGame> ReadGameFile(const std::string& fileName)
{
    const GameFileForm form = GameFileFormOf(fileName);
    if (form == GameFileForm::Saved) {
        LoadedGame game;
        SavedGameSettings settings;
        const Status loaded = ReadSavedGameFile(fileName, game.Record, settings);
        if (!loaded)
            return loaded.Failure();
        game.Settings = settings;
        return game;
    }
    const std::string notOpened = BaseName(fileName) + " was not opened: ";
    const Result<FileBytes> read = ReadFileBounded(fileName, MaxGameTextBytes);
    if (!read)
        return Error { read.Failure().Kind, notOpened + read.Failure().Message };
    // A GGF collection may go on past the budget; its first game is what counts.
    if (read.Value().Cut && form == GameFileForm::Transcript)
        return Error { read.Value().Cut->Kind, notOpened + read.Value().Cut->Message };
    const std::string_view text = read.Value().Bytes;
    Result<OBoardTracker> record = form == GameFileForm::Ggf ? ReadGgf(text) : ReadTranscript(text);
    if (!record)
        return Error { record.Failure().Kind, notOpened + record.Failure().Message };
    return LoadedGame { std::move(record).Value(), std::nullopt };
}

std::string WithGameFileExtension(const std::string& fileName, GameFileForm chosen)
{
    const GameFileForm named = GameFileFormOf(fileName);
    if (named == chosen || named != GameFileForm::Saved || LowerExtension(fileName) == ".kpx")
        return fileName;
    return fileName + GameFileExtension(chosen);
}

Status WriteGameFile(const std::string& fileName, const OBoardTracker& record,
    const SavedGameSettings& settings, const GgfDetails& details, WriteProtection protection)
{
    switch (GameFileFormOf(fileName)) {
    case GameFileForm::Transcript:
        return ReplaceFile(fileName, TranscriptOf(record) + "\n", protection);
    case GameFileForm::Ggf:
        return ReplaceFile(fileName, GgfOf(record, details), protection);
    case GameFileForm::Saved:
        break;
    }
    return WriteSavedGameFile(fileName, record, settings, protection);
}

Result<OBoardTracker> ReadGameText(std::string_view text)
{
    Result<OBoardTracker> record
        = text.find("(;") != std::string_view::npos ? ReadGgf(text) : ReadTranscript(text);
    // An empty clipboard is no game to open, though a file may hold a game not yet begun.
    if (record && record.Value().Count == 0)
        return Error { ErrorKind::Damaged, "the text holds no moves" };
    return record;
}
