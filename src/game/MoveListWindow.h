// The move list (an addition to the original): a panel docked beside the board in the main window
// listing the game's moves as numbered pairs with the board's square names, passes shown, the
// position on the board highlighted. Clicking a move, its buttons and Home, End, Page Up and Page
// Down go to a position. It cannot float, so none of it is ever off the screen. Used by the main
// window, which tells it when the record changes.
#pragma once

#include <QCoreApplication>

#include <QDockWidget>
#include <functional>
#include <vector>

class QLabel;
class QTableWidget;
class QToolButton;

class MoveListWindow : public QDockWidget {
    Q_DECLARE_TR_FUNCTIONS(MoveListWindow)

public:
    explicit MoveListWindow(QWidget* mainWindow);

    // Shows the game record as it is now (entries and the position played out on the board).
    void ShowRecord();
    // The review's verdict on each record entry (0 fine, 1 mistake, 2 blunder) with a line that
    // says why, shown as "?" and "??" after the move; empty: none (a new game drops them).
    struct Mark {
        int Verdict = 0;
        QString Why;
    };
    void ShowMarks(std::vector<Mark> marks);
    // The named opening the game follows so far ("" when none).
    QString OpeningShown() const;
    // Navigation is off while the computer thinks and in a network game.
    void SetNavigationEnabled(bool enabled);

    // The position after this many moves is wanted (0: the start).
    std::function<void(int position)> OnJump;
    // The panel was closed by the user (its close button).
    std::function<void()> OnClosed;
    // Home, End, Page Up and Page Down; false for other keys.
    bool Navigate(int key);

    // What a cell holds, by ply (passes included); for the tests and the accessibility layer.
    struct Ply {
        int Entry = -1; // the record entry played here, -1 for a pass, -2 for nothing (a game
                        // from a set-up position that Green begins)
        int Side = 0;
    };
    const std::vector<Ply>& Plies() const { return PlyList; }
    int SelectedPosition() const { return Position; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Jump(int position);

    QLabel* Opening;
    QTableWidget* Table;
    std::vector<Mark> Marks;
    QToolButton* FirstButton;
    QToolButton* PreviousButton;
    QToolButton* NextButton;
    QToolButton* LastButton;
    std::vector<Ply> PlyList;
    int Position = 0;
    int Count = 0;
    bool Navigation = true;
};
