// The position editor's panel.
#include "PositionEditor.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <type_traits>

int NextEditedCell(int cell)
{
    switch (cell) {
    case CellEmpty:
        return CellYellow;
    case CellYellow:
        return CellGreen;
    default:
        return CellEmpty;
    }
}

PositionEditor::PositionEditor(QWidget* mainWindow)
    : QDockWidget(tr("Set up position"), mainWindow)
{
    setObjectName(QStringLiteral("PositionEditor"));
    // Docked for good, as the move list is: nothing of it can get lost off the screen.
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    auto* help = new QLabel(
        tr("Click a square to make it empty, Yellow or Green in turn (Enter does the same)."),
        body);
    help->setWordWrap(true);
    layout->addWidget(help);

    auto* start = new QPushButton(tr("&Start position"), body);
    auto* empty = new QPushButton(tr("&Empty board"), body);
    layout->addWidget(start);
    layout->addWidget(empty);
    connect(start, &QPushButton::clicked, this, [this] { SetStartPosition(); });
    connect(empty, &QPushButton::clicked, this, [this] { SetEmptyBoard(); });

    auto* side = new QGroupBox(tr("To move"), body);
    auto* sideLayout = new QVBoxLayout(side);
    YellowToMove = new QRadioButton(tr("&Yellow"), side);
    GreenToMove = new QRadioButton(tr("&Green"), side);
    sideLayout->addWidget(YellowToMove);
    sideLayout->addWidget(GreenToMove);
    layout->addWidget(side);
    connect(YellowToMove, &QRadioButton::clicked, this, [this] { SetSideToMove(SideYellow); });
    connect(GreenToMove, &QRadioButton::clicked, this, [this] { SetSideToMove(SideGreen); });

    auto* opponent = new QGroupBox(tr("Opponent"), body);
    auto* opponentLayout = new QVBoxLayout(opponent);
    ComputerOpponent = new QRadioButton(tr("&Computer"), opponent);
    PlayerOpponent = new QRadioButton(tr("&Two players"), opponent);
    opponentLayout->addWidget(ComputerOpponent);
    opponentLayout->addWidget(PlayerOpponent);
    layout->addWidget(opponent);

    Refusal = new QLabel(body);
    Refusal->setWordWrap(true);
    Refusal->setStyleSheet(QStringLiteral("color: #b00000"));
    Refusal->hide();
    layout->addWidget(Refusal);

    layout->addStretch(1);
    auto* play = new QPushButton(tr("&Play from here"), body);
    auto* cancel = new QPushButton(tr("Cancel"), body);
    play->setDefault(true);
    layout->addWidget(play);
    layout->addWidget(cancel);
    connect(play, &QPushButton::clicked, this, [this] {
        if (OnPlay)
            OnPlay();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (OnCancel)
            OnCancel();
    });
    setWidget(body);
}

void PositionEditor::Begin(const GamePosition& position, bool againstComputer)
{
    Edited = position;
    (againstComputer ? ComputerOpponent : PlayerOpponent)->setChecked(true);
    (Edited.SideToMove == SideGreen ? GreenToMove : YellowToMove)->setChecked(true);
    ShowRefusal({});
}

bool PositionEditor::AgainstComputer() const { return ComputerOpponent->isChecked(); }

void PositionEditor::Cycle(const Square& square)
{
    if (!square.Valid() || square.Size() != Edited.Size)
        return;
    auto& cell = Edited.Cells[square.Index()];
    cell = static_cast<std::remove_reference_t<decltype(cell)>>(NextEditedCell(cell));
    Changed();
}

void PositionEditor::SetStartPosition()
{
    const int side = Edited.SideToMove;
    Edited = UsualStart(Edited.Size);
    Edited.SideToMove = side;
    Changed();
}

void PositionEditor::SetEmptyBoard()
{
    for (int col = 0; col < Edited.Size; ++col)
        for (int row = 0; row < Edited.Size; ++row)
            Edited.Cells[Square::At(Edited.Size, col, row).Index()] = CellEmpty;
    Changed();
}

void PositionEditor::SetSideToMove(int side)
{
    Edited.SideToMove = side;
    (side == SideGreen ? GreenToMove : YellowToMove)->setChecked(true);
    Changed();
}

void PositionEditor::ShowRefusal(const QString& why)
{
    Refusal->setText(why);
    Refusal->setVisible(!why.isEmpty());
}

void PositionEditor::Changed()
{
    ShowRefusal({});
    if (OnChanged)
        OnChanged(Edited);
}

void PositionEditor::closeEvent(QCloseEvent* event)
{
    // Its close button is Cancel.
    event->ignore();
    if (OnCancel)
        OnCancel();
}
