// The main window: start-up (FormCreate in the constructor), shutdown, the tray, and the
// handlers the design names, each handing its work to the game session, the board view or the
// network session.
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "AboutWindow.h"
#include "AsyncTimer.h"
#include "BoardAccessible.h"
#include "BoardTracker.h"
#include "BoardView.h"
#include "DialogPlacement.h"
#include "Evaluation.h"
#include "GameFileDialogs.h"
#include "GameFlow.h"
#include "GameSession.h"
#include "MoveListWindow.h"
#include "NetProtocol.h"
#include "NetSession.h"
#include "NetSockets.h"
#include "NetState.h"
#include "ProgressPanel.h"
#include "ResourceIcon.h"
#include "RulesWindow.h"
#include "Search.h"
#include "SearchThread.h"
#include "Settings.h"
#include "SettingsDialog.h"
#include "Sound.h"
#include "SpriteStore.h"
#include "StatusPanels.h"
#include "WindowGameView.h"
#include "WindowNetHost.h"
#include "master/MasterEngine.h"

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
            tr("WARNING: You have less then 800 x 600 resolution!"));

    LoadSettings();
    RemoveTemporariesOfKilledCopies();

    InstallBoardAccessibility();
    BoardWidget = new BoardView(this);
    setCentralWidget(BoardWidget);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Items = BuildMainMenu(*this);
    Panels = std::make_unique<StatusPanels>(statusBar());
    GameHost = std::make_unique<WindowGameView>(*this);
    Game = std::make_unique<GameSession>(*GameHost);
    BoardWidget->OnClick = [this] { FormClick(); };
    BoardWidget->InputTaken = [this] { return !Game->HistoryMode() && Game->TakesInput(); };
    BoardWidget->OnKeySequence = [this] {
        if (!NetworkGame)
            QMessageBox::information(this, QStringLiteral("Corvana"),
                tr("Network game not in progress.\nFunction not work."));
        else
            SendToPeer(
                std::string(1, MsgBoardRequest)); // the answer shows in the remote board window
    };
    BoardWidget->HoldNetwork = [this](bool hold) {
        if (Net.NetEvents)
            hold ? Net.NetEvents->Hold() : Net.NetEvents->Release();
    };

    Moves = new MoveListWindow(this);
    Moves->OnJump = [this](int position) { Game->JumpTo(position); };
    Moves->OnClosed = [this] {
        Extras.ShowMoveList = false;
        Items.MoveListItem->setChecked(false);
    };
    connect(Items.GameMenu, &QMenu::aboutToShow, this, [this] { UpdateExtraItems(); });
    connect(Items.MatchMenu, &QMenu::aboutToShow, this, [this] { UpdateExtraItems(); });

    LoadingPanel = new TProgressPanel(BoardWidget, LoadTransparentBitmap("PACK_BMP"),
        QPoint(12, 12), LoadTransparentBitmap("PACK_TXT"), QPoint(65, 20));

    TrayIcon = new QSystemTrayIcon(windowIcon(), this);
    TrayIcon->setToolTip(QStringLiteral("Corvana"));
    connect(TrayIcon, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                RestoreFromTray();
        });

    FitBoard();
    auto loaded = LoadBorders();
    if (loaded)
        loaded = LoadDiscSheet(FigureSet, BoardSize == 10);
    if (!loaded)
        ShowError(QStringLiteral("Corvana"), QString::fromStdString(loaded.Failure().Message));
    ApplyBoardGeometry();
    Panels->SetWidths(BoardSize * BoardWidget->CellSize + 44);

    NetworkGame = false;
    Net.Host = std::make_unique<WindowNetHost>(*this);
    Net.Host->StartNetwork();

    ::NewGame();
    Panels->ShowTurn(TurnShown::Yellow);
    Panels->ShowScore(2, 2);
    Panels->ShowCounter(0, 0);
}

TReversiForm::~TReversiForm() { FormDestroy(); }

void TReversiForm::SetDialogs(
    TSideDlg* sideDlg, TFinalDlg* finalDlg, TChoice* choice, TRulersDlg* rulers)
{
    Dialogs.SideDlg = sideDlg;
    Dialogs.FinalDlg = finalDlg;
    Dialogs.Choice = choice;
    Dialogs.RulersDlg = rulers;
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
    UpdateExtraItems();
    if (Extras.ShowMoveList)
        ShowMoveList(true);
    // A game named on the command line opens as "Open..." opens it; otherwise the computer opens
    // the new game when it plays Yellow.
    if (gameFile.isEmpty() || !OpenGameFile(gameFile))
        MakeComputerMove();
}

// --- the game session ---

void TReversiForm::NewGameItemClick() { Game->NewGame(); }

void TReversiForm::FormClick()
{
    Game->Click(SquareIndex(BoardWidget->HoverCol, BoardWidget->HoverRow));
}

void TReversiForm::MakeComputerMove() { Game->MakeComputerMove(); }
int TReversiForm::SearchAndWait() { return Game->SearchAndWait(); }
void TReversiForm::FinishMove() { Game->FinishMove(); }
void TReversiForm::RefreshHistoryStatus() { Game->RefreshHistoryStatus(); }
void TReversiForm::UpdateMoveCounter() { Game->UpdateMoveCounter(); }
void TReversiForm::ListMenuUndoMoveClick() { Game->Undo(); }
void TReversiForm::ListMenuRedoMoveClick() { Game->Redo(); }
void TReversiForm::DisableUndoRedo() { Game->DisableUndoRedo(); }
void TReversiForm::UpdateUndoRedo() { Game->UpdateUndoRedo(); }
void TReversiForm::ApplyRemoteMove() { Game->ApplyRemoteMove(); }
void TReversiForm::StartNetworkGame() { Game->StartNetworkGame(); }
void TReversiForm::EndNetworkGame() { Game->EndNetworkGame(); }
bool TReversiForm::OpenGameFile(const QString& fileName)
{
    return Game->Open(fileName.toStdString());
}

void TReversiForm::ListMenuSaveClick()
{
    const std::string fileName = AskSaveGameFile(this);
    if (fileName.empty())
        return;
    ::Status saved = Game->Save(fileName, GgfDetailsNow());
    if (!saved && saved.Failure().Kind == ErrorKind::ReadOnly) {
        // The user protected the file: it is replaced only on their word.
        QMessageBox ask(QMessageBox::Question, QStringLiteral("Corvana"),
            tr("The file \"%1\" is read-only: replace it?")
                .arg(QString::fromStdString(BaseName(fileName))),
            QMessageBox::Yes | QMessageBox::No, this);
        ask.setDefaultButton(QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes)
            return;
        saved = Game->Save(fileName, GgfDetailsNow(), WriteProtection::Override);
    }
    if (!saved)
        ShowError(QStringLiteral("Corvana"),
            QString::fromStdString(saved.Failure().Message) + QStringLiteral("\n\n")
                + tr("Save the game elsewhere."));
}

void TReversiForm::ListMenuLoadClick()
{
    if (NetConnected) {
        if (!Net.Host->Question(tr("NETWORK: Do you want abort network game ?")))
            return;
        NetMenuDisconnectClick();
    }
    if (const std::string fileName = AskOpenGameFile(this); !fileName.empty())
        OpenGameFile(QString::fromStdString(fileName));
}

void TReversiForm::LockGameSettings()
{
    GameHost->NetworkGameLocked(true);
    DisableUndoRedo();
    UpdateExtraItems();
}

void TReversiForm::UnlockGameSettings()
{
    GameHost->NetworkGameLocked(false);
    UpdateUndoRedo();
    UpdateExtraItems();
}

// --- beyond the original ---

void TReversiForm::ResumeItemClick()
{
    if (NetConnected || !Extras.ResumeLastGame)
        return;
    Game->Resume(ResumeFile());
}

void TReversiForm::TakeBackItemClick() { Game->TakeBack(); }

void TReversiForm::CopyGameItemClick()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(Game->CopyGame()));
}

void TReversiForm::PasteGameItemClick()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (NetConnected) {
        if (!Net.Host->Question(tr("NETWORK: Do you want abort network game ?")))
            return;
        NetMenuDisconnectClick();
    }
    if (const ::Status pasted = PasteGame(text); !pasted)
        ShowError(tr("Paste game"),
            tr("The clipboard holds no game that can be played through: %1")
                .arg(QString::fromStdString(pasted.Failure().Message)));
}

::Status TReversiForm::PasteGame(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Game->PasteGame(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

void TReversiForm::MoveListItemClick() { ShowMoveList(Items.MoveListItem->isChecked()); }

void TReversiForm::ShowMoveList(bool show)
{
    Extras.ShowMoveList = show;
    Items.MoveListItem->setChecked(show);
    if (!show) {
        Moves->hide();
        return;
    }
    Moves->ShowRecord();
    if (!Moves->isVisible()) {
        // Beside the board, where it covers nothing of the window.
        Moves->move(frameGeometry().topRight() + QPoint(8, 0));
        Moves->resize(Moves->width(), std::max(Moves->height(), height()));
    }
    Moves->show();
}

// The items that are not the original's follow what can be done now.
void TReversiForm::UpdateExtraItems()
{
    Items.ResumeItem->setVisible(Extras.ResumeLastGame);
    Items.ResumeItem->setEnabled(Extras.ResumeLastGame && !NetConnected
        && QFileInfo::exists(QString::fromStdString(ResumeFile())));
    Items.TakeBackItem->setEnabled(Game->CanTakeBack());
    Items.MoveListItem->setChecked(Extras.ShowMoveList);
    Moves->SetNavigationEnabled(Game->CanJump());
}

void TReversiForm::ReloadBoardGraphics()
{
    const int statusHeight = statusBar()->height();
    const int clientWidth = BoardWidget->width();
    const int clientHeight = BoardWidget->height() + statusHeight;
    const QPoint panelAt((clientWidth - 200) / 2, (clientHeight - 60) / 2 - statusHeight / 2);

    // One panel at a time: a call being opened shows its panel again afterwards. Network events
    // wait meanwhile, so that no message arrives in the middle of the resizing.
    const bool connecting = Net.ConnectPanel && Net.ConnectPanel->isVisible();
    if (connecting)
        Net.ConnectPanel->Stop();
    if (Net.NetEvents)
        Net.NetEvents->Hold();
    // The worker gets the set and the size by value: it reads no setting of the main thread's.
    Result<PixelBlock> prepared = Error { ErrorKind::NotFound, "the disc sheet was not prepared" };
    const int figureSet = FigureSet;
    const bool large = BoardSize == 10;
    RunWithPanel(*LoadingPanel, panelAt,
        [&prepared, figureSet, large] { prepared = PrepareDiscSheet(figureSet, large); });
    if (prepared)
        InstallDiscSheet(std::move(prepared).Value());
    else
        ShowError(QStringLiteral("Corvana"), QString::fromStdString(prepared.Failure().Message));
    ApplyBoardGeometry();
    if (Net.NetEvents)
        Net.NetEvents->Release();
    Net.Host->RestartConnectPanelIfShown(connecting);
}

// --- the board ---

void TReversiForm::DrawBoard() { BoardWidget->DrawBoard(); }
void TReversiForm::ShowHoverMark() { BoardWidget->ShowHoverMark(); }
void TReversiForm::EraseHoverMark() { BoardWidget->EraseHoverMark(); }
void TReversiForm::RememberBoard() { BoardWidget->RememberBoard(); }
void TReversiForm::AnimateMove() { BoardWidget->AnimateMove(); }
void TReversiForm::StopMoveDisplay() { BoardWidget->StopMoveDisplay(); }
void TReversiForm::HelpMoveAsyncTimerTimer() { BoardWidget->MoveDisplayTick(); }
void TReversiForm::FormMouseMove(int x, int y) { BoardWidget->FormMouseMove(x, y); }
void TReversiForm::FormMouseDown(Qt::MouseButton button) { BoardWidget->FormMouseDown(button); }
void TReversiForm::FormKeyDown(int key) { BoardWidget->FormKeyDown(key); }
void TReversiForm::FormKeyPress(QChar c) { BoardWidget->FormKeyPress(c); }

void TReversiForm::HintItemClick()
{
    const std::optional<int> square = Game->Hint();
    if (!square)
        return;
    BoardWidget->HintPointerMoved = true;
    const int rw = RowWidth();
    BoardWidget->MovePointerToSquare((*square - rw - 1) / rw, (*square - rw - 1) % rw);
    PlaySoundResource("SOUND_HINT");
}

// --- the window ---

void TReversiForm::FitBoard() { BoardWidget->FitBoard(); }

void TReversiForm::ApplyBoardGeometry()
{
    const int side = BoardSize * BoardWidget->CellSize + 44;
    BoardWidget->setFixedSize(side, side);
    AllocBackBuffer(side - 4, side - 4);
    BoardWidget->Surface.SetPicture(
        { BackBuffer.Pixels.data(), BackBuffer.Width, BackBuffer.Height });
}

void TReversiForm::ShowError(const QString& title, const QString& message)
{
    QMessageBox::warning(isVisible() ? this : nullptr, title, message);
}

void TReversiForm::ExitItemClick() { close(); }

void TReversiForm::closeEvent(QCloseEvent* event)
{
    // What is kept for next time is written while the window is still there to say it failed.
    if (!Closing && !KeepForNextTime()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TReversiForm::KeepForNextTime()
{
    QStringList failures;
    auto failed = [&failures](const ::Status& status) {
        const std::string& message = status.Failure().Message;
        std::fprintf(stderr, "corvana: %s\n", message.c_str());
        failures << QString::fromStdString(message);
    };
    if (!ExitSettingsDone) {
        if (const ::Status written = WriteSettingsAtExit(ShownSettings()); written)
            ExitSettingsDone = true;
        else
            failed(written);
    }
    if (Extras.ResumeLastGame)
        if (const ::Status kept = Game->KeepForResume(ResumeFile()); !kept)
            failed(kept);
    if (failures.isEmpty())
        return true;

    // Said once, before the window goes: a player who started from the desktop sees no stderr.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Corvana"),
        tr("Corvana could not keep everything for next time."), QMessageBox::NoButton,
        isVisible() ? this : nullptr);
    box.setInformativeText(failures.join(QStringLiteral("\n\n")));
    QPushButton* quit = box.addButton(tr("&Quit anyway"), QMessageBox::AcceptRole);
    QPushButton* stay = box.addButton(tr("&Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(quit);
    box.setEscapeButton(stay);
    box.exec();
    if (box.clickedButton() == stay)
        return false;
    ExitSettingsDone = true; // nothing more is tried, or said, on the way out
    return true;
}

GameSettings TReversiForm::ShownSettings() const
{
    return Dialogs.SideDlg ? Dialogs.SideDlg->Values() : CurrentSettings();
}

void TReversiForm::FormClose()
{
    Net.Host->StopNetwork();
    Closing = true;
    RequestSearchStop();
    TrayIcon->hide();
}

void TReversiForm::FormDestroy()
{
    if (Destroyed)
        return;
    Destroyed = true;
    // A window destroyed without being closed still leaves the settings behind it.
    if (!ExitSettingsDone) {
        ExitSettingsDone = true;
        if (const ::Status written = WriteSettingsAtExit(ShownSettings()); !written)
            std::fprintf(stderr, "corvana: %s\n", written.Failure().Message.c_str());
    }
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
    if (!Dialogs.RulersDlg)
        return;
    PlaceRulersDlg(*Dialogs.RulersDlg, *this, statusBar()->height());
    Dialogs.RulersDlg->exec();
}

void TReversiForm::OptionsItemClick()
{
    if (!Dialogs.SideDlg)
        return;
    EraseHoverMark();
    CentreOverMainWindow(*Dialogs.SideDlg, *this);
    Dialogs.SideDlg->exec();
    BoardWidget->repaint();

    const GameSettings chosen = Dialogs.SideDlg->Values();
    Level = chosen.Level;
    SoundOn = chosen.SoundOn;
    AnimationOn = chosen.AnimationOn;
    UseTray = chosen.UseTray;
    ShowPreviousMove = chosen.ShowPreviousMove;
    ShowAvailableMoves = chosen.ShowAvailableMoves;
    master::SelectEngine(chosen.Engine); // the settings item is off while the computer thinks
    Extras = chosen.Extra; // the board is drawn again below, markers and all
    ShowMoveList(Extras.ShowMoveList);
    UpdateExtraItems();

    bool restart = false, reload = false;
    if (!NetworkGame) {
        restart = chosen.ComputerSide != ComputerSide
            || chosen.OpponentIsComputer != OpponentIsComputer;
        ComputerSide = chosen.ComputerSide;
        OpponentIsComputer = chosen.OpponentIsComputer;
    }
    const int oldFigureSet = FigureSet;
    FigureSet = chosen.FigureSet;
    if (chosen.BoardSize != BoardSize) {
        BoardSize = chosen.BoardSize;
        FitBoard();
        restart = reload = true;
    }
    if (restart) {
        Game->ResetGame();
        BoardWidget->MoveHoverHome();
    }
    if (FigureSet != oldFigureSet) {
        FitBoard();
        reload = true;
    }
    if (reload)
        ReloadBoardGraphics();
    DrawBoard();
    BoardWidget->repaint();
    // In history mode the shown position is not played on until the player says so.
    if (!Game->HistoryMode())
        MakeComputerMove();
    ShowHoverMark();
}
