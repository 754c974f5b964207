// The status bar's three centred panels: whose turn it is, the score and the move counter. While a
// menu item is highlighted its hint replaces them. Used by the main window.
#pragma once

#include <QCoreApplication>

#include <QString>
#include <array>

#include "GameSession.h"

class QLabel;
class QStatusBar;

class StatusPanels {
    Q_DECLARE_TR_FUNCTIONS(StatusPanels)

public:
    explicit StatusPanels(QStatusBar* bar);

    // The widths (4/10, 4/10, 1/5 of the client width), set at start-up and whenever the
    // window's width changes. The design's widths fill the design's window to its last two
    // pixels; in a window of another width the panels leave the status bar its few pixels of
    // margins, so that they never hold the window wider than it is.
    void SetWidths(int clientWidth, bool designWidth = true);
    void ShowTurn(TurnShown turn);
    void ShowScore(int yellow, int green);
    void ShowCounter(int current, int count);
    void Repaint();
    QString Text(int panel) const;

private:
    QStatusBar* Bar;
    std::array<QLabel*, 3> Panels {};
};
