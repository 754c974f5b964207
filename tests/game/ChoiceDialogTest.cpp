// The history choice dialog: what each button answers, that every showing starts without an
// answer and with the focus on "return to history watching", and what closing it otherwise gives.
#include <QTest>

#include "ChoiceDialog.h"
#include "ModalRunner.h"

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
        QCOMPARE(dlg.maximumSize(), dlg.size()); // a fixed dialog frame
        // Closing it otherwise (Esc, the close box) gives no answer.
        QCOMPARE(ExecWith(dlg, [&] { QTest::keyClick(dlg.focusWidget(), Qt::Key_Escape); }), 0);
        QCOMPARE(ExecWith(dlg, [&] { dlg.close(); }), 0);
    }

    void EachShowingStartsWithoutAnAnswerOnTheBottomButton()
    {
        TChoice dlg;
        QCOMPARE(ExecWith(dlg, [&] { dlg.ThisButton->click(); }), 4);
        int resultWhileShown = -1;
        QWidget* focused = nullptr;
        const int result = ExecWith(dlg, [&] {
            resultWhileShown = dlg.result();
            focused = dlg.focusWidget();
            QTest::keyClick(focused, Qt::Key_Return);
        });
        QCOMPARE(resultWhileShown, 0);
        QCOMPARE(focused, dlg.WatchButton);
        QCOMPARE(result, 2); // Enter at once keeps watching

        // Not only exec: any showing clears the answer.
        dlg.show();
        dlg.done(ChoiceContinueFromLast);
        dlg.show();
        QCOMPARE(dlg.result(), 0);

        // Tab goes on from the bottom button to the top one, then down.
        QWidget* stop = dlg.WatchButton;
        QList<QWidget*> order;
        for (int i = 0; i < 3; ++i) {
            do
                stop = stop->nextInFocusChain();
            while (!(stop->focusPolicy() & Qt::TabFocus));
            order.append(stop);
        }
        QCOMPARE(order, (QList<QWidget*> { dlg.ThisButton, dlg.LastButton, dlg.WatchButton }));
    }
};

QTEST_MAIN(ChoiceTest)
#include "ChoiceDialogTest.moc"
