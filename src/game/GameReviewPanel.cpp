// The review of a game beside the board.
#include "GameReviewPanel.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Square.h"

namespace {

int ForYellow(int side, int value) { return side == SideYellow ? value : -value; }

QString Discs(int centidiscs, bool exact)
{
    return QString::fromStdString(master::ReviewValueText(centidiscs, exact, false));
}

} // namespace

std::vector<int> GameReviewPanel::YellowMargins(const master::GameReview& review)
{
    std::vector<int> margins;
    for (const master::ReviewedMove& move : review.Moves)
        margins.push_back(ForYellow(move.Side, move.BestValue));
    if (!review.Moves.empty())
        margins.push_back(ForYellow(review.Moves.back().Side, review.Moves.back().Value));
    return margins;
}

GameReviewPanel::GameReviewPanel(QWidget* mainWindow)
    : QDockWidget(tr("Review"), mainWindow)
{
    setObjectName(QStringLiteral("GameReview"));
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* content = new QWidget(this);
    Plot = new ReviewGraph(content);
    Plot->setAccessibleName(tr("Yellow's expected margin through the game"));
    Plot->OnClick = [this](int position) {
        if (OnJump)
            OnJump(position);
    };
    List = new QListWidget(content);
    List->setAccessibleName(tr("Mistakes and blunders"));
    List->setWordWrap(true);
    connect(List, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (OnJump)
            OnJump(item->data(Qt::UserRole).toInt());
    });
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Plot, 2);
    layout->addWidget(List, 1);
    setWidget(content);
    content->setMinimumWidth(220);
}

void GameReviewPanel::ShowReview(const master::GameReview& review)
{
    Shown = review;
    std::vector<master::Verdict> verdicts { master::Verdict::Fine };
    for (const master::ReviewedMove& move : review.Moves)
        verdicts.push_back(move.Judged);
    Plot->SetData(YellowMargins(review), std::move(verdicts));
    List->clear();
    for (std::size_t i = 0; i < review.Moves.size(); ++i) {
        const master::ReviewedMove& move = review.Moves[i];
        if (move.Judged == master::Verdict::Fine)
            continue;
        const QString side = move.Side == SideYellow ? tr("Yellow") : tr("Green");
        const QString text
            = (move.Judged == master::Verdict::Blunder
                    ? tr("%1. %2 %3: a blunder, loses %4; best %5 (%6)")
                    : tr("%1. %2 %3: a mistake, loses %4; best %5 (%6)"))
                  .arg(move.Number)
                  .arg(side,
                      QString::fromStdString(Square::AtIndex(review.Size, move.Square).Name()),
                      QString::fromStdString(master::ReviewLossText(move)),
                      QString::fromStdString(Square::AtIndex(review.Size, move.BestSquare).Name()),
                      Discs(move.BestValue, move.BestExact));
        auto* item = new QListWidgetItem(text, List);
        // The position where the move was chosen.
        item->setData(Qt::UserRole, int(i));
        item->setForeground(
            move.Judged == master::Verdict::Blunder ? QColor(190, 0, 0) : QColor(170, 100, 0));
    }
    if (List->count() == 0)
        new QListWidgetItem(tr("No mistakes: no move lost 4 discs or more."), List);
}

void GameReviewPanel::ShowPosition(int position) { Plot->SetPosition(position); }

void GameReviewPanel::closeEvent(QCloseEvent* event)
{
    QDockWidget::closeEvent(event);
    if (OnClosed)
        OnClosed();
}

// --- the graph ---

ReviewGraph::ReviewGraph(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(120);
    setCursor(Qt::PointingHandCursor);
}

QSize ReviewGraph::sizeHint() const { return { 240, 200 }; }

void ReviewGraph::SetData(std::vector<int> margins, std::vector<master::Verdict> verdicts)
{
    Margins = std::move(margins);
    Verdicts = std::move(verdicts);
    update();
}

void ReviewGraph::SetPosition(int position)
{
    if (position == Position)
        return;
    Position = position;
    update();
}

QRectF ReviewGraph::Plot() const { return QRectF(rect()).adjusted(30, 8, -8, -18); }

int ReviewGraph::PositionAt(qreal x) const
{
    if (Margins.size() < 2)
        return 0;
    const QRectF plot = Plot();
    const qreal step = plot.width() / qreal(Margins.size() - 1);
    return std::clamp(int(std::lround((x - plot.left()) / step)), 0, int(Margins.size()) - 1);
}

void ReviewGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !Margins.empty() && OnClick)
        OnClick(PositionAt(event->position().x()));
}

void ReviewGraph::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF plot = Plot();
    // The scale: the largest margin rounded up to ten discs, at least ten.
    int top = 1000;
    for (int m : Margins)
        top = std::max(top, (std::abs(m) + 999) / 1000 * 1000);
    const auto y = [&](int margin) { return plot.center().y() - plot.height() / 2 * margin / top; };
    const qreal step = Margins.size() > 1 ? plot.width() / qreal(Margins.size() - 1) : 0;
    const auto x = [&](std::size_t i) { return plot.left() + step * qreal(i); };

    const QColor text = palette().color(QPalette::Text);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
    p.drawRect(plot);
    QFont small = font();
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(text);
    p.drawText(QRectF(0, plot.top() - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("+%1").arg(top / 100));
    p.drawText(QRectF(0, y(0) - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    p.drawText(QRectF(0, plot.bottom() - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter,
        QString(QChar(0x2212)) + QString::number(top / 100));
    if (Margins.empty())
        return;
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), 14),
        Qt::AlignRight | Qt::AlignTop, QString::number(Margins.size() - 1));

    // Yellow's side of the line filled in yellow, Green's in green.
    QPainterPath curve;
    curve.moveTo(x(0), y(0));
    for (std::size_t i = 0; i < Margins.size(); ++i)
        curve.lineTo(x(i), y(Margins[i]));
    curve.lineTo(x(Margins.size() - 1), y(0));
    curve.closeSubpath();
    p.save();
    p.setClipRect(QRectF(plot.left(), plot.top(), plot.width(), y(0) - plot.top()));
    p.fillPath(curve, QColor(235, 200, 0, 150));
    p.setClipRect(QRectF(plot.left(), y(0), plot.width(), plot.bottom() - y(0)));
    p.fillPath(curve, QColor(0, 150, 60, 150));
    p.restore();
    QPainterPath line;
    line.moveTo(x(0), y(Margins[0]));
    for (std::size_t i = 1; i < Margins.size(); ++i)
        line.lineTo(x(i), y(Margins[i]));
    p.setPen(QPen(text, 1.5));
    p.drawPath(line);

    // The moves that lost: a dot where they led.
    for (std::size_t i = 1; i < Margins.size() && i < Verdicts.size(); ++i) {
        if (Verdicts[i] == master::Verdict::Fine)
            continue;
        const bool blunder = Verdicts[i] == master::Verdict::Blunder;
        p.setPen(Qt::NoPen);
        p.setBrush(blunder ? QColor(200, 0, 0) : QColor(230, 140, 0));
        const qreal r = blunder ? 4.5 : 3.5;
        p.drawEllipse(QPointF(x(i), y(Margins[i])), r, r);
    }
    if (Position >= 0 && std::size_t(Position) < Margins.size()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DashLine));
        p.drawLine(QPointF(x(std::size_t(Position)), plot.top()),
            QPointF(x(std::size_t(Position)), plot.bottom()));
    }
}
