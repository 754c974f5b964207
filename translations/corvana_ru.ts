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
        <source>Copy game puts the game on the clipboard as a transcript; Paste game opens a transcript or a GGF game from the clipboard, at its start, as a saved game opens.</source>
        <translation>«Копировать партию» помещает партию в буфер обмена в виде записи; «Вставить партию» открывает запись или партию GGF из буфера обмена с её начала, как открывается сохранённая партия.</translation>
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
</context>
</TS>
