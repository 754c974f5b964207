// Start-up, shutdown, the menu, the status bar and the window-level behaviour of the main window.
// The game session, the board drawing and the input live in MainGame.cpp, MainBoard.cpp and
// MainInput.cpp.
#include "MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "AboutUnit.h"
#include "AsyncTimer.h"
#include "BoardTracker.h"
#include "ChoiceUnit.h"
#include "DialogPlacement.h"
#include "Evaluation.h"
#include "FinalUnit.h"
#include "GrHolder.h"
#include "MoveRules.h"
#include "NetSession.h"
#include "ProgressPanel.h"
#include "ResourceIcon.h"
#include "RoutineTable.h"
#include "RulersUnit.h"
#include "Search.h"
#include "SearchThread.h"
#include "Settings.h"
#include "SideUnit.h"
#include "Sound.h"
#include "WindowNetHost.h"

namespace {

// A menu icon: the desktop theme's when it has one, else the program's own at 16 and 32 pixels.
QIcon MenuIcon(const char* themeName, const char* resourceName)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), ResourceIcon(resourceName));
}

} // namespace

TReversiForm::TReversiForm(QWidget* parent)
    : QMainWindow(parent)
{
    // FormCreate
    std::srand(unsigned(std::time(nullptr))); // the intro's animation draws from it
    setWindowTitle(QStringLiteral("Corvana"));
    // The window's size follows the board: it can be minimised and closed, not maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ApplicationIcon());

    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen && screen->geometry().height() < 600)
        QMessageBox::warning(nullptr, QStringLiteral("Corvana"),
            QStringLiteral("WARNING: You have less then 800 x 600 resolution!"));

    DisplayTick = 0;
    NoPreviousBoard = true;
    LoadSettings();

    BoardWidget = new TBoardWidget(this);
    setCentralWidget(BoardWidget);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CreateMenu();
    CreateStatusBar();

    HelpMoveAsyncTimer = new TAsyncTimer(this);
    HelpMoveAsyncTimer->SetInterval(40);
    HelpMoveAsyncTimer->SetThreadPriority(QThread::HighestPriority);
    HelpMoveAsyncTimer->OnTimer = [this](TAsyncTimer*) { HelpMoveAsyncTimerTimer(); };

    LoadingPanel = new TProgressPanel(BoardWidget, LoadTransparentBitmap("PACK_BMP"),
        QPoint(12, 12), LoadTransparentBitmap("PACK_TXT"), QPoint(65, 20));

    TrayIcon = new QSystemTrayIcon(windowIcon(), this);
    TrayIcon->setToolTip(QStringLiteral("Corvana"));
    connect(TrayIcon, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                RestoreFromTray();
        });

    CellSize = CellSizeFor(BoardSize);
    HalfCell = HalfCellFor(BoardSize);
    GraphicsStatus loaded = LoadBorders();
    if (loaded)
        loaded = LoadDiscSheet(FigureSet, BoardSize == 10);
    if (!loaded)
        ShowError(QStringLiteral("Corvana"), QString::fromStdString(loaded.Error));
    ApplyBoardGeometry();
    RestFrame = RestFrameFor(FigureSet);

    const int clientWidth = BoardSize * CellSize + 44;
    Panels[0]->setFixedWidth(4 * clientWidth / 10);
    Panels[1]->setFixedWidth(4 * clientWidth / 10);
    Panels[2]->setFixedWidth(clientWidth / 5);

    HintPointerMoved = false;
    NetworkGame = false;
    KeySequencePos = 0;
    HistoryMode = false;
    OpenNetwork();

    NewGame();
    HoverCol = HoverRow = 0;
    PrevHoverCol = PrevHoverRow = 0;
    SetPanels(QStringLiteral("Yellow is moving"), QStringLiteral("Yellow 2 : Green 2"),
        QStringLiteral("Move 0/0"));
}

TReversiForm::~TReversiForm() { FormDestroy(); }

void TReversiForm::SetDialogs(
    TSideDlg* sideDlg, TFinalDlg* finalDlg, TChoice* choice, TRulersDlg* rulers)
{
    SideDlg = sideDlg;
    FinalDlg = finalDlg;
    Choice = choice;
    RulersDlg = rulers;
}

void TReversiForm::Start(const QString& gameFile)
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center()
            - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    show();
    statusBar()->repaint();
    DrawBoard();
    BoardWidget->repaint();
    // A game named on the command line opens as "Open..." opens it; otherwise the computer opens
    // the new game when it plays Yellow.
    if (gameFile.isEmpty() || !OpenGameFile(gameFile))
        MakeComputerMove();
}

void TReversiForm::CreateMenu()
{
    auto item = [this](QMenu* menu, const QString& text, const QKeySequence& key,
                    const QString& hint, const QIcon& icon, void (TReversiForm::*handler)()) {
        QAction* a = menu->addAction(icon, text);
        a->setShortcut(key);
        a->setStatusTip(hint);
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        return a;
    };

    GameMenu = menuBar()->addMenu(QStringLiteral("&Game"));
    GameMenu->menuAction()->setStatusTip(QStringLiteral("New game / exit"));
    NewGameItem
        = item(GameMenu, QStringLiteral("&New"), Qt::Key_F2, QStringLiteral("Start new game"),
            MenuIcon("document-new", "ICON_NEW"), &TReversiForm::NewGameItemClick);
    HintItem = item(GameMenu, QStringLiteral("&Hint"), Qt::Key_F3, QStringLiteral("Display hint"),
        MenuIcon("help-hint", "ICON_HINT"), &TReversiForm::HintItemClick);
    OptionsItem
        = item(GameMenu, QStringLiteral("&Settings"), Qt::Key_F4, QStringLiteral("Game settings"),
            MenuIcon("preferences-system", "ICON_SETTINGS"), &TReversiForm::OptionsItemClick);
    GameMenu->addSeparator();
    ExitItem = item(GameMenu, QStringLiteral("E&xit"), QKeySequence(Qt::ALT | Qt::Key_X),
        QStringLiteral("Exit from game"), MenuIcon("application-exit", "ICON_EXIT"),
        &TReversiForm::ExitItemClick);

    NetMenu = menuBar()->addMenu(QStringLiteral("&Network"));
    NetMenu->menuAction()->setStatusTip(QStringLiteral("Network play"));
    NetMenuConnect
        = item(NetMenu, QStringLiteral("&Call"), Qt::Key_F5, QStringLiteral("Call remote player"),
            MenuIcon("call-start", "ICON_CALL"), &TReversiForm::NetMenuConnectClick);
    NetMenuListing = item(NetMenu, QStringLiteral("&Allow call"), QKeySequence(Qt::ALT | Qt::Key_L),
        QStringLiteral("Allow remote player to call you"), QIcon(),
        &TReversiForm::NetMenuListingClick);
    NetMenuListing->setCheckable(true);
    NetMenuListing->setChecked(true);
    NetMenuDisconnect = item(NetMenu, QStringLiteral("&Disconnect"),
        QKeySequence(Qt::CTRL | Qt::Key_F6), QStringLiteral("Disconnect"),
        MenuIcon("call-stop", "ICON_DISCONNECT"), &TReversiForm::NetMenuDisconnectClick);
    NetMenuDisconnect->setEnabled(false);
    NetMenu->addSeparator();
    NetMenuSendMessage
        = item(NetMenu, QStringLiteral("&Message"), Qt::Key_F7, QStringLiteral("Send message"),
            MenuIcon("mail-message-new", "ICON_MESSAGE"), &TReversiForm::NetMenuSendMessageClick);
    NetMenuSendMessage->setEnabled(false);

    MatchMenu = menuBar()->addMenu(QStringLiteral("&Match"));
    MatchMenu->menuAction()->setStatusTip(QStringLiteral("Undo / redo / save / load"));
    ListMenuUndoMove = item(MatchMenu, QStringLiteral("&Undo move"),
        QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("Undo last move"),
        MenuIcon("edit-undo", "ICON_UNDO"), &TReversiForm::ListMenuUndoMoveClick);
    ListMenuRedoMove = item(MatchMenu, QStringLiteral("&Redo move"),
        QKeySequence(Qt::CTRL | Qt::Key_X), QStringLiteral("Redo move"),
        MenuIcon("edit-redo", "ICON_REDO"), &TReversiForm::ListMenuRedoMoveClick);
    ListMenuUndoMove->setEnabled(false);
    ListMenuRedoMove->setEnabled(false);
    MatchMenu->addSeparator();
    ListMenuSave = item(MatchMenu, QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S),
        QStringLiteral("Save match"), MenuIcon("document-save", "ICON_SAVE"),
        &TReversiForm::ListMenuSaveClick);
    ListMenuLoad = item(MatchMenu, QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_L),
        QStringLiteral("Restore saved match"), MenuIcon("document-open", "ICON_OPEN"),
        &TReversiForm::ListMenuLoadClick);

    InfoMenu = menuBar()->addMenu(QStringLiteral("&Info"));
    InfoMenu->menuAction()->setStatusTip(QStringLiteral("Information"));
    RulersItem = item(InfoMenu, QStringLiteral("&Help"), Qt::Key_F1, QStringLiteral("Display help"),
        MenuIcon("help-contents", "ICON_HELP"), &TReversiForm::RulersItemClick);
    InfoMenu->addSeparator();
    AboutItem
        = item(InfoMenu, QStringLiteral("&About"), QKeySequence(), QStringLiteral("Display about"),
            MenuIcon("help-about", "ICON_ABOUT"), &TReversiForm::AboutItemClick);

    // However a menu closes (Esc too, which sends no empty hint), the three panels come back. The
    // menu bar shows its title's hint again as the menu goes, so the panels return just after.
    for (QMenu* menu : { GameMenu, NetMenu, MatchMenu, InfoMenu })
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, statusBar(), &QStatusBar::clearMessage);
        });
}

void TReversiForm::CreateStatusBar()
{
    // Three centred panels; while a menu item is highlighted its hint replaces them.
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    for (QLabel*& panel : Panels) {
        panel = new QLabel(bar);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
    }
}

void TReversiForm::ApplyBoardGeometry()
{
    const int side = BoardSize * CellSize + 44;
    BoardWidget->setFixedSize(side, side);
    AllocBackBuffer(side - 4, side - 4);
    BoardWidget->Surface.SetPicture(
        { BackBuffer.Pixels.data(), BackBuffer.Width, BackBuffer.Height });
}

void TReversiForm::SetPanels(const QString& turn, const QString& score, const QString& counter)
{
    Panels[0]->setText(turn);
    Panels[1]->setText(score);
    Panels[2]->setText(counter);
}

QString TReversiForm::PanelText(int panel) const { return Panels.at(panel)->text(); }

void TReversiForm::ShowError(const QString& title, const QString& message)
{
    QMessageBox::warning(isVisible() ? this : nullptr, title, message);
}

void TReversiForm::ExitItemClick() { close(); }

void TReversiForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TReversiForm::FormClose()
{
    CloseNetwork();
    Closing = true;
    RequestSearchStop();
    TrayIcon->hide();
    if (const std::string error = WriteNetSettings(); !error.empty())
        std::fprintf(stderr, "corvana: %s\n", error.c_str());
}

void TReversiForm::FormDestroy()
{
    if (Destroyed)
        return;
    Destroyed = true;
    if (const std::string error = WriteCallSettings(); !error.empty())
        std::fprintf(stderr, "corvana: %s\n", error.c_str());
    CancelSearch(); // the search thread must not outlive the window it reports to
    FreeGraphics();
    ResetGameRecord();
    StopSound();
}

void TReversiForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        MinimizeToTray();
}

void TReversiForm::MinimizeToTray()
{
    // Without a notification area the window minimises normally.
    if (!UseTray || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    TrayIcon->show();
    hide();
}

void TReversiForm::RestoreFromTray()
{
    showNormal();
    raise();
    activateWindow();
    TrayIcon->hide();
}

void TReversiForm::AboutItemClick() { ShowAboutBox(this); }

void TReversiForm::RulersItemClick()
{
    if (!RulersDlg)
        return;
    PlaceRulersDlg(*RulersDlg, *this, statusBar()->height());
    RulersDlg->exec();
}

void TReversiForm::OptionsItemClick()
{
    if (!SideDlg)
        return;
    EraseHoverMark();
    CentreOverMainWindow(*SideDlg, *this);
    SideDlg->exec();
    BoardWidget->repaint();

    Level = SideDlg->LevelBar->value();
    SoundOn = SideDlg->SoundCheck->isChecked();
    AnimationOn = SideDlg->AnimationCheck->isChecked();
    UseTray = SideDlg->TrayCheck->isChecked();
    ShowPreviousMove = SideDlg->PreviousMoveCheck->isChecked();
    ShowAvailableMoves = SideDlg->AvailableMovesCheck->isChecked();
    AdvancedEngine = SideDlg->EngineList->currentIndex() == 1;

    bool restart = false, reload = false;
    if (!NetworkGame) {
        const int computerSide = SideDlg->YellowButton->isChecked() ? SideGreen : SideYellow;
        const bool computer = SideDlg->ComputerButton->isChecked();
        restart = computerSide != ComputerSide || computer != OpponentIsComputer;
        ComputerSide = computerSide;
        OpponentIsComputer = computer;
    }
    const int oldFigureSet = FigureSet;
    FigureSet = SideDlg->FiguresList->currentIndex();
    const int size = SideDlg->Size8Button->isChecked() ? 8 : 10;
    if (size != BoardSize) {
        BoardSize = size;
        CellSize = CellSizeFor(size);
        HalfCell = HalfCellFor(size);
        restart = reload = true;
    }
    if (restart) {
        ResetGame();
        HoverCol = HoverRow = 0;
    }
    if (FigureSet != oldFigureSet) {
        RestFrame = RestFrameFor(FigureSet);
        reload = true;
    }
    if (reload)
        ReloadBoardGraphics();
    DrawBoard();
    BoardWidget->repaint();
    // In history mode the shown position is not played on until the player says so.
    if (!HistoryMode)
        MakeComputerMove();
    ShowHoverMark();
}
