// The review of a game beside the board (an addition to the original): a graph of Yellow's
// expected final margin through the game, position by position, with the moves that lost 4 discs
// or more marked on it, and the list of those moves with the best move and what it would have
// kept. A click on the graph or on a listed move goes to the position before that move, as the
// move list does. It shows a review; the main window makes it (ReviewGameDialog) and keeps it.
#pragma once

#include <QCoreApplication>

#include <QDockWidget>
#include <functional>

#include "master/GameReview.h"

class QListWidget;
class ReviewGraph;

class GameReviewPanel : public QDockWidget {
    Q_DECLARE_TR_FUNCTIONS(GameReviewPanel)

public:
    explicit GameReviewPanel(QWidget* mainWindow);

    void ShowReview(const master::GameReview& review);
    // The position on the board (moves played out of the record), marked on the graph.
    void ShowPosition(int position);
    const master::GameReview& Review() const { return Shown; }

    // The position after this many moves of the record is wanted.
    std::function<void(int position)> OnJump;
    std::function<void()> OnClosed;

    // Yellow's expected final margin after each number of moves (0 to the review's moves), in
    // centidiscs: the best value of the position then, seen from Yellow.
    static std::vector<int> YellowMargins(const master::GameReview& review);
    // The graph's position under a point of it (for the tests and the pointer).
    ReviewGraph& Graph() const { return *Plot; }
    QListWidget& Marked() const { return *List; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    master::GameReview Shown;
    ReviewGraph* Plot;
    QListWidget* List;
};

// The graph itself: margins against the move number, zero in the middle.
class ReviewGraph : public QWidget {
public:
    explicit ReviewGraph(QWidget* parent);
    void SetData(std::vector<int> margins, std::vector<master::Verdict> verdicts);
    void SetPosition(int position);
    // The position (0 .. moves) a click at x goes to.
    int PositionAt(qreal x) const;
    std::function<void(int position)> OnClick;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF Plot() const;
    std::vector<int> Margins;
    std::vector<master::Verdict> Verdicts; // of the move leading to each position (index 1..)
    int Position = -1;
};
