// The help window: its hand-made layout at every size down to the minimum, the keys that close
// it, the rules document shown with its formats and as text only, a damaged document, and where
// the small dialogs are placed over the main window.
#include <QTest>
#include <QTextBlock>

#include "DialogPlacement.h"
#include "ModalRunner.h"
#include "RulesWindow.h"
#include "SampleRules.h"

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text)
{
    return { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() };
}

} // namespace

class RulersDlgTest : public QObject {
    Q_OBJECT

private slots:
    void LaysOutTheControlsAtEverySize()
    {
        TRulersDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(dlg.size(), QSize(498, 493));
        QVERIFY(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(dlg.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(dlg.Memo1->palette().color(QPalette::Base), dlg.palette().color(QPalette::Button));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        for (QSize size : { QSize(498, 493), QSize(200, 200), QSize(333, 257), QSize(1200, 900),
                 QSize(120, 90) }) {
            dlg.resize(size);
            QCoreApplication::processEvents();
            const int w = dlg.width();
            const int h = dlg.height();
            QCOMPARE(QSize(w, h), size.expandedTo(QSize(200, 200))); // never below the minimum
            const QRect button = dlg.BitBtn1->geometry();
            QCOMPARE(button.topLeft(), QPoint((w - button.width()) / 2, h - button.height() - 10));
            QCOMPARE(dlg.Memo1->geometry(), QRect(5, 5, w - 10, button.top() - 15));
            QCOMPARE(dlg.SizeGrip->geometry().bottomRight(), QPoint(w - 1, h - 1));
            // Even at the smallest size the button is whole and inside, the text box above it.
            QVERIFY(dlg.rect().contains(button));
            QVERIFY(dlg.Memo1->geometry().bottom() < button.top() && dlg.Memo1->height() > 100);
            QVERIFY(!dlg.SizeGrip->geometry().intersects(button));
        }
    }

    void EscOrEnterInTheTextOrTheButtonCloses()
    {
        TRulersDlg dlg;
        QVERIFY(dlg.LoadRules(Bytes(SampleRulesRtf)).Ok());
        for (QWidget* target :
            { static_cast<QWidget*>(dlg.Memo1), static_cast<QWidget*>(dlg.BitBtn1) })
            for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter })
                QCOMPARE(ExecWith(dlg, [&] { QTest::keyClick(target, key); }), 1);
        QCOMPARE(ExecWith(dlg, [&] { dlg.BitBtn1->click(); }), 1);
    }

    void ShowsTheRulesWithTheirFormats()
    {
        TRulersDlg dlg;
        QVERIFY(dlg.LoadRules(Bytes(SampleRulesRtf)).Ok());
        const QTextDocument& doc = *dlg.Memo1->document();
        QCOMPARE(doc.blockCount(), 19);
        QVERIFY(
            doc.toPlainText().contains(QStringLiteral("Игра ведётся на доске 8 × 8 или 10 × 10")));
        // Title, a heading and its prose: alignment and character formats, in a serif font.
        const std::tuple<int, QString, Qt::Alignment, int, bool> blocks[] = {
            { 0, "Corvana", Qt::AlignHCenter, QFont::Bold, true },
            { 15, "Net Game.", Qt::AlignHCenter, QFont::Normal, true },
            { 16, "", Qt::AlignJustify, QFont::Normal, false },
        };
        for (const auto& [number, text, alignment, weight, italic] : blocks) {
            const QTextBlock block = doc.findBlockByNumber(number);
            QVERIFY(text.isEmpty() || block.text() == text);
            QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, alignment);
            const QTextCharFormat chars = block.begin().fragment().charFormat();
            QCOMPARE(chars.fontWeight(), weight);
            QCOMPARE(chars.fontItalic(), italic);
            QCOMPARE(chars.fontFamilies().toStringList(), QStringList { "Times New Roman" });
            QCOMPARE(chars.fontStyleHint(), QFont::Serif);
        }
        QCOMPARE(doc.firstBlock().begin().fragment().charFormat().fontPointSize(), 18.0);
        QCOMPARE(doc.defaultFont().styleHint(), QFont::Serif);

        // Text that looks like markup stays text.
        QVERIFY(dlg.LoadRules(Bytes("{\\rtf1 <b>not bold</b> &amp; <a href=\"x\">link</a>}")).Ok());
        QCOMPARE(doc.toPlainText(), QStringLiteral("<b>not bold</b> &amp; <a href=\"x\">link</a>"));
        QVERIFY(!doc.firstBlock().begin().fragment().charFormat().isAnchor());
    }

    void ADamagedDocumentShowsWhatCouldBeReadAndSaysWhy()
    {
        TRulersDlg dlg;
        const Status shown
            = dlg.LoadRules(Bytes(SampleRulesRtf.substr(0, SampleRulesRtf.find("How to play?"))));
        QVERIFY(!shown);
        QCOMPARE(shown.Failure().Kind, ErrorKind::Damaged);
        QVERIFY(
            shown.Failure().Message.starts_with("The rules text could not be read completely: "));
        QVERIFY(shown.Failure().Message.find("open group") != std::string::npos);
        QVERIFY(dlg.Memo1->toPlainText().contains(
            QStringLiteral("The beginning and the order of the game.")));
        QVERIFY(!dlg.LoadRules(Bytes("PK\x03\x04 not rich text")).Ok());
        QCOMPARE(dlg.Memo1->toPlainText(), QString()); // the old text is gone, nothing made up
    }

    void PlacementOverTheMainWindow()
    {
        // Integer halving, truncating toward zero when the dialog is the larger; the help window
        // sits 1 right, and half the status bar lower less 1.
        const QRect main(100, 50, 532, 615);
        QCOMPARE(CentredOver(main, QSize(240, 121)), QPoint(100 + 146, 50 + 247));
        QCOMPARE(RulersPositionOver(main, QSize(498, 493), 19), QPoint(100 + 17 + 1, 50 + 70 - 1));
        QCOMPARE(CentredOver(QRect(0, 0, 100, 100), QSize(103, 105)), QPoint(-1, -2));

        // A dialog that would hide every disc moves below them, or above when below is off the
        // screen; one beside which some of them show stays.
        const QRect room(0, 0, 1000, 800);
        const std::vector<QRect> start { QRect(200, 200, 61, 61), QRect(261, 200, 61, 61),
            QRect(200, 261, 61, 61), QRect(261, 261, 61, 61) };
        QCOMPARE(ClearOfDiscs(QRect(150, 180, 240, 165), start, room), QPoint(150, 326));
        QCOMPARE(ClearOfDiscs(QRect(150, 180, 240, 165), start, QRect(0, 0, 1000, 450)),
            QPoint(150, 200 - 4 - 165));
        std::vector<QRect> spread = start;
        spread.push_back(QRect(20, 20, 61, 61));
        QCOMPARE(ClearOfDiscs(QRect(150, 180, 240, 165), spread, room), QPoint(150, 180));
        QCOMPARE(ClearOfDiscs(QRect(150, 180, 240, 165), {}, room), QPoint(150, 180));
        QCOMPARE(RulersPositionOver(QRect(0, 0, 100, 100), QSize(103, 130), 0), QPoint(0, -16));

        // The widget forms go by the windows' frames.
        QWidget mainWindow;
        mainWindow.setGeometry(300, 200, 532, 600);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        TRulersDlg help(&mainWindow);
        PlaceRulersDlg(help, mainWindow, 20);
        QCOMPARE(help.pos(),
            RulersPositionOver(mainWindow.frameGeometry(), help.frameGeometry().size(), 20));
        QDialog small(&mainWindow);
        small.resize(200, 100);
        CentreOverMainWindow(small, mainWindow);
        QCOMPARE(small.frameGeometry().center(), mainWindow.frameGeometry().center());
    }
};

QTEST_MAIN(RulersDlgTest)
#include "RulesWindowTest.moc"
