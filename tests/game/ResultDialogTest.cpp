// The result dialog: its five messages, the keys and button that close it, and a fixed size that
// does not jump from one message to the next.
#include <QTest>

#include "ResultDialog.h"
#include "ModalRunner.h"

class FinalDlgTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheResultOrThePass()
    {
        TFinalDlg dlg;
        QCOMPARE(dlg.FinalMessage->text(), QStringLiteral("Message"));
        const std::tuple<int, int, int, QString> cases[] = {
            { 0, 40, 24, "Yellow won 40 : 24" },
            { 1, 33, 31, "Green won 33 : 31" },
            { 2, 32, 32, "Tie up" }, // no counts for a tie or a pass
            { 3, 10, 12, "Yellow pass" },
            { 4, 12, 10, "Green pass" },
            { 7, 1, 2, "Green pass" }, // an unknown kind leaves the message
            { 1, -2147483647 - 1, 2147483647, "Green won -2147483648 : 2147483647" },
        };
        for (const auto& [kind, a, b, text] : cases) {
            dlg.SetResultMessage(kind, a, b);
            QCOMPARE(dlg.FinalMessage->text(), text);
        }
    }

    void OkEnterAndEscCloseWithResultOne()
    {
        TFinalDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Information"));
        QCOMPARE(ExecWith(dlg, [&] { dlg.OkButton->click(); }), 1);
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape })
            QCOMPARE(ExecWith(dlg, [&] { QTest::keyClick(dlg.OkButton, key); }), 1);
        QVERIFY(!dlg.isVisible());
    }

    void KeepsOneFixedSizeForEveryMessage()
    {
        TFinalDlg dlg;
        QVERIFY(
            !(dlg.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        dlg.SetResultMessage(2, 0, 0);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QSize size = dlg.size();
        QCOMPARE(dlg.maximumSize(), size);
        dlg.SetResultMessage(0, 100, 0);
        dlg.resize(size * 2);
        QCoreApplication::processEvents();
        QCOMPARE(dlg.size(), size);
    }
};

QTEST_MAIN(FinalDlgTest)
#include "ResultDialogTest.moc"
