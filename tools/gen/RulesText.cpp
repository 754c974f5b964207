// The rules documents, in English (the texts as written) and in German and Russian for the
// translations. The prose is kept here as UTF-8 and written out as RTF with one font ("Times New
// Roman") and every character outside ASCII escaped: as a code page 1251 byte where it has one,
// as \uN otherwise (the German letters), so a document is plain 7-bit text whatever reads it.
// The keys and Corvana's own commands follow the rules in the Help window, written once in the
// program (HelpText), not here.
#include "RulesText.h"

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "GeneratorError.h"
#include "IntroText.h"
#include "Previews.h"

namespace {

// RTF text for a UTF-8 string: control characters escaped, non-ASCII as \'hh, or \uN? for a
// character code page 1251 has no byte for.
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
            if (b < 0x80) {
                if (c > 0xFFFF)
                    throw TGeneratorError("rules text: character U+"
                        + QString::number(uint(c), 16).toStdString() + " is beyond 16 bits");
                // \u takes a signed 16-bit number; the '?' stands in for readers without it.
                out += "\\u" + std::to_string(c > 0x7FFF ? int(c) - 0x10000 : int(c)) + "?";
                continue;
            }
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

// One rules document's prose, in one language.
struct RulesProse {
    const char* Title;
    const char* Headings[5]; // about, rules, beginning, how to play, net game
    std::vector<const char*> About, Rules, Beginning, HowToPlay, NetGame;
    const char* Closing;
};

std::string RulesDocument(const RulesProse& p)
{
    TRtfWriter rtf;
    rtf.Title(p.Title);
    const std::vector<const char*>* sections[5]
        = { &p.About, &p.Rules, &p.Beginning, &p.HowToPlay, &p.NetGame };
    for (int h = 0; h < 5; ++h) {
        rtf.Heading(p.Headings[h]);
        for (const char* paragraph : *sections[h])
            rtf.Paragraph(paragraph);
    }
    rtf.Closing(p.Closing);
    return rtf.Finish();
}

const RulesProse English {
    "Corvana \u2014 the game of Reversi",
    { "About the game.", "The Rules of the game.", "The beginning and the order of the game.",
        "How to play?", "Net Game." },
    {
        "Corvana is a computer version of Reversi, an old board game of strategy for two players. "
        "It is played on a board of 8 x 8 or 10 x 10 squares with round discs that are yellow on "
        "one side and green on the other. One player plays Yellow, the other Green.",
        "You can play against the computer, whose level goes from 1, for beginners, to 9, and "
        "which thinks with one of three engines: \u201Cnormal\u201D and \u201Cadvanced\u201D look "
        "as many moves ahead as the level says, \u201Cmaster\u201D thinks for a time and plays the "
        "end of the game perfectly. You can also play against a friend at the same computer, "
        "taking turns with the mouse, or against a friend who runs Corvana on another computer of "
        "the network.",
        "Three sets of figures give the board its look: \u201CFlame\u201D, glowing discs that turn "
        "over in a burst of fire, \u201CClassic\u201D, glossy discs that turn over in 3D, and "
        "\u201CAncient\u201D, carved discs of an old look. Each set has its own sound.",
    },
    {
        "The players take turns putting one disc of their own colour on an empty square. A move is "
        "allowed only if it captures: the new disc must close at least one straight line of the "
        "opponent\u2019s discs \u2014 horizontal, vertical or diagonal \u2014 at whose other end "
        "there already is a disc of the mover\u2019s colour, with no empty square in between. "
        "Every disc of the opponent in every line closed this way is turned over and takes the "
        "mover\u2019s colour.",
        "A player who has no allowed move must pass, and the opponent moves again; Corvana says so "
        "with the message \u201CYellow pass\u201D or \u201CGreen pass\u201D. Passing is not "
        "allowed "
        "while a move is possible.",
        "The game ends when neither player can move, usually because the board is full. The player "
        "with more discs wins; with equal numbers the game is a tie.",
        "A disc in a corner can never be turned over again, and discs on the edges are hard to "
        "capture, so good players fight for them. In the middle of the game it often pays to keep "
        "few discs and many possible moves.",
    },
    {
        "At the start four discs stand in the middle of the board: Yellow on the upper left and "
        "lower right of the four centre squares, Green on the other two. Yellow always moves "
        "first; "
        "after that the players move in turn, except when one of them has to pass.",
        "The status bar at the bottom of the window shows whose turn it is, the score (for example "
        "\u201CYellow 2 : Green 2\u201D) and the move counter: the move shown on the board and the "
        "number of moves played. In the settings you choose whether you play Yellow or Green; when "
        "the computer has Yellow, it opens the game at once.",
    },
    {
        "Move the mouse over the board: over every square where you may put a disc the pointer "
        "turns into a hand and a soft tick sounds. Click to make your move. The keyboard works "
        "too: "
        "the arrow keys move the pointer from square to square, and Enter or Space makes the move.",
        "Press the right mouse button to see the squares where the side to move may play, outlined "
        "in its colour, and the squares changed by the last move, outlined in white. While an "
        "earlier position of the game is shown, a click on the board asks what to do: continue "
        "from "
        "this position (the later moves are dropped), continue from the last position, or return "
        "to watching the game.",
        "Every key and command of Corvana is listed after these rules.",
    },
    {
        "Two players can play over the network, each at a computer running Corvana. Corvana waits "
        "for calls on TCP port 8173 while Allow call in the Network menu is checked; another port "
        "can be set in the section [net] of reversi.ini.",
        "To call, choose Call, pick your colour and the field size, and type the name or the IP "
        "address of your opponent\u2019s computer. Your opponent sees who calls, the colour "
        "offered "
        "and the field size, and has 30 seconds to accept. Then the game begins, and Yellow moves "
        "first.",
        "In a network game each player moves only in his turn; the hint, undo and redo and the "
        "game "
        "settings are switched off, and New starts the game again for both players. Message opens "
        "a window for short messages to your opponent; a message that arrives opens it for your "
        "answer. Disconnect ends the connection. If your opponent leaves, Corvana tells you, and "
        "the "
        "position stays on the board to be played on at your computer.",
        "Opening a saved game during a network game first asks whether to end it. If the computer "
        "you call is already in a game, Corvana tells you that your opponent is busy.",
    },
    "We wish you good luck and many happy games!",
};

const RulesProse German {
    "Corvana \u2014 das Reversi-Spiel",
    { "\u00DCber das Spiel.", "Die Spielregeln.", "Der Beginn und der Ablauf des Spiels.",
        "Wie spielt man?", "Netzwerkspiel." },
    {
        "Corvana ist eine Computerfassung von Reversi, einem alten Strategie-Brettspiel f\u00FCr "
        "zwei Spieler. Gespielt wird auf einem Brett mit 8 x 8 oder 10 x 10 Feldern mit runden "
        "Steinen, die auf einer Seite gelb und auf der anderen gr\u00FCn sind. Ein Spieler spielt "
        "Gelb, der andere Gr\u00FCn.",
        "Sie k\u00F6nnen gegen den Computer spielen, dessen Stufe von 1 f\u00FCr Anf\u00E4nger bis "
        "9 "
        "reicht und der mit einem von drei Verfahren denkt: \u201Enormal\u201C und "
        "\u201Efortgeschritten\u201C schauen so viele Z\u00FCge voraus, wie die Stufe sagt, "
        "\u201EMeister\u201C denkt eine Zeit lang nach und spielt das Ende der Partie fehlerfrei. "
        "Sie k\u00F6nnen auch gegen einen Freund am selben Computer spielen, abwechselnd mit der "
        "Maus, oder gegen einen Freund, der Corvana auf einem anderen Computer im Netzwerk "
        "spielt.",
        "Drei Figurens\u00E4tze geben dem Brett sein Aussehen: \u201EFlamme\u201C, gl\u00FChende "
        "Steine, die sich in einem Feuersto\u00DF umdrehen, \u201EKlassisch\u201C, gl\u00E4nzende "
        "Steine, die sich r\u00E4umlich umdrehen, und \u201EAntik\u201C, geschnitzte Steine von "
        "altem Aussehen. Jeder Satz hat seinen eigenen Klang.",
    },
    {
        "Die Spieler setzen abwechselnd einen Stein ihrer Farbe auf ein leeres Feld. Ein Zug ist "
        "nur erlaubt, wenn er schl\u00E4gt: Der neue Stein muss mindestens eine gerade Reihe "
        "gegnerischer Steine \u2014 waagerecht, senkrecht oder schr\u00E4g \u2014 "
        "einschlie\u00DFen, "
        "an deren anderem Ende schon ein Stein in der Farbe des Ziehenden liegt, ohne ein leeres "
        "Feld dazwischen. Jeder gegnerische Stein in jeder so geschlossenen Reihe wird umgedreht "
        "und nimmt die Farbe des Ziehenden an.",
        "Ein Spieler ohne erlaubten Zug muss passen, und der Gegner zieht noch einmal; Corvana "
        "meldet das mit \u201EGelb muss passen\u201C oder \u201EGr\u00FCn muss passen\u201C. "
        "Passen "
        "ist nicht erlaubt, solange ein Zug m\u00F6glich ist.",
        "Das Spiel endet, wenn keiner der Spieler mehr ziehen kann, meist weil das Brett voll ist. "
        "Wer mehr Steine hat, gewinnt; bei gleicher Zahl endet das Spiel unentschieden.",
        "Ein Stein in einer Ecke kann nie wieder umgedreht werden, und Steine am Rand sind schwer "
        "zu schlagen, darum k\u00E4mpfen gute Spieler um sie. Im Mittelspiel lohnt es sich oft, "
        "wenige Steine und viele m\u00F6gliche Z\u00FCge zu haben.",
    },
    {
        "Zu Beginn stehen vier Steine in der Mitte des Bretts: Gelb oben links und unten rechts "
        "der vier Mittelfelder, Gr\u00FCn auf den beiden anderen. Gelb zieht immer zuerst; danach "
        "ziehen die Spieler abwechselnd, au\u00DFer wenn einer von ihnen passen muss.",
        "Die Statusleiste unten im Fenster zeigt, wer am Zug ist, den Spielstand (zum Beispiel "
        "\u201EGelb 2 : Gr\u00FCn 2\u201C) und den Zugz\u00E4hler: den auf dem Brett gezeigten Zug "
        "und die Zahl der gespielten Z\u00FCge. In den Einstellungen w\u00E4hlen Sie, ob Sie Gelb "
        "oder Gr\u00FCn spielen; hat der Computer Gelb, er\u00F6ffnet er das Spiel sofort.",
    },
    {
        "Bewegen Sie die Maus \u00FCber das Brett: \u00DCber jedem Feld, auf das Sie einen Stein "
        "setzen d\u00FCrfen, wird der Zeiger zur Hand, und ein leises Ticken ert\u00F6nt. Klicken "
        "Sie, um zu ziehen. Auch die Tastatur geht: Die Pfeiltasten bewegen den Zeiger von Feld zu "
        "Feld, Eingabe oder Leertaste machen den Zug.",
        "Mit der rechten Maustaste sehen Sie die Felder, auf die die ziehende Seite setzen darf, "
        "in ihrer Farbe umrandet, und die Felder, die der letzte Zug ver\u00E4ndert hat, wei\u00DF "
        "umrandet. Wird eine fr\u00FChere Stellung der Partie gezeigt, fragt ein Klick auf das "
        "Brett, was geschehen soll: von dieser Stellung weiterspielen (die sp\u00E4teren Z\u00FCge "
        "entfallen), von der letzten Stellung weiterspielen oder zum Ansehen der Partie "
        "zur\u00FCckkehren.",
        "Alle Tasten und Befehle von Corvana folgen nach diesen Regeln.",
    },
    {
        "Zwei Spieler k\u00F6nnen \u00FCber das Netzwerk spielen, jeder an einem Computer mit "
        "Corvana. Corvana wartet auf Anrufe am TCP-Port 8173, solange \u201EAnrufe zulassen\u201C "
        "im Men\u00FC Netzwerk angehakt ist; ein anderer Port l\u00E4sst sich im Abschnitt [net] "
        "von reversi.ini einstellen.",
        "Zum Anrufen w\u00E4hlen Sie Anrufen, dann Ihre Farbe und die Feldgr\u00F6\u00DFe, und "
        "geben den Namen oder die IP-Adresse des Computers Ihres Gegners ein. Ihr Gegner sieht, "
        "wer anruft, die angebotene Farbe und die Feldgr\u00F6\u00DFe, und hat 30 Sekunden zum "
        "Annehmen. Dann beginnt das Spiel, und Gelb zieht zuerst.",
        "Im Netzwerkspiel zieht jeder Spieler nur, wenn er am Zug ist; Tipp, Zur\u00FCcknehmen und "
        "Wiederholen sowie die Spieleinstellungen sind abgeschaltet, und Neu beginnt das Spiel "
        "f\u00FCr beide Spieler von vorn. Nachricht \u00F6ffnet ein Fenster f\u00FCr kurze "
        "Nachrichten an Ihren Gegner; eine ankommende Nachricht \u00F6ffnet es f\u00FCr Ihre "
        "Antwort. Trennen beendet die Verbindung. Verl\u00E4sst Ihr Gegner das Spiel, sagt Corvana "
        "es Ihnen, und die Stellung bleibt auf dem Brett, um an Ihrem Computer weiterzuspielen.",
        "Wer w\u00E4hrend eines Netzwerkspiels eine gespeicherte Partie \u00F6ffnet, wird zuerst "
        "gefragt, ob es enden soll. Ist der angerufene Computer schon in einem Spiel, sagt Corvana "
        "Ihnen, dass Ihr Gegner besch\u00E4ftigt ist.",
    },
    "Wir w\u00FCnschen Ihnen viel Gl\u00FCck und viele sch\u00F6ne Partien!",
};

const RulesProse Russian {
    "Corvana \u2014 игра Реверси",
    { "Об игре.", "Правила игры.", "Начало и порядок игры.", "Как играть?", "Сетевая игра." },
    {
        "Corvana \u2014 компьютерная версия Реверси, старинной стратегической настольной игры для "
        "двух игроков. Играют на доске 8 x 8 или 10 x 10 клеток круглыми фишками, жёлтыми с одной "
        "стороны и зелёными с другой. Один игрок играет жёлтыми, другой \u2014 зелёными.",
        "Можно играть против компьютера, уровень которого идёт от 1, для начинающих, до 9 и "
        "который думает одним из трёх способов: \u00ABобычный\u00BB и \u00ABпродвинутый\u00BB "
        "смотрят вперёд на столько ходов, сколько велит уровень, \u00ABмастер\u00BB думает "
        "отведённое время и безошибочно играет конец партии. Можно играть и с другом за тем же "
        "компьютером, делая ходы мышью по очереди, или с другом, у которого Corvana запущена на "
        "другом компьютере сети.",
        "Три набора фигур задают вид доски: \u00ABПламя\u00BB \u2014 светящиеся фишки, "
        "переворачивающиеся во вспышке огня, \u00ABКлассика\u00BB \u2014 блестящие фишки, "
        "переворачивающиеся объёмно, и \u00ABСтарина\u00BB \u2014 резные фишки старинного вида. "
        "У каждого набора свой звук.",
    },
    {
        "Игроки по очереди ставят по одной фишке своего цвета на пустую клетку. Ход допустим, "
        "только если он захватывает: новая фишка должна замкнуть хотя бы один прямой ряд фишек "
        "противника \u2014 по горизонтали, вертикали или диагонали, \u2014 на другом конце "
        "которого "
        "уже стоит фишка цвета ходящего, без пустых клеток между ними. Каждая фишка противника в "
        "каждом так замкнутом ряду переворачивается и принимает цвет ходящего.",
        "Игрок, у которого нет допустимого хода, пропускает ход, и противник ходит снова; Corvana "
        "сообщает об этом: \u00ABЖёлтые пропускают ход\u00BB или \u00ABЗелёные пропускают "
        "ход\u00BB. Пропускать ход, когда он возможен, нельзя.",
        "Игра кончается, когда ни один игрок не может пойти, обычно потому, что доска заполнена. "
        "Побеждает тот, у кого больше фишек; при равенстве \u2014 ничья.",
        "Фишку в углу перевернуть больше нельзя, а фишки на краях трудно захватить, поэтому "
        "сильные игроки борются за них. В середине игры часто выгодно иметь мало фишек и много "
        "возможных ходов.",
    },
    {
        "В начале в середине доски стоят четыре фишки: жёлтые \u2014 слева вверху и справа внизу "
        "из четырёх центральных клеток, зелёные \u2014 на двух других. Жёлтые всегда ходят "
        "первыми; "
        "дальше игроки ходят по очереди, кроме случаев, когда одному из них приходится пропустить "
        "ход.",
        "Строка состояния внизу окна показывает, чей ход, счёт (например, \u00ABЖёлтые 2 : "
        "Зелёные 2\u00BB) и счётчик ходов: ход, показанный на доске, и число сыгранных ходов. В "
        "настройках выбирается, играете вы жёлтыми или зелёными; если жёлтые у компьютера, он "
        "сразу начинает игру.",
    },
    {
        "Ведите мышь над доской: над каждой клеткой, куда можно поставить фишку, указатель "
        "становится рукой и звучит тихий щелчок. Щёлкните, чтобы сделать ход. Работает и "
        "клавиатура: стрелки переводят указатель с клетки на клетку, а Enter или пробел делают "
        "ход.",
        "Правая кнопка мыши показывает клетки, куда может пойти сторона, чей ход, обведённые её "
        "цветом, и клетки, изменённые последним ходом, обведённые белым. Когда на доске показана "
        "более ранняя позиция партии, щелчок по доске спрашивает, что делать: продолжить с этой "
        "позиции (последующие ходы отбрасываются), продолжить с последней позиции или вернуться к "
        "просмотру партии.",
        "Все клавиши и команды Corvana перечислены после этих правил.",
    },
    {
        "Двое могут играть по сети, каждый за компьютером с Corvana. Corvana ждёт вызовов на "
        "TCP-порту 8173, пока в меню \u00ABСеть\u00BB отмечен пункт \u00ABРазрешить вызов\u00BB; "
        "другой порт можно задать в разделе [net] файла reversi.ini.",
        "Чтобы вызвать, выберите \u00ABВызов\u00BB, ваш цвет и размер поля и введите имя или "
        "IP-адрес компьютера противника. Противник видит, кто вызывает, предложенный цвет и "
        "размер поля, и у него есть 30 секунд, чтобы согласиться. Затем начинается игра, и "
        "жёлтые ходят первыми.",
        "В сетевой игре каждый ходит только в свою очередь; подсказка, отмена и повтор хода и "
        "настройки игры выключены, а \u00ABНовая\u00BB начинает игру заново для обоих. "
        "\u00ABСообщение\u00BB открывает окно для коротких сообщений противнику; пришедшее "
        "сообщение открывает его для ответа. \u00ABОтключиться\u00BB разрывает соединение. Если "
        "противник уходит, Corvana сообщает об этом, и позиция остаётся на доске, чтобы доиграть "
        "её на вашем компьютере.",
        "Открытие сохранённой партии во время сетевой игры сначала спрашивает, завершить ли её. "
        "Если вызываемый компьютер уже играет, Corvana сообщает, что противник занят.",
    },
    "Желаем вам удачи и много радостных партий!",
};

} // namespace

std::vector<GeneratedResource> GenerateRulesText(const GeneratorContext& context)
{
    std::vector<GeneratedResource> out;
    for (const auto& [name, prose] : { std::pair { "RULERS_TEXT", &English },
             std::pair { "RULERS_TEXT_DE", &German }, std::pair { "RULERS_TEXT_RU", &Russian } }) {
        const std::string document = RulesDocument(*prose);
        std::vector<std::uint8_t> bytes(document.begin(), document.end());
        SavePreviewFile(context, QString::fromLatin1(name) + QStringLiteral(".rtf"), bytes);
        out.push_back({ name, std::move(bytes) });
    }
    return out;
}
