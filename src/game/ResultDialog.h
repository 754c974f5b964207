// The small "Information" dialog that reports a pass or the result of a finished game. Created
// once by the main window at start-up and shown modally after the move that caused it.
#pragma once

#include <QCoreApplication>

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class TFinalDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TFinalDlg)

public:
    explicit TFinalDlg(QWidget* parent = nullptr);

    // kind 0 Yellow won, 1 Green won (a the winner's discs, b the loser's), 2 a tie, 3 Yellow
    // passes, 4 Green passes; other kinds leave the message as it is.
    void SetResultMessage(int kind, int a, int b);

    QFrame* Bevel;
    QLabel* FinalMessage;
    QPushButton* OkButton; // modal result 1

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
