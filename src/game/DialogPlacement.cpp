// Frame rectangles are used on both sides, so the placement matches what the user sees once the
// window manager has framed the windows; before a dialog's first showing its frame is unknown and
// its client size stands in for it.
#include "DialogPlacement.h"

#include <algorithm>

QPoint CentredOver(const QRect& main, const QSize& dialog)
{
    return { main.left() + (main.width() - dialog.width()) / 2,
        main.top() + (main.height() - dialog.height()) / 2 };
}

QPoint RulersPositionOver(const QRect& main, const QSize& dialog, int statusBarHeight)
{
    return { main.left() + (main.width() - dialog.width()) / 2 + 1,
        main.top() + (main.height() - dialog.height() + statusBarHeight) / 2 - 1 };
}

void CentreOverMainWindow(QWidget& dialog, const QWidget& mainWindow)
{
    // A hidden dialog may not have laid itself out yet; its size comes from that. (Only the
    // fixed-size dialogs are placed here.)
    if (!dialog.isVisible())
        dialog.adjustSize();
    dialog.move(CentredOver(mainWindow.frameGeometry(), dialog.frameGeometry().size()));
}

void PlaceRulersDlg(QWidget& dialog, const QWidget& mainWindow, int statusBarHeight)
{
    dialog.move(RulersPositionOver(
        mainWindow.frameGeometry(), dialog.frameGeometry().size(), statusBarHeight));
}

QPoint ClearOfDiscs(const QRect& frame, const std::vector<QRect>& discs, const QRect& room)
{
    if (discs.empty())
        return frame.topLeft();
    QRect all;
    for (const QRect& d : discs) {
        if (!frame.intersects(d))
            return frame.topLeft(); // some of the position shows beside the dialog
        all = all.united(d);
    }
    const int gap = 4;
    if (all.bottom() + gap + frame.height() <= room.bottom())
        return { frame.left(), all.bottom() + 1 + gap };
    if (all.top() - gap - frame.height() >= room.top())
        return { frame.left(), all.top() - gap - frame.height() };
    return frame.topLeft();
}

std::optional<QPoint> BesideOf(const QRect& main, const QSize& dialog, const QRect& room)
{
    const int top = std::clamp(
        main.top(), room.top(), std::max(room.top(), room.bottom() + 1 - dialog.height()));
    if (main.right() + 1 + dialog.width() <= room.right() + 1)
        return QPoint(main.right() + 1, top);
    if (main.left() - dialog.width() >= room.left())
        return QPoint(main.left() - dialog.width(), top);
    return std::nullopt;
}
