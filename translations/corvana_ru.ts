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
        <translation>До&amp;полнения</translation>
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
