// The controls are placed by hand on every resize rather than by a layout, so that the text box
// and the button keep the same margins at every size, down to the 200 × 200 minimum.
#include "RulesWindow.h"

#include <QKeyEvent>
#include <QStyle>

#include "HelpText.h"
#include "RtfDocument.h"
#include "RtfTextDocument.h"

TRulersDlg::TRulersDlg(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , Memo1(new QTextBrowser(this))
    , BitBtn1(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("&Ok"), this))
    , SizeGrip(new QSizeGrip(this))
{
    setWindowTitle(tr("Help"));
    setSizeGripEnabled(false); // SizeGrip is ours, placed with the other controls

    Memo1->setOpenLinks(false);
    Memo1->setUndoRedoEnabled(false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->document()->setDocumentMargin(8);
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    Memo1->setPalette(memoPalette);
    Memo1->installEventFilter(this);

    BitBtn1->setDefault(true);
    BitBtn1->resize(std::max(BitBtn1->sizeHint().width(), 88), BitBtn1->sizeHint().height());
    BitBtn1->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });

    SizeGrip->resize(SizeGrip->sizeHint());
    SizeGrip->raise();

    setTabOrder(BitBtn1, Memo1);
    setMinimumSize(200, 200);
    resize(498, 493);
}

Status TRulersDlg::LoadRules(std::span<const std::uint8_t> rtf)
{
    const RtfDocument document = ParseRtf(rtf);
    FillTextDocument(*Memo1->document(), document);
    Memo1->moveCursor(QTextCursor::Start);
    if (document.Problem)
        return Error { document.Problem->Kind,
            "The rules text could not be read completely: " + document.Problem->Message };
    return {};
}

void TRulersDlg::ShowProgramHelp()
{
    AppendProgramHelp(*Memo1->document());
    Memo1->moveCursor(QTextCursor::Start);
}

void TRulersDlg::FormResize()
{
    const int clientWidth = width();
    const int clientHeight = height();
    BitBtn1->move((clientWidth - BitBtn1->width()) / 2, clientHeight - BitBtn1->height() - 10);
    Memo1->setGeometry(5, 5, clientWidth - 10, BitBtn1->y() - 15);
    SizeGrip->move(clientWidth - SizeGrip->width(), clientHeight - SizeGrip->height());
}

void TRulersDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

bool TRulersDlg::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Memo1 || watched == BitBtn1) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            done(1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
