// "Review game": asks how long to think about each position, then has the master engine review
// the game on a thread of its own (an engine of its own too), with a progress bar and Cancel.
// Modal, so the game cannot change under the review; closing it cancels the review at once.
#pragma once

#include <QCoreApplication>

#include <QDialog>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "Notation.h"
#include "master/GameReview.h"

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;

class ReviewGameDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ReviewGameDialog)

public:
    ReviewGameDialog(QWidget* parent, WrittenGame game);
    ~ReviewGameDialog() override;

    double Seconds() const;
    void SetSeconds(double seconds);
    // Starts the review (the dialog's Review button); the dialog is accepted when it is done.
    void StartReview();
    bool Reviewing() const { return Worker.joinable() && !Finished; }
    // The finished review, once the dialog was accepted.
    const std::optional<master::GameReview>& Review() const { return Done; }
    QProgressBar& Progress() const { return *Bar; }

    void reject() override;

private:
    void Stop();

    WrittenGame Game;
    std::unique_ptr<master::Engine> Engine;
    std::thread Worker;
    std::atomic<bool> Cancel { false };
    bool Finished = false;
    std::optional<master::GameReview> Done;
    QDoubleSpinBox* SecondsBox;
    QProgressBar* Bar;
    QLabel* Note;
    QPushButton* StartButton;
};
