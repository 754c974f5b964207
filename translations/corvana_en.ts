<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Yellow disc</source>
        <translation>Yellow disc</translation>
    </message>
    <message>
        <source>Green disc</source>
        <translation>Green disc</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>legal move</translation>
    </message>
    <message>
        <source>Reversi board</source>
        <translation>Reversi board</translation>
    </message>
    <message>
        <source>%1 by %1 squares.</source>
        <translation>%1 by %1 squares.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>The game is over.</translation>
    </message>
    <message>
        <source>Yellow is to move.</source>
        <translation>Yellow is to move.</translation>
    </message>
    <message>
        <source>Green is to move.</source>
        <translation>Green is to move.</translation>
    </message>
</context>
<context>
    <name>GameReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Yellow&apos;s expected margin through the game</source>
        <translation>Yellow&apos;s expected margin through the game</translation>
    </message>
    <message>
        <source>Mistakes and blunders</source>
        <translation>Mistakes and blunders</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>%1. %2 %3: a blunder, loses %4; best %5 (%6)</source>
        <translation>%1. %2 %3: a blunder, loses %4; best %5 (%6)</translation>
    </message>
    <message>
        <source>%1. %2 %3: a mistake, loses %4; best %5 (%6)</source>
        <translation>%1. %2 %3: a mistake, loses %4; best %5 (%6)</translation>
    </message>
    <message>
        <source>No mistakes: no move lost 4 discs or more.</source>
        <translation>No mistakes: no move lost 4 discs or more.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Arrow keys, Enter, Space</source>
        <translation>Arrow keys, Enter, Space</translation>
    </message>
    <message>
        <source>Move over the board from square to square; play the square.</source>
        <translation>Move over the board from square to square; play the square.</translation>
    </message>
    <message>
        <source>F2, Ctrl+N</source>
        <translation>F2, Ctrl+N</translation>
    </message>
    <message>
        <source>A new game; in a network game both players start again.</source>
        <translation>A new game; in a network game both players start again.</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>A hint: the computer&apos;s choice for you. The pointer moves onto it; a click plays it.</source>
        <translation>A hint: the computer&apos;s choice for you. The pointer moves onto it; a click plays it.</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>The settings: opponent and side, level, board size, figure set, sound, animation, tray icon, the right-click marks, the think engine, and on the Extras page what Corvana adds to the classic game.</source>
        <translation>The settings: opponent and side, level, board size, figure set, sound, animation, tray icon, the right-click marks, the think engine, and on the Extras page what Corvana adds to the classic game.</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>While the computer thinks: it plays the best move it has found so far, at once.</source>
        <translation>While the computer thinks: it plays the best move it has found so far, at once.</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Right mouse button</translation>
    </message>
    <message>
        <source>Marks for a second the squares where the side to move may play and the squares the last move changed.</source>
        <translation>Marks for a second the squares where the side to move may play and the squares the last move changed.</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+X, Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Z, Ctrl+X, Ctrl+Shift+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>Take a move back, replay it (once two moves are played). While an earlier position is shown, a click on the board asks whether to play on from there or from the last position.</source>
        <translation>Take a move back, replay it (once two moves are played). While an earlier position is shown, a click on the board asks whether to play on from there or from the last position.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Take back your last move; against the computer its replies go with it, and play goes on at once.</source>
        <translation>Take back your last move; against the computer its replies go with it, and play goes on at once.</translation>
    </message>
    <message>
        <source>Ctrl+S, Ctrl+L, Ctrl+O</source>
        <translation>Ctrl+S, Ctrl+L, Ctrl+O</translation>
    </message>
    <message>
        <source>Save the game; open a saved game (.kpx), a transcript (.txt) or a GGF game (.ggf).</source>
        <translation>Save the game; open a saved game (.kpx), a transcript (.txt) or a GGF game (.ggf).</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Ctrl+C, Ctrl+V</translation>
    </message>
    <message>
        <source>Copy the game to the clipboard as a transcript; open a transcript or a GGF game from the clipboard.</source>
        <translation>Copy the game to the clipboard as a transcript; open a transcript or a GGF game from the clipboard.</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Show or hide the move list beside the board; a click on a move, Home, End, Page Up and Page Down go to that position.</source>
        <translation>Show or hide the move list beside the board; a click on a move, Home, End, Page Up and Page Down go to that position.</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Full screen, and back.</source>
        <translation>Full screen, and back.</translation>
    </message>
    <message>
        <source>F5, Alt+L, Ctrl+F6, F7</source>
        <translation>F5, Alt+L, Ctrl+F6, F7</translation>
    </message>
    <message>
        <source>Network: call another player, allow calls, disconnect, send a message.</source>
        <translation>Network: call another player, allow calls, disconnect, send a message.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This help, beside the game.</source>
        <translation>This help, beside the game.</translation>
    </message>
    <message>
        <source>Alt+X, Ctrl+Q</source>
        <translation>Alt+X, Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit.</source>
        <translation>Exit.</translation>
    </message>
    <message>
        <source>Esc, Enter, a click</source>
        <translation>Esc, Enter, a click</translation>
    </message>
    <message>
        <source>Close the About window.</source>
        <translation>Close the About window.</translation>
    </message>
    <message>
        <source>The three engines.</source>
        <translation>The three engines.</translation>
    </message>
    <message>
        <source>The computer thinks with the engine chosen in the settings. &quot;normal&quot; and &quot;advanced&quot; look as many moves ahead as the level (1 to 9) says; the advanced one also counts the moves each side keeps. &quot;master&quot; thinks for a time instead, from 0.05 s a move at level 1 to 5 s at level 9, on every core, and plays the end of the game perfectly from 14 to 22 empty squares, by level. Esc makes any of them play at once.</source>
        <translation>The computer thinks with the engine chosen in the settings. &quot;normal&quot; and &quot;advanced&quot; look as many moves ahead as the level (1 to 9) says; the advanced one also counts the moves each side keeps. &quot;master&quot; thinks for a time instead, from 0.05 s a move at level 1 to 5 s at level 9, on every core, and plays the end of the game perfectly from 14 to 22 empty squares, by level. Esc makes any of them play at once.</translation>
    </message>
    <message>
        <source>The move list.</source>
        <translation>The move list.</translation>
    </message>
    <message>
        <source>F8 shows the moves of the game beside the board, numbered in pairs, with a pass where a side had to pass, and the position on the board marked. A click on a move, its buttons, and Home, End, Page Up and Page Down, in the list or on the board, show that position.</source>
        <translation>F8 shows the moves of the game beside the board, numbered in pairs, with a pass where a side had to pass, and the position on the board marked. A click on a move, its buttons, and Home, End, Page Up and Page Down, in the list or on the board, show that position.</translation>
    </message>
    <message>
        <source>Taking moves back.</source>
        <translation>Taking moves back.</translation>
    </message>
    <message>
        <source>Undo move and Redo move step through the game, and the board shows an earlier position until you play on. Take back move (Backspace) returns to before your own last move and lets you play on at once; what was taken back can be redone until a new move is made.</source>
        <translation>Undo move and Redo move step through the game, and the board shows an earlier position until you play on. Take back move (Backspace) returns to before your own last move and lets you play on at once; what was taken back can be redone until a new move is made.</translation>
    </message>
    <message>
        <source>Games as text.</source>
        <translation>Games as text.</translation>
    </message>
    <message>
        <source>Save and Open also write and read transcripts (.txt: the moves one after another, such as f5d6c3d3c4) and GGF games (.ggf, as Othello servers write them). Squares are named as the board&apos;s border names them: the column&apos;s letter from the left and the row&apos;s number from the bottom, so Yellow&apos;s first moves are d3, c4, f5 and e6. On 10 x 10 the columns run from a to j and the rows from 1 to 10.</source>
        <translation>Save and Open also write and read transcripts (.txt: the moves one after another, such as f5d6c3d3c4) and GGF games (.ggf, as Othello servers write them). Squares are named as the board&apos;s border names them: the column&apos;s letter from the left and the row&apos;s number from the bottom, so Yellow&apos;s first moves are d3, c4, f5 and e6. On 10 x 10 the columns run from a to j and the rows from 1 to 10.</translation>
    </message>
    <message>
        <source>Copy and paste.</source>
        <translation>Copy and paste.</translation>
    </message>
    <message>
        <source>Resuming the last game.</source>
        <translation>Resuming the last game.</translation>
    </message>
    <message>
        <source>A game left unfinished when Corvana closes is kept, and Resume last game in the Game menu plays it on. Starting and closing again without playing leaves it as it is; the Extras page can switch this off.</source>
        <translation>A game left unfinished when Corvana closes is kept, and Resume last game in the Game menu plays it on. Starting and closing again without playing leaves it as it is; the Extras page can switch this off.</translation>
    </message>
    <message>
        <source>The Extras.</source>
        <translation>The Extras.</translation>
    </message>
    <message>
        <source>The Extras page of the settings adds what today&apos;s Othello programs offer: a marker on the disc placed last, dots on the squares where the side to move may play, three animation speeds, the move list and keeping an unfinished game. They are kept in the section [extras] of reversi.ini; at their defaults Corvana is the classic game.</source>
        <translation>The Extras page of the settings adds what today&apos;s Othello programs offer: a marker on the disc placed last, dots on the squares where the side to move may play, three animation speeds, the move list and keeping an unfinished game. They are kept in the section [extras] of reversi.ini; at their defaults Corvana is the classic game.</translation>
    </message>
    <message>
        <source>A window of any size.</source>
        <translation>A window of any size.</translation>
    </message>
    <message>
        <source>The window can be resized, maximised or made full screen (F11): the board is the largest square that fits, drawn at that size and at the screen&apos;s own resolution.</source>
        <translation>The window can be resized, maximised or made full screen (F11): the board is the largest square that fits, drawn at that size and at the screen&apos;s own resolution.</translation>
    </message>
    <message>
        <source>The other player&apos;s board.</source>
        <translation>The other player&apos;s board.</translation>
    </message>
    <message>
        <source>In a network game, typing kvbnrz on the board shows the other player&apos;s board in a small window; a click closes it.</source>
        <translation>In a network game, typing kvbnrz on the board shows the other player&apos;s board in a small window; a click closes it.</translation>
    </message>
    <message>
        <source>Keys and commands.</source>
        <translation>Keys and commands.</translation>
    </message>
    <message>
        <source>What Corvana has beyond the rules.</source>
        <translation>What Corvana has beyond the rules.</translation>
    </message>
    <message>
        <source>Copy game puts the game on the clipboard as a transcript (as GGF when it starts from a set-up position); Paste game opens a transcript, a GGF game or a position in one line (the 64 squares a1 to h8 as X, O and -, then X or O to move) from the clipboard, at its start, as a saved game opens.</source>
        <translation>Copy game puts the game on the clipboard as a transcript (as GGF when it starts from a set-up position); Paste game opens a transcript, a GGF game or a position in one line (the 64 squares a1 to h8 as X, O and -, then X or O to move) from the clipboard, at its start, as a saved game opens.</translation>
    </message>
    <message>
        <source>Setting up a position.</source>
        <translation>Setting up a position.</translation>
    </message>
    <message>
        <source>Set up position in the Match menu makes the board an editor: a click (or Enter) turns a square empty, Yellow or Green in turn; the panel beside the board sets the start position, an empty board, the side to move and the opponent, and Play from here starts the game. A position no game can reach is refused with the reason. A game from a set-up position is saved as GGF, as a transcript that begins with the position&apos;s line, or as a position; a saved game (.kpx) cannot keep where it starts.</source>
        <translation>Set up position in the Match menu makes the board an editor: a click (or Enter) turns a square empty, Yellow or Green in turn; the panel beside the board sets the start position, an empty board, the side to move and the opponent, and Play from here starts the game. A position no game can reach is refused with the reason. A game from a set-up position is saved as GGF, as a transcript that begins with the position&apos;s line, or as a position; a saved game (.kpx) cannot keep where it starts.</translation>
    </message>
</context>
<context>
    <name>MoveListWindow</name>
    <message>
        <source>Moves</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Moves of the game</translation>
    </message>
    <message>
        <source>First position</source>
        <translation>First position</translation>
    </message>
    <message>
        <source>Previous move</source>
        <translation>Previous move</translation>
    </message>
    <message>
        <source>Next move</source>
        <translation>Next move</translation>
    </message>
    <message>
        <source>Last position</source>
        <translation>Last position</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>Opening: %1</translation>
    </message>
</context>
<context>
    <name>NetSession</name>
    <message>
        <source>NETWORK: Opponent has refused to play.</source>
        <translation>NETWORK: Opponent has refused to play.</translation>
    </message>
    <message>
        <source>NETWORK: Opponent is busy.</source>
        <translation>NETWORK: Opponent is busy.</translation>
    </message>
    <message>
        <source>NETWORK: Opponent has abandonned a game.</source>
        <translation>NETWORK: Opponent has abandonned a game.</translation>
    </message>
    <message>
        <source>NETWORK: Connection failed - opponent call error!</source>
        <translation>NETWORK: Connection failed - opponent call error!</translation>
    </message>
</context>
<context>
    <name>PositionEditor</name>
    <message>
        <source>Set up position</source>
        <translation>Set up position</translation>
    </message>
    <message>
        <source>Click a square to make it empty, Yellow or Green in turn (Enter does the same).</source>
        <translation>Click a square to make it empty, Yellow or Green in turn (Enter does the same).</translation>
    </message>
    <message>
        <source>&amp;Empty board</source>
        <translation>&amp;Empty board</translation>
    </message>
    <message>
        <source>To move</source>
        <translation>To move</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Yellow</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Green</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Two players</source>
        <translation>&amp;Two players</translation>
    </message>
    <message>
        <source>&amp;Play from here</source>
        <translation>&amp;Play from here</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Start position</source>
        <translation>&amp;Start position</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>a game from a set-up position is not played over the network</source>
        <translation>a game from a set-up position is not played over the network</translation>
    </message>
    <message>
        <source>neither side can move: the game would be over</source>
        <translation>neither side can move: the game would be over</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>it is damaged (%1)</translation>
    </message>
    <message>
        <source>it is too short to be a saved game</source>
        <translation>it is too short to be a saved game</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>it is not a saved game</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, before its header is complete</source>
        <translation>it ends after %1 bytes, before its header is complete</translation>
    </message>
    <message>
        <source>its board size %1 is neither 8 nor 10</source>
        <translation>its board size %1 is neither 8 nor 10</translation>
    </message>
    <message>
        <source>its move count %1 is impossible</source>
        <translation>its move count %1 is impossible</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, %2 moves need %3</source>
        <translation>it ends after %1 bytes, %2 moves need %3</translation>
    </message>
    <message>
        <source>it holds %1 bytes, %2 moves need %3</source>
        <translation>it holds %1 bytes, %2 moves need %3</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>move %1</translation>
    </message>
    <message>
        <source>%1 is not a square of the board</source>
        <translation>%1 is not a square of the board</translation>
    </message>
    <message>
        <source>%1 names impossible sides</source>
        <translation>%1 names impossible sides</translation>
    </message>
    <message>
        <source>the board before %1 holds impossible cells</source>
        <translation>the board before %1 holds impossible cells</translation>
    </message>
    <message>
        <source>the board before %1 has an empty centre square</source>
        <translation>the board before %1 has an empty centre square</translation>
    </message>
    <message>
        <source>the board before move 1 is not the start position</source>
        <translation>the board before move 1 is not the start position</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 is not a legal move</translation>
    </message>
    <message>
        <source>the board before %1 does not follow from move %2</source>
        <translation>the board before %1 does not follow from move %2</translation>
    </message>
    <message>
        <source>%1 is played by %2 where %3 is to move</source>
        <translation>%1 is played by %2 where %3 is to move</translation>
    </message>
    <message>
        <source>its computer side %1 is neither 2 nor 3</source>
        <translation>its computer side %1 is neither 2 nor 3</translation>
    </message>
    <message>
        <source>its opponent flag %1 is neither 0 nor 1</source>
        <translation>its opponent flag %1 is neither 0 nor 1</translation>
    </message>
    <message>
        <source>it is too large to be a saved game</source>
        <translation>it is too large to be a saved game</translation>
    </message>
    <message>
        <source>%1 was not written: the game starts from a set-up position, which a saved game cannot keep (GGF can)</source>
        <translation>%1 was not written: the game starts from a set-up position, which a saved game cannot keep (GGF can)</translation>
    </message>
    <message>
        <source>the text holds no moves</source>
        <translation>the text holds no moves</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>the board size %1 is neither 8 nor 10</source>
        <translation>the board size %1 is neither 8 nor 10</translation>
    </message>
    <message>
        <source>it names no side to move</source>
        <translation>it names no side to move</translation>
    </message>
    <message>
        <source>its board holds impossible cells</source>
        <translation>its board holds impossible cells</translation>
    </message>
    <message>
        <source>its centre square %1 is empty, which no game can leave empty</source>
        <translation>its centre square %1 is empty, which no game can leave empty</translation>
    </message>
    <message>
        <source>%1 is to move but has no legal move, while %2 has one</source>
        <translation>%1 is to move but has no legal move, while %2 has one</translation>
    </message>
    <message>
        <source>it holds no GGF game (no &quot;(;&quot; where a game begins)</source>
        <translation>it holds no GGF game (no &quot;(;&quot; where a game begins)</translation>
    </message>
    <message>
        <source>character %1</source>
        <translation>character %1</translation>
    </message>
    <message>
        <source>the game is not closed by &quot;;)&quot;</source>
        <translation>the game is not closed by &quot;;)&quot;</translation>
    </message>
    <message>
        <source>the game has something else than a property at %1</source>
        <translation>the game has something else than a property at %1</translation>
    </message>
    <message>
        <source>the value of %1 is not closed by &quot;]&quot;</source>
        <translation>the value of %1 is not closed by &quot;]&quot;</translation>
    </message>
    <message>
        <source>the game has more properties than any game needs</source>
        <translation>the game has more properties than any game needs</translation>
    </message>
    <message>
        <source>its board (BO) is neither 8 × 8 nor 10 × 10</source>
        <translation>its board (BO) is neither 8 × 8 nor 10 × 10</translation>
    </message>
    <message>
        <source>its board (BO) does not have %1 squares and the side to move</source>
        <translation>its board (BO) does not have %1 squares and the side to move</translation>
    </message>
    <message>
        <source>its board (BO) has &quot;%1&quot; where a square is *, O or -</source>
        <translation>its board (BO) has &quot;%1&quot; where a square is *, O or -</translation>
    </message>
    <message>
        <source>its board (BO) names no side to move (* or O after the squares)</source>
        <translation>its board (BO) names no side to move (* or O after the squares)</translation>
    </message>
    <message>
        <source>its board (BO) cannot arise in a game: %1</source>
        <translation>its board (BO) cannot arise in a game: %1</translation>
    </message>
    <message>
        <source>it is a game of %1, not of Othello</source>
        <translation>it is a game of %1, not of Othello</translation>
    </message>
    <message>
        <source>it has no board (BO)</source>
        <translation>it has no board (BO)</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a square of the board</source>
        <translation>move %1 (%2) is not a square of the board</translation>
    </message>
    <message>
        <source>move %1 (%2)</source>
        <translation>move %1 (%2)</translation>
    </message>
    <message>
        <source>%1 comes after the end of the game</source>
        <translation>%1 comes after the end of the game</translation>
    </message>
    <message>
        <source>%1 is a pass for %2, but %3 is the one to pass</source>
        <translation>%1 is a pass for %2, but %3 is the one to pass</translation>
    </message>
    <message>
        <source>%1 is a pass, but %2 can play</source>
        <translation>%1 is a pass, but %2 can play</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s, but %3 is to move</source>
        <translation>%1 is %2&apos;s, but %3 is to move</translation>
    </message>
    <message>
        <source>%1 is not a legal move for %2</source>
        <translation>%1 is not a legal move for %2</translation>
    </message>
    <message>
        <source>character %1 is neither a square nor a pass</source>
        <translation>character %1 is neither a square nor a pass</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2 is neither a square nor a pass</source>
        <translation>&quot;%1&quot; at %2 is neither a square nor a pass</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2 is not a square</source>
        <translation>&quot;%1&quot; at %2 is not a square</translation>
    </message>
    <message>
        <source>it holds more moves than any game has</source>
        <translation>it holds more moves than any game has</translation>
    </message>
    <message>
        <source>the moves and their sides do not pair up</source>
        <translation>the moves and their sides do not pair up</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a square of the %3 × %3 board</source>
        <translation>move %1 (%2) is not a square of the %3 × %3 board</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move and its score (such as A2:+38)</source>
        <translation>&quot;%1&quot; is not a move and its score (such as A2:+38)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no square of the board</source>
        <translation>&quot;%1&quot; names no square of the board</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no score a game can end with</source>
        <translation>&quot;%1&quot; has no score a game can end with</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 is not a legal move for %3</source>
        <translation>&quot;%1&quot;: %2 is not a legal move for %3</translation>
    </message>
    <message>
        <source>character %1 (%2) is no square: a square is X, O or -</source>
        <translation>character %1 (%2) is no square: a square is X, O or -</translation>
    </message>
    <message>
        <source>it has %1 squares, where a board has 64 (8 × 8) or 100 (10 × 10)</source>
        <translation>it has %1 squares, where a board has 64 (8 × 8) or 100 (10 × 10)</translation>
    </message>
    <message>
        <source>it names no side to move (X or O after the squares)</source>
        <translation>it names no side to move (X or O after the squares)</translation>
    </message>
    <message>
        <source>%1 after the squares is no side to move (X or O)</source>
        <translation>%1 after the squares is no side to move (X or O)</translation>
    </message>
    <message>
        <source>%1 follows the side to move, where &quot;;&quot; or nothing may</source>
        <translation>%1 follows the side to move, where &quot;;&quot; or nothing may</translation>
    </message>
    <message>
        <source>it publishes more moves than a position has</source>
        <translation>it publishes more moves than a position has</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>it holds no position</source>
        <translation>it holds no position</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 was not opened: %2</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>it could not be opened: %1</source>
        <translation>it could not be opened: %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>it could not be read: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>it is larger than %1 bytes</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Cannot remove &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: it is not a regular file</source>
        <translation>Cannot remove &quot;%1&quot;: it is not a regular file</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: the file is read-only</source>
        <translation>Cannot remove &quot;%1&quot;: the file is read-only</translation>
    </message>
    <message>
        <source>Cannot follow &quot;%1&quot;: %2</source>
        <translation>Cannot follow &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: it is not a regular file</source>
        <translation>Cannot replace &quot;%1&quot;: it is not a regular file</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: the file is read-only</source>
        <translation>Cannot replace &quot;%1&quot;: the file is read-only</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: it belongs to another user</source>
        <translation>Cannot replace &quot;%1&quot;: it belongs to another user</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; is read-only</source>
        <translation>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; is read-only</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Cannot create &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Cannot write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Cannot replace &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ReviewGameDialog</name>
    <message>
        <source>Review game</source>
        <translation>Review game</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Time for each position:</source>
        <translation>&amp;Time for each position:</translation>
    </message>
    <message>
        <source>Positions with 20 empty squares or fewer are solved exactly.</source>
        <translation>Positions with 20 empty squares or fewer are solved exactly.</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Game over</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Green is moving</source>
        <translation>Green is moving</translation>
    </message>
    <message>
        <source>Yellow is moving</source>
        <translation>Yellow is moving</translation>
    </message>
    <message>
        <source>Yellow %1 : Green %2</source>
        <translation>Yellow %1 : Green %2</translation>
    </message>
    <message>
        <source>Move %1/%2</source>
        <translation>Move %1/%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>A game of Reversi for one or two players, against the computer or over the network.</source>
        <translation>A game of Reversi for one or two players, against the computer or over the network.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Corvana developers</source>
        <translation>Copyright © 2026 The Corvana developers</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Free software under the GNU General Public License, version 3 or later, with no warranty.</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>RESPECTED USERS ! Thank you for choosing Corvana, the game of Reversi for the Linux desktop. Challenge the computer on nine levels, play a friend at the same table or call one over the network. Try the Flame, Classic and Ancient discs. We wish you clever moves and many happy victories ! </source>
        <translation>RESPECTED USERS ! Thank you for choosing Corvana, the game of Reversi for the Linux desktop. Challenge the computer on nine levels, play a friend at the same table or call one over the network. Try the Flame, Classic and Ancient discs. We wish you clever moves and many happy victories ! </translation>
    </message>
</context>
<context>
    <name>TCallDlg</name>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>You play</source>
        <translation>You play</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Yellow</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Green</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Field size</translation>
    </message>
    <message>
        <source>&amp;8 x 8</source>
        <translation>&amp;8 x 8</translation>
    </message>
    <message>
        <source>&amp;10 x 10</source>
        <translation>&amp;10 x 10</translation>
    </message>
    <message>
        <source>Computer name or IP address</source>
        <translation>Computer name or IP address</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Call</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>C&amp;ancel</translation>
    </message>
</context>
<context>
    <name>TCallReq</name>
    <message>
        <source>Подтверждение вызова</source>
        <translation>Call confirmation</translation>
    </message>
    <message>
        <source>Поступил вызов от:</source>
        <translation>Call from:</translation>
    </message>
    <message>
        <source>Вы будете играть:</source>
        <translation>You will play:</translation>
    </message>
    <message>
        <source>Размер поля:</source>
        <translation>Board size:</translation>
    </message>
    <message>
        <source>Желаете ли Вы принять вызов ?</source>
        <translation>Do you want to accept the call?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No=30</source>
        <translation>&amp;No=30</translation>
    </message>
    <message>
        <source>No=%1</source>
        <translation>No=%1</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>8 x 8</source>
        <translation>8 x 8</translation>
    </message>
    <message>
        <source>10 x 10</source>
        <translation>10 x 10</translation>
    </message>
</context>
<context>
    <name>TChoice</name>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Continue from &amp;this position...</source>
        <translation>Continue from &amp;this position...</translation>
    </message>
    <message>
        <source>Continue from &amp;last position...</source>
        <translation>Continue from &amp;last position...</translation>
    </message>
    <message>
        <source>Return to history &amp;watching...</source>
        <translation>Return to history &amp;watching...</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choice</translation>
    </message>
</context>
<context>
    <name>TFinalDlg</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Yellow won %1 : %2</source>
        <translation>Yellow won %1 : %2</translation>
    </message>
    <message>
        <source>Green won %1 : %2</source>
        <translation>Green won %1 : %2</translation>
    </message>
    <message>
        <source>Tie up</source>
        <translation>Tie up</translation>
    </message>
    <message>
        <source>Yellow pass</source>
        <translation>Yellow pass</translation>
    </message>
    <message>
        <source>Green pass</source>
        <translation>Green pass</translation>
    </message>
</context>
<context>
    <name>TReversiForm</name>
    <message>
        <source>Reversi games (*.kpx)</source>
        <translation>Reversi games (*.kpx)</translation>
    </message>
    <message>
        <source>Transcripts (*.txt)</source>
        <translation>Transcripts (*.txt)</translation>
    </message>
    <message>
        <source>GGF games (*.ggf)</source>
        <translation>GGF games (*.ggf)</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>New game / exit</source>
        <translation>New game / exit</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Start new game</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>Display hint</source>
        <translation>Display hint</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Game settings</source>
        <translation>Game settings</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Exit from game</source>
        <translation>Exit from game</translation>
    </message>
    <message>
        <source>&amp;Resume last game</source>
        <translation>&amp;Resume last game</translation>
    </message>
    <message>
        <source>Play on the game left unfinished at the last exit</source>
        <translation>Play on the game left unfinished at the last exit</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Network</translation>
    </message>
    <message>
        <source>Network play</source>
        <translation>Network play</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Call</translation>
    </message>
    <message>
        <source>Call remote player</source>
        <translation>Call remote player</translation>
    </message>
    <message>
        <source>&amp;Allow call</source>
        <translation>&amp;Allow call</translation>
    </message>
    <message>
        <source>Allow remote player to call you</source>
        <translation>Allow remote player to call you</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Message</translation>
    </message>
    <message>
        <source>Send message</source>
        <translation>Send message</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Match</translation>
    </message>
    <message>
        <source>Undo / redo / save / load</source>
        <translation>Undo / redo / save / load</translation>
    </message>
    <message>
        <source>&amp;Undo move</source>
        <translation>&amp;Undo move</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Undo last move</translation>
    </message>
    <message>
        <source>&amp;Redo move</source>
        <translation>&amp;Redo move</translation>
    </message>
    <message>
        <source>Redo move</source>
        <translation>Redo move</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>Save match</source>
        <translation>Save match</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Restore saved match</source>
        <translation>Restore saved match</translation>
    </message>
    <message>
        <source>&amp;Take back move</source>
        <translation>&amp;Take back move</translation>
    </message>
    <message>
        <source>Take back your last move</source>
        <translation>Take back your last move</translation>
    </message>
    <message>
        <source>Move &amp;list</source>
        <translation>Move &amp;list</translation>
    </message>
    <message>
        <source>Show the moves of the game</source>
        <translation>Show the moves of the game</translation>
    </message>
    <message>
        <source>&amp;Copy game</source>
        <translation>&amp;Copy game</translation>
    </message>
    <message>
        <source>Copy the moves of the game as a transcript</source>
        <translation>Copy the moves of the game as a transcript</translation>
    </message>
    <message>
        <source>&amp;Paste game</source>
        <translation>&amp;Paste game</translation>
    </message>
    <message>
        <source>Open a transcript or GGF game from the clipboard</source>
        <translation>Open a transcript or GGF game from the clipboard</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Display help</source>
        <translation>Display help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Display about</source>
        <translation>Display about</translation>
    </message>
    <message>
        <source>WARNING: You have less then 800 x 600 resolution!</source>
        <translation>WARNING: You have less then 800 x 600 resolution!</translation>
    </message>
    <message>
        <source>Network game not in progress.
Function not work.</source>
        <translation>Network game not in progress.
Function not work.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is read-only: replace it?</source>
        <translation>The file &quot;%1&quot; is read-only: replace it?</translation>
    </message>
    <message>
        <source>Save the game elsewhere.</source>
        <translation>Save the game elsewhere.</translation>
    </message>
    <message>
        <source>NETWORK: Do you want abort network game ?</source>
        <translation>NETWORK: Do you want abort network game ?</translation>
    </message>
    <message>
        <source>Paste game</source>
        <translation>Paste game</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played through: %1</source>
        <translation>The clipboard holds no game that can be played through: %1</translation>
    </message>
    <message>
        <source>Corvana could not keep everything for next time.</source>
        <translation>Corvana could not keep everything for next time.</translation>
    </message>
    <message>
        <source>&amp;Quit anyway</source>
        <translation>&amp;Quit anyway</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>%1 plays %2; discs turned: %3.</source>
        <translation>%1 plays %2; discs turned: %3.</translation>
    </message>
    <message>
        <source>Network play is off: port %1 is in use</source>
        <translation>Network play is off: port %1 is in use</translation>
    </message>
    <message>
        <source>Network play is off: %1</source>
        <translation>Network play is off: %1</translation>
    </message>
    <message>
        <source>NETWORK: Cannot enable listing!</source>
        <translation>NETWORK: Cannot enable listing!</translation>
    </message>
    <message>
        <source>NETWORK: Connection failed - open socket error!</source>
        <translation>NETWORK: Connection failed - open socket error!</translation>
    </message>
    <message>
        <source>All games (%1)</source>
        <translation>All games (%1)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>Show the board on the whole screen</source>
        <translation>Show the board on the whole screen</translation>
    </message>
    <message>
        <source>&amp;Move now</source>
        <translation>&amp;Move now</translation>
    </message>
    <message>
        <source>The computer plays the best move it has found so far</source>
        <translation>The computer plays the best move it has found so far</translation>
    </message>
    <message>
        <source>Set up position...</source>
        <translation>Set up position...</translation>
    </message>
    <message>
        <source>Set up a position on the board and play from it</source>
        <translation>Set up a position on the board and play from it</translation>
    </message>
    <message>
        <source>Set up position</source>
        <translation>Set up position</translation>
    </message>
    <message>
        <source>Re&amp;view game...</source>
        <translation>Re&amp;view game...</translation>
    </message>
    <message>
        <source>Let the master engine value every move of the game</source>
        <translation>Let the master engine value every move of the game</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Review game</translation>
    </message>
    <message>
        <source>The game has no moves yet: there is nothing to review.</source>
        <translation>The game has no moves yet: there is nothing to review.</translation>
    </message>
</context>
<context>
    <name>TRulersDlg</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TSendDlg</name>
    <message>
        <source>Send message</source>
        <translation>Send message</translation>
    </message>
    <message>
        <source>Messages history</source>
        <translation>Messages history</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Send</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TSideDlg</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Player</translation>
    </message>
    <message>
        <source>You play</source>
        <translation>You play</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Yellow</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Green</translation>
    </message>
    <message>
        <source>O&amp;pponent</source>
        <translation>O&amp;pponent</translation>
    </message>
    <message>
        <source>Computer&apos;s level</source>
        <translation>Computer&apos;s level</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Field size</translation>
    </message>
    <message>
        <source>&amp;8 x 8</source>
        <translation>&amp;8 x 8</translation>
    </message>
    <message>
        <source>&amp;10 x 10</source>
        <translation>&amp;10 x 10</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flame</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Ancient</source>
        <translation>Ancient</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>A&amp;nimation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>Sys&amp;Tray</source>
        <translation>Sys&amp;Tray</translation>
    </message>
    <message>
        <source>&amp;Media</source>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>On right mouse click show</source>
        <translation>On right mouse click show</translation>
    </message>
    <message>
        <source>&amp;Previous move</source>
        <translation>&amp;Previous move</translation>
    </message>
    <message>
        <source>A&amp;vailable moves</source>
        <translation>A&amp;vailable moves</translation>
    </message>
    <message>
        <source>Think engine</source>
        <translation>Think engine</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>advanced</translation>
    </message>
    <message>
        <source>master</source>
        <translation>master</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Advanced</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>On the board</translation>
    </message>
    <message>
        <source>Mark the last mov&amp;e</source>
        <translation>Mark the last mov&amp;e</translation>
    </message>
    <message>
        <source>Mark the legal s&amp;quares</source>
        <translation>Mark the legal s&amp;quares</translation>
    </message>
    <message>
        <source>Animation spee&amp;d</source>
        <translation>Animation spee&amp;d</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>The game</translation>
    </message>
    <message>
        <source>Show the move l&amp;ist</source>
        <translation>Show the move l&amp;ist</translation>
    </message>
    <message>
        <source>&amp;Keep an unfinished game to resume</source>
        <translation>&amp;Keep an unfinished game to resume</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Computer level %1</source>
        <translation>Computer level %1</translation>
    </message>
    <message>
        <source>Show move &amp;values</source>
        <translation>Show move &amp;values</translation>
    </message>
</context>
</TS>
