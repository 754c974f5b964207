// The dialog that runs a game's review.
#include "ReviewGameDialog.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ReviewGameDialog::ReviewGameDialog(QWidget* parent, WrittenGame game)
    : QDialog(parent)
    , Game(std::move(game))
{
    setWindowTitle(tr("Review game"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    SecondsBox = new QDoubleSpinBox(this);
    SecondsBox->setRange(0.1, 30);
    SecondsBox->setDecimals(1);
    SecondsBox->setSingleStep(0.5);
    SecondsBox->setValue(0.5);
    SecondsBox->setSuffix(tr(" s"));
    form->addRow(tr("&Time for each position:"), SecondsBox);
    layout->addLayout(form);
    Note = new QLabel(tr("Positions with 20 empty squares or fewer are solved exactly."), this);
    Note->setWordWrap(true);
    layout->addWidget(Note);
    Bar = new QProgressBar(this);
    Bar->setRange(0, Game.Record.Count);
    Bar->setValue(0);
    layout->addWidget(Bar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    StartButton = new QPushButton(tr("&Review"), this);
    StartButton->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    buttons->addWidget(StartButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(StartButton, &QPushButton::clicked, this, [this] { StartReview(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

ReviewGameDialog::~ReviewGameDialog() { Stop(); }

double ReviewGameDialog::Seconds() const { return SecondsBox->value(); }
void ReviewGameDialog::SetSeconds(double seconds) { SecondsBox->setValue(seconds); }

void ReviewGameDialog::StartReview()
{
    if (Worker.joinable())
        return;
    StartButton->setEnabled(false);
    SecondsBox->setEnabled(false);
    Engine = std::make_unique<master::Engine>();
    master::ReviewLimits limits;
    limits.SecondsPerMove = Seconds();
    // The dialog outlives the thread (Stop joins it); what is queued for a dialog that is gone is
    // dropped by Qt.
    Worker = std::thread([this, limits] {
        master::GameReview review = master::ReviewGame(*Engine, Game, limits, &Cancel,
            [this](int done, int total, const master::ReviewedMove&) {
                QMetaObject::invokeMethod(
                    this,
                    [this, done, total] {
                        Bar->setMaximum(total);
                        Bar->setValue(done);
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this,
            [this, review = std::move(review)] {
                Finished = true;
                if (review.Cancelled)
                    return;
                Done = review;
                Bar->setValue(Bar->maximum());
                accept();
            },
            Qt::QueuedConnection);
    });
}

void ReviewGameDialog::Stop()
{
    if (Worker.joinable()) {
        Cancel.store(true);
        Worker.join();
    }
}

void ReviewGameDialog::reject()
{
    Stop();
    QDialog::reject();
}
