// The position editor (an addition to the original): while it is open the board is a position to
// set up rather than a game. A click (or Enter on the square under the outline) turns a square
// from empty to Yellow to Green and back; this panel beside the board sets the start position, an
// empty board, the side to move and the opponent, and starts a game from the position. It knows
// positions, not games: the main window hands its choices to the game session.
#pragma once

#include <QCoreApplication>

#include <QDockWidget>
#include <functional>

#include "GamePosition.h"
#include "Square.h"

class QLabel;
class QRadioButton;

class PositionEditor : public QDockWidget {
    Q_DECLARE_TR_FUNCTIONS(PositionEditor)

public:
    explicit PositionEditor(QWidget* mainWindow);

    // Starts editing position (the one on the board); againstComputer chooses the opponent.
    void Begin(const GamePosition& position, bool againstComputer);
    const GamePosition& Position() const { return Edited; }
    bool AgainstComputer() const;

    // The square's next state: empty, Yellow, Green, empty again.
    void Cycle(const Square& square);
    void SetStartPosition();
    void SetEmptyBoard();
    void SetSideToMove(int side);
    // Why the position cannot be played from (empty: nothing to say).
    void ShowRefusal(const QString& why);

    // The position changed (the board shows it).
    std::function<void(const GamePosition& position)> OnChanged;
    // "Play from here" and "Cancel".
    std::function<void()> OnPlay;
    std::function<void()> OnCancel;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Changed();

    GamePosition Edited;
    QRadioButton* YellowToMove;
    QRadioButton* GreenToMove;
    QRadioButton* ComputerOpponent;
    QRadioButton* PlayerOpponent;
    QLabel* Refusal;
};

// The cell a square of the editor holds after a click on one that holds cell.
int NextEditedCell(int cell);
