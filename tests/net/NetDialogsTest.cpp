// The network dialogs on their own: the request dialog's countdown and its plain-text labels, the
// call dialog's upper-casing, the chat dialog's keys, list and layout, the remote board's
// painting, and the connect panel. Each is also written as a PNG to previews/ in the build
// directory, to be looked at.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QTest>
#include <QTimer>

#include "Board.h"
#include "CallDialog.h"
#include "NetState.h"
#include "ProgressPanel.h"
#include "RemoteBoardWindow.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"

namespace {

constexpr int LeftOpen = -99;

// Runs dialog modally; action runs inside its loop, and a guard ends a dialog the action left
// open, so that a fault shows as a wrong result instead of a hang.
int ExecWith(QDialog& dialog, const std::function<void()>& action)
{
    QTimer::singleShot(0, &dialog, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&dialog] { dialog.done(LeftOpen); });
    guard.start(5000);
    const int result = dialog.exec();
    guard.stop();
    return result;
}

// No text cut off, no control outside its parent or over a sibling; then the picture is saved.
void CheckAndSave(QWidget& window, const QString& name)
{
    QCoreApplication::processEvents();
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()
            || !(qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)
                || qobject_cast<QGroupBox*>(w) || qobject_cast<QRadioButton*>(w)))
            continue;
        const QByteArray what = name.toUtf8() + ": " + w->property("text").toByteArray()
            + w->property("title").toByteArray();
        QVERIFY2(w->width() >= w->sizeHint().width(), what);
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), what);
        for (QWidget* other : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(
                other == w || !other->isVisible() || !other->geometry().intersects(w->geometry()),
                what + " / " + other->objectName().toUtf8() + other->metaObject()->className());
    }
    QDir().mkpath(QStringLiteral(CORVANA_PREVIEW_DIR));
    QVERIFY(window.grab().save(QStringLiteral(CORVANA_PREVIEW_DIR "/%1.png").arg(name)));
}

QRgb PixelAt(QWidget& w, int x, int y) { return w.grab().toImage().pixel(x, y) & 0xFFFFFF; }

} // namespace

class NetDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void TheRequestCountsDownAndDeclinesAfter300Ticks()
    {
        TCallReq req;
        CallerName = "OTHERBOX";
        CallerColourText = "Green";
        CallerSizeText = "10 x 10";
        bool showingWhileOpen = false;
        QStringList captions;
        const int result = ExecWith(req, [&] {
            showingWhileOpen = req.ReqShowing;
            captions << req.CancelBtn->text();
            req.ReqTimerTimer();
            captions << req.CancelBtn->text();
            for (int i = 1; i < 10; ++i)
                req.ReqTimerTimer();
            captions << req.CancelBtn->text();
            QCOMPARE(req.ReqLabel->text(), QStringLiteral("\"OTHERBOX\""));
            QCOMPARE(req.ReqLColor->text(), QStringLiteral("\"Green\""));
            QCOMPARE(req.ReqLSize->text(), QStringLiteral("\"10 x 10\""));
            CheckAndSave(req, QStringLiteral("net-request"));
            for (int i = 10; i < 299; ++i)
                req.ReqTimerTimer();
            captions << req.CancelBtn->text();
            QVERIFY(req.isVisible()); // 299 ticks: still waiting
            req.ReqTimerTimer();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(showingWhileOpen);
        QVERIFY(!req.ReqShowing);
        QCOMPARE(captions,
            QStringList({ QStringLiteral("&No=30"), QStringLiteral("No=30"),
                QStringLiteral("No=29"), QStringLiteral("No=1") }));
        QCOMPARE(req.ReqProgressBar->value(), 300);

        // Every showing starts from 30 again; the real timer ticks on its own.
        const int yes = ExecWith(req, [&] {
            QCOMPARE(req.CancelBtn->text(), QStringLiteral("&No=30"));
            QCOMPARE(req.ReqProgressBar->value(), 0);
            QTRY_VERIFY_WITH_TIMEOUT(req.ReqProgressBar->value() >= 2, 2000);
            QTest::keyClick(req.OkBtn, Qt::Key_Return);
        });
        QCOMPARE(yes, int(QDialog::Accepted));
        QVERIFY(!req.ReqShowing);
    }

    void TheCallersNameIsPlainText()
    {
        TCallReq req;
        CallerName = "<b>x</b><img src=y>";
        const int result = ExecWith(req, [&] {
            QCOMPARE(req.ReqLabel->textFormat(), Qt::PlainText);
            QCOMPARE(req.ReqLabel->text(), QStringLiteral("\"<b>x</b><img src=y>\""));
            req.reject();
        });
        QCOMPARE(result, int(QDialog::Rejected));
    }

    void TheCallDialogUpperCasesTheAddress()
    {
        TCallDlg call;
        QVERIFY(call.CallNetWhite->isChecked());
        QVERIFY(call.CallNetSize10->isChecked());
        const int result = ExecWith(call, [&] {
            QCOMPARE(call.focusWidget(), call.NetCallAddress);
            QTest::keyClicks(call.NetCallAddress, QStringLiteral("other-box.lan:8174"));
            QCOMPARE(call.NetCallAddress->text(), QStringLiteral("OTHER-BOX.LAN:8174"));
            CheckAndSave(call, QStringLiteral("net-call"));
            QTest::keyClick(call.NetCallAddress, Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        // The address stays for the next showing; Escape cancels.
        const int cancelled = ExecWith(call, [&] {
            QCOMPARE(call.NetCallAddress->text(), QStringLiteral("OTHER-BOX.LAN:8174"));
            call.NetCallAddress->selectAll();
            call.NetCallAddress->insert(QStringLiteral("paste")); // pasted text too
            QCOMPARE(call.NetCallAddress->text(), QStringLiteral("PASTE"));
            QTest::keyClick(call.CallNetBlack, Qt::Key_Escape);
        });
        QCOMPARE(cancelled, int(QDialog::Rejected));
    }

    void EscapeInAnyChatControlCancels()
    {
        TSendDlg send;
        QCOMPARE(send.TextToSend(), QStringLiteral("HI!"));
        for (QWidget* control : std::initializer_list<QWidget*> { send.ResivedMessages,
                 send.SendedMessages->lineEdit(), send.OKBtn, send.CancelBtn }) {
            const int result = ExecWith(send, [&] {
                control->setFocus();
                QTest::keyClick(control, Qt::Key_Escape);
            });
            QCOMPARE(result, int(QDialog::Rejected));
        }
        // The focus starts in the text, all of it selected; typing replaces it, Enter sends.
        const int sent = ExecWith(send, [&] {
            QCOMPARE(send.focusWidget(), send.SendedMessages);
            QTest::keyClicks(send.SendedMessages->lineEdit(), QStringLiteral("gg"));
            QTest::keyClick(send.SendedMessages->lineEdit(), Qt::Key_Return);
        });
        QCOMPARE(sent, int(QDialog::Accepted));
        QCOMPARE(send.TextToSend(), QStringLiteral("gg"));
    }

    void SentTextsAreListedNewestFirstAndTheHistoryKeepsOrder()
    {
        TSendDlg send;
        send.RememberSentText(QStringLiteral("HI!"));
        send.AddHistoryLine(QStringLiteral("<<HI!"));
        send.AddHistoryLine(QStringLiteral(">>hello"));
        send.RememberSentText(QStringLiteral("good luck"));
        send.AddHistoryLine(QStringLiteral("<<good luck"));
        send.RememberSentText(QStringLiteral("HI!")); // repeated texts are kept
        send.AddHistoryLine(QStringLiteral("<<HI!"));
        QStringList items;
        for (int i = 0; i < send.SendedMessages->count(); ++i)
            items << send.SendedMessages->itemText(i);
        QCOMPARE(items,
            QStringList(
                { QStringLiteral("HI!"), QStringLiteral("good luck"), QStringLiteral("HI!") }));
        QCOMPARE(send.ResivedMessages->toPlainText(),
            QStringLiteral("<<HI!\n>>hello\n<<good luck\n<<HI!"));

        // A long history scrolls to its last line.
        for (int i = 0; i < 200; ++i)
            send.AddHistoryLine(QStringLiteral(">>line %1").arg(i));
        send.show();
        QVERIFY(QTest::qWaitForWindowExposed(&send));
        send.ScrollHistoryToEnd();
        QScrollBar* bar = send.ResivedMessages->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        // The oldest lines leave a history that grows without end.
        for (int i = 0; i < TSendDlg::MaxHistoryLines; ++i)
            send.AddHistoryLine(QStringLiteral(">>flood"));
        QCOMPARE(send.ResivedMessages->blockCount(), TSendDlg::MaxHistoryLines);
        send.hide();
    }

    void TheChatLayoutFollowsTheWindowSize()
    {
        TSendDlg send;
        send.show();
        QVERIFY(QTest::qWaitForWindowExposed(&send));
        for (const QSize size : { QSize(433, 386), QSize(240, 220), QSize(700, 500) }) {
            send.resize(size);
            QCoreApplication::processEvents();
            const int w = send.width(), h = send.height();
            QVERIFY(w >= 240 && h >= 220);
            // The buttons stand side by side, 10 pixels apart, centred, 10 above the bottom.
            QCOMPARE(send.CancelBtn->x() - send.OKBtn->geometry().right() - 1, 10);
            const int middle = (send.OKBtn->x() + send.CancelBtn->geometry().right()) / 2;
            QVERIFY(qAbs(middle - w / 2) <= 1);
            QCOMPARE(h - send.OKBtn->geometry().bottom() - 1, 10);
            QCOMPARE(send.SizeGrip->geometry().bottomRight(), QPoint(w - 1, h - 1));
            // The history takes what the rest leaves; both boxes span the width.
            QCOMPARE(send.GroupBox1->width(), w - 10);
            QCOMPARE(send.GroupBox2->width(), w - 10);
            QCOMPARE(send.GroupBox2->y() - send.GroupBox1->geometry().bottom() - 1, 5);
            QVERIFY(send.GroupBox2->geometry().bottom() < send.OKBtn->y());
            CheckAndSave(send, QStringLiteral("net-send-%1x%2").arg(w).arg(h));
        }
    }

    void TheRemoteBoardPaintsDiscsWithALineBetween()
    {
        const int savedSize = BoardSize;
        TRemoteField field;
        QCOMPARE(field.size(), QSize(128, 128));
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        const QRgb background = field.palette().color(QPalette::Window).rgb() & 0xFFFFFF;

        // The 8 × 8 start position: four discs, 16-pixel cells.
        BoardSize = 8;
        std::string start(65, '+');
        start[0] = 'D';
        const auto at8 = [](int col, int row) { return 1 + col * 8 + row; };
        start[at8(3, 3)] = 'w';
        start[at8(4, 4)] = 'w';
        start[at8(3, 4)] = 'b';
        start[at8(4, 3)] = 'b';
        field.SetRemoteBoard(start);
        QCOMPARE(PixelAt(field, 3 * 16, 3 * 16), 0xFFFFFFu);
        QCOMPARE(PixelAt(field, 3 * 16 + 14, 3 * 16 + 14), 0xFFFFFFu);
        QCOMPARE(PixelAt(field, 3 * 16 + 15, 3 * 16 + 7), background); // the line between
        QCOMPARE(PixelAt(field, 3 * 16 + 7, 3 * 16 + 15), background);
        QCOMPARE(PixelAt(field, 3 * 16 + 7, 4 * 16 + 7), 0u); // (3, 4) black
        QCOMPARE(PixelAt(field, 4 * 16 + 7, 3 * 16 + 7), 0u);
        QCOMPARE(PixelAt(field, 4 * 16 + 7, 4 * 16 + 7), 0xFFFFFFu);
        int painted = 0;
        const QImage picture = field.grab().toImage();
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 8; ++r)
                painted += (picture.pixel(c * 16 + 7, r * 16 + 7) & 0xFFFFFF) != background;
        QCOMPARE(painted, 4);
        CheckAndSave(field, QStringLiteral("net-remote-8"));

        // 10 × 10: 12-pixel cells and an 8-pixel strip of background right and below; unknown
        // letters grey; a short text leaves the missing squares empty.
        BoardSize = 10;
        field.SetRemoteBoard("D" + std::string(99, 'w') + "b");
        QCOMPARE(PixelAt(field, 9 * 12 + 5, 9 * 12 + 5), 0u);
        QCOMPARE(PixelAt(field, 9 * 12 + 10, 9 * 12 + 10), 0u);
        QCOMPARE(PixelAt(field, 9 * 12 + 11, 9 * 12 + 5), background);
        for (int edge = 120; edge < 128; ++edge) {
            QCOMPARE(PixelAt(field, edge, 60), background);
            QCOMPARE(PixelAt(field, 60, edge), background);
        }
        field.SetRemoteBoard("DwbX?");
        QCOMPARE(PixelAt(field, 5, 5), 0xFFFFFFu);
        QCOMPARE(PixelAt(field, 5, 12 + 5), 0u);
        QCOMPARE(PixelAt(field, 5, 24 + 5), 0x7F7F7Fu);
        QCOMPARE(PixelAt(field, 5, 36 + 5), 0x7F7F7Fu);
        QCOMPARE(PixelAt(field, 5, 48 + 5), background);
        QCOMPARE(PixelAt(field, 12 + 5, 5), background);
        CheckAndSave(field, QStringLiteral("net-remote-10"));

        // A click anywhere closes it; so do Esc and Enter, for who uses no mouse.
        QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(100, 20));
        QVERIFY(!field.isVisible());
        for (const Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }) {
            field.show();
            QVERIFY(QTest::qWaitForWindowExposed(&field));
            QTest::keyClick(&field, key);
            QVERIFY(!field.isVisible());
        }
        QTest::keyClick(&field, Qt::Key_A); // other keys do not
        BoardSize = savedSize;
    }

    // Nested in "Conditions", the call dialog's boxes say their own names to a screen reader.
    void TheCallDialogsBoxesHaveTheirOwnNames()
    {
        TCallDlg dialog;
        QCOMPARE(dialog.GroupBox2->accessibleName(), QStringLiteral("You play"));
        QCOMPARE(dialog.GroupBox3->accessibleName(), QStringLiteral("Field size"));
        for (QRadioButton* button : { dialog.CallNetWhite, dialog.CallNetBlack }) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
            QVERIFY(iface);
            QCOMPARE(iface->parent()->text(QAccessible::Name), QStringLiteral("You play"));
        }
    }

    void TheConnectPanelBlinksItsWord()
    {
        QWidget canvas;
        canvas.resize(300, 120);
        TProgressPanel panel(&canvas, LoadTransparentBitmap("CONNECT_BMP"), QPoint(12, 12),
            LoadTransparentBitmap("CONNECT_TXT"), QPoint(62, 20));
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        panel.Start(QPoint(50, 30));
        QVERIFY(panel.isVisible());
        const QImage shown = panel.grab().toImage();
        QTRY_VERIFY_WITH_TIMEOUT(panel.Tick() % 24 >= 12, 3000);
        const QImage hidden = panel.grab().toImage();
        // The picture stays; the word comes and goes.
        QCOMPARE(shown.copy(12, 12, 34, 34), hidden.copy(12, 12, 34, 34));
        QVERIFY(shown.copy(62, 20, 117, 20) != hidden.copy(62, 20, 117, 20));
        int dark = 0;
        for (int y = 20; y < 40; ++y)
            for (int x = 62; x < 179; ++x)
                dark += qGray(shown.pixel(x, y)) < 64;
        QVERIFY(dark > 100); // the word is there, in black
        QDir().mkpath(QStringLiteral(CORVANA_PREVIEW_DIR));
        QVERIFY(shown.save(QStringLiteral(CORVANA_PREVIEW_DIR "/net-connect-panel.png")));
        panel.Stop();
        QVERIFY(!panel.isVisible());
    }
};

QTEST_MAIN(NetDialogsTest)
#include "NetDialogsTest.moc"
