// Painting the remote board: one filled rectangle per disc, a line of background between squares.
#include "RemoteBoardWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "Board.h"

TRemoteField::TRemoteField(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("R_BRD"));
    setFixedSize(ClientSize, ClientSize);
    setCursor(Qt::PointingHandCursor);
    // The squares between the discs: a board's green, on which white, black and grey all show.
    QPalette board = palette();
    board.setColor(QPalette::Window, QColor(QRgb(0x2F7D4A)));
    setPalette(board);
    setAutoFillBackground(true);
    QPoint at = DesignedPosition;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - ClientSize)));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - ClientSize)));
    }
    move(at);
}

void TRemoteField::SetRemoteBoard(const std::string& text)
{
    RemoteBoardText = text;
    update();
}

void TRemoteField::paintEvent(QPaintEvent*) { FormPaint(); }

void TRemoteField::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    FormClick();
}

void TRemoteField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        FormClick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TRemoteField::FormClick() { hide(); }

void TRemoteField::FormPaint()
{
    // Drawn in device pixels: on a dense screen the squares and the line of background between
    // them grow with the screen's pixels, every square the same.
    const qreal d = devicePixelRatioF();
    QImage picture(
        int(std::lround(width() * d)), int(std::lround(height() * d)), QImage::Format_RGB32);
    picture.fill(palette().color(QPalette::Window));
    const int line = std::max(1, int(std::lround(d)));
    {
        QPainter p(&picture);
        const int n = BoardSize;
        const int cw = picture.width() / n, ch = picture.height() / n;
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < n; ++r) {
                const std::size_t at = 1 + std::size_t(c * n + r);
                const char letter = at < RemoteBoardText.size() ? RemoteBoardText[at] : '+';
                if (letter == '+')
                    continue; // an empty square shows the background
                const QColor colour = letter == 'b' ? QColor(QRgb(0x000000))
                    : letter == 'w'                 ? QColor(QRgb(0xFFFFFF))
                                                    : QColor(QRgb(0x7F7F7F));
                p.fillRect(c * cw, r * ch, cw - line, ch - line, colour);
            }
    }
    picture.setDevicePixelRatio(d);
    QPainter(this).drawImage(0, 0, picture);
}
