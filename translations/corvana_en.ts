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
</context>
</TS>
