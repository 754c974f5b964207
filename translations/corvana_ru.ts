<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Yellow disc</source>
        <translation>жёлтая фишка</translation>
    </message>
    <message>
        <source>Green disc</source>
        <translation>зелёная фишка</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>возможный ход</translation>
    </message>
    <message>
        <source>Reversi board</source>
        <translation>Доска Реверси</translation>
    </message>
    <message>
        <source>%1 by %1 squares.</source>
        <translation>Поле %1 на %1.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>Игра окончена.</translation>
    </message>
    <message>
        <source>Yellow is to move.</source>
        <translation>Ходят жёлтые.</translation>
    </message>
    <message>
        <source>Green is to move.</source>
        <translation>Ходят зелёные.</translation>
    </message>
</context>
<context>
    <name>GameReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>Разбор</translation>
    </message>
    <message>
        <source>Yellow&apos;s expected margin through the game</source>
        <translation>Ожидаемый перевес жёлтых по ходу партии</translation>
    </message>
    <message>
        <source>Mistakes and blunders</source>
        <translation>Ошибки и грубые ошибки</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтые</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёные</translation>
    </message>
    <message>
        <source>%1. %2 %3: a blunder, loses %4; best %5 (%6)</source>
        <translation>%1. %2 %3: грубая ошибка, потеря %4; лучше %5 (%6)</translation>
    </message>
    <message>
        <source>%1. %2 %3: a mistake, loses %4; best %5 (%6)</source>
        <translation>%1. %2 %3: ошибка, потеря %4; лучше %5 (%6)</translation>
    </message>
    <message>
        <source>No mistakes: no move lost 4 discs or more.</source>
        <translation>Ошибок нет: ни один ход не потерял 4 фишки или больше.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Arrow keys, Enter, Space</source>
        <translation>Стрелки, Enter, пробел</translation>
    </message>
    <message>
        <source>Move over the board from square to square; play the square.</source>
        <translation>Перемещение по доске с клетки на клетку; ход на клетку.</translation>
    </message>
    <message>
        <source>F2, Ctrl+N</source>
        <translation>F2, Ctrl+N</translation>
    </message>
    <message>
        <source>A new game; in a network game both players start again.</source>
        <translation>Новая игра; в сетевой игре оба игрока начинают заново.</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>A hint: the computer&apos;s choice for you. The pointer moves onto it; a click plays it.</source>
        <translation>Подсказка: выбор компьютера для вас. Указатель переходит на него; щелчок делает ход.</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>The settings: opponent and side, level, board size, figure set, sound, animation, tray icon, the right-click marks, the think engine, and on the Extras page what Corvana adds to the classic game.</source>
        <translation>Настройки: противник и сторона, уровень, размер доски, набор фигур, звук, анимация, значок в области уведомлений, отметки правой кнопки, способ думать, а на странице «Расширения» то, что Corvana добавляет к классической игре.</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>While the computer thinks: it plays the best move it has found so far, at once.</source>
        <translation>Пока компьютер думает: он сразу делает лучший ход, найденный к этому моменту.</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Marks for a second the squares where the side to move may play and the squares the last move changed.</source>
        <translation>На секунду отмечает клетки, куда может пойти сторона, чей ход, и клетки, изменённые последним ходом.</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+X, Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Z, Ctrl+X, Ctrl+Shift+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>Take a move back, replay it (once two moves are played). While an earlier position is shown, a click on the board asks whether to play on from there or from the last position.</source>
        <translation>Отменить ход, повторить его (когда сыграны два хода). Когда показана более ранняя позиция, щелчок по доске спрашивает, продолжить ли с неё или с последней позиции.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Take back your last move; against the computer its replies go with it, and play goes on at once.</source>
        <translation>Взять назад свой последний ход; против компьютера вместе с ним уходят его ответы, и игра сразу продолжается.</translation>
    </message>
    <message>
        <source>Ctrl+S, Ctrl+L, Ctrl+O</source>
        <translation>Ctrl+S, Ctrl+L, Ctrl+O</translation>
    </message>
    <message>
        <source>Save the game; open a saved game (.kpx), a transcript (.txt) or a GGF game (.ggf).</source>
        <translation>Сохранить партию; открыть сохранённую партию (.kpx), запись (.txt) или партию GGF (.ggf).</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Ctrl+C, Ctrl+V</translation>
    </message>
    <message>
        <source>Copy the game to the clipboard as a transcript; open a transcript or a GGF game from the clipboard.</source>
        <translation>Скопировать партию в буфер обмена в виде записи; открыть запись или партию GGF из буфера обмена.</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Show or hide the move list beside the board; a click on a move, Home, End, Page Up and Page Down go to that position.</source>
        <translation>Показать или скрыть список ходов рядом с доской; щелчок по ходу, Home, End, Page Up и Page Down переходят к этой позиции.</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Full screen, and back.</source>
        <translation>Во весь экран и обратно.</translation>
    </message>
    <message>
        <source>F5, Alt+L, Ctrl+F6, F7</source>
        <translation>F5, Alt+L, Ctrl+F6, F7</translation>
    </message>
    <message>
        <source>Network: call another player, allow calls, disconnect, send a message.</source>
        <translation>Сеть: вызвать другого игрока, разрешить вызовы, отключиться, отправить сообщение.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This help, beside the game.</source>
        <translation>Эта справка, рядом с игрой.</translation>
    </message>
    <message>
        <source>Alt+X, Ctrl+Q</source>
        <translation>Alt+X, Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit.</source>
        <translation>Выход.</translation>
    </message>
    <message>
        <source>Esc, Enter, a click</source>
        <translation>Esc, Enter, щелчок</translation>
    </message>
    <message>
        <source>Close the About window.</source>
        <translation>Закрыть окно «О программе».</translation>
    </message>
    <message>
        <source>The three engines.</source>
        <translation>Три способа думать.</translation>
    </message>
    <message>
        <source>The computer thinks with the engine chosen in the settings. &quot;normal&quot; and &quot;advanced&quot; look as many moves ahead as the level (1 to 9) says; the advanced one also counts the moves each side keeps. &quot;master&quot; thinks for a time instead, from 0.05 s a move at level 1 to 5 s at level 9, on every core, and plays the end of the game perfectly from 14 to 22 empty squares, by level. Esc makes any of them play at once.</source>
        <translation>Компьютер думает способом, выбранным в настройках. «Обычный» и «продвинутый» смотрят вперёд на столько ходов, сколько велит уровень (от 1 до 9); продвинутый учитывает ещё и ходы, остающиеся у каждой стороны. «Мастер» вместо этого думает отведённое время, от 0,05 с на ход на уровне 1 до 5 с на уровне 9, на всех ядрах, и безошибочно играет конец партии, начиная с 14–22 пустых клеток в зависимости от уровня. По Esc любой из них ходит сразу.</translation>
    </message>
    <message>
        <source>The move list.</source>
        <translation>Список ходов.</translation>
    </message>
    <message>
        <source>F8 shows the moves of the game beside the board, numbered in pairs, with a pass where a side had to pass, and the position on the board marked. A click on a move, its buttons, and Home, End, Page Up and Page Down, in the list or on the board, show that position.</source>
        <translation>F8 показывает ходы партии рядом с доской, пронумерованные парами, с пропуском там, где стороне пришлось пропустить ход, и с отмеченной позицией на доске. Щелчок по ходу, кнопки списка, а также Home, End, Page Up и Page Down, в списке или на доске, показывают эту позицию.</translation>
    </message>
    <message>
        <source>Taking moves back.</source>
        <translation>Возврат ходов.</translation>
    </message>
    <message>
        <source>Undo move and Redo move step through the game, and the board shows an earlier position until you play on. Take back move (Backspace) returns to before your own last move and lets you play on at once; what was taken back can be redone until a new move is made.</source>
        <translation>«Отменить ход» и «Повторить ход» идут по партии, и доска показывает более раннюю позицию, пока вы не продолжите игру. «Взять ход назад» (Backspace) возвращает к позиции перед вашим последним ходом и позволяет сразу играть дальше; взятое назад можно повторить, пока не сделан новый ход.</translation>
    </message>
    <message>
        <source>Games as text.</source>
        <translation>Партии в виде текста.</translation>
    </message>
    <message>
        <source>Save and Open also write and read transcripts (.txt: the moves one after another, such as f5d6c3d3c4) and GGF games (.ggf, as Othello servers write them). Squares are named as the board&apos;s border names them: the column&apos;s letter from the left and the row&apos;s number from the bottom, so Yellow&apos;s first moves are d3, c4, f5 and e6. On 10 x 10 the columns run from a to j and the rows from 1 to 10.</source>
        <translation>«Сохранить» и «Открыть» пишут и читают также записи (.txt: ходы подряд, например f5d6c3d3c4) и партии GGF (.ggf, как их пишут серверы Отелло). Клетки называются так, как их называет рамка доски: буква столбца слева и номер ряда снизу, поэтому первые ходы жёлтых — d3, c4, f5 и e6. На доске 10 x 10 столбцы идут от a до j, а ряды от 1 до 10.</translation>
    </message>
    <message>
        <source>Copy and paste.</source>
        <translation>Копирование и вставка.</translation>
    </message>
    <message>
        <source>Resuming the last game.</source>
        <translation>Продолжение последней игры.</translation>
    </message>
    <message>
        <source>A game left unfinished when Corvana closes is kept, and Resume last game in the Game menu plays it on. Starting and closing again without playing leaves it as it is; the Extras page can switch this off.</source>
        <translation>Игра, не законченная при закрытии Corvana, сохраняется, и пункт «Продолжить последнюю игру» в меню «Игра» продолжает её. Запуск и закрытие без игры оставляют её как есть; на странице «Расширения» это можно выключить.</translation>
    </message>
    <message>
        <source>The Extras.</source>
        <translation>Расширения.</translation>
    </message>
    <message>
        <source>The Extras page of the settings adds what today&apos;s Othello programs offer: a marker on the disc placed last, dots on the squares where the side to move may play, three animation speeds, the move list and keeping an unfinished game. They are kept in the section [extras] of reversi.ini; at their defaults Corvana is the classic game.</source>
        <translation>Страница «Расширения» в настройках добавляет то, что дают современные программы Отелло: метку на последней поставленной фишке, точки на клетках, куда может пойти сторона, чей ход, три скорости анимации, список ходов и сохранение незаконченной игры. Они хранятся в разделе [extras] файла reversi.ini; со значениями по умолчанию Corvana — классическая игра.</translation>
    </message>
    <message>
        <source>A window of any size.</source>
        <translation>Окно любого размера.</translation>
    </message>
    <message>
        <source>The window can be resized, maximised or made full screen (F11): the board is the largest square that fits, drawn at that size and at the screen&apos;s own resolution.</source>
        <translation>Окно можно растягивать, разворачивать или открывать во весь экран (F11): доска — наибольший помещающийся квадрат, нарисованный в этом размере и в собственном разрешении экрана.</translation>
    </message>
    <message>
        <source>The other player&apos;s board.</source>
        <translation>Доска другого игрока.</translation>
    </message>
    <message>
        <source>In a network game, typing kvbnrz on the board shows the other player&apos;s board in a small window; a click closes it.</source>
        <translation>В сетевой игре набор kvbnrz на доске показывает доску другого игрока в маленьком окне; щелчок закрывает его.</translation>
    </message>
    <message>
        <source>Keys and commands.</source>
        <translation>Клавиши и команды.</translation>
    </message>
    <message>
        <source>What Corvana has beyond the rules.</source>
        <translation>Что есть в Corvana помимо правил.</translation>
    </message>
    <message>
        <source>Copy game puts the game on the clipboard as a transcript (as GGF when it starts from a set-up position); Paste game opens a transcript, a GGF game or a position in one line (the 64 squares a1 to h8 as X, O and -, then X or O to move) from the clipboard, at its start, as a saved game opens.</source>
        <translation>«Копировать партию» помещает партию в буфер обмена записью ходов (в формате GGF, если она начинается с расставленной позиции); «Вставить партию» открывает из буфера обмена запись ходов, партию GGF или позицию в одну строку (64 поля от a1 до h8 как X, O и -, затем X или O — чей ход) с её начала, как открывается сохранённая партия.</translation>
    </message>
    <message>
        <source>Setting up a position.</source>
        <translation>Расстановка позиции.</translation>
    </message>
    <message>
        <source>Set up position in the Match menu makes the board an editor: a click (or Enter) turns a square empty, Yellow or Green in turn; the panel beside the board sets the start position, an empty board, the side to move and the opponent, and Play from here starts the game. A position no game can reach is refused with the reason. A game from a set-up position is saved as GGF, as a transcript that begins with the position&apos;s line, or as a position; a saved game (.kpx) cannot keep where it starts.</source>
        <translation>«Расставить позицию» в меню «Партия» превращает доску в редактор: щелчок (или Enter) делает поле по очереди пустым, жёлтым или зелёным; панель рядом с доской ставит начальную позицию, пустую доску, очередь хода и противника, а «Играть отсюда» начинает партию. Позиция, которая не может возникнуть в партии, отклоняется с указанием причины. Партия с расставленной позиции сохраняется в формате GGF, записью ходов, которая начинается строкой позиции, или как позиция; сохранённая партия (.kpx) не может хранить, откуда она начинается.</translation>
    </message>
</context>
<context>
    <name>MoveListWindow</name>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтые</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёные</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Ходы партии</translation>
    </message>
    <message>
        <source>First position</source>
        <translation>Начальная позиция</translation>
    </message>
    <message>
        <source>Previous move</source>
        <translation>Предыдущий ход</translation>
    </message>
    <message>
        <source>Next move</source>
        <translation>Следующий ход</translation>
    </message>
    <message>
        <source>Last position</source>
        <translation>Последняя позиция</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>пас</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Дебют</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>Дебют: %1</translation>
    </message>
</context>
<context>
    <name>NetSession</name>
    <message>
        <source>NETWORK: Opponent has refused to play.</source>
        <translation>СЕТЬ: Соперник отказался от игры.</translation>
    </message>
    <message>
        <source>NETWORK: Opponent is busy.</source>
        <translation>СЕТЬ: Соперник занят.</translation>
    </message>
    <message>
        <source>NETWORK: Opponent has abandonned a game.</source>
        <translation>СЕТЬ: Соперник покинул игру.</translation>
    </message>
    <message>
        <source>NETWORK: Connection failed - opponent call error!</source>
        <translation>СЕТЬ: Соединение не удалось — ошибка вызова!</translation>
    </message>
</context>
<context>
    <name>PositionEditor</name>
    <message>
        <source>Set up position</source>
        <translation>Расстановка позиции</translation>
    </message>
    <message>
        <source>Click a square to make it empty, Yellow or Green in turn (Enter does the same).</source>
        <translation>Щелчок по полю делает его по очереди пустым, жёлтым или зелёным (Enter — так же).</translation>
    </message>
    <message>
        <source>&amp;Empty board</source>
        <translation>&amp;Пустая доска</translation>
    </message>
    <message>
        <source>To move</source>
        <translation>Ходят</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Жёлтые</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелёные</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Противник</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Компьютер</translation>
    </message>
    <message>
        <source>&amp;Two players</source>
        <translation>&amp;Два игрока</translation>
    </message>
    <message>
        <source>&amp;Play from here</source>
        <translation>&amp;Играть отсюда</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Start position</source>
        <translation>&amp;Начальная позиция</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>a game from a set-up position is not played over the network</source>
        <translation>партия с расставленной позиции не играется по сети</translation>
    </message>
    <message>
        <source>neither side can move: the game would be over</source>
        <translation>ни одна сторона не может ходить: партия была бы окончена</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>он повреждён (%1)</translation>
    </message>
    <message>
        <source>it is too short to be a saved game</source>
        <translation>он слишком короткий для сохранённой партии</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>это не сохранённая партия</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, before its header is complete</source>
        <translation>он кончается после %1 байт, до конца заголовка</translation>
    </message>
    <message>
        <source>its board size %1 is neither 8 nor 10</source>
        <translation>размер доски %1 — не 8 и не 10</translation>
    </message>
    <message>
        <source>its move count %1 is impossible</source>
        <translation>число ходов %1 невозможно</translation>
    </message>
    <message>
        <source>it ends after %1 bytes, %2 moves need %3</source>
        <translation>он кончается после %1 байт, а %2 ходам нужно %3</translation>
    </message>
    <message>
        <source>it holds %1 bytes, %2 moves need %3</source>
        <translation>в нём %1 байт, а %2 ходам нужно %3</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>ход %1</translation>
    </message>
    <message>
        <source>%1 is not a square of the board</source>
        <translation>%1 — не поле доски</translation>
    </message>
    <message>
        <source>%1 names impossible sides</source>
        <translation>%1 называет невозможные стороны</translation>
    </message>
    <message>
        <source>the board before %1 holds impossible cells</source>
        <translation>на доске перед «%1» невозможные поля</translation>
    </message>
    <message>
        <source>the board before %1 has an empty centre square</source>
        <translation>на доске перед «%1» пустое центральное поле</translation>
    </message>
    <message>
        <source>the board before move 1 is not the start position</source>
        <translation>доска перед ходом 1 — не начальная позиция</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 — недопустимый ход</translation>
    </message>
    <message>
        <source>the board before %1 does not follow from move %2</source>
        <translation>доска перед «%1» не следует из хода %2</translation>
    </message>
    <message>
        <source>%1 is played by %2 where %3 is to move</source>
        <translation>%1: ходят %2, а очередь — %3</translation>
    </message>
    <message>
        <source>its computer side %1 is neither 2 nor 3</source>
        <translation>сторона компьютера %1 — не 2 и не 3</translation>
    </message>
    <message>
        <source>its opponent flag %1 is neither 0 nor 1</source>
        <translation>признак противника %1 — не 0 и не 1</translation>
    </message>
    <message>
        <source>it is too large to be a saved game</source>
        <translation>он слишком велик для сохранённой партии</translation>
    </message>
    <message>
        <source>%1 was not written: the game starts from a set-up position, which a saved game cannot keep (GGF can)</source>
        <translation>%1 не записан: партия начинается с расставленной позиции, которую сохранённая партия хранить не может (GGF может)</translation>
    </message>
    <message>
        <source>the text holds no moves</source>
        <translation>в тексте нет ходов</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>жёлтые</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>зелёные</translation>
    </message>
    <message>
        <source>the board size %1 is neither 8 nor 10</source>
        <translation>размер доски %1 — не 8 и не 10</translation>
    </message>
    <message>
        <source>it names no side to move</source>
        <translation>в ней не указано, чей ход</translation>
    </message>
    <message>
        <source>its board holds impossible cells</source>
        <translation>на её доске невозможные поля</translation>
    </message>
    <message>
        <source>its centre square %1 is empty, which no game can leave empty</source>
        <translation>центральное поле %1 пусто, а ни одна партия не оставляет его пустым</translation>
    </message>
    <message>
        <source>%1 is to move but has no legal move, while %2 has one</source>
        <translation>очередь хода — %1, но им некуда ходить, а %2 ход имеют</translation>
    </message>
    <message>
        <source>it holds no GGF game (no &quot;(;&quot; where a game begins)</source>
        <translation>в нём нет партии GGF (нет &quot;(;&quot;, с которого начинается партия)</translation>
    </message>
    <message>
        <source>character %1</source>
        <translation>символ %1</translation>
    </message>
    <message>
        <source>the game is not closed by &quot;;)&quot;</source>
        <translation>партия не закрыта &quot;;)&quot;</translation>
    </message>
    <message>
        <source>the game has something else than a property at %1</source>
        <translation>в партии на месте %1 не свойство, а что-то другое</translation>
    </message>
    <message>
        <source>the value of %1 is not closed by &quot;]&quot;</source>
        <translation>значение %1 не закрыто &quot;]&quot;</translation>
    </message>
    <message>
        <source>the game has more properties than any game needs</source>
        <translation>в партии больше свойств, чем нужно любой партии</translation>
    </message>
    <message>
        <source>its board (BO) is neither 8 × 8 nor 10 × 10</source>
        <translation>её доска (BO) — не 8 × 8 и не 10 × 10</translation>
    </message>
    <message>
        <source>its board (BO) does not have %1 squares and the side to move</source>
        <translation>на её доске (BO) нет %1 полей и очереди хода</translation>
    </message>
    <message>
        <source>its board (BO) has &quot;%1&quot; where a square is *, O or -</source>
        <translation>на её доске (BO) &quot;%1&quot; там, где поле — *, O или -</translation>
    </message>
    <message>
        <source>its board (BO) names no side to move (* or O after the squares)</source>
        <translation>на её доске (BO) не указано, чей ход (* или O после полей)</translation>
    </message>
    <message>
        <source>its board (BO) cannot arise in a game: %1</source>
        <translation>её доска (BO) не может возникнуть в партии: %1</translation>
    </message>
    <message>
        <source>it is a game of %1, not of Othello</source>
        <translation>это партия в %1, а не в Отелло</translation>
    </message>
    <message>
        <source>it has no board (BO)</source>
        <translation>у неё нет доски (BO)</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a square of the board</source>
        <translation>ход %1 (%2) — не поле доски</translation>
    </message>
    <message>
        <source>move %1 (%2)</source>
        <translation>ход %1 (%2)</translation>
    </message>
    <message>
        <source>%1 comes after the end of the game</source>
        <translation>%1 — после конца партии</translation>
    </message>
    <message>
        <source>%1 is a pass for %2, but %3 is the one to pass</source>
        <translation>%1 — пас за «%2», но пасовать должны %3</translation>
    </message>
    <message>
        <source>%1 is a pass, but %2 can play</source>
        <translation>%1 — пас, но %2 могут ходить</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s, but %3 is to move</source>
        <translation>%1 — ход за «%2», но очередь — %3</translation>
    </message>
    <message>
        <source>%1 is not a legal move for %2</source>
        <translation>%1 — недопустимый ход, ходят %2</translation>
    </message>
    <message>
        <source>character %1 is neither a square nor a pass</source>
        <translation>символ %1 — ни поле, ни пас</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2 is neither a square nor a pass</source>
        <translation>&quot;%1&quot; (%2) — ни поле, ни пас</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2 is not a square</source>
        <translation>&quot;%1&quot; (%2) — не поле</translation>
    </message>
    <message>
        <source>it holds more moves than any game has</source>
        <translation>в нём больше ходов, чем в любой партии</translation>
    </message>
    <message>
        <source>the moves and their sides do not pair up</source>
        <translation>ходы и их стороны не соответствуют друг другу</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a square of the %3 × %3 board</source>
        <translation>ход %1 (%2) — не поле доски %3 × %3</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>код %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move and its score (such as A2:+38)</source>
        <translation>&quot;%1&quot; — не ход с оценкой (вроде A2:+38)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no square of the board</source>
        <translation>&quot;%1&quot; не называет поле доски</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no score a game can end with</source>
        <translation>у &quot;%1&quot; нет счёта, которым может окончиться партия</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 is not a legal move for %3</source>
        <translation>&quot;%1&quot;: %2 — недопустимый ход, ходят %3</translation>
    </message>
    <message>
        <source>character %1 (%2) is no square: a square is X, O or -</source>
        <translation>символ %1 (%2) — не поле: поле — это X, O или -</translation>
    </message>
    <message>
        <source>it has %1 squares, where a board has 64 (8 × 8) or 100 (10 × 10)</source>
        <translation>в ней %1 полей, а на доске 64 (8 × 8) или 100 (10 × 10)</translation>
    </message>
    <message>
        <source>it names no side to move (X or O after the squares)</source>
        <translation>в ней не указано, чей ход (X или O после полей)</translation>
    </message>
    <message>
        <source>%1 after the squares is no side to move (X or O)</source>
        <translation>%1 после полей — не очередь хода (X или O)</translation>
    </message>
    <message>
        <source>%1 follows the side to move, where &quot;;&quot; or nothing may</source>
        <translation>%1 стоит после очереди хода, где может быть только &quot;;&quot; или ничего</translation>
    </message>
    <message>
        <source>it publishes more moves than a position has</source>
        <translation>в нём указано больше ходов, чем есть в позиции</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>it holds no position</source>
        <translation>в нём нет позиции</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 не открыт: %2</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>он не существует</translation>
    </message>
    <message>
        <source>it could not be opened: %1</source>
        <translation>его не удалось открыть: %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>его не удалось прочитать: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>он больше %1 байт</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Не удаётся удалить &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: it is not a regular file</source>
        <translation>Не удаётся удалить &quot;%1&quot;: это не обычный файл</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: the file is read-only</source>
        <translation>Не удаётся удалить &quot;%1&quot;: файл только для чтения</translation>
    </message>
    <message>
        <source>Cannot follow &quot;%1&quot;: %2</source>
        <translation>Не удаётся перейти по &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: it is not a regular file</source>
        <translation>Не удаётся заменить &quot;%1&quot;: это не обычный файл</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: the file is read-only</source>
        <translation>Не удаётся заменить &quot;%1&quot;: файл только для чтения</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: it belongs to another user</source>
        <translation>Не удаётся заменить &quot;%1&quot;: он принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; is read-only</source>
        <translation>Не удаётся записать &quot;%1&quot;: папка &quot;%2&quot; только для чтения</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Не удаётся создать &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Не удаётся заменить &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ReviewGameDialog</name>
    <message>
        <source>Review game</source>
        <translation>Разбор партии</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>&amp;Time for each position:</source>
        <translation>&amp;Время на каждую позицию:</translation>
    </message>
    <message>
        <source>Positions with 20 empty squares or fewer are solved exactly.</source>
        <translation>Позиции с 20 пустыми полями или меньше решаются точно.</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Разобрать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Game over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Green is moving</source>
        <translation>Ходят зелёные</translation>
    </message>
    <message>
        <source>Yellow is moving</source>
        <translation>Ходят жёлтые</translation>
    </message>
    <message>
        <source>Yellow %1 : Green %2</source>
        <translation>Жёлтые %1 : Зелёные %2</translation>
    </message>
    <message>
        <source>Move %1/%2</source>
        <translation>Ход %1/%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>A game of Reversi for one or two players, against the computer or over the network.</source>
        <translation>Игра Реверси для одного или двух игроков, против компьютера или по сети.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Corvana developers</source>
        <translation>© 2026 Разработчики Corvana</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или более поздней, без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>RESPECTED USERS ! Thank you for choosing Corvana, the game of Reversi for the Linux desktop. Challenge the computer on nine levels, play a friend at the same table or call one over the network. Try the Flame, Classic and Ancient discs. We wish you clever moves and many happy victories ! </source>
        <translation>УВАЖАЕМЫЕ ПОЛЬЗОВАТЕЛИ ! Спасибо, что выбрали Corvana, игру Реверси для рабочего стола Linux. Сразитесь с компьютером на девяти уровнях, сыграйте с другом за одним столом или вызовите его по сети. Попробуйте фишки Пламя, Классика и Старина. Желаем вам умных ходов и много радостных побед ! </translation>
    </message>
</context>
<context>
    <name>TCallDlg</name>
    <message>
        <source>Call</source>
        <translation>Вызов</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Условия</translation>
    </message>
    <message>
        <source>You play</source>
        <translation>Вы играете</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Жёлтыми</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелёными</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Размер поля</translation>
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
        <translation>Имя компьютера или IP-адрес</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Вызвать</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>TCallReq</name>
    <message>
        <source>Подтверждение вызова</source>
        <translation>Подтверждение вызова</translation>
    </message>
    <message>
        <source>Поступил вызов от:</source>
        <translation>Поступил вызов от:</translation>
    </message>
    <message>
        <source>Вы будете играть:</source>
        <translation>Вы будете играть:</translation>
    </message>
    <message>
        <source>Размер поля:</source>
        <translation>Размер поля:</translation>
    </message>
    <message>
        <source>Желаете ли Вы принять вызов ?</source>
        <translation>Желаете ли Вы принять вызов ?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No=30</source>
        <translation>&amp;Нет=30</translation>
    </message>
    <message>
        <source>No=%1</source>
        <translation>Нет=%1</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>зелёными</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>жёлтыми</translation>
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
        <translation>Действие</translation>
    </message>
    <message>
        <source>Continue from &amp;this position...</source>
        <translation>Продолжить с &amp;этой позиции...</translation>
    </message>
    <message>
        <source>Continue from &amp;last position...</source>
        <translation>Продолжить с &amp;последней позиции...</translation>
    </message>
    <message>
        <source>Return to history &amp;watching...</source>
        <translation>&amp;Вернуться к просмотру истории...</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Выбор</translation>
    </message>
</context>
<context>
    <name>TFinalDlg</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Yellow won %1 : %2</source>
        <translation>Жёлтые выиграли %1 : %2</translation>
    </message>
    <message>
        <source>Green won %1 : %2</source>
        <translation>Зелёные выиграли %1 : %2</translation>
    </message>
    <message>
        <source>Tie up</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>Yellow pass</source>
        <translation>Жёлтые пропускают ход</translation>
    </message>
    <message>
        <source>Green pass</source>
        <translation>Зелёные пропускают ход</translation>
    </message>
</context>
<context>
    <name>TReversiForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>New game / exit</source>
        <translation>Новая игра / выход</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Начать новую игру</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>Display hint</source>
        <translation>Показать подсказку</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>На&amp;стройки</translation>
    </message>
    <message>
        <source>Game settings</source>
        <translation>Настройки игры</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit from game</source>
        <translation>Выйти из игры</translation>
    </message>
    <message>
        <source>&amp;Resume last game</source>
        <translation>Продолжить последн&amp;юю игру</translation>
    </message>
    <message>
        <source>Play on the game left unfinished at the last exit</source>
        <translation>Продолжить игру, не законченную при последнем выходе</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Сеть</translation>
    </message>
    <message>
        <source>Network play</source>
        <translation>Сетевая игра</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Вызов</translation>
    </message>
    <message>
        <source>Call remote player</source>
        <translation>Вызвать удалённого игрока</translation>
    </message>
    <message>
        <source>&amp;Allow call</source>
        <translation>&amp;Разрешить вызов</translation>
    </message>
    <message>
        <source>Allow remote player to call you</source>
        <translation>Разрешить удалённому игроку вызвать вас</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Отключиться</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Сообщение</translation>
    </message>
    <message>
        <source>Send message</source>
        <translation>Отправить сообщение</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Партия</translation>
    </message>
    <message>
        <source>Undo / redo / save / load</source>
        <translation>Отменить / повторить / сохранить / загрузить</translation>
    </message>
    <message>
        <source>&amp;Undo move</source>
        <translation>&amp;Отменить ход</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Отменить последний ход</translation>
    </message>
    <message>
        <source>&amp;Redo move</source>
        <translation>&amp;Повторить ход</translation>
    </message>
    <message>
        <source>Redo move</source>
        <translation>Повторить ход</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <source>Save match</source>
        <translation>Сохранить партию</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>О&amp;ткрыть...</translation>
    </message>
    <message>
        <source>Restore saved match</source>
        <translation>Восстановить сохранённую партию</translation>
    </message>
    <message>
        <source>&amp;Take back move</source>
        <translation>&amp;Взять ход назад</translation>
    </message>
    <message>
        <source>Take back your last move</source>
        <translation>Взять назад свой последний ход</translation>
    </message>
    <message>
        <source>Move &amp;list</source>
        <translation>Список &amp;ходов</translation>
    </message>
    <message>
        <source>Show the moves of the game</source>
        <translation>Показать ходы партии</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>Ин&amp;фо</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Display help</source>
        <translation>Показать справку</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О &amp;программе</translation>
    </message>
    <message>
        <source>Display about</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Reversi games (*.kpx)</source>
        <translation>Партии Реверси (*.kpx)</translation>
    </message>
    <message>
        <source>WARNING: You have less then 800 x 600 resolution!</source>
        <translation>ВНИМАНИЕ: разрешение экрана меньше 800 x 600!</translation>
    </message>
    <message>
        <source>Network game not in progress.
Function not work.</source>
        <translation>Сетевая игра не идёт.
Функция не работает.</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>NETWORK: Do you want abort network game ?</source>
        <translation>СЕТЬ: Прервать сетевую игру?</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Network play is off: port %1 is in use</source>
        <translation>Сетевая игра выключена: порт %1 занят</translation>
    </message>
    <message>
        <source>Network play is off: %1</source>
        <translation>Сетевая игра выключена: %1</translation>
    </message>
    <message>
        <source>NETWORK: Cannot enable listing!</source>
        <translation>СЕТЬ: Не удаётся разрешить вызовы!</translation>
    </message>
    <message>
        <source>NETWORK: Connection failed - open socket error!</source>
        <translation>СЕТЬ: Соединение не удалось — ошибка открытия сокета!</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтые</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёные</translation>
    </message>
    <message>
        <source>%1 plays %2; discs turned: %3.</source>
        <translation>%1: ход %2; перевёрнуто фишек: %3.</translation>
    </message>
    <message>
        <source>&amp;Copy game</source>
        <translation>&amp;Копировать партию</translation>
    </message>
    <message>
        <source>Copy the moves of the game as a transcript</source>
        <translation>Скопировать ходы партии в виде записи</translation>
    </message>
    <message>
        <source>&amp;Paste game</source>
        <translation>Вст&amp;авить партию</translation>
    </message>
    <message>
        <source>Open a transcript or GGF game from the clipboard</source>
        <translation>Открыть запись или партию GGF из буфера обмена</translation>
    </message>
    <message>
        <source>Transcripts (*.txt)</source>
        <translation>Записи партий (*.txt)</translation>
    </message>
    <message>
        <source>GGF games (*.ggf)</source>
        <translation>Партии GGF (*.ggf)</translation>
    </message>
    <message>
        <source>Paste game</source>
        <translation>Вставить партию</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played through: %1</source>
        <translation>В буфере обмена нет партии, которую можно воспроизвести: %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is read-only: replace it?</source>
        <translation>Файл «%1» доступен только для чтения: заменить его?</translation>
    </message>
    <message>
        <source>Save the game elsewhere.</source>
        <translation>Сохраните партию в другом месте.</translation>
    </message>
    <message>
        <source>Corvana could not keep everything for next time.</source>
        <translation>Corvana не удалось сохранить всё до следующего раза.</translation>
    </message>
    <message>
        <source>&amp;Quit anyway</source>
        <translation>&amp;Всё равно выйти</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>All games (%1)</source>
        <translation>Все партии (%1)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Во весь &amp;экран</translation>
    </message>
    <message>
        <source>Show the board on the whole screen</source>
        <translation>Показать доску на весь экран</translation>
    </message>
    <message>
        <source>&amp;Move now</source>
        <translation>&amp;Ходить сейчас</translation>
    </message>
    <message>
        <source>The computer plays the best move it has found so far</source>
        <translation>Компьютер делает лучший ход, найденный к этому моменту</translation>
    </message>
    <message>
        <source>Set up position...</source>
        <translation>Расставить позицию...</translation>
    </message>
    <message>
        <source>Set up a position on the board and play from it</source>
        <translation>Расставить позицию на доске и играть с неё</translation>
    </message>
    <message>
        <source>Set up position</source>
        <translation>Расстановка позиции</translation>
    </message>
    <message>
        <source>Re&amp;view game...</source>
        <translation>&amp;Разобрать партию...</translation>
    </message>
    <message>
        <source>Let the master engine value every move of the game</source>
        <translation>Оценить каждый ход партии мастер-движком</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Разбор партии</translation>
    </message>
    <message>
        <source>The game has no moves yet: there is nothing to review.</source>
        <translation>В партии ещё нет ходов: разбирать нечего.</translation>
    </message>
</context>
<context>
    <name>TRulersDlg</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>TSendDlg</name>
    <message>
        <source>Send message</source>
        <translation>Отправить сообщение</translation>
    </message>
    <message>
        <source>Messages history</source>
        <translation>История сообщений</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Отправить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>TSideDlg</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Соперник</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Компьютер</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Человек</translation>
    </message>
    <message>
        <source>You play</source>
        <translation>Вы играете</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Жёлтыми</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелёными</translation>
    </message>
    <message>
        <source>O&amp;pponent</source>
        <translation>&amp;Соперник</translation>
    </message>
    <message>
        <source>Computer&apos;s level</source>
        <translation>Уровень компьютера</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Размер поля</translation>
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
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Фигуры</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Пламя</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Ancient</source>
        <translation>Древние</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Медиа</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>З&amp;вук</translation>
    </message>
    <message>
        <source>A&amp;nimation</source>
        <translation>&amp;Анимация</translation>
    </message>
    <message>
        <source>Sys&amp;Tray</source>
        <translation>Значок в &amp;трее</translation>
    </message>
    <message>
        <source>&amp;Media</source>
        <translation>&amp;Медиа</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>On right mouse click show</source>
        <translation>По правому щелчку показывать</translation>
    </message>
    <message>
        <source>&amp;Previous move</source>
        <translation>Пред&amp;ыдущий ход</translation>
    </message>
    <message>
        <source>A&amp;vailable moves</source>
        <translation>Возможные &amp;ходы</translation>
    </message>
    <message>
        <source>Think engine</source>
        <translation>Движок анализа</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>обычный</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>продвинутый</translation>
    </message>
    <message>
        <source>master</source>
        <translation>мастер</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Дополнительно</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>На доске</translation>
    </message>
    <message>
        <source>Mark the last mov&amp;e</source>
        <translation>Отм&amp;ечать последний ход</translation>
    </message>
    <message>
        <source>Mark the legal s&amp;quares</source>
        <translation>Отмечать возможные по&amp;ля</translation>
    </message>
    <message>
        <source>Animation spee&amp;d</source>
        <translation>Скорость а&amp;нимации</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>медленно</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>быстро</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Show the move l&amp;ist</source>
        <translation>Показывать сп&amp;исок ходов</translation>
    </message>
    <message>
        <source>&amp;Keep an unfinished game to resume</source>
        <translation>Сохранять незаконченную игру для п&amp;родолжения</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>Р&amp;асширения</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Computer level %1</source>
        <translation>Уровень компьютера %1</translation>
    </message>
    <message>
        <source>Show move &amp;values</source>
        <translation>Показывать &amp;цену ходов</translation>
    </message>
</context>
</TS>
