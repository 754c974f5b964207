// The program's own help: its key table and topics, and how they are laid out after the rules.
#include "HelpText.h"

#include <QCoreApplication>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextTableFormat>

namespace {

const HelpKey Keys[] = {
    { QT_TRANSLATE_NOOP("Help", "Arrow keys, Enter, Space"),
        QT_TRANSLATE_NOOP("Help", "Move over the board from square to square; play the square.") },
    { QT_TRANSLATE_NOOP("Help", "F2, Ctrl+N"),
        QT_TRANSLATE_NOOP("Help", "A new game; in a network game both players start again.") },
    { QT_TRANSLATE_NOOP("Help", "F3"),
        QT_TRANSLATE_NOOP("Help",
            "A hint: the computer's choice for you. The pointer moves onto it; a click plays "
            "it.") },
    { QT_TRANSLATE_NOOP("Help", "F4"),
        QT_TRANSLATE_NOOP("Help",
            "The settings: opponent and side, level, board size, figure set, sound, animation, "
            "tray icon, the right-click marks, the think engine, and on the Extras page what "
            "Corvana adds to the classic game.") },
    { QT_TRANSLATE_NOOP("Help", "Esc"),
        QT_TRANSLATE_NOOP("Help",
            "While the computer thinks: it plays the best move it has found so far, at once.") },
    { QT_TRANSLATE_NOOP("Help", "Right mouse button"),
        QT_TRANSLATE_NOOP("Help",
            "Marks for a second the squares where the side to move may play and the squares the "
            "last move changed.") },
    { QT_TRANSLATE_NOOP("Help", "Ctrl+Z, Ctrl+X, Ctrl+Shift+Z, Ctrl+Y"),
        QT_TRANSLATE_NOOP("Help",
            "Take a move back, replay it (once two moves are played). While an earlier position "
            "is shown, a click on the board asks whether to play on from there or from the last "
            "position.") },
    { QT_TRANSLATE_NOOP("Help", "Backspace"),
        QT_TRANSLATE_NOOP("Help",
            "Take back your last move; against the computer its replies go with it, and play goes "
            "on at once.") },
    { QT_TRANSLATE_NOOP("Help", "Ctrl+S, Ctrl+L, Ctrl+O"),
        QT_TRANSLATE_NOOP("Help",
            "Save the game; open a saved game (.kpx), a transcript (.txt) or a GGF game (.ggf).") },
    { QT_TRANSLATE_NOOP("Help", "Ctrl+C, Ctrl+V"),
        QT_TRANSLATE_NOOP("Help",
            "Copy the game to the clipboard as a transcript; open a transcript or a GGF game from "
            "the clipboard.") },
    { QT_TRANSLATE_NOOP("Help", "F8"),
        QT_TRANSLATE_NOOP("Help",
            "Show or hide the move list beside the board; a click on a move, Home, End, Page Up "
            "and Page Down go to that position.") },
    { QT_TRANSLATE_NOOP("Help", "F11"), QT_TRANSLATE_NOOP("Help", "Full screen, and back.") },
    { QT_TRANSLATE_NOOP("Help", "F5, Alt+L, Ctrl+F6, F7"),
        QT_TRANSLATE_NOOP(
            "Help", "Network: call another player, allow calls, disconnect, send a message.") },
    { QT_TRANSLATE_NOOP("Help", "F1"), QT_TRANSLATE_NOOP("Help", "This help, beside the game.") },
    { QT_TRANSLATE_NOOP("Help", "Alt+X, Ctrl+Q"), QT_TRANSLATE_NOOP("Help", "Exit.") },
    { QT_TRANSLATE_NOOP("Help", "Esc, Enter, a click"),
        QT_TRANSLATE_NOOP("Help", "Close the About window.") },
};

const HelpTopic Topics[] = {
    { QT_TRANSLATE_NOOP("Help", "The three engines."),
        QT_TRANSLATE_NOOP("Help",
            "The computer thinks with the engine chosen in the settings. \"normal\" and "
            "\"advanced\" look as many moves ahead as the level (1 to 9) says; the advanced one "
            "also counts the moves each side keeps. \"master\" thinks for a time instead, from "
            "0.05 s a move at level 1 to 5 s at level 9, on every core, and plays the end of the "
            "game perfectly from 14 to 22 empty squares, by level. Esc makes any of them play at "
            "once.") },
    { QT_TRANSLATE_NOOP("Help", "The move list."),
        QT_TRANSLATE_NOOP("Help",
            "F8 shows the moves of the game beside the board, numbered in pairs, with a pass where "
            "a side had to pass, and the position on the board marked. A click on a move, its "
            "buttons, and Home, End, Page Up and Page Down, in the list or on the board, show "
            "that position.") },
    { QT_TRANSLATE_NOOP("Help", "Taking moves back."),
        QT_TRANSLATE_NOOP("Help",
            "Undo move and Redo move step through the game, and the board shows an earlier "
            "position until you play on. Take back move (Backspace) returns to before your own "
            "last move and lets you play on at once; what was taken back can be redone until a "
            "new move is made.") },
    { QT_TRANSLATE_NOOP("Help", "Games as text."),
        QT_TRANSLATE_NOOP("Help",
            "Save and Open also write and read transcripts (.txt: the moves one after another, "
            "such as f5d6c3d3c4) and GGF games (.ggf, as Othello servers write them). Squares are "
            "named as the board's border names them: the column's letter from the left and the "
            "row's number from the bottom, so Yellow's first moves are d3, c4, f5 and e6. On "
            "10 x 10 the columns run from a to j and the rows from 1 to 10.") },
    { QT_TRANSLATE_NOOP("Help", "Copy and paste."),
        QT_TRANSLATE_NOOP("Help",
            "Copy game puts the game on the clipboard as a transcript (as GGF when it starts "
            "from a set-up position); Paste game opens a transcript, a GGF game or a position in "
            "one line (the 64 squares a1 to h8 as X, O and -, then X or O to move) from the "
            "clipboard, at its start, as a saved game opens.") },
    { QT_TRANSLATE_NOOP("Help", "Setting up a position."),
        QT_TRANSLATE_NOOP("Help",
            "Set up position in the Match menu makes the board an editor: a click (or Enter) "
            "turns a square empty, Yellow or Green in turn; the panel beside the board sets the "
            "start position, an empty board, the side to move and the opponent, and Play from "
            "here starts the game. A position no game can reach is refused with the reason. A "
            "game from a set-up position is saved as GGF, as a transcript that begins with the "
            "position's line, or as a position; a saved game (.kpx) cannot keep where it "
            "starts.") },
    { QT_TRANSLATE_NOOP("Help", "Resuming the last game."),
        QT_TRANSLATE_NOOP("Help",
            "A game left unfinished when Corvana closes is kept, and Resume last game in the Game "
            "menu plays it on. Starting and closing again without playing leaves it as it is; "
            "the Extras page can switch this off.") },
    { QT_TRANSLATE_NOOP("Help", "The Extras."),
        QT_TRANSLATE_NOOP("Help",
            "The Extras page of the settings adds what today's Othello programs offer: a marker "
            "on the disc placed last, dots on the squares where the side to move may play, three "
            "animation speeds, the move list and keeping an unfinished game. They are kept in "
            "the section [extras] of reversi.ini; at their defaults Corvana is the classic "
            "game.") },
    { QT_TRANSLATE_NOOP("Help", "A window of any size."),
        QT_TRANSLATE_NOOP("Help",
            "The window can be resized, maximised or made full screen (F11): the board is the "
            "largest square that fits, drawn at that size and at the screen's own "
            "resolution.") },
    { QT_TRANSLATE_NOOP("Help", "The other player's board."),
        QT_TRANSLATE_NOOP("Help",
            "In a network game, typing kvbnrz on the board shows the other player's board in a "
            "small window; a click closes it.") },
};

QString Tr(const char* text) { return QCoreApplication::translate("Help", text); }

} // namespace

std::span<const HelpKey> HelpKeys() { return Keys; }
std::span<const HelpTopic> HelpTopics() { return Topics; }

void AppendProgramHelp(QTextDocument& document)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat body = cursor.charFormat();
    QTextCharFormat italic = body, bold = body;
    italic.setFontItalic(true);
    bold.setFontWeight(QFont::Bold);
    QTextBlockFormat centred, justified;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(12);
    centred.setBottomMargin(6);
    justified.setAlignment(Qt::AlignJustify);
    justified.setBottomMargin(6);

    cursor.insertBlock(centred, italic);
    cursor.insertText(Tr(QT_TRANSLATE_NOOP("Help", "Keys and commands.")));
    QTextTableFormat grid;
    grid.setCellPadding(3);
    grid.setCellSpacing(0);
    grid.setBorder(0);
    grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    grid.setColumnWidthConstraints({ QTextLength(QTextLength::PercentageLength, 32),
        QTextLength(QTextLength::PercentageLength, 68) });
    cursor.insertBlock();
    QTextTable* table = cursor.insertTable(int(std::size(Keys)), 2, grid);
    for (int row = 0; row < int(std::size(Keys)); ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(Tr(Keys[row].Keys), bold);
        table->cellAt(row, 1).firstCursorPosition().insertText(Tr(Keys[row].What), body);
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(centred, italic);
    cursor.insertText(Tr(QT_TRANSLATE_NOOP("Help", "What Corvana has beyond the rules.")));
    for (const HelpTopic& topic : Topics) {
        cursor.insertBlock(justified, bold);
        cursor.insertText(Tr(topic.Title) + QLatin1Char(' '), bold);
        cursor.insertText(Tr(topic.Text), body);
    }
}
