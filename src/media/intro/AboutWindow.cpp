// The About window around the intro renderer: its frame, its timer, its ways to close and the
// panel that tells the version and the licence.
#include "AboutWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <random>

#include "IntroResources.h"
#include "IntroText.h"

namespace {

// The scroll position outlives the windows: each showing goes on with the text where the last
// one left it.
int ScrollPosition = 0;

constexpr int ClientWidth = IntroWidth + 2;
constexpr int ClientHeight = IntroHeight + 2;

} // namespace

QString AboutDescription()
{
    return QCoreApplication::translate("TAboutBox",
        "A game of Reversi for one or two players, against the computer or over the network.");
}

QString AboutCopyright()
{
    return QCoreApplication::translate("TAboutBox", "Copyright © 2026 The Corvana developers");
}

QString AboutLicence()
{
    return QCoreApplication::translate("TAboutBox",
        "Free software under the GNU General Public License, version 3 or later, with no "
        "warranty.");
}

TAboutBox::TAboutBox(QWidget* parent, std::uint32_t seed)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Intro(seed)
    , Surface(this, QPoint(1, 1))
{
    setWindowTitle(QCoreApplication::translate("TAboutBox", "About..."));
    setCursor(Qt::PointingHandCursor);
    // Every pixel of the client area is painted by FormPaint: nothing is erased first, so the
    // frame never flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    AsyncTimer.SetInterval(15);
    AsyncTimer.SetThreadPriority(QThread::HighestPriority);
    AsyncTimer.OnTimer = [this](TAsyncTimer*) { AsyncTimerTimer(); };
    AsyncTimer.SetEnabled(true);
    FormCreate();
}

TAboutBox::~TAboutBox() { FormDestroy(); }

void TAboutBox::FormCreate()
{
    setFixedSize(ClientWidth, ClientHeight);
    // The greeting in the reader's language, as far as the intro's letters go (Latin and
    // Russian ones; a letter it has not is a blank).
    const QString greeting = QCoreApplication::translate("TAboutBox", IntroGreeting.data());
    std::string cp1251;
    for (const char32_t c : greeting.toUcs4())
        cp1251 += char(c < 0x80 ? std::uint8_t(c) : Cp1251FromUnicode(c));
    Intro.SetScrollText(ConvertText(cp1251));
    const Result<TIntroResources> read = ReadIntroResources();
    Loaded = read ? Intro.LoadIntro(read.Value()) : Status(read.Failure());
    Intro.S = ScrollPosition;
    if (Loaded)
        Intro.IntroFrame();
    Surface.SetPicture({ Intro.FrameBuffer.data(), IntroWidth, IntroHeight });
}

void TAboutBox::ShowProgramInfo(const QString& version)
{
    if (!InfoPanel) {
        InfoPanel = new QWidget(this);
        auto* lines = new QVBoxLayout(InfoPanel);
        lines->setContentsMargins(10, 8, 10, 10);
        lines->setSpacing(4);
        const auto line = [&](const QString& text) {
            auto* label = new QLabel(text, InfoPanel);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            lines->addWidget(label);
            return label;
        };
        Version = line(QString());
        QFont bold = Version->font();
        bold.setBold(true);
        Version->setFont(bold);
        Description = line(AboutDescription());
        Copyright = line(AboutCopyright());
        Licence = line(AboutLicence());
    }
    Version->setText(
        version.isEmpty() ? QStringLiteral("Corvana") : QStringLiteral("Corvana %1").arg(version));
    // The panel's height follows the desktop's font: as tall as its lines wrapped to the width.
    const int height = InfoPanel->layout()->totalHeightForWidth(ClientWidth);
    InfoPanel->setGeometry(0, ClientHeight, ClientWidth, height);
    setFixedSize(ClientWidth, ClientHeight + height);
}

void TAboutBox::FormDestroy()
{
    AsyncTimer.SetEnabled(false);
    ScrollPosition = Intro.S;
}

void TAboutBox::FormPaint(QPainter& painter, const QRect& exposed)
{
    // The sunken frame lies around the intro; the panel, when shown, is below it.
    const int w = ClientWidth, h = ClientHeight;
    if (height() > h)
        painter.fillRect(0, h, width(), height() - h, palette().color(QPalette::Window));
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    painter.setPen(shadow);
    painter.drawLine(0, 0, 0, h - 1);
    painter.setPen(highlight);
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, h - 1, w - 1, 0);
    painter.setPen(shadow);
    painter.drawLine(w - 1, 0, 0, 0);
    if (Loaded) {
        Surface.Paint(painter, exposed);
        return;
    }
    // Without its pictures the window still opens, closes as usual and says why it is empty.
    const QRect frame(1, 1, IntroWidth, IntroHeight);
    painter.fillRect(frame, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(frame.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
        QString::fromStdString("The intro cannot be shown: " + Loaded.Failure().Message));
}

void TAboutBox::ShowIntroFrame() { Surface.Push(QRect(0, 0, IntroWidth, IntroHeight)); }

void TAboutBox::AsyncTimerTimer()
{
    if (!isVisible() || !Loaded)
        return;
    Intro.IntroFrame();
    ShowIntroFrame();
}

void TAboutBox::IntrosImageClick() { close(); }

void TAboutBox::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TAboutBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    FormPaint(painter, event->rect());
}

void TAboutBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        IntrosImageClick();
    else
        QDialog::mouseReleaseEvent(event);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void ShowAboutBox(QWidget* mainWindow)
{
    // A dialog is centred over its parent window when it is shown.
    TAboutBox box(mainWindow ? mainWindow->window() : nullptr, std::random_device {}());
    box.ShowProgramInfo(QCoreApplication::applicationVersion());
    box.exec();
}

void RewindAboutText() { ScrollPosition = 0; }
