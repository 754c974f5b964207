// The request dialog ("Подтверждение вызова"): the callee sees who calls, the colour it would play
// and the board size, and accepts or declines within 30 seconds. Created once at start-up; the
// main window shows it modally for every incoming call and closes it when the caller hangs up.
#pragma once

#include <QCoreApplication>

#include <QDialog>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

class TCallReq : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TCallReq)

public:
    explicit TCallReq(QWidget* parent = nullptr);

    // One tick of the countdown (every 100 ms while shown); after 300 the call is declined.
    void ReqTimerTimer();

    // True from the moment the dialog is shown until it closes.
    bool ReqShowing = false;

    QFrame* Bevel1;
    QLabel* Label1;
    QLabel* ReqLabel; // the caller's name, quoted
    QLabel* Label3;
    QLabel* ReqLColor; // the colour the callee will play, quoted
    QLabel* Label4;
    QLabel* ReqLSize; // the board size, quoted
    QLabel* Label2;
    QProgressBar* ReqProgressBar; // 0..300, one step a tick
    QPushButton* OkBtn; // "&Yes", accepts
    QPushButton* CancelBtn; // "&No=30", then the seconds left; rejects
    QTimer* ReqTimer; // 100 ms

    static constexpr int CountdownTicks = 300;

    // Every way of closing ends here: the countdown stops and ReqShowing clears.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FormClose();
};
