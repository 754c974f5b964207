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
    <name>GameReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Yellow&apos;s expected margin through the game</source>
        <translation>Gelbs erwarteter Vorsprung im Lauf der Partie</translation>
    </message>
    <message>
        <source>Mistakes and blunders</source>
        <translation>Fehler und grobe Fehler</translation>
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
        <source>%1. %2 %3: a blunder, loses %4; best %5 (%6)</source>
        <translation>%1. %2 %3: ein grober Fehler, verliert %4; am besten %5 (%6)</translation>
    </message>
    <message>
        <source>%1. %2 %3: a mistake, loses %4; best %5 (%6)</source>
        <translation>%1. %2 %3: ein Fehler, verliert %4; am besten %5 (%6)</translation>
    </message>
    <message>
        <source>No mistakes: no move lost 4 discs or more.</source>
        <translation>Keine Fehler: kein Zug hat 4 Steine oder mehr verloren.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Arrow keys, Enter, Space</source>
        <translation>Pfeiltasten, Eingabe, Leertaste</translation>
    </message>
    <message>
        <source>Move over the board from square to square; play the square.</source>
        <translation>Von Feld zu Feld über das Brett gehen; das Feld spielen.</translation>
    </message>
    <message>
        <source>F2, Ctrl+N</source>
        <translation>F2, Strg+N</translation>
    </message>
    <message>
        <source>A new game; in a network game both players start again.</source>
        <translation>Ein neues Spiel; im Netzwerkspiel beginnen beide Spieler von vorn.</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>A hint: the computer&apos;s choice for you. The pointer moves onto it; a click plays it.</source>
        <translation>Ein Tipp: die Wahl des Computers für Sie. Der Zeiger geht darauf; ein Klick spielt sie.</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>The settings: opponent and side, level, board size, figure set, sound, animation, tray icon, the right-click marks, the think engine, and on the Extras page what Corvana adds to the classic game.</source>
        <translation>Die Einstellungen: Gegner und Seite, Stufe, Brettgröße, Figurensatz, Klang, Animation, Symbol im Infobereich, die Markierungen der rechten Maustaste, das Denkverfahren und auf der Seite Extras, was Corvana dem klassischen Spiel hinzufügt.</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>While the computer thinks: it plays the best move it has found so far, at once.</source>
        <translation>Während der Computer denkt: Er spielt sofort den besten Zug, den er bisher gefunden hat.</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Marks for a second the squares where the side to move may play and the squares the last move changed.</source>
        <translation>Markiert eine Sekunde lang die Felder, auf die die ziehende Seite setzen darf, und die Felder, die der letzte Zug verändert hat.</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+X, Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Strg+Z, Strg+X, Strg+Umschalt+Z, Strg+Y</translation>
    </message>
    <message>
        <source>Take a move back, replay it (once two moves are played). While an earlier position is shown, a click on the board asks whether to play on from there or from the last position.</source>
        <translation>Einen Zug zurücknehmen, wiederholen (sobald zwei Züge gespielt sind). Wird eine frühere Stellung gezeigt, fragt ein Klick auf das Brett, ob von dort oder von der letzten Stellung weitergespielt werden soll.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Take back your last move; against the computer its replies go with it, and play goes on at once.</source>
        <translation>Den eigenen letzten Zug zurücknehmen; gegen den Computer gehen seine Antworten mit, und es geht sofort weiter.</translation>
    </message>
    <message>
        <source>Ctrl+S, Ctrl+L, Ctrl+O</source>
        <translation>Strg+S, Strg+L, Strg+O</translation>
    </message>
    <message>
        <source>Save the game; open a saved game (.kpx), a transcript (.txt) or a GGF game (.ggf).</source>
        <translation>Die Partie speichern; eine gespeicherte Partie (.kpx), eine Notation (.txt) oder eine GGF-Partie (.ggf) öffnen.</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Strg+C, Strg+V</translation>
    </message>
    <message>
        <source>Copy the game to the clipboard as a transcript; open a transcript or a GGF game from the clipboard.</source>
        <translation>Die Partie als Notation in die Zwischenablage kopieren; eine Notation oder GGF-Partie aus der Zwischenablage öffnen.</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Show or hide the move list beside the board; a click on a move, Home, End, Page Up and Page Down go to that position.</source>
        <translation>Die Zugliste neben dem Brett zeigen oder verbergen; ein Klick auf einen Zug, Pos1, Ende, Bild auf und Bild ab gehen zu dieser Stellung.</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Full screen, and back.</source>
        <translation>Vollbild und zurück.</translation>
    </message>
    <message>
        <source>F5, Alt+L, Ctrl+F6, F7</source>
        <translation>F5, Alt+L, Strg+F6, F7</translation>
    </message>
    <message>
        <source>Network: call another player, allow calls, disconnect, send a message.</source>
        <translation>Netzwerk: einen anderen Spieler anrufen, Anrufe zulassen, trennen, eine Nachricht senden.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This help, beside the game.</source>
        <translation>Diese Hilfe, neben dem Spiel.</translation>
    </message>
    <message>
        <source>Alt+X, Ctrl+Q</source>
        <translation>Alt+X, Strg+Q</translation>
    </message>
    <message>
        <source>Exit.</source>
        <translation>Beenden.</translation>
    </message>
    <message>
        <source>Esc, Enter, a click</source>
        <translation>Esc, Eingabe, ein Klick</translation>
    </message>
    <message>
        <source>Close the About window.</source>
        <translation>Das Fenster „Über“ schließen.</translation>
    </message>
    <message>
        <source>The three engines.</source>
        <translation>Die drei Denkverfahren.</translation>
    </message>
    <message>
        <source>The computer thinks with the engine chosen in the settings. &quot;normal&quot; and &quot;advanced&quot; look as many moves ahead as the level (1 to 9) says; the advanced one also counts the moves each side keeps. &quot;master&quot; thinks for a time instead, from 0.05 s a move at level 1 to 5 s at level 9, on every core, and plays the end of the game perfectly from 14 to 22 empty squares, by level. Esc makes any of them play at once.</source>
        <translation>Der Computer denkt mit dem in den Einstellungen gewählten Verfahren. „normal“ und „fortgeschritten“ schauen so viele Züge voraus, wie die Stufe (1 bis 9) sagt; das fortgeschrittene zählt auch die Züge, die jeder Seite bleiben. „Meister“ denkt stattdessen eine Zeit lang, von 0,05 s je Zug auf Stufe 1 bis 5 s auf Stufe 9, auf allen Kernen, und spielt das Ende der Partie fehlerfrei, je nach Stufe ab 14 bis 22 leeren Feldern. Mit Esc zieht jedes von ihnen sofort.</translation>
    </message>
    <message>
        <source>The move list.</source>
        <translation>Die Zugliste.</translation>
    </message>
    <message>
        <source>F8 shows the moves of the game beside the board, numbered in pairs, with a pass where a side had to pass, and the position on the board marked. A click on a move, its buttons, and Home, End, Page Up and Page Down, in the list or on the board, show that position.</source>
        <translation>F8 zeigt die Züge der Partie neben dem Brett, paarweise nummeriert, mit einem Passen, wo eine Seite passen musste, und die Stellung auf dem Brett markiert. Ein Klick auf einen Zug, ihre Knöpfe sowie Pos1, Ende, Bild auf und Bild ab, in der Liste oder auf dem Brett, zeigen diese Stellung.</translation>
    </message>
    <message>
        <source>Taking moves back.</source>
        <translation>Züge zurücknehmen.</translation>
    </message>
    <message>
        <source>Undo move and Redo move step through the game, and the board shows an earlier position until you play on. Take back move (Backspace) returns to before your own last move and lets you play on at once; what was taken back can be redone until a new move is made.</source>
        <translation>Zug zurücknehmen und Zug wiederholen gehen durch die Partie, und das Brett zeigt eine frühere Stellung, bis Sie weiterspielen. Eigenen Zug zurücknehmen (Rücktaste) kehrt zu der Stellung vor Ihrem letzten Zug zurück und lässt Sie sofort weiterspielen; das Zurückgenommene lässt sich wiederholen, bis ein neuer Zug gemacht wird.</translation>
    </message>
    <message>
        <source>Games as text.</source>
        <translation>Partien als Text.</translation>
    </message>
    <message>
        <source>Save and Open also write and read transcripts (.txt: the moves one after another, such as f5d6c3d3c4) and GGF games (.ggf, as Othello servers write them). Squares are named as the board&apos;s border names them: the column&apos;s letter from the left and the row&apos;s number from the bottom, so Yellow&apos;s first moves are d3, c4, f5 and e6. On 10 x 10 the columns run from a to j and the rows from 1 to 10.</source>
        <translation>Speichern und Öffnen schreiben und lesen auch Notationen (.txt: die Züge hintereinander, etwa f5d6c3d3c4) und GGF-Partien (.ggf, wie Othello-Server sie schreiben). Die Felder heißen, wie der Rand des Bretts sie nennt: der Buchstabe der Spalte von links und die Zahl der Reihe von unten, so sind die ersten Züge von Gelb d3, c4, f5 und e6. Auf 10 x 10 gehen die Spalten von a bis j und die Reihen von 1 bis 10.</translation>
    </message>
    <message>
        <source>Copy and paste.</source>
        <translation>Kopieren und Einfügen.</translation>
    </message>
    <message>
        <source>Resuming the last game.</source>
        <translation>Das letzte Spiel fortsetzen.</translation>
    </message>
    <message>
        <source>A game left unfinished when Corvana closes is kept, and Resume last game in the Game menu plays it on. Starting and closing again without playing leaves it as it is; the Extras page can switch this off.</source>
        <translation>Ein beim Beenden von Corvana offenes Spiel wird aufbewahrt, und „Letztes Spiel fortsetzen“ im Menü Spiel spielt es weiter. Starten und wieder Beenden, ohne zu spielen, lässt es, wie es ist; die Seite Extras kann das abschalten.</translation>
    </message>
    <message>
        <source>The Extras.</source>
        <translation>Die Extras.</translation>
    </message>
    <message>
        <source>The Extras page of the settings adds what today&apos;s Othello programs offer: a marker on the disc placed last, dots on the squares where the side to move may play, three animation speeds, the move list and keeping an unfinished game. They are kept in the section [extras] of reversi.ini; at their defaults Corvana is the classic game.</source>
        <translation>Die Seite Extras der Einstellungen fügt hinzu, was heutige Othello-Programme bieten: eine Marke auf dem zuletzt gesetzten Stein, Punkte auf den Feldern, auf die die ziehende Seite setzen darf, drei Animationsgeschwindigkeiten, die Zugliste und das Aufbewahren eines offenen Spiels. Sie stehen im Abschnitt [extras] von reversi.ini; bei ihren Vorgaben ist Corvana das klassische Spiel.</translation>
    </message>
    <message>
        <source>A window of any size.</source>
        <translation>Ein Fenster jeder Größe.</translation>
    </message>
    <message>
        <source>The window can be resized, maximised or made full screen (F11): the board is the largest square that fits, drawn at that size and at the screen&apos;s own resolution.</source>
        <translation>Das Fenster lässt sich vergrößern, maximieren oder auf Vollbild stellen (F11): Das Brett ist das größte Quadrat, das hineinpasst, gezeichnet in dieser Größe und in der Auflösung des Bildschirms.</translation>
    </message>
    <message>
        <source>The other player&apos;s board.</source>
        <translation>Das Brett des anderen Spielers.</translation>
    </message>
    <message>
        <source>In a network game, typing kvbnrz on the board shows the other player&apos;s board in a small window; a click closes it.</source>
        <translation>Im Netzwerkspiel zeigt die Eingabe von kvbnrz auf dem Brett das Brett des anderen Spielers in einem kleinen Fenster; ein Klick schließt es.</translation>
    </message>
    <message>
        <source>Keys and commands.</source>
        <translation>Tasten und Befehle.</translation>
    </message>
    <message>
        <source>What Corvana has beyond the rules.</source>
        <translation>Was Corvana über die Regeln hinaus bietet.</translation>
    </message>
    <message>
        <source>Copy game puts the game on the clipboard as a transcript (as GGF when it starts from a set-up position); Paste game opens a transcript, a GGF game or a position in one line (the 64 squares a1 to h8 as X, O and -, then X or O to move) from the clipboard, at its start, as a saved game opens.</source>
        <translation>Partie kopieren legt die Partie als Mitschrift in die Zwischenablage (als GGF, wenn sie von einer aufgestellten Stellung ausgeht); Partie einfügen öffnet eine Mitschrift, eine GGF-Partie oder eine Stellung in einer Zeile (die 64 Felder a1 bis h8 als X, O und -, dann X oder O am Zug) aus der Zwischenablage, an ihrem Anfang, wie eine gespeicherte Partie geöffnet wird.</translation>
    </message>
    <message>
        <source>Setting up a position.</source>
        <translation>Eine Stellung aufstellen.</translation>
    </message>
    <message>
        <source>Set up position in the Match menu makes the board an editor: a click (or Enter) turns a square empty, Yellow or Green in turn; the panel beside the board sets the start position, an empty board, the side to move and the opponent, and Play from here starts the game. A position no game can reach is refused with the reason. A game from a set-up position is saved as GGF, as a transcript that begins with the position&apos;s line, or as a position; a saved game (.kpx) cannot keep where it starts.</source>
        <translation>Stellung aufstellen im Menü Partie macht das Brett zum Editor: ein Klick (oder Enter) macht ein Feld der Reihe nach leer, gelb oder grün; die Leiste neben dem Brett stellt die Anfangsstellung, ein leeres Brett, die Seite am Zug und den Gegner ein, und Von hier spielen beginnt die Partie. Eine Stellung, die keine Partie erreichen kann, wird mit dem Grund abgelehnt. Eine Partie von einer aufgestellten Stellung wird als GGF, als Mitschrift, die mit der Zeile der Stellung beginnt, oder als Stellung gespeichert; eine gespeicherte Partie (.kpx) kann nicht festhalten, wo sie beginnt.</translation>
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
    <message>
        <source>Opening</source>
        <translation>Eröffnung</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>Eröffnung: %1</translation>
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
    <name>PositionEditor</name>
    <message>
        <source>Set up position</source>
        <translation>Stellung aufstellen</translation>
    </message>
    <message>
        <source>Click a square to make it empty, Yellow or Green in turn (Enter does the same).</source>
        <translation>Ein Klick auf ein Feld macht es der Reihe nach leer, gelb oder grün (Enter ebenso).</translation>
    </message>
    <message>
        <source>&amp;Empty board</source>
        <translation>&amp;Leeres Brett</translation>
    </message>
    <message>
        <source>To move</source>
        <translation>Am Zug</translation>
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
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Two players</source>
        <translation>&amp;Zwei Spieler</translation>
    </message>
    <message>
        <source>&amp;Play from here</source>
        <translation>&amp;Von hier spielen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Start position</source>
        <translation>&amp;Startstellung</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>a game from a set-up position is not played over the network</source>
        <translation>eine Partie von einer aufgestellten Stellung wird nicht über das Netzwerk gespielt</translation>
    </message>
    <message>
        <source>neither side can move: the game would be over</source>
        <translation>keine Seite kann ziehen: die Partie wäre zu Ende</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>sie ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>it is too short to be a saved game</source>
        <translation>sie ist zu kurz für eine gespeicherte Partie</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>sie ist keine gespeicherte Partie</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, before its header is complete</source>
        <translation>sie endet nach %1 Bytes, bevor ihr Kopf vollständig ist</translation>
    </message>
    <message>
        <source>its board size %1 is neither 8 nor 10</source>
        <translation>ihre Brettgröße %1 ist weder 8 noch 10</translation>
    </message>
    <message>
        <source>its move count %1 is impossible</source>
        <translation>ihre Zugzahl %1 ist unmöglich</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, %2 moves need %3</source>
        <translation>sie endet nach %1 Bytes, %2 Züge brauchen %3</translation>
    </message>
    <message>
        <source>it holds %1 bytes, %2 moves need %3</source>
        <translation>sie enthält %1 Bytes, %2 Züge brauchen %3</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>Zug %1</translation>
    </message>
    <message>
        <source>%1 is not a square of the board</source>
        <translation>%1 ist kein Feld des Bretts</translation>
    </message>
    <message>
        <source>%1 names impossible sides</source>
        <translation>%1 nennt unmögliche Seiten</translation>
    </message>
    <message>
        <source>the board before %1 holds impossible cells</source>
        <translation>das Brett vor %1 enthält unmögliche Felder</translation>
    </message>
    <message>
        <source>the board before %1 has an empty centre square</source>
        <translation>das Brett vor %1 hat ein leeres Mittelfeld</translation>
    </message>
    <message>
        <source>the board before move 1 is not the start position</source>
        <translation>das Brett vor Zug 1 ist nicht die Anfangsstellung</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 ist kein erlaubter Zug</translation>
    </message>
    <message>
        <source>the board before %1 does not follow from move %2</source>
        <translation>das Brett vor %1 folgt nicht aus Zug %2</translation>
    </message>
    <message>
        <source>%1 is played by %2 where %3 is to move</source>
        <translation>%1 wird von %2 gespielt, wo %3 am Zug ist</translation>
    </message>
    <message>
        <source>its computer side %1 is neither 2 nor 3</source>
        <translation>ihre Computerseite %1 ist weder 2 noch 3</translation>
    </message>
    <message>
        <source>its opponent flag %1 is neither 0 nor 1</source>
        <translation>ihr Gegnerkennzeichen %1 ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>it is too large to be a saved game</source>
        <translation>sie ist zu groß für eine gespeicherte Partie</translation>
    </message>
    <message>
        <source>%1 was not written: the game starts from a set-up position, which a saved game cannot keep (GGF can)</source>
        <translation>%1 wurde nicht geschrieben: die Partie beginnt mit einer aufgestellten Stellung, die eine gespeicherte Partie nicht festhalten kann (GGF kann es)</translation>
    </message>
    <message>
        <source>the text holds no moves</source>
        <translation>der Text enthält keine Züge</translation>
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
        <source>the board size %1 is neither 8 nor 10</source>
        <translation>die Brettgröße %1 ist weder 8 noch 10</translation>
    </message>
    <message>
        <source>it names no side to move</source>
        <translation>sie nennt keine Seite am Zug</translation>
    </message>
    <message>
        <source>its board holds impossible cells</source>
        <translation>ihr Brett enthält unmögliche Felder</translation>
    </message>
    <message>
        <source>its centre square %1 is empty, which no game can leave empty</source>
        <translation>ihr Mittelfeld %1 ist leer, was keine Partie leer lassen kann</translation>
    </message>
    <message>
        <source>%1 is to move but has no legal move, while %2 has one</source>
        <translation>%1 ist am Zug, hat aber keinen erlaubten Zug, während %2 einen hat</translation>
    </message>
    <message>
        <source>it holds no GGF game (no &quot;(;&quot; where a game begins)</source>
        <translation>sie enthält keine GGF-Partie (kein &quot;(;&quot;, wo eine Partie beginnt)</translation>
    </message>
    <message>
        <source>character %1</source>
        <translation>Zeichen %1</translation>
    </message>
    <message>
        <source>the game is not closed by &quot;;)&quot;</source>
        <translation>die Partie wird nicht mit &quot;;)&quot; abgeschlossen</translation>
    </message>
    <message>
        <source>the game has something else than a property at %1</source>
        <translation>die Partie hat bei %1 etwas anderes als eine Eigenschaft</translation>
    </message>
    <message>
        <source>the value of %1 is not closed by &quot;]&quot;</source>
        <translation>der Wert von %1 wird nicht mit &quot;]&quot; abgeschlossen</translation>
    </message>
    <message>
        <source>the game has more properties than any game needs</source>
        <translation>die Partie hat mehr Eigenschaften, als eine Partie braucht</translation>
    </message>
    <message>
        <source>its board (BO) is neither 8 × 8 nor 10 × 10</source>
        <translation>ihr Brett (BO) ist weder 8 × 8 noch 10 × 10</translation>
    </message>
    <message>
        <source>its board (BO) does not have %1 squares and the side to move</source>
        <translation>ihr Brett (BO) hat nicht %1 Felder und die Seite am Zug</translation>
    </message>
    <message>
        <source>its board (BO) has &quot;%1&quot; where a square is *, O or -</source>
        <translation>ihr Brett (BO) hat &quot;%1&quot;, wo ein Feld *, O oder - ist</translation>
    </message>
    <message>
        <source>its board (BO) names no side to move (* or O after the squares)</source>
        <translation>ihr Brett (BO) nennt keine Seite am Zug (* oder O nach den Feldern)</translation>
    </message>
    <message>
        <source>its board (BO) cannot arise in a game: %1</source>
        <translation>ihr Brett (BO) kann in keiner Partie entstehen: %1</translation>
    </message>
    <message>
        <source>it is a game of %1, not of Othello</source>
        <translation>sie ist eine Partie %1, nicht Othello</translation>
    </message>
    <message>
        <source>it has no board (BO)</source>
        <translation>sie hat kein Brett (BO)</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a square of the board</source>
        <translation>Zug %1 (%2) ist kein Feld des Bretts</translation>
    </message>
    <message>
        <source>move %1 (%2)</source>
        <translation>Zug %1 (%2)</translation>
    </message>
    <message>
        <source>%1 comes after the end of the game</source>
        <translation>%1 kommt nach dem Ende der Partie</translation>
    </message>
    <message>
        <source>%1 is a pass for %2, but %3 is the one to pass</source>
        <translation>%1 ist ein Passen für %2, aber %3 muss passen</translation>
    </message>
    <message>
        <source>%1 is a pass, but %2 can play</source>
        <translation>%1 ist ein Passen, aber %2 kann ziehen</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s, but %3 is to move</source>
        <translation>%1 ist von %2, aber %3 ist am Zug</translation>
    </message>
    <message>
        <source>%1 is not a legal move for %2</source>
        <translation>%1 ist kein erlaubter Zug für %2</translation>
    </message>
    <message>
        <source>character %1 is neither a square nor a pass</source>
        <translation>Zeichen %1 ist weder ein Feld noch ein Passen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2 is neither a square nor a pass</source>
        <translation>&quot;%1&quot; bei %2 ist weder ein Feld noch ein Passen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2 is not a square</source>
        <translation>&quot;%1&quot; bei %2 ist kein Feld</translation>
    </message>
    <message>
        <source>it holds more moves than any game has</source>
        <translation>sie enthält mehr Züge, als eine Partie hat</translation>
    </message>
    <message>
        <source>the moves and their sides do not pair up</source>
        <translation>die Züge und ihre Seiten passen nicht zusammen</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a square of the %3 × %3 board</source>
        <translation>Zug %1 (%2) ist kein Feld des Bretts %3 × %3</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move and its score (such as A2:+38)</source>
        <translation>&quot;%1&quot; ist kein Zug mit seinem Ergebnis (wie A2:+38)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no square of the board</source>
        <translation>&quot;%1&quot; nennt kein Feld des Bretts</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no score a game can end with</source>
        <translation>&quot;%1&quot; hat kein Ergebnis, mit dem eine Partie enden kann</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 is not a legal move for %3</source>
        <translation>&quot;%1&quot;: %2 ist kein erlaubter Zug für %3</translation>
    </message>
    <message>
        <source>character %1 (%2) is no square: a square is X, O or -</source>
        <translation>Zeichen %1 (%2) ist kein Feld: ein Feld ist X, O oder -</translation>
    </message>
    <message>
        <source>it has %1 squares, where a board has 64 (8 × 8) or 100 (10 × 10)</source>
        <translation>sie hat %1 Felder, wo ein Brett 64 (8 × 8) oder 100 (10 × 10) hat</translation>
    </message>
    <message>
        <source>it names no side to move (X or O after the squares)</source>
        <translation>sie nennt keine Seite am Zug (X oder O nach den Feldern)</translation>
    </message>
    <message>
        <source>%1 after the squares is no side to move (X or O)</source>
        <translation>%1 nach den Feldern ist keine Seite am Zug (X oder O)</translation>
    </message>
    <message>
        <source>%1 follows the side to move, where &quot;;&quot; or nothing may</source>
        <translation>%1 folgt auf die Seite am Zug, wo &quot;;&quot; oder nichts stehen darf</translation>
    </message>
    <message>
        <source>it publishes more moves than a position has</source>
        <translation>sie veröffentlicht mehr Züge, als eine Stellung hat</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it holds no position</source>
        <translation>sie enthält keine Stellung</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 wurde nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it could not be opened: %1</source>
        <translation>sie konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: it is not a regular file</source>
        <translation>&quot;%1&quot; kann nicht entfernt werden: sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: the file is read-only</source>
        <translation>&quot;%1&quot; kann nicht entfernt werden: die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Cannot follow &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht gefolgt werden: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: it is not a regular file</source>
        <translation>&quot;%1&quot; kann nicht ersetzt werden: sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: the file is read-only</source>
        <translation>&quot;%1&quot; kann nicht ersetzt werden: die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: it belongs to another user</source>
        <translation>&quot;%1&quot; kann nicht ersetzt werden: sie gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; is read-only</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: der Ordner &quot;%2&quot; ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht ersetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>ReviewGameDialog</name>
    <message>
        <source>Review game</source>
        <translation>Partie bewerten</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Time for each position:</source>
        <translation>&amp;Zeit für jede Stellung:</translation>
    </message>
    <message>
        <source>Positions with 20 empty squares or fewer are solved exactly.</source>
        <translation>Stellungen mit 20 leeren Feldern oder weniger werden exakt gelöst.</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Bewerten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
    <message>
        <source>RESPECTED USERS ! Thank you for choosing Corvana, the game of Reversi for the Linux desktop. Challenge the computer on nine levels, play a friend at the same table or call one over the network. Try the Flame, Classic and Ancient discs. We wish you clever moves and many happy victories ! </source>
        <translation>VEREHRTE SPIELER ! Danke, dass Sie Corvana gewaehlt haben, das Reversi-Spiel fuer den Linux-Desktop. Fordern Sie den Computer auf neun Stufen heraus, spielen Sie mit einem Freund am selben Tisch oder rufen Sie ihn ueber das Netzwerk an. Probieren Sie die Steine Flamme, Klassisch und Antik. Wir wuenschen Ihnen kluge Zuege und viele schoene Siege ! </translation>
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
    <message>
        <source>Set up position...</source>
        <translation>Stellung aufstellen...</translation>
    </message>
    <message>
        <source>Set up a position on the board and play from it</source>
        <translation>Eine Stellung auf dem Brett aufstellen und von ihr aus spielen</translation>
    </message>
    <message>
        <source>Set up position</source>
        <translation>Stellung aufstellen</translation>
    </message>
    <message>
        <source>Re&amp;view game...</source>
        <translation>Partie &amp;bewerten...</translation>
    </message>
    <message>
        <source>Let the master engine value every move of the game</source>
        <translation>Jeden Zug der Partie von der Meister-Engine bewerten lassen</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Partie bewerten</translation>
    </message>
    <message>
        <source>The game has no moves yet: there is nothing to review.</source>
        <translation>Die Partie hat noch keine Züge: es gibt nichts zu bewerten.</translation>
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
    <message>
        <source>Show move &amp;values</source>
        <translation>Zugw&amp;erte anzeigen</translation>
    </message>
</context>
</TS>
