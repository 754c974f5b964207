// The rules and help document. The prose is kept here as UTF-8 and written out as RTF with one
// font ("Times New Roman") and every character outside ASCII escaped as a code page 1251 byte,
// so the document is plain 7-bit text whatever reads it.
#include "RulesText.h"

#include <QString>
#include <string>

#include "GeneratorError.h"
#include "IntroText.h"
#include "Previews.h"

namespace {

// RTF text for a UTF-8 string: control characters escaped, non-ASCII as \'hh.
std::string RtfText(const char* utf8)
{
    std::string out;
    for (char32_t c : QString::fromUtf8(utf8).toUcs4()) {
        if (c == U'\\' || c == U'{' || c == U'}') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            const std::uint8_t b = Cp1251FromUnicode(c);
            if (b < 0x80)
                throw TGeneratorError("rules text: character U+"
                    + QString::number(uint(c), 16).toStdString() + " has no code page 1251 byte");
            static const char hex[] = "0123456789abcdef";
            out += "\\'";
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

class TRtfWriter {
public:
    TRtfWriter()
    {
        Out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1033"
              "{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}}\n";
    }
    void Title(const char* text)
    {
        Line("\\pard\\qc\\sa240\\f0\\fs32\\b\\i ", text, "\\b0\\i0\\fs24");
    }
    void Heading(const char* text) { Line("\\pard\\qc\\sb240\\sa120\\i ", text, "\\i0"); }
    void Paragraph(const char* text) { Line("\\pard\\qj\\fi360\\sa120 ", text, ""); }
    void Item(const char* text) { Line("\\pard\\qj\\li360\\sa80 ", text, ""); }
    void Closing(const char* text) { Line("\\pard\\qc\\sb240\\b\\i ", text, "\\b0\\i0"); }
    std::string Finish() { return Out + "}\n"; }

private:
    void Line(const char* start, const char* text, const char* end)
    {
        Out += start;
        Out += RtfText(text);
        Out += end;
        Out += "\\par\n";
    }
    std::string Out;
};

std::string RulesDocument()
{
    TRtfWriter rtf;
    rtf.Title("Corvana \u2014 the game of Reversi");

    rtf.Heading("About the game.");
    rtf.Paragraph("Corvana is a computer version of Reversi, an old board game of strategy for two "
                  "players. It is played on a board of 8 x 8 or 10 x 10 squares with round discs "
                  "that are yellow on one side and green on the other. One player plays Yellow, "
                  "the other Green.");
    rtf.Paragraph("You can play against the computer, which looks a fixed number of moves ahead: "
                  "its level goes from 1, for beginners, to 9, and it can judge positions with "
                  "the \u201Cnormal\u201D or the \u201Cadvanced\u201D engine. You can also play "
                  "against a friend at the same computer, taking turns with the mouse, or against "
                  "a friend who runs Corvana on another computer of the network.");
    rtf.Paragraph("Three sets of figures give the board its look: \u201CFlame\u201D, glowing "
                  "discs that turn over in a burst of fire, \u201CClassic\u201D, glossy discs "
                  "that turn over in 3D, and \u201CAncient\u201D, carved discs of an old look. "
                  "Each set has its own sound.");

    rtf.Heading("The Rules of the game.");
    rtf.Paragraph("The players take turns putting one disc of their own colour on an empty square. "
                  "A move is allowed only if it captures: the new disc must close at least one "
                  "straight line of the opponent\u2019s discs \u2014 horizontal, vertical or "
                  "diagonal \u2014 at whose other end there already is a disc of the mover\u2019s "
                  "colour, with no empty square in between. Every disc of the opponent in every "
                  "line closed this way is turned over and takes the mover\u2019s colour.");
    rtf.Paragraph("A player who has no allowed move must pass, and the opponent moves again; "
                  "Corvana says so with the message \u201CYellow pass\u201D or \u201CGreen "
                  "pass\u201D. Passing is not allowed while a move is possible.");
    rtf.Paragraph("The game ends when neither player can move, usually because the board is full. "
                  "The player with more discs wins; with equal numbers the game is a tie.");
    rtf.Paragraph("A disc in a corner can never be turned over again, and discs on the edges are "
                  "hard to capture, so good players fight for them. In the middle of the game it "
                  "often pays to keep few discs and many possible moves.");

    rtf.Heading("The beginning and the order of the game.");
    rtf.Paragraph("At the start four discs stand in the middle of the board: Yellow on the upper "
                  "left and lower right of the four centre squares, Green on the other two. "
                  "Yellow always moves first; after that the players move in turn, except when "
                  "one of them has to pass.");
    rtf.Paragraph("The status bar at the bottom of the window shows whose turn it is, the score "
                  "(for example \u201CYellow 2 : Green 2\u201D) and the move counter: the move "
                  "shown on the board and the number of moves played. In the settings you choose "
                  "whether you play Yellow or Green; when the computer has Yellow, it opens the "
                  "game at once.");

    rtf.Heading("How to play?");
    rtf.Paragraph("Move the mouse over the board: over every square where you may put a disc the "
                  "pointer turns into a hand and a soft tick sounds. Click to make your move. The "
                  "keyboard works too: the arrow keys move the pointer from square to square, and "
                  "Enter or Space makes the move.");
    rtf.Paragraph("Press the right mouse button to see the squares where the side to move may "
                  "play, outlined in its colour, and the squares changed by the last move, "
                  "outlined in white. The outlines shrink and grow for about a second; the "
                  "Advanced page of the settings chooses which of them are shown.");
    rtf.Item("Game menu: New (F2) starts a new game. Hint (F3) asks the computer for its choice "
             "and puts the mouse pointer on that square; the move is made only when you click or "
             "press Enter. Settings (F4) opens the settings, Exit (Alt+X) closes Corvana.");
    rtf.Item("Match menu: Undo move (Ctrl+Z) and Redo move (Ctrl+X) step back and forth through "
             "the game once two moves have been played. Save (Ctrl+S) writes the game to a file "
             "with the extension .kpx; Open (Ctrl+L) loads one and shows its first position, "
             "and Redo replays it.");
    rtf.Item("While an earlier position is shown, a click on the board asks what to do: continue "
             "from this position (the later moves are dropped), continue from the last position, "
             "or return to watching the game.");
    rtf.Item("Settings: the Opponent page chooses the computer or a second player and your "
             "colour; the Level page the computer\u2019s level and the field size; the Media page "
             "the figures, sound, animation and whether Corvana hides in the system tray when "
             "minimised; the Advanced page the right-button marks and the engine. A new "
             "opponent, colour or field size starts a new game; the rest takes effect at once. "
             "Corvana remembers the settings in the file reversi.ini.");
    rtf.Item("Info menu: Help (F1) shows this text; About shows a small animation with a greeting "
             "from the authors.");

    rtf.Heading("Net Game.");
    rtf.Paragraph("Two players can play over the network, each at a computer running Corvana. "
                  "Corvana waits for calls on TCP port 8173 while Allow call (Alt+L) in the "
                  "Network menu is checked; another port can be set in the section [net] of "
                  "reversi.ini.");
    rtf.Paragraph("To call, choose Call (F5), pick your colour and the field size, and type the "
                  "name or the IP address of your opponent\u2019s computer. Your opponent sees who "
                  "calls, the colour offered and the field size, and has 30 seconds to accept. "
                  "Then the game begins, and Yellow moves first.");
    rtf.Paragraph("In a network game each player moves only in his turn; the hint, undo and redo "
                  "and the game settings are switched off, and New starts the game again for "
                  "both players. Message (F7) opens a window for short messages to your "
                  "opponent; a message that arrives opens it for your answer. Disconnect "
                  "(Ctrl+F6) ends the connection. If your opponent leaves, Corvana tells you, and "
                  "the position stays on the board to be played on at your computer.");
    rtf.Paragraph("Opening a saved game during a network game first asks whether to end it. If "
                  "the computer you call is already in a game, Corvana tells you that your "
                  "opponent is busy.");

    rtf.Closing("We wish you good luck and many happy games!");
    return rtf.Finish();
}

} // namespace

std::vector<GeneratedResource> GenerateRulesText(const GeneratorContext& context)
{
    const std::string document = RulesDocument();
    std::vector<std::uint8_t> bytes(document.begin(), document.end());
    SavePreviewFile(context, "RULERS_TEXT.rtf", bytes);
    return { { "RULERS_TEXT", std::move(bytes) } };
}
