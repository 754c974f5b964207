// The transcript reader: a transcript it accepts is a game every other form takes and that its
// own written transcript reads back unchanged; the clipboard's reader agrees with it.
#include "FuzzCheck.h"

#include "GameFiles.h"
#include "Notation.h"
#include "PositionLine.h"

void FuzzTranscript(FuzzBytes input)
{
    const std::string_view text = AsText(input);
    const Result<OBoardTracker> read = ReadTranscript(text);
    // The clipboard's reader takes a transcript as this reader does, unless the text is one line
    // of the position format (with its empty squares), which it reads as that.
    const Result<PositionLine> position = ReadPositionLine(text);
    if (text.find("(;") == std::string_view::npos && !position) {
        const Result<WrittenGame> pasted = ReadGameText(text);
        if (text.find_first_of("-.") == std::string_view::npos) {
            Expect(pasted.Ok() == (read.Ok() && read.Value().Count > 0),
                "transcript: the clipboard's reader and the transcript reader disagree");
            Expect(!pasted || SameGame(pasted.Value().Record, read.Value()),
                "transcript: the clipboard's reader reads another game");
        }
    }
    if (!read) {
        Expect(read.Failure().Kind == ErrorKind::Damaged && !read.Failure().Message.empty(),
            "transcript: a refusal is Damaged and says why");
        return;
    }
    ExpectWholeRecord(read.Value(), "transcript");
    ExpectWritesBack(read.Value(), "transcript");
}
