// The "Settings" dialog: opponent and side, the computer's level, the board size, the figure set,
// sound, animation, tray and the right-click display, and the engine. Created once after the main
// window, shown from "&Settings" (F4); when it is destroyed at program end it writes what its
// controls show to the settings file.
#pragma once

#include <QCoreApplication>

#include <QDialog>
#include <string>

#include "Settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

class TSideDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TSideDlg)

public:
    explicit TSideDlg(QWidget* parent = nullptr);
    ~TSideDlg() override;

    // Sets every control from the settings (done once, at creation).
    void FormCreate();
    // The settings as the controls show them, and the controls set from settings.
    GameSettings Values() const;
    void SetValues(const GameSettings& settings);
    // Refreshes the level caption (every showing).
    void FormShow();
    // Writes the options the controls show (once); fails when the file could not be written.
    Status FormDestroy();

    // The dialog follows a game opened from a file or started over the network.
    void ShowBoardSize(int size);
    void ShowPlayers(int computerSide, bool opponentIsComputer);
    // Disables (or enables again) the controls that shape a game, during a network game.
    void SetGameSettingsEnabled(bool enabled);
    // Enables "&Yellow" and "&Green" only when the computer is the opponent.
    void UpdateSideButtons();

    QTabWidget* Pages;
    QGroupBox* OpponentBox;
    QRadioButton* ComputerButton;
    QRadioButton* PlayerButton;
    QGroupBox* SideBox;
    QRadioButton* YellowButton;
    QRadioButton* GreenButton;
    QGroupBox* LevelBox;
    QSlider* LevelBar;
    QGroupBox* SizeBox;
    QRadioButton* Size8Button;
    QRadioButton* Size10Button;
    QGroupBox* FiguresBox;
    QComboBox* FiguresList;
    QGroupBox* MediaBox;
    QCheckBox* SoundCheck;
    QCheckBox* AnimationCheck;
    QCheckBox* TrayCheck;
    QGroupBox* AdvancedBox;
    QGroupBox* RightClickBox;
    QCheckBox* PreviousMoveCheck;
    QCheckBox* AvailableMovesCheck;
    QLabel* EngineLabel;
    QComboBox* EngineList;
    // The extras page: what the original program does not have.
    QCheckBox* MoveListCheck;
    QCheckBox* LastMoveMarkCheck;
    QCheckBox* LegalMoveMarksCheck;
    QComboBox* SpeedList;
    QCheckBox* ResumeCheck;
    QCheckBox* MoveValuesCheck;
    QPushButton* OkButton;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Alt+P belongs to the "Opponent" page, "Player" and "Previous move": each press goes on to
    // the next of them, across the pages, so that every one can be reached from the keyboard.
    void NextAltP();

    std::string LastFolder; // not shown: kept as it was given
};
