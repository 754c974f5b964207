// The "Choice" dialog: asked when the player clicks the board while looking at an earlier
// position of the game. Created once by the main window at start-up; its modal result says
// whether to play on from the shown position, from the last one, or to go on watching.
#pragma once

#include <QCoreApplication>

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>

// Modal results of TChoice. Closing the dialog any other way gives 0, which the caller treats as
// ChoiceReturnToHistory.
enum TChoiceResult {
    ChoiceReturnToHistory = 2,
    ChoiceContinueFromLast = 3,
    ChoiceContinueFromThis = 4,
};

class TChoice : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TChoice)

public:
    explicit TChoice(QWidget* parent = nullptr);

    // Clears the previous answer and puts the focus on the harmless choice.
    void FormShow();

    QGroupBox* ActionBox;
    QPushButton* ThisButton; // "Continue from &this position..."
    QPushButton* LastButton; // "Continue from &last position..."
    QPushButton* WatchButton; // "Return to history &watching...", first in the tab order

protected:
    void showEvent(QShowEvent* event) override;
};
