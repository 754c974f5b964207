// Where the small modal dialogs of the game appear: over the main window, with the integer
// halving they have always used. The main window calls these before showing a dialog.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <optional>
#include <vector>

// Top-left corner that centres a window of outer size dialog over the outer rectangle main.
// Halving truncates toward zero, also when the dialog is the larger of the two.
QPoint CentredOver(const QRect& main, const QSize& dialog);

// The help window's corner: one pixel right of centre, and lower than centre by half the status
// bar's height less one pixel.
QPoint RulersPositionOver(const QRect& main, const QSize& dialog, int statusBarHeight);

// Moves dialog (by its frame) to the centre of mainWindow's frame; used for the result and the
// choice dialog.
void CentreOverMainWindow(QWidget& dialog, const QWidget& mainWindow);

// Where a dialog at frame stands so that it hides none but some of the discs (rectangles on the
// screen) when where it stands now it would hide them all, as a dialog centred over the start
// position does: just below them, or just above when below leaves the screen (room). Otherwise
// it stays where it is.
QPoint ClearOfDiscs(const QRect& frame, const std::vector<QRect>& discs, const QRect& room);

// Moves the help window to RulersPositionOver the main window.
void PlaceRulersDlg(QWidget& dialog, const QWidget& mainWindow, int statusBarHeight);

// Where a window of outer size dialog stands beside main (right of it, else left of it, level
// with its top) inside room, the screen's free area; nothing when neither side has room.
std::optional<QPoint> BesideOf(const QRect& main, const QSize& dialog, const QRect& room);
