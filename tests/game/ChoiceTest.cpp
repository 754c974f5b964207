// The history choice dialog: what each button answers, that every showing starts without an
// answer and with the focus on "return to history watching", and what closing it otherwise gives.
#include <QTest>

#include "ChoiceUnit.h"
#include "ModalRunner.h"

namespace {

// The widget Tab moves to: the focus chain without the widgets that take no keyboard focus.
QWidget* NextTabStop(QWidget* from)
{
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

} // namespace

class ChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void ButtonsTopToBottomAndTheirResults()
    {
        TChoice dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Choice"));
        QCOMPARE(dlg.ActionBox->title(), QStringLiteral("Action"));
        const std::tuple<QPushButton*, QString, int> buttons[] = {
            { dlg.ThisButton, "Continue from &this position...", 4 },
            { dlg.LastButton, "Continue from &last position...", 3 },
            { dlg.WatchButton, "Return to history &watching...", 2 },
        };
        int previousTop = -1;
        for (const auto& [button, text, result] : buttons) {
            QCOMPARE(button->text(), text);
            QCOMPARE(ExecWith(dlg, [button = button] { button->click(); }), result);
            QVERIFY(button->y() > previousTop);
            previousTop = button->y();
        }
        // The mnemonics choose the same answers from the keyboard.
        QCOMPARE(ExecWith(dlg, [&] { QTest::keyClick(&dlg, Qt::Key_L, Qt::AltModifier); }), 3);
    }

    void EnterAtOnceReturnsToHistoryWatching()
    {
        TChoice dlg;
        QCOMPARE(ExecWith(dlg, [&] { dlg.ThisButton->click(); }), 4);
        // Opened again: no answer from last time, the focus on the bottom button, Enter keeps
        // watching.
        int resultWhileShown = -1;
        QWidget* focused = nullptr;
        const int result = ExecWith(dlg, [&] {
            resultWhileShown = dlg.result();
            focused = dlg.focusWidget();
            QTest::keyClick(focused, Qt::Key_Return);
        });
        QCOMPARE(resultWhileShown, 0);
        QCOMPARE(focused, dlg.WatchButton);
        QCOMPARE(result, 2);
    }

    void EachShowingClearsThePreviousAnswer()
    {
        TChoice dlg;
        dlg.show(); // not only exec: any showing starts without an answer
        dlg.done(ChoiceContinueFromLast);
        QCOMPARE(dlg.result(), 3);
        dlg.show();
        QCOMPARE(dlg.result(), 0);
        dlg.hide();
    }

    void TabOrderStartsAtTheBottomButton()
    {
        TChoice dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.focusWidget(), dlg.WatchButton);
        QCOMPARE(NextTabStop(dlg.WatchButton), dlg.ThisButton);
        QCOMPARE(NextTabStop(dlg.ThisButton), dlg.LastButton);
        QCOMPARE(NextTabStop(dlg.LastButton), dlg.WatchButton);
    }

    void EscOrCloseGiveNoAnswer()
    {
        TChoice dlg;
        QCOMPARE(ExecWith(dlg, [&] { QTest::keyClick(dlg.focusWidget(), Qt::Key_Escape); }), 0);
        QCOMPARE(ExecWith(dlg, [&] { dlg.close(); }), 0);
    }

    void HasAFixedSize()
    {
        TChoice dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.minimumSize(), dlg.size());
        QCOMPARE(dlg.maximumSize(), dlg.size());
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(ChoiceTest)
#include "ChoiceTest.moc"
