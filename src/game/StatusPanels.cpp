// The panels' texts.
#include "StatusPanels.h"

#include <QLabel>
#include <QStatusBar>
#include <algorithm>

StatusPanels::StatusPanels(QStatusBar* bar)
    : Bar(bar)
{
    bar->setSizeGripEnabled(false);
    for (QLabel*& panel : Panels) {
        panel = new QLabel(bar);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
    }
}

void StatusPanels::SetWidths(int clientWidth, bool designWidth)
{
    if (!designWidth)
        clientWidth = std::max(0, clientWidth - 8);
    Panels[0]->setFixedWidth(4 * clientWidth / 10);
    Panels[1]->setFixedWidth(4 * clientWidth / 10);
    Panels[2]->setFixedWidth(clientWidth / 5);
}

void StatusPanels::ShowTurn(TurnShown turn)
{
    Panels[0]->setText(turn == TurnShown::GameOver ? tr("Game over")
            : turn == TurnShown::Green             ? tr("Green is moving")
                                                   : tr("Yellow is moving"));
}

void StatusPanels::ShowScore(int yellow, int green)
{
    Panels[1]->setText(tr("Yellow %1 : Green %2").arg(yellow).arg(green));
}

void StatusPanels::ShowCounter(int current, int count)
{
    Panels[2]->setText(tr("Move %1/%2").arg(current).arg(count));
}

void StatusPanels::Repaint() { Bar->repaint(); }

QString StatusPanels::Text(int panel) const { return Panels.at(std::size_t(panel))->text(); }
