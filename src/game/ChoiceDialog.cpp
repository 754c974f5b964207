// Three buttons in a group box, each ending the dialog with its own result.
#include "ChoiceDialog.h"

#include <QVBoxLayout>

TChoice::TChoice(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , ActionBox(new QGroupBox(tr("Action"), this))
    , ThisButton(new QPushButton(tr("Continue from &this position..."), ActionBox))
    , LastButton(new QPushButton(tr("Continue from &last position..."), ActionBox))
    , WatchButton(new QPushButton(tr("Return to history &watching..."), ActionBox))
{
    setWindowTitle(tr("Choice"));

    connect(ThisButton, &QPushButton::clicked, this, [this] { done(ChoiceContinueFromThis); });
    connect(LastButton, &QPushButton::clicked, this, [this] { done(ChoiceContinueFromLast); });
    connect(WatchButton, &QPushButton::clicked, this, [this] { done(ChoiceReturnToHistory); });

    auto* buttons = new QVBoxLayout(ActionBox);
    buttons->setContentsMargins(12, 12, 12, 12);
    buttons->setSpacing(8);
    for (QPushButton* button : { ThisButton, LastButton, WatchButton }) {
        // Room around the texts, which are longer than usual for buttons.
        button->setMinimumSize(
            button->sizeHint() + QSize(4 * button->fontMetrics().averageCharWidth(), 4));
        buttons->addWidget(button);
    }

    // Enter at once must not leave the earlier position, so the bottom button comes first.
    WatchButton->setDefault(true);
    setTabOrder(WatchButton, ThisButton);
    setTabOrder(ThisButton, LastButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(ActionBox);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TChoice::FormShow()
{
    setResult(0);
    WatchButton->setFocus(Qt::OtherFocusReason);
}

void TChoice::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}
