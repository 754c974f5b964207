// The chat dialog's controls, layout and keys.
#include "ChatDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>

#include "ButtonIcon.h"
#include "NetProtocol.h"

TSendDlg::TSendDlg(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Send message"));
    setSizeGripEnabled(false); // the grip is a control of its own, placed by FormResize

    GroupBox1 = new QGroupBox(tr("Messages history"), this);
    ResivedMessages = new QPlainTextEdit(GroupBox1);
    ResivedMessages->setReadOnly(true);
    ResivedMessages->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ResivedMessages->setLineWrapMode(QPlainTextEdit::NoWrap);
    ResivedMessages->setMaximumBlockCount(MaxHistoryLines);

    GroupBox2 = new QGroupBox(tr("Send"), this);
    SendedMessages = new QComboBox(GroupBox2);
    SendedMessages->setEditable(true);
    SendedMessages->setInsertPolicy(QComboBox::NoInsert); // the main window adds what was sent
    SendedMessages->lineEdit()->setMaxLength(int(MaxChatChars));
    SendedMessages->setEditText(QStringLiteral("HI!"));

    OKBtn = new QPushButton(
        ButtonIcon("ICON_MESSAGE", QStyle::SP_DialogOkButton), tr("&Send"), this);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton(
        ButtonIcon(QStyle::SP_DialogCancelButton), tr("&Cancel"), this);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    const int buttonWidth
        = std::max({ OKBtn->sizeHint().width(), CancelBtn->sizeHint().width(), 96 });
    for (QPushButton* b : { OKBtn, CancelBtn })
        b->resize(buttonWidth, b->sizeHint().height());

    SizeGrip = new QSizeGrip(this);
    SizeGrip->resize(SizeGrip->sizeHint());

    for (QObject* control : std::initializer_list<QObject*> {
             ResivedMessages, SendedMessages, SendedMessages->lineEdit(), OKBtn, CancelBtn })
        control->installEventFilter(this);

    setMinimumSize(240, 220);
    resize(433, 386);
    FormResize();
}

void TSendDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SendedMessages->setFocus();
    SendedMessages->lineEdit()->selectAll();
}

void TSendDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TSendDlg::FormResize()
{
    const int w = width(), h = height();
    // Room for the group box titles in the desktop's font.
    const int titleTop = std::max(20, GroupBox1->fontMetrics().height() + 6);

    OKBtn->move((w - OKBtn->width() - CancelBtn->width() - 10) / 2, h - 10 - OKBtn->height());
    CancelBtn->move(
        (w + OKBtn->width() - CancelBtn->width() + 10) / 2, h - 10 - CancelBtn->height());
    SizeGrip->move(w - SizeGrip->width(), h - SizeGrip->height());

    const int group2Height = titleTop + SendedMessages->sizeHint().height() + 10;
    const int group1Height = std::max(titleTop + 20, h - group2Height - OKBtn->height() - 30);
    GroupBox1->setGeometry(5, 5, w - 10, group1Height);
    GroupBox2->setGeometry(5, group1Height + 10, w - 10, group2Height);

    ResivedMessages->setGeometry(
        10, titleTop, GroupBox1->width() - 20, group1Height - titleTop - 10);
    SendedMessages->setGeometry(
        10, titleTop, GroupBox2->width() - 20, SendedMessages->sizeHint().height());
}

void TSendDlg::ScrollHistoryToEnd()
{
    QScrollBar* bar = ResivedMessages->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TSendDlg::AddHistoryLine(const QString& line) { ResivedMessages->appendPlainText(line); }

void TSendDlg::RememberSentText(const QString& text)
{
    SendedMessages->insertItem(0, text);
    SendedMessages->setEditText(text);
}

QString TSendDlg::TextToSend() const { return SendedMessages->currentText(); }

bool TSendDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
        // Enter in the text or the history sends; on a button it presses that button.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && (watched == SendedMessages || watched == SendedMessages->lineEdit()
                || watched == ResivedMessages)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
