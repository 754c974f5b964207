// Game files in the three forms, chosen by the extension.
#include "GameFiles.h"

#include <algorithm>
#include <cctype>

#include "Notation.h"
#include "PositionLine.h"
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

// A transcript from a set-up position begins with the position's line (squares and "-", which no
// move has), the moves after it.
Result<WrittenGame> TranscriptGame(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of("\r\n", first), text.size());
        const std::string_view line = text.substr(first, end - first);
        if (line.find_first_of("-.") != std::string_view::npos) {
            Result<PositionLine> start = ReadPositionLine(line);
            if (!start)
                return start.Failure();
            return ReadTranscriptFrom(start.Value().Position, text.substr(end));
        }
    }
    Result<OBoardTracker> record = ReadTranscript(text);
    if (!record)
        return record.Failure();
    return GameOfRecord(std::move(record).Value());
}

// A file of positions stands for its first one; the others must be readable as well, so that a
// file is not half taken for good.
Result<WrittenGame> FirstPosition(std::string_view text)
{
    Result<std::vector<PositionLine>> lines = ReadPositionLines(text);
    if (!lines)
        return lines.Failure();
    return GameFromPosition(lines.Value().front().Position);
}

} // namespace

GameFileForm GameFileFormOf(const std::string& fileName)
{
    const std::string extension = LowerExtension(fileName);
    if (extension == ".txt")
        return GameFileForm::Transcript;
    if (extension == ".ggf")
        return GameFileForm::Ggf;
    if (extension == ".obf")
        return GameFileForm::Position;
    return GameFileForm::Saved;
}

std::string GameFileExtension(GameFileForm form)
{
    switch (form) {
    case GameFileForm::Transcript:
        return ".txt";
    case GameFileForm::Ggf:
        return ".ggf";
    case GameFileForm::Position:
        return ".obf";
    case GameFileForm::Saved:
        break;
    }
    return ".kpx";
}

Result<LoadedGame> ReadGameFile(const std::string& fileName)
{
    const GameFileForm form = GameFileFormOf(fileName);
    if (form == GameFileForm::Saved) {
        OBoardTracker record;
        SavedGameSettings settings;
        const Status loaded = ReadSavedGameFile(fileName, record, settings);
        if (!loaded)
            return loaded.Failure();
        return LoadedGame { GameOfRecord(std::move(record)), settings };
    }
    const Result<FileBytes> read = ReadFileBounded(fileName, MaxGameTextBytes);
    if (!read)
        return NotOpened(fileName, read.Failure());
    // A GGF collection may go on past the budget; its first game is what counts.
    if (read.Value().Cut && form == GameFileForm::Transcript)
        return NotOpened(fileName, *read.Value().Cut);
    const std::string_view text = read.Value().Bytes;
    Result<WrittenGame> game = form == GameFileForm::Ggf ? ReadGgf(text)
        : form == GameFileForm::Position                 ? FirstPosition(text)
                                                         : TranscriptGame(text);
    if (!game)
        return NotOpened(fileName, game.Failure());
    return LoadedGame { std::move(game).Value(), std::nullopt };
}

Result<std::vector<PositionLine>> ReadPositionFile(const std::string& fileName)
{
    const std::string notRead = BaseName(fileName) + " was not read: ";
    const Result<FileBytes> read = ReadFileBounded(fileName, MaxGameTextBytes);
    if (!read)
        return Error { read.Failure().Kind, notRead + read.Failure().Message };
    // Half a suite would give totals that look like the whole one's.
    if (read.Value().Cut)
        return Error { read.Value().Cut->Kind, notRead + read.Value().Cut->Message };
    Result<std::vector<PositionLine>> lines = ReadPositionLines(read.Value().Bytes);
    if (!lines)
        return Error { lines.Failure().Kind, notRead + lines.Failure().Message };
    return lines;
}

std::string WithGameFileExtension(const std::string& fileName, GameFileForm chosen)
{
    const GameFileForm named = GameFileFormOf(fileName);
    if (named == chosen || named != GameFileForm::Saved || LowerExtension(fileName) == ".kpx")
        return fileName;
    return fileName + GameFileExtension(chosen);
}

Status WriteGameFile(const std::string& fileName, const WrittenGame& game,
    const SavedGameSettings& settings, const GgfDetails& details, WriteProtection protection)
{
    const GameFileForm form = GameFileFormOf(fileName);
    if (form == GameFileForm::Saved && !IsUsualStart(game.Start))
        return Error { ErrorKind::Unsupported,
            Say(QT_TRANSLATE_NOOP("Reasons",
                    "%1 was not written: the game starts from a set-up position, "
                    "which a saved game cannot keep (GGF can)"),
                { Plain(BaseName(fileName)) }) };
    switch (form) {
    case GameFileForm::Transcript:
        // From a set-up position, the position's line first.
        return ReplaceFile(fileName,
            (IsUsualStart(game.Start) ? std::string() : PositionLineOf(game.Start) + "\n")
                + TranscriptOf(game.Record) + "\n",
            protection);
    case GameFileForm::Ggf:
        return ReplaceFile(fileName, GgfOf(game, details), protection);
    case GameFileForm::Position:
        return ReplaceFile(fileName, PositionLineOf(EndOf(game)) + "\n", protection);
    case GameFileForm::Saved:
        break;
    }
    return WriteSavedGameFile(fileName, game.Record, settings, protection);
}

Status WriteGameFile(const std::string& fileName, const OBoardTracker& record,
    const SavedGameSettings& settings, const GgfDetails& details, WriteProtection protection)
{
    const int size = record.Size;
    return WriteGameFile(
        fileName, WrittenGame { UsualStart(size), record }, settings, details, protection);
}

Result<WrittenGame> ReadGameText(std::string_view text)
{
    if (text.find("(;") != std::string_view::npos)
        return ReadGgf(text);
    // One line of squares and a side: a position (a transcript has no "-" and few "X"s).
    const std::size_t lineEnd = text.find_first_of("\r\n", text.find_first_not_of(" \t\r\n"));
    const bool oneLine = text.find_first_not_of(" \t\r\n", lineEnd) == std::string_view::npos;
    if (oneLine && text.find_first_of("-.") != std::string_view::npos) {
        Result<PositionLine> line = ReadPositionLine(text);
        if (!line)
            return line.Failure();
        return GameFromPosition(line.Value().Position);
    }
    Result<WrittenGame> game = TranscriptGame(text);
    // An empty clipboard is no game to open, though a file may hold a game not yet begun.
    if (game && game.Value().Record.Count == 0 && IsUsualStart(game.Value().Start))
        return Error { ErrorKind::Damaged,
            Say(QT_TRANSLATE_NOOP("Reasons", "the text holds no moves")) };
    return game;
}
