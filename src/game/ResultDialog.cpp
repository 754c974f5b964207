// The result dialog: a sunken panel with the message centred in it and the button below.
#include "ResultDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

TFinalDlg::TFinalDlg(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , Bevel(new QFrame(this))
    , FinalMessage(new QLabel(QStringLiteral("Message"), Bevel))
    , OkButton(new QPushButton(tr("&Ok"), this))
{
    setWindowTitle(tr("Information"));

    Bevel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    FinalMessage->setAlignment(Qt::AlignCenter);
    // Wide enough for the longest result a 10 × 10 board can give, so the dialog keeps one size
    // from message to message.
    const QFontMetrics metrics(FinalMessage->font());
    FinalMessage->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Yellow won 100 : 100"))
        + 2 * metrics.averageCharWidth());
    FinalMessage->setMinimumHeight(metrics.height() * 2);
    auto* bevelLayout = new QVBoxLayout(Bevel);
    bevelLayout->setContentsMargins(16, 10, 16, 10);
    bevelLayout->addWidget(FinalMessage);

    OkButton->setDefault(true);
    OkButton->setMinimumWidth(std::max(OkButton->sizeHint().width(), 88));
    OkButton->installEventFilter(this);
    connect(OkButton, &QPushButton::clicked, this, [this] { done(1); });

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(OkButton);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(Bevel);
    layout->addLayout(buttonRow);
    // A fixed dialog frame: the size follows the content and the user cannot change it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFinalDlg::SetResultMessage(int kind, int a, int b)
{
    switch (kind) {
    case 0:
        FinalMessage->setText(tr("Yellow won %1 : %2").arg(a).arg(b));
        break;
    case 1:
        FinalMessage->setText(tr("Green won %1 : %2").arg(a).arg(b));
        break;
    case 2:
        FinalMessage->setText(tr("Tie up"));
        break;
    case 3:
        FinalMessage->setText(tr("Yellow pass"));
        break;
    case 4:
        FinalMessage->setText(tr("Green pass"));
        break;
    default:
        break;
    }
}

bool TFinalDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == OkButton && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            done(1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
