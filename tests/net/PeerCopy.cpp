// A second copy of the program for the network tests: the real window, session and protocol in a
// process of their own, driven by commands on standard input, every modal dialog answered at
// once. Every command starts with a number the reply repeats (replies to commands sent from
// nested event loops can come in any order). One line of reply per command:
//   call HOST:PORT yellow|green 8|10   places a call with those terms        -> "ok"
//   play SQUARE                        plays a square (its index) if legal   -> "ok" or "illegal"
//   new                                "&New": in a network game, a restart  -> "ok"
//   board                              -> "board TEXT COUNT OVER" (BoardToText, moves, 0/1)
//   quit                               closes the window and ends
#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "BoardTracker.h"
#include "BoardView.h"
#include "CallDialog.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"
#include "MainWindow.h"
#include "Program.h"
#include "ResultDialog.h"
#include "RoutineTable.h"

namespace {

struct CallTerms {
    QString Address;
    bool Yellow = true;
    bool Size8 = true;
};

std::string Tag;

void Reply(const std::string& line)
{
    std::printf("%s %s\n", Tag.c_str(), line.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvana-peer-copy SETTINGS.ini\n");
        return 2;
    }
    TProgramOptions options;
    options.SettingsFile = argv[1];
    TProgram program(options);
    program.Start();
    TReversiForm& form = program.Form();

    CallTerms terms;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* call = dynamic_cast<TCallDlg*>(modal)) {
            call->NetCallAddress->setText(terms.Address);
            (terms.Yellow ? call->CallNetWhite : call->CallNetBlack)->setChecked(true);
            (terms.Size8 ? call->CallNetSize8 : call->CallNetSize10)->setChecked(true);
            call->accept();
        } else if (auto* request = dynamic_cast<TCallReq*>(modal)) {
            request->accept();
        } else if (auto* final = dynamic_cast<TFinalDlg*>(modal)) {
            final->done(1);
        } else if (auto* chat = dynamic_cast<TSendDlg*>(modal)) {
            chat->reject();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->accept();
        }
    });
    answer.start(5);

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[512];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            form.close();
            return;
        }
        pending.append(buffer, std::size_t(n));
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            QStringList words
                = QString::fromStdString(pending.substr(0, end)).split(QLatin1Char(' '));
            pending.erase(0, end + 1);
            Tag = words.value(0).toStdString();
            words.removeFirst();
            const QString command = words.value(0);
            if (command == QLatin1String("call") && words.size() == 4) {
                terms = { words[1], words[2] == QLatin1String("yellow"), words[3] == QLatin1String("8") };
                Reply("ok");
                form.NetMenuConnectClick();
            } else if (command == QLatin1String("play") && words.size() == 2) {
                const int square = words[1].toInt();
                const int rw = RowWidth();
                if (!IsPlayableSquare(BoardSize, square)
                    || !Routines.IsLegalMove(BoardStack[0], square, SideToMove, Opponent())) {
                    Reply("illegal");
                    continue;
                }
                Reply("ok");
                BoardView& board = form.Board();
                board.FormMouseMove(20 + (square / rw - 1) * board.CellSize + board.CellSize / 2,
                    20 + (square % rw - 1) * board.CellSize + board.CellSize / 2);
                form.FormClick();
            } else if (command == QLatin1String("new")) {
                Reply("ok");
                form.NewGameItemClick();
            } else if (command == QLatin1String("board")) {
                Reply("board " + BoardToText() + " " + std::to_string(GameRecord->Count) + " "
                    + (GameOver ? "1" : "0"));
            } else if (command == QLatin1String("quit")) {
                Reply("ok");
                form.close();
            } else {
                Reply("unknown");
            }
        }
    });
    return app.exec();
}
