// The help window: its hand-made layout at every size down to the minimum, the keys that close
// it, the rules document shown with its formats, a damaged document, and where the small dialogs
// are placed over the main window.
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "DialogPlacement.h"
#include "ModalRunner.h"
#include "RulersUnit.h"
#include "SampleRules.h"

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text)
{
    return { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() };
}

QTextBlock BlockWithText(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        if (block.text() == text)
            return block;
    return {};
}

} // namespace

class RulersDlgTest : public QObject {
    Q_OBJECT

private slots:
    void StartsAtItsSizeWithAResizableFrame()
    {
        TRulersDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(dlg.size(), QSize(498, 493));
        QCOMPARE(dlg.minimumSize(), QSize(200, 200));
        QVERIFY(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(dlg.BitBtn1->text(), QStringLiteral("&Ok"));
        QVERIFY(dlg.Memo1->isReadOnly());
        QCOMPARE(dlg.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(dlg.Memo1->palette().color(QPalette::Base), dlg.palette().color(QPalette::Button));
    }

    void LaysOutTheControlsAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("initial") << QSize(498, 493);
        QTest::newRow("minimum") << QSize(200, 200);
        QTest::newRow("odd width") << QSize(333, 257);
        QTest::newRow("large") << QSize(1200, 900);
        QTest::newRow("below the minimum") << QSize(120, 90);
    }
    void LaysOutTheControlsAtEverySize()
    {
        QFETCH(QSize, size);
        TRulersDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.resize(size);
        QCoreApplication::processEvents();
        const int w = dlg.width();
        const int h = dlg.height();
        QCOMPARE(QSize(w, h), size.expandedTo(QSize(200, 200)));

        const QRect button = dlg.BitBtn1->geometry();
        QCOMPARE(button.left(), (w - button.width()) / 2);
        QCOMPARE(button.top(), h - button.height() - 10);
        QCOMPARE(dlg.Memo1->geometry(), QRect(5, 5, w - 10, button.top() - 15));
        const QRect grip = dlg.SizeGrip->geometry();
        QCOMPARE(grip.bottomRight(), QPoint(w - 1, h - 1));

        // Even at the smallest size the button is whole and inside, the text box above it.
        QVERIFY(dlg.rect().contains(button));
        QVERIFY(dlg.Memo1->geometry().bottom() < button.top());
        QVERIFY(dlg.Memo1->height() > 100);
        QVERIFY(!grip.intersects(button));
    }

    void EscOrEnterInTheTextOrTheButtonCloses()
    {
        TRulersDlg dlg;
        dlg.LoadRules(Bytes(SampleRulesRtf));
        for (QWidget* target :
            { static_cast<QWidget*>(dlg.Memo1), static_cast<QWidget*>(dlg.BitBtn1) })
            for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter })
                QCOMPARE(ExecWith(dlg, [&] { QTest::keyClick(target, key); }), 1);
        QCOMPARE(ExecWith(dlg, [&] { dlg.BitBtn1->click(); }), 1);
        // Other keys in the text box only move around in it.
        QCOMPARE(ExecWith(dlg,
                     [&] {
                         QTest::keyClick(dlg.Memo1, Qt::Key_PageDown);
                         QTest::keyClick(dlg.Memo1, Qt::Key_Down);
                         if (dlg.isVisible())
                             dlg.done(7);
                     }),
            7);
    }

    void ShowsTheRulesWithTheirFormats()
    {
        TRulersDlg dlg;
        QCOMPARE(dlg.LoadRules(Bytes(SampleRulesRtf)), QString());
        const QTextDocument& doc = *dlg.Memo1->document();
        QCOMPARE(doc.blockCount(), 19);
        QVERIFY(
            doc.toPlainText().contains(QStringLiteral("Игра ведётся на доске 8 × 8 или 10 × 10")));

        const QTextBlock title = doc.firstBlock();
        QCOMPARE(title.text(), QStringLiteral("Corvana"));
        QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const QTextCharFormat titleChars = title.begin().fragment().charFormat();
        QCOMPARE(titleChars.fontWeight(), int(QFont::Bold));
        QVERIFY(titleChars.fontItalic());
        QCOMPARE(titleChars.fontPointSize(), 18.0);

        const QTextBlock heading = BlockWithText(doc, QStringLiteral("Net Game."));
        QVERIFY(heading.isValid());
        QCOMPARE(heading.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(heading.begin().fragment().charFormat().fontItalic());
        QCOMPARE(heading.begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(
            heading.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);

        // The rules' one font is a serif face, for the document as a whole and for its runs.
        QCOMPARE(doc.defaultFont().styleHint(), QFont::Serif);
        QCOMPARE(titleChars.fontFamilies().toStringList(), QStringList { "Times New Roman" });
        QCOMPARE(titleChars.fontStyleHint(), QFont::Serif);
    }

    void TextIsNeverTakenAsMarkup()
    {
        TRulersDlg dlg;
        dlg.LoadRules(Bytes("{\\rtf1 <b>not bold</b> &amp; <a href=\"x\">link</a>}"));
        const QTextDocument& doc = *dlg.Memo1->document();
        QCOMPARE(doc.toPlainText(), QStringLiteral("<b>not bold</b> &amp; <a href=\"x\">link</a>"));
        QCOMPARE(doc.firstBlock().begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
        QVERIFY(!doc.firstBlock().begin().fragment().charFormat().isAnchor());
    }

    void ADamagedDocumentShowsWhatCouldBeReadAndSaysWhy()
    {
        TRulersDlg dlg;
        const std::string_view cut = SampleRulesRtf.substr(0, SampleRulesRtf.find("How to play?"));
        const QString error = dlg.LoadRules(Bytes(cut));
        QVERIFY(error.contains(QStringLiteral("open group")));
        QVERIFY(dlg.Memo1->toPlainText().contains(
            QStringLiteral("The beginning and the order of the game.")));

        QVERIFY(!dlg.LoadRules(Bytes("PK\x03\x04 not rich text")).isEmpty());
        QCOMPARE(dlg.Memo1->toPlainText(), QString()); // the old text is gone, nothing made up
        QVERIFY(!dlg.LoadRules({}).isEmpty());
    }

    void PlacementOverTheMainWindow()
    {
        // Integer halving of the differences; the help window sits 1 right, and half the status
        // bar lower less 1.
        const QRect main(100, 50, 532, 615);
        QCOMPARE(CentredOver(main, QSize(240, 121)), QPoint(100 + 146, 50 + 247));
        QCOMPARE(RulersPositionOver(main, QSize(498, 493), 19), QPoint(100 + 17 + 1, 50 + 70 - 1));
        // A dialog larger than the main window: the halving truncates toward zero.
        QCOMPARE(CentredOver(QRect(0, 0, 100, 100), QSize(103, 105)), QPoint(-1, -2));
        QCOMPARE(RulersPositionOver(QRect(0, 0, 100, 100), QSize(103, 130), 0), QPoint(0, -16));

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
#include "RulersDlgTest.moc"
