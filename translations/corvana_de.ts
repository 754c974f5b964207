<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Yellow disc</source>
        <translation>Gelber Stein</translation>
    </message>
    <message>
        <source>Green disc</source>
        <translation>Grüner Stein</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>möglicher Zug</translation>
    </message>
    <message>
        <source>Reversi board</source>
        <translation>Reversi-Brett</translation>
    </message>
    <message>
        <source>%1 by %1 squares.</source>
        <translation>%1 mal %1 Felder.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>Yellow is to move.</source>
        <translation>Gelb ist am Zug.</translation>
    </message>
    <message>
        <source>Green is to move.</source>
        <translation>Grün ist am Zug.</translation>
    </message>
</context>
<context>
    <name>MoveListWindow</name>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Züge der Partie</translation>
    </message>
    <message>
        <source>First position</source>
        <translation>Erste Stellung</translation>
    </message>
    <message>
        <source>Previous move</source>
        <translation>Vorheriger Zug</translation>
    </message>
    <message>
        <source>Next move</source>
        <translation>Nächster Zug</translation>
    </message>
    <message>
        <source>Last position</source>
        <translation>Letzte Stellung</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>passt</translation>
    </message>
</context>
<context>
    <name>NetSession</name>
    <message>
        <source>NETWORK: Opponent has refused to play.</source>
        <translation>NETZWERK: Der Gegner hat das Spiel abgelehnt.</translation>
    </message>
    <message>
        <source>NETWORK: Opponent is busy.</source>
        <translation>NETZWERK: Der Gegner ist beschäftigt.</translation>
    </message>
    <message>
        <source>NETWORK: Opponent has abandonned a game.</source>
        <translation>NETZWERK: Der Gegner hat das Spiel verlassen.</translation>
    </message>
    <message>
        <source>NETWORK: Connection failed - opponent call error!</source>
        <translation>NETZWERK: Verbindung fehlgeschlagen – Fehler beim Anruf!</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Green is moving</source>
        <translation>Grün ist am Zug</translation>
    </message>
    <message>
        <source>Yellow is moving</source>
        <translation>Gelb ist am Zug</translation>
    </message>
    <message>
        <source>Yellow %1 : Green %2</source>
        <translation>Gelb %1 : Grün %2</translation>
    </message>
    <message>
        <source>Move %1/%2</source>
        <translation>Zug %1/%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>A game of Reversi for one or two players, against the computer or over the network.</source>
        <translation>Ein Reversi-Spiel für einen oder zwei Spieler, gegen den Computer oder über das Netzwerk.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Corvana developers</source>
        <translation>Copyright © 2026 Die Corvana-Entwickler</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später, ohne Gewährleistung.</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>TCallDlg</name>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>You play</source>
        <translation>Sie spielen</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Gelb</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>G&amp;rün</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Feldgröße</translation>
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
        <translation>Rechnername oder IP-Adresse</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Anrufen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
</context>
<context>
    <name>TCallReq</name>
    <message>
        <source>Подтверждение вызова</source>
        <translation>Anruf bestätigen</translation>
    </message>
    <message>
        <source>Поступил вызов от:</source>
        <translation>Anruf von:</translation>
    </message>
    <message>
        <source>Вы будете играть:</source>
        <translation>Sie werden spielen:</translation>
    </message>
    <message>
        <source>Размер поля:</source>
        <translation>Feldgröße:</translation>
    </message>
    <message>
        <source>Желаете ли Вы принять вызов ?</source>
        <translation>Möchten Sie den Anruf annehmen?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No=30</source>
        <translation>&amp;Nein=30</translation>
    </message>
    <message>
        <source>No=%1</source>
        <translation>Nein=%1</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
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
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Continue from &amp;this position...</source>
        <translation>Von &amp;dieser Stellung weiterspielen...</translation>
    </message>
    <message>
        <source>Continue from &amp;last position...</source>
        <translation>Von der &amp;letzten Stellung weiterspielen...</translation>
    </message>
    <message>
        <source>Return to history &amp;watching...</source>
        <translation>&amp;Zurück zum Ansehen des Verlaufs...</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>TFinalDlg</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Yellow won %1 : %2</source>
        <translation>Gelb gewinnt %1 : %2</translation>
    </message>
    <message>
        <source>Green won %1 : %2</source>
        <translation>Grün gewinnt %1 : %2</translation>
    </message>
    <message>
        <source>Tie up</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Yellow pass</source>
        <translation>Gelb muss passen</translation>
    </message>
    <message>
        <source>Green pass</source>
        <translation>Grün muss passen</translation>
    </message>
</context>
<context>
    <name>TReversiForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>New game / exit</source>
        <translation>Neues Spiel / Beenden</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Display hint</source>
        <translation>Einen Tipp zeigen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Game settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit from game</source>
        <translation>Das Spiel beenden</translation>
    </message>
    <message>
        <source>&amp;Resume last game</source>
        <translation>&amp;Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Play on the game left unfinished at the last exit</source>
        <translation>Das beim letzten Beenden offene Spiel weiterspielen</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Netzwerk</translation>
    </message>
    <message>
        <source>Network play</source>
        <translation>Spiel über das Netzwerk</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Anrufen</translation>
    </message>
    <message>
        <source>Call remote player</source>
        <translation>Einen entfernten Spieler anrufen</translation>
    </message>
    <message>
        <source>&amp;Allow call</source>
        <translation>Anrufe &amp;zulassen</translation>
    </message>
    <message>
        <source>Allow remote player to call you</source>
        <translation>Einem entfernten Spieler erlauben, Sie anzurufen</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Nachricht</translation>
    </message>
    <message>
        <source>Send message</source>
        <translation>Nachricht senden</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>Undo / redo / save / load</source>
        <translation>Zurücknehmen / Wiederholen / Speichern / Laden</translation>
    </message>
    <message>
        <source>&amp;Undo move</source>
        <translation>Zug &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Den letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo move</source>
        <translation>Zug &amp;wiederholen</translation>
    </message>
    <message>
        <source>Redo move</source>
        <translation>Zug wiederholen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save match</source>
        <translation>Partie speichern</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Restore saved match</source>
        <translation>Eine gespeicherte Partie laden</translation>
    </message>
    <message>
        <source>&amp;Take back move</source>
        <translation>Eigenen Zug zurück&amp;nehmen</translation>
    </message>
    <message>
        <source>Take back your last move</source>
        <translation>Ihren letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>Move &amp;list</source>
        <translation>Zug&amp;liste</translation>
    </message>
    <message>
        <source>Show the moves of the game</source>
        <translation>Die Züge der Partie zeigen</translation>
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
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Display help</source>
        <translation>Die Hilfe zeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Display about</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Reversi games (*.kpx)</source>
        <translation>Reversi-Partien (*.kpx)</translation>
    </message>
    <message>
        <source>WARNING: You have less then 800 x 600 resolution!</source>
        <translation>WARNUNG: Ihre Bildschirmauflösung ist kleiner als 800 x 600!</translation>
    </message>
    <message>
        <source>Network game not in progress.
Function not work.</source>
        <translation>Es läuft kein Netzwerkspiel.
Diese Funktion ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>NETWORK: Do you want abort network game ?</source>
        <translation>NETZWERK: Möchten Sie das Netzwerkspiel abbrechen?</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Network play is off: port %1 is in use</source>
        <translation>Netzwerkspiel ist aus: Port %1 ist belegt</translation>
    </message>
    <message>
        <source>Network play is off: %1</source>
        <translation>Netzwerkspiel ist aus: %1</translation>
    </message>
    <message>
        <source>NETWORK: Cannot enable listing!</source>
        <translation>NETZWERK: Anrufe können nicht zugelassen werden!</translation>
    </message>
    <message>
        <source>NETWORK: Connection failed - open socket error!</source>
        <translation>NETZWERK: Verbindung fehlgeschlagen – der Socket lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>%1 plays %2; discs turned: %3.</source>
        <translation>%1 spielt %2; umgedrehte Steine: %3.</translation>
    </message>
    <message>
        <source>&amp;Copy game</source>
        <translation>Partie &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the moves of the game as a transcript</source>
        <translation>Die Züge der Partie als Notation kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste game</source>
        <translation>Partie &amp;einfügen</translation>
    </message>
    <message>
        <source>Open a transcript or GGF game from the clipboard</source>
        <translation>Eine Notation oder GGF-Partie aus der Zwischenablage öffnen</translation>
    </message>
    <message>
        <source>Transcripts (*.txt)</source>
        <translation>Notationen (*.txt)</translation>
    </message>
    <message>
        <source>GGF games (*.ggf)</source>
        <translation>GGF-Partien (*.ggf)</translation>
    </message>
    <message>
        <source>Paste game</source>
        <translation>Partie einfügen</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played through: %1</source>
        <translation>Die Zwischenablage enthält keine Partie, die sich nachspielen lässt: %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is read-only: replace it?</source>
        <translation>Die Datei „%1“ ist schreibgeschützt: ersetzen?</translation>
    </message>
    <message>
        <source>Save the game elsewhere.</source>
        <translation>Speichern Sie die Partie an einem anderen Ort.</translation>
    </message>
    <message>
        <source>Corvana could not keep everything for next time.</source>
        <translation>Corvana konnte nicht alles für das nächste Mal aufbewahren.</translation>
    </message>
    <message>
        <source>&amp;Quit anyway</source>
        <translation>&amp;Trotzdem beenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>All games (%1)</source>
        <translation>Alle Partien (%1)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Show the board on the whole screen</source>
        <translation>Das Brett auf dem ganzen Bildschirm zeigen</translation>
    </message>
    <message>
        <source>&amp;Move now</source>
        <translation>&amp;Jetzt ziehen</translation>
    </message>
    <message>
        <source>The computer plays the best move it has found so far</source>
        <translation>Der Computer spielt den besten Zug, den er bisher gefunden hat</translation>
    </message>
</context>
<context>
    <name>TRulersDlg</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TSendDlg</name>
    <message>
        <source>Send message</source>
        <translation>Nachricht senden</translation>
    </message>
    <message>
        <source>Messages history</source>
        <translation>Nachrichtenverlauf</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSideDlg</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Person</translation>
    </message>
    <message>
        <source>You play</source>
        <translation>Sie spielen</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>Ge&amp;lb</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>Grü&amp;n</translation>
    </message>
    <message>
        <source>O&amp;pponent</source>
        <translation>&amp;Gegner</translation>
    </message>
    <message>
        <source>Computer&apos;s level</source>
        <translation>Stufe des Computers</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Feldgröße</translation>
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
        <translation>&amp;Stufe</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flamme</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Ancient</source>
        <translation>Antik</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>A&amp;nimation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>Sys&amp;Tray</source>
        <translation>Info&amp;bereich</translation>
    </message>
    <message>
        <source>&amp;Media</source>
        <translation>&amp;Medien</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>On right mouse click show</source>
        <translation>Bei Rechtsklick zeigen</translation>
    </message>
    <message>
        <source>&amp;Previous move</source>
        <translation>&amp;Vorheriger Zug</translation>
    </message>
    <message>
        <source>A&amp;vailable moves</source>
        <translation>Mögliche &amp;Züge</translation>
    </message>
    <message>
        <source>Think engine</source>
        <translation>Denkmaschine</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>fortgeschritten</translation>
    </message>
    <message>
        <source>master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>Auf dem Brett</translation>
    </message>
    <message>
        <source>Mark the last mov&amp;e</source>
        <translation>Letzten Zug &amp;hervorheben</translation>
    </message>
    <message>
        <source>Mark the legal s&amp;quares</source>
        <translation>Mögliche Felder ma&amp;rkieren</translation>
    </message>
    <message>
        <source>Animation spee&amp;d</source>
        <translation>Tempo der Animat&amp;ion</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>Show the move l&amp;ist</source>
        <translation>Z&amp;ugliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Keep an unfinished game to resume</source>
        <translation>Offenes Spiel zum &amp;Fortsetzen aufbewahren</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Computer level %1</source>
        <translation>Computerstufe %1</translation>
    </message>
</context>
</TS>
