// The result dialog: its five messages, the keys and button that close it, and a size that does
// not jump from one message to the next.
#include <QTest>

#include "FinalUnit.h"
#include "ModalRunner.h"

class FinalDlgTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheResultOrThePass_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("text");
        QTest::newRow("yellow won") << 0 << 40 << 24 << "Yellow won 40 : 24";
        QTest::newRow("green won") << 1 << 33 << 31 << "Green won 33 : 31";
        QTest::newRow("whole 10x10 board") << 0 << 100 << 0 << "Yellow won 100 : 0";
        QTest::newRow("tie shows no counts") << 2 << 32 << 32 << "Tie up";
        QTest::newRow("yellow pass shows no counts") << 3 << 10 << 12 << "Yellow pass";
        QTest::newRow("green pass shows no counts") << 4 << 12 << 10 << "Green pass";
        QTest::newRow("widest numbers")
            << 1 << -2147483647 - 1 << 2147483647 << "Green won -2147483648 : 2147483647";
    }
    void ShowsTheResultOrThePass()
    {
        QFETCH(int, kind);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, text);
        TFinalDlg dlg;
        QCOMPARE(dlg.FinalMessage->text(), QStringLiteral("Message"));
        dlg.SetResultMessage(kind, a, b);
        QCOMPARE(dlg.FinalMessage->text(), text);
    }

    void UnknownKindsLeaveTheMessage()
    {
        TFinalDlg dlg;
        dlg.SetResultMessage(3, 0, 0);
        dlg.SetResultMessage(5, 1, 2);
        dlg.SetResultMessage(-1, 1, 2);
        QCOMPARE(dlg.FinalMessage->text(), QStringLiteral("Yellow pass"));
    }

    void OkEnterAndEscCloseWithResultOne()
    {
        TFinalDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Information"));
        QCOMPARE(ExecWith(dlg, [&] { dlg.OkButton->click(); }), 1);
        QVERIFY(!dlg.isVisible());
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape }) {
            QCOMPARE(ExecWith(dlg, [&] { QTest::keyClick(dlg.OkButton, key); }), 1);
            QVERIFY(!dlg.isVisible());
        }
    }

    void KeepsOneFixedSizeForEveryMessage()
    {
        TFinalDlg dlg;
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMinimizeButtonHint));
        dlg.SetResultMessage(2, 0, 0);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QSize size = dlg.size();
        QCOMPARE(dlg.minimumSize(), size);
        QCOMPARE(dlg.maximumSize(), size);
        dlg.SetResultMessage(0, 100, 0);
        QCoreApplication::processEvents();
        QCOMPARE(dlg.size(), size);
        dlg.resize(size * 2); // the user cannot resize it either
        QCOMPARE(dlg.size(), size);
    }
};

QTEST_MAIN(FinalDlgTest)
#include "FinalDlgTest.moc"
