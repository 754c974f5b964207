// The program started as its command line says: a saved game named there is open and shown from
// its first position, as "Open..." shows it; a refused one leaves a new game; --config picks the
// settings file.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "BoardTracker.h"
#include "BoardView.h"
#include "GameFlow.h"
#include "GameSession.h"
#include "MainWindow.h"
#include "NetSession.h"
#include "ProcessState.h"
#include "Program.h"
#include "RoutineTable.h"
#include "Settings.h"
#include "StatusPanels.h"

namespace {

// A 10 x 10 game of three moves, saved to file.
void SaveTenByTenGame(const QString& file)
{
    BoardSize = 10;
    NewGame();
    for (int i = 0; i < 3; ++i) {
        const SquareOrder order = MoveOrderFor(10);
        for (int k = 0; k < order.Length; ++k) {
            const int sq = order.Squares[k];
            if (Routines.IsLegalMove(BoardStack[0], sq, SideToMove, Opponent())) {
                GameRecord->Push(sq, SideToMove, Opponent());
                Routines.MakeMove(BoardStack[0], sq, SideToMove, Opponent());
                SideToMove = Opponent();
                break;
            }
        }
    }
    QVERIFY(GameRecord->SaveToFile(file.toStdString()));
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;

    QString WriteSettings(const char* text)
    {
        const QString path = Dir.filePath(QStringLiteral("reversi.ini"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
        return path;
    }

private slots:
    // Every test starts from the state a new process has, whatever the test before it left.
    void init() { ResetProcessState(); }

    void ASavedGameOnTheCommandLineOpensAtStartUp()
    {
        const QString game = Dir.filePath(QStringLiteral("ten.kpx"));
        SaveTenByTenGame(game);
        const QString ini = WriteSettings("[options]\nbrdim=8\nanief=no\nsndef=no\n");
        const TCommandLine line
            = ReadCommandLine({ QStringLiteral("corvana"), QStringLiteral("--config"), ini, game });
        QCOMPARE(line.What, TCommandLine::Run);
        const TProgramOptions& options = line.Options;
        QCOMPARE(QString::fromStdString(options.SettingsFile), ini);
        QCOMPARE(options.GameFile, game);
        {
            TProgram program(options);
            QCOMPARE(BoardSize, 8); // from the settings file
            program.Start();
            TReversiForm& form = program.Form();
            QCOMPARE(BoardSize, 10);
            QCOMPARE(form.Board().width(), 534);
            QVERIFY(form.Session().HistoryMode());
            QCOMPARE(GameRecord->Count, 3);
            QCOMPARE(form.Status().Text(2), QStringLiteral("Move 0/3"));
            form.ListMenuRedoMoveClick();
            QCOMPARE(form.Status().Text(2), QStringLiteral("Move 1/3"));
            form.close();
        }
        // What the program wrote at its end went to the file named on the command line.
        QFile written(ini);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QVERIFY2(text.contains("brdim=10"), text.constData());
        QVERIFY(text.contains("[net]"));
    }

    void ARefusedGameLeavesANewOne()
    {
        const QString junk = Dir.filePath(QStringLiteral("junk.kpx"));
        QFile f(junk);
        f.open(QIODevice::WriteOnly);
        f.write("0XPK\x07\0\0\0", 8);
        f.close();
        const QString ini = WriteSettings("[options]\nbrdim=8\nanief=no\nsndef=no\n");
        QStringList shown;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->accept();
            }
        });
        answer.start(5);
        TProgram program(
            ReadCommandLine({ QStringLiteral("corvana"), QStringLiteral("--config"), ini, junk })
                .Options);
        program.Start();
        QCOMPARE(shown.size(), 1); // the reason, as "Open..." reports it
        QVERIFY(!program.Form().Session().HistoryMode());
        QCOMPARE(BoardSize, 8);
        QCOMPARE(program.Form().Status().Text(2), QStringLiteral("Move 0/0"));
        program.Form().close();
    }

    // The C and POSIX locales show the texts as written; any named locale, C.UTF-8 included, and
    // the order the C library reads the variables in.
    void OnlyTheCLocaleKeepsTheTextsAsWritten()
    {
        QVERIFY(AsksForOriginalTexts(nullptr, nullptr, nullptr));
        QVERIFY(AsksForOriginalTexts("", "", ""));
        QVERIFY(AsksForOriginalTexts(nullptr, nullptr, "C"));
        QVERIFY(AsksForOriginalTexts(nullptr, nullptr, "POSIX"));
        QVERIFY(!AsksForOriginalTexts(nullptr, nullptr, "C.UTF-8"));
        QVERIFY(!AsksForOriginalTexts(nullptr, nullptr, "en_GB.UTF-8"));
        QVERIFY(AsksForOriginalTexts("C", nullptr, "de_DE.UTF-8")); // LC_ALL wins
        QVERIFY(!AsksForOriginalTexts(nullptr, "ru_RU.UTF-8", "C"));
        QVERIFY(AsksForOriginalTexts("", "C", "fr_FR.UTF-8"));
    }

    void TheCommandLineIsReadBeforeTheApplication()
    {
        auto read = [](QStringList args) {
            args.prepend(QStringLiteral("corvana"));
            return ReadCommandLine(args);
        };
        QCOMPARE(read({ QStringLiteral("--version") }).What, TCommandLine::Version);
        QCOMPARE(read({ QStringLiteral("-h") }).What, TCommandLine::Help);
        // The parser adds --help-all on its own; it must answer, not start the game.
        const TCommandLine all = read({ QStringLiteral("--help-all") });
        QCOMPARE(all.What, TCommandLine::Help);
        QVERIFY2(all.Text.contains(QStringLiteral("-platform")), qPrintable(all.Text));
        QCOMPARE(read({ QStringLiteral("game.kpx") }).What, TCommandLine::Run);
        const TCommandLine bogus = read({ QStringLiteral("--bogus") });
        QCOMPARE(bogus.What, TCommandLine::Mistake);
        QVERIFY2(bogus.Text.contains(QStringLiteral("bogus")), qPrintable(bogus.Text));
        QVERIFY(bogus.Text.contains(QStringLiteral("--config")));
        QCOMPARE(
            read({ QStringLiteral("a.kpx"), QStringLiteral("b.kpx") }).What, TCommandLine::Mistake);
        // The toolkit's own options pass through to the application.
        const TCommandLine toolkit
            = read({ QStringLiteral("-platform"), QStringLiteral("offscreen"),
                QStringLiteral("--style"), QStringLiteral("fusion"), QStringLiteral("game.kpx") });
        QCOMPARE(toolkit.What, TCommandLine::Run);
        QCOMPARE(toolkit.Options.GameFile, QStringLiteral("game.kpx"));
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
