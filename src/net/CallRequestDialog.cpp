// The request dialog's controls and its countdown.
#include "CallRequestDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ButtonIcon.h"
#include "NetState.h"

namespace {

QString Quoted(const std::string& text)
{
    return QLatin1Char('"') + QString::fromStdString(text) + QLatin1Char('"');
}

// A label for text that came over the network: shown as it is, never read as markup.
QLabel* PlainLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TCallReq::TCallReq(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Подтверждение вызова"));

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label1 = new QLabel(tr("Поступил вызов от:"), Bevel1);
    ReqLabel = PlainLabel(Bevel1);
    Label3 = new QLabel(tr("Вы будете играть:"), Bevel1);
    ReqLColor = PlainLabel(Bevel1);
    Label4 = new QLabel(tr("Размер поля:"), Bevel1);
    ReqLSize = PlainLabel(Bevel1);
    Label2 = new QLabel(tr("Желаете ли Вы принять вызов ?"), Bevel1);
    ReqProgressBar = new QProgressBar(Bevel1);
    ReqProgressBar->setRange(0, CountdownTicks);
    ReqProgressBar->setTextVisible(false);
    ReqProgressBar->setFixedHeight(16);

    // Wide enough for the usual computer names, so that the dialog mostly keeps one size.
    ReqLabel->setMinimumWidth(
        ReqLabel->fontMetrics().horizontalAdvance(QStringLiteral("\"WWWWWWWWWWWWWWW\"")));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(ReqLabel, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(ReqLColor, 1, 1);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(ReqLSize, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* bevelLayout = new QVBoxLayout(Bevel1);
    bevelLayout->setContentsMargins(10, 10, 14, 10);
    bevelLayout->setSpacing(10);
    bevelLayout->addLayout(grid);
    bevelLayout->addWidget(Label2);
    bevelLayout->addWidget(ReqProgressBar);

    OkBtn = new QPushButton(ButtonIcon(QStyle::SP_DialogYesButton), tr("&Yes"), this);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn
        = new QPushButton(ButtonIcon(QStyle::SP_DialogNoButton), tr("&No=30"), this);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    QHBoxLayout* buttons = CentredButtonRow(OkBtn, CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(Bevel1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ReqTimer = new QTimer(this);
    ReqTimer->setInterval(100);
    connect(ReqTimer, &QTimer::timeout, this, [this] { ReqTimerTimer(); });
}

void TCallReq::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!ReqShowing)
        FormShow();
}

void TCallReq::FormShow()
{
    // The dialog was centred with its previous texts; a longer name widens it about its centre.
    const QPoint centre = geometry().center();
    ReqLabel->setText(Quoted(CallerName));
    // The colour and size are the session's words ("Green", "10 x 10"), marked for translation
    // there in this dialog's context.
    ReqLColor->setText(Quoted(tr(CallerColourText.c_str()).toStdString()));
    ReqLSize->setText(Quoted(tr(CallerSizeText.c_str()).toStdString()));
    adjustSize();
    move(pos() + centre - geometry().center());
    ReqProgressBar->setValue(0);
    CancelBtn->setText(tr("&No=30"));
    ReqShowing = true;
    ReqTimer->start();
}

void TCallReq::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TCallReq::FormClose()
{
    ReqTimer->stop();
    ReqShowing = false;
}

void TCallReq::ReqTimerTimer()
{
    if (!ReqShowing)
        return;
    ReqProgressBar->setValue(ReqProgressBar->value() + 1);
    const int elapsed = ReqProgressBar->value() / 10;
    CancelBtn->setText(tr("No=%1").arg(30 - elapsed));
    if (elapsed >= 30)
        done(Rejected);
}
