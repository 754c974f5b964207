// The main window: start-up (FormCreate in the constructor), shutdown, the tray, and the
// handlers the design names, each handing its work to the game session, the board view or the
// network session.
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "AboutWindow.h"
#include "AsyncTimer.h"
#include "BoardAccessible.h"
#include "BoardGraphics.h"
#include "BoardTracker.h"
#include "BoardView.h"
#include "ChoiceDialog.h"
#include "DialogPlacement.h"
#include "Evaluation.h"
#include "GameFileDialogs.h"
#include "GameFlow.h"
#include "GameReviewPanel.h"
#include "GameSession.h"
#include "MoveListWindow.h"
#include "MoveValueWatch.h"
#include "NetProtocol.h"
#include "NetSession.h"
#include "NetSockets.h"
#include "NetState.h"
#include "PositionEditor.h"
#include "ProgressPanel.h"
#include "ReasonText.h"
#include "ResourceIcon.h"
#include "ResultDialog.h"
#include "ReviewGameDialog.h"
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
    // The window opens at the size the design gives it and grows as the player likes: the board
    // is drawn at the size it is given.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
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
    Items = BuildMainMenu(*this);
    Panels = std::make_unique<StatusPanels>(statusBar());
    Moves = new MoveListWindow(this);
    addDockWidget(Qt::RightDockWidgetArea, Moves);
    Moves->hide();
    GameHost = std::make_unique<WindowGameView>(GameViewParts {
        *this,
        *BoardWidget,
        *Panels,
        Items,
        Dialogs,
        *Moves,
        [this] {
            FitBoard();
            BoardWidget->Present();
            ReloadBoardGraphics();
        },
        [this] { UpdateExtraItems(); },
        [this] { return Closing; },
        [this] { ShowEditor(false); },
        [this] { StopMoveValues(); },
        [this] {
            KeepReviewCurrent();
            RefreshMoveValues();
        },
    });
    Game = std::make_unique<GameSession>(*GameHost);
    BoardWidget->OnClick = [this] { FormClick(); };
    BoardWidget->InputTaken
        = [this] { return Game->Editing() || (!Game->HistoryMode() && Game->TakesInput()); };
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

    Values = new MoveValueWatch(this);
    Values->OnValues = [this](const master::MoveAnalysis& analysis) {
        std::vector<BoardView::ShownValue> shown;
        for (const master::MoveValue& move : analysis.Moves)
            shown.push_back({ Square::AtIndex(BoardSize, move.Move),
                int(std::lround(move.Value / 100.0)), move.Exact, shown.empty() });
        BoardWidget->ShowMoveValues(std::move(shown));
    };
    // A dialog that opens stops the analysis: the player is not thinking about the board then.
    qApp->installEventFilter(this);
    Reviewed = new GameReviewPanel(this);
    addDockWidget(Qt::RightDockWidgetArea, Reviewed);
    Reviewed->hide();
    Reviewed->OnJump = [this](int position) { Game->JumpTo(position); };
    Reviewed->OnClosed = [this] {
        ReviewedMoves.clear();
        Moves->ShowMarks({});
    };
    Editor = new PositionEditor(this);
    addDockWidget(Qt::LeftDockWidgetArea, Editor);
    Editor->hide();
    Editor->OnChanged = [this](const GamePosition& position) {
        BoardStack[0] = position.Cells;
        SideToMove = position.SideToMove;
        GameHost->PositionChanged(true);
        GameHost->TurnChanged(
            position.SideToMove == SideGreen ? TurnShown::Green : TurnShown::Yellow);
    };
    Editor->OnPlay = [this] { PlayFromEditedPosition(); };
    Editor->OnCancel = [this] {
        ShowEditor(false);
        Game->EndEditing();
    };
    Moves->OnJump = [this](int position) { Game->JumpTo(position); };
    Moves->OnClosed = [this] { ShowMoveList(false); };
    BoardWidget->OnNavigationKey
        = [this](int key) { return Moves->isVisible() && Moves->Navigate(key); };
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

    Graphics = std::make_unique<BoardGraphics>(
        [this](const std::function<void()>& work) { RunWithLoadingPanel(work); });
    BoardWidget->OnLayoutWanted = [this] { RefitBoard(); };
    BoardWidget->BeforeAnimation = [this] {
        Graphics->CompleteSheet();
        if (RefitPending)
            QTimer::singleShot(0, this, [this] { RefitBoard(); });
    };
    FitBoard();
    // No loading window here: the window is not shown yet.
    if (const ::Status loaded
        = Graphics->Load(BoardWidget->Geometry(), FigureSet, BoardGraphics::Wait::Quietly);
        !loaded)
        ShowError(QStringLiteral("Corvana"), Translated(loaded.Failure()));
    ApplyBoardGeometry();
    Panels->SetWidths(BoardWidget->FirstSize().width());

    NetworkGame = false;
    Net.Host = std::make_unique<WindowNetHost>(
        NetHostParts { *this, Net, Items, Dialogs, *BoardWidget, *Game, *TrayIcon });
    Game->SetPeer(Net.Host.get());
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
    PlaceOnScreen();
    statusBar()->repaint();
    DrawBoard();
    BoardWidget->repaint();
    UpdateExtraItems();
    // A game named on the command line opens as "Open..." opens it; otherwise the computer opens
    // the new game when it plays Yellow.
    if (gameFile.isEmpty() || !OpenGameFile(gameFile))
        MakeComputerMove();
    RefreshMoveValues();
}

// --- the game session ---

void TReversiForm::NewGameItemClick() { Game->NewGame(); }

void TReversiForm::FormClick()
{
    if (Game->Editing())
        Editor->Cycle(BoardWidget->HoverSquare());
    else
        Game->Click(BoardWidget->HoverSquare());
}

void TReversiForm::MakeComputerMove() { Game->MakeComputerMove(); }
int TReversiForm::SearchAndWait() { return Game->SearchAndWait(); }
void TReversiForm::FinishMove() { Game->FinishMove(); }
void TReversiForm::RefreshHistoryStatus() { Game->RefreshHistoryStatus(); }
void TReversiForm::UpdateMoveCounter() { GameHost->ShowMoveCounter(); }
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
    if (const std::string fileName = AskSaveGameFile(this); !fileName.empty())
        SaveGameTo(fileName);
}

void TReversiForm::SaveGameTo(const std::string& fileName)
{
    GgfDetails details = GgfDetailsNow();
    // A reviewed game keeps the review's values as comments (GGF only).
    KeepReviewCurrent();
    if (!ReviewedMoves.empty()) {
        details.MoveComments = master::ReviewComments(Reviewed->Review(), Game->Written());
    }
    ::Status saved = Game->Save(fileName, details);
    if (!saved && saved.Failure().Kind == ErrorKind::ReadOnly) {
        // The user protected the file: it is replaced only on their word.
        QMessageBox ask(QMessageBox::Question, QStringLiteral("Corvana"),
            tr("The file \"%1\" is read-only: replace it?")
                .arg(QString::fromStdString(BaseName(fileName))),
            QMessageBox::Yes | QMessageBox::No, this);
        ask.setDefaultButton(QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes)
            return;
        saved = Game->Save(fileName, details, WriteProtection::Override);
    }
    if (!saved)
        ShowError(QStringLiteral("Corvana"),
            Translated(saved.Failure()) + QStringLiteral("\n\n") + tr("Save the game elsewhere."));
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
    GameHost->LockGameSettings(true);
    DisableUndoRedo();
    UpdateExtraItems();
}

void TReversiForm::UnlockGameSettings()
{
    GameHost->LockGameSettings(false);
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
void TReversiForm::MoveNowItemClick() { Game->MoveNow(); }

void TReversiForm::SetUpPositionItemClick()
{
    if (NetConnected || Game->Editing())
        return;
    Game->BeginEditing();
    Editor->Begin(PositionToMove(BoardSize, BoardStack[0], SideToMove), OpponentIsComputer);
    ShowEditor(true);
}

void TReversiForm::PlayFromEditedPosition()
{
    const GamePosition position = Editor->Position();
    if (const ::Status playable = Game->CanPlayFrom(position); !playable) {
        QString why = Translated(playable.Failure());
        if (!why.isEmpty())
            why[0] = why[0].toUpper(); // a sentence of its own in the panel
        Editor->ShowRefusal(why);
        return;
    }
    OpponentIsComputer = Editor->AgainstComputer();
    ShowEditor(false);
    if (const ::Status played = Game->PlayFrom(position); !played)
        ShowError(tr("Set up position"), Translated(played.Failure()));
}

void TReversiForm::ReviewGameItemClick()
{
    if (NetConnected || !Game->CanJump())
        return;
    if (GameRecord->Count == 0) {
        QMessageBox::information(
            this, tr("Review game"), tr("The game has no moves yet: there is nothing to review."));
        return;
    }
    StopMoveValues();
    ReviewGameDialog dialog(this, Game->Written());
    CentreOverMainWindow(dialog, *this);
    // A network game may begin while the dialog is open: the review is of the game before it.
    const GameGuard guard(*Game);
    if (dialog.exec() == QDialog::Accepted && dialog.Review() && !guard.Changed())
        ShowReview(*dialog.Review());
    RefreshMoveValues();
}

void TReversiForm::ShowReview(const master::GameReview& review)
{
    ReviewedMoves.clear();
    for (int i = 0; i < GameRecord->Count; ++i)
        ReviewedMoves.push_back(GameRecord->Entries[std::size_t(i)].Move);
    Reviewed->ShowReview(review);
    Reviewed->ShowPosition(GameRecord->Current);
    std::vector<MoveListWindow::Mark> marks(std::size_t(GameRecord->Count));
    for (const master::ReviewedMove& move : review.Moves)
        if (move.Number >= 1 && move.Number <= GameRecord->Count)
            marks[std::size_t(move.Number - 1)] = { move.Judged == master::Verdict::Blunder ? 2
                    : move.Judged == master::Verdict::Mistake                               ? 1
                                                                                            : 0,
                QString::fromStdString(master::ReviewLine(move, review.Size)) };
    Moves->ShowMarks(std::move(marks));
    ShowBesideBoard(*Reviewed, true);
}

void TReversiForm::KeepReviewCurrent()
{
    if (ReviewedMoves.empty())
        return;
    bool same = int(ReviewedMoves.size()) == GameRecord->Count;
    for (int i = 0; same && i < GameRecord->Count; ++i)
        same = ReviewedMoves[std::size_t(i)] == GameRecord->Entries[std::size_t(i)].Move;
    if (same) {
        Reviewed->ShowPosition(GameRecord->Current);
        return;
    }
    ReviewedMoves.clear();
    Moves->ShowMarks({});
    ShowBesideBoard(*Reviewed, false);
}

void TReversiForm::RefreshMoveValues()
{
    const bool wanted = Extras.ShowMoveValues && isVisible() && !isMinimized() && !Closing
        && !NetworkGame && !GameOver && !Game->Editing() && !Game->HistoryMode()
        && Game->TakesInput() && !(OpponentIsComputer && SideToMove == ComputerSide)
        && !QApplication::activeModalWidget();
    if (!wanted) {
        StopMoveValues();
        return;
    }
    if (Values->Running() && Values->StartedFor() == Game->Stamp())
        return;
    Values->Start(BoardStack[0], BoardSize, SideToMove, Game->Stamp());
}

void TReversiForm::StopMoveValues()
{
    Values->Stop();
    BoardWidget->ShowMoveValues({});
}

bool TReversiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->isWindow() && static_cast<QWidget*>(watched)->isModal()
        && Values->Running())
        StopMoveValues();
    return QMainWindow::eventFilter(watched, event);
}

void TReversiForm::ShowEditor(bool show)
{
    if (show == Editor->isVisibleTo(this))
        return;
    if (show) {
        // What would change the game waits; the window, the help and the move list stay.
        const QList<QAction*> kept { Items.ExitItem, Items.FullScreenItem, Items.MoveListItem };
        for (QMenu* menu : { Items.GameMenu, Items.NetMenu, Items.MatchMenu })
            for (QAction* action : menu->actions())
                if (action->isEnabled() && !action->isSeparator() && !kept.contains(action)) {
                    action->setEnabled(false);
                    TakenByEditor << action;
                }
        StopMoveValues();
        ShowBesideBoard(*Editor, true);
        BoardWidget->setFocus();
    } else {
        for (const QPointer<QAction>& action : std::as_const(TakenByEditor))
            if (action)
                action->setEnabled(true);
        TakenByEditor.clear();
        ShowBesideBoard(*Editor, false);
        UpdateExtraItems();
    }
}

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
                .arg(Translated(pasted.Failure())));
}

::Status TReversiForm::PasteGame(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Game->PasteGame(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

void TReversiForm::MoveListItemClick() { ShowMoveList(Items.MoveListItem->isChecked()); }

void TReversiForm::ShowMoveList(bool show, bool grow)
{
    Extras.ShowMoveList = show;
    Items.MoveListItem->setChecked(show);
    // The settings' checkbox says what the window shows, so that Ok keeps it so.
    if (Dialogs.SideDlg)
        Dialogs.SideDlg->MoveListCheck->setChecked(show);
    if (show)
        Moves->ShowRecord();
    ShowBesideBoard(*Moves, show, grow);
}

void TReversiForm::ShowBesideBoard(QDockWidget& panel, bool show, bool grow)
{
    if (show == panel.isVisibleTo(this))
        return;
    const bool ownSize
        = grow && isVisible() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    // The room the panel takes (or gives back) is what the board loses (or gains) when the
    // window's layout places it; the panel keeps its width while the window grows by that.
    const int before = BoardWidget->width();
    panel.setVisible(show);
    if (ownSize) {
        layout()->activate();
        const int panelWidth = panel.width();
        resize(width() + before - BoardWidget->width(), height());
        if (show)
            resizeDocks({ &panel }, { panelWidth }, Qt::Horizontal);
        KeepOnScreen();
    }
}

int TReversiForm::MoveListRoom() const
{
    return Moves->sizeHint().width()
        + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
}

void TReversiForm::FullScreenItemClick()
{
    if (isFullScreen()) {
        if (MaximizedUnderFullScreen)
            showMaximized();
        else
            showNormal();
    } else {
        MaximizedUnderFullScreen = isMaximized();
        showFullScreen();
    }
    Items.FullScreenItem->setChecked(isFullScreen());
}

// The items that are not the original's follow what can be done now.
void TReversiForm::UpdateExtraItems()
{
    Items.ResumeItem->setVisible(Extras.ResumeLastGame);
    Items.ResumeItem->setEnabled(Extras.ResumeLastGame && !NetConnected && !Game->Editing()
        && QFileInfo::exists(QString::fromStdString(ResumeFile())));
    Items.SetUpPositionItem->setEnabled(!NetConnected && !Game->Editing());
    Items.ReviewGameItem->setEnabled(!NetConnected && Game->CanJump() && GameRecord->Count > 0);
    Items.TakeBackItem->setEnabled(Game->CanTakeBack());
    Items.MoveNowItem->setEnabled(Game->CanMoveNow());
    Items.MoveListItem->setChecked(Extras.ShowMoveList);
    Items.FullScreenItem->setChecked(isFullScreen());
    Moves->SetNavigationEnabled(Game->CanJump());
    RefreshMoveValues();
}

void TReversiForm::ReloadBoardGraphics()
{
    if (const ::Status loaded
        = Graphics->Load(BoardWidget->Geometry(), FigureSet, BoardGraphics::Wait::Panel);
        !loaded)
        ShowError(QStringLiteral("Corvana"), Translated(loaded.Failure()));
    ApplyBoardGeometry();
    if (RefitPending)
        QTimer::singleShot(0, this, [this] { RefitBoard(); });
}

void TReversiForm::RunWithLoadingPanel(const std::function<void()>& work)
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
    // The work gets what it needs by value: it reads no setting of the main thread's.
    RunWithPanel(*LoadingPanel, panelAt, work);
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
    // With the move values on, what they found is the hint: at once, and the same as shown.
    std::optional<Square> square;
    if (Values->Running() && Values->LatestStamp() == Game->Stamp()
        && !Values->Latest().Moves.empty())
        square = Square::AtIndex(BoardSize, Values->Latest().Moves.front().Move);
    else
        square = Game->Hint();
    if (!square)
        return;
    BoardWidget->HintPointerMoved = true;
    BoardWidget->MovePointerToSquare(*square);
    PlaySoundResource("SOUND_HINT");
}

// --- the window ---

void TReversiForm::FitBoard()
{
    // A board at its first size keeps to the first size of the new board size: the window grows
    // or shrinks by the difference (the move list beside it or not), and the board is fitted to
    // that size at once.
    const QSize first = BoardWidget->FirstSize();
    BoardWidget->updateGeometry();
    if (isVisible() && FirstBoardSize.isValid() && first != FirstBoardSize
        && BoardWidget->size() == FirstBoardSize && windowState() == Qt::WindowNoState) {
        const QSize grow = first - FirstBoardSize;
        FirstBoardSize = first;
        FirstWindowSize += grow;
        resize(size() + grow);
        BoardWidget->FitBoard(first);
        return;
    }
    FirstBoardSize = first;
    BoardWidget->FitBoard();
}

void TReversiForm::RefitBoard()
{
    if (Closing)
        return;
    if (Graphics->Busy()) {
        RefitPending = true;
        return;
    }
    RefitPending = false;
    if (!BoardWidget->FitBoard()) {
        BoardWidget->update(); // the board may only have moved to stay centred
        return;
    }
    if (const ::Status loaded
        = Graphics->Load(BoardWidget->Geometry(), FigureSet, BoardGraphics::Wait::PanelWhenSlow);
        !loaded)
        ShowError(QStringLiteral("Corvana"), Translated(loaded.Failure()));
    ApplyBoardGeometry();
    DrawBoard();
    BoardWidget->repaint();
    ShowHoverMark();
    if (RefitPending)
        QTimer::singleShot(0, this, [this] { RefitBoard(); });
}

void TReversiForm::ApplyBoardGeometry()
{
    const int side = BoardWidget->Geometry().BackSize();
    AllocBackBuffer(side, side);
    BoardWidget->Surface.SetPicture(
        { BackBuffer.Pixels.data(), BackBuffer.Width, BackBuffer.Height });
}

void TReversiForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (Panels && BoardWidget)
        Panels->SetWidths(width(), width() == BoardWidget->FirstSize().width());
    if (isVisible() && windowState() == Qt::WindowNoState)
        NormalSize = size();
}

void TReversiForm::PlaceOnScreen()
{
    // The design's size (adjustSize would keep the window within two thirds of the screen).
    resize(sizeHint());
    FirstWindowSize = size();
    const bool remembered = Extras.WindowWidth > 0 && Extras.WindowHeight > 0;
    QSize wanted = remembered ? QSize(Extras.WindowWidth, Extras.WindowHeight) : size();
    if (Extras.ShowMoveList) {
        ShowMoveList(true, false);
        if (!remembered)
            wanted.rwidth() += MoveListRoom();
    }
    wanted = wanted.expandedTo(minimumSizeHint());
    // The window opens on the primary screen, all of it on the screen's free area.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        wanted = wanted.boundedTo(room.size() - frame);
        resize(wanted);
        move(room.topLeft()
            + QPoint((room.width() - wanted.width() - frame.width()) / 2,
                (room.height() - wanted.height() - frame.height()) / 2));
    }
    NormalSize = size();
    if (Extras.FullScreen) {
        MaximizedUnderFullScreen = Extras.Maximized;
        showFullScreen();
    } else if (Extras.Maximized) {
        showMaximized();
    } else {
        show();
        // The frame round the window is known once it is shown.
        KeepOnScreen();
        QTimer::singleShot(0, this, [this] { KeepOnScreen(); });
    }
}

void TReversiForm::KeepOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    QRect frame = frameGeometry();
    const QSize border = frame.size() - size();
    if (frame.width() > room.width() || frame.height() > room.height())
        resize(std::min(width(), room.width() - border.width()),
            std::min(height(), room.height() - border.height()));
    frame = frameGeometry();
    QPoint at = frame.topLeft();
    at.setX(
        std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - frame.width())));
    at.setY(
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height())));
    if (at != frame.topLeft())
        move(at);
}

void TReversiForm::RememberPlacement()
{
    const bool ownSize = NormalSize.isValid() && NormalSize != FirstWindowSize;
    Extras.WindowWidth = ownSize ? NormalSize.width() : 0;
    Extras.WindowHeight = ownSize ? NormalSize.height() : 0;
    Extras.FullScreen = isFullScreen();
    Extras.Maximized = isFullScreen() ? MaximizedUnderFullScreen : isMaximized();
}

void TReversiForm::ShowError(const QString& title, const QString& message)
{
    QMessageBox::warning(isVisible() ? this : nullptr, title, message);
}

void TReversiForm::ExitItemClick() { close(); }

void TReversiForm::closeEvent(QCloseEvent* event)
{
    StopMoveValues();
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
        std::fprintf(stderr, "corvana: %s\n", status.Failure().Message.c_str());
        failures << Translated(status.Failure());
    };
    if (!ExitSettingsDone) {
        RememberPlacement();
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
        RememberPlacement();
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
    // Back from a dialog or another window: the move values go on.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] { RefreshMoveValues(); });
}

void TReversiForm::MinimizeToTray()
{
    StopMoveValues(); // nobody is looking at the board
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
    TRulersDlg* help = Dialogs.RulersDlg;
    if (!help)
        return;
    // A window of its own beside the game, which goes on meanwhile: read while playing. Once
    // open, F1 brings it to the front where the player left it.
    if (!help->isVisible()) {
        PlaceRulersDlg(*help, *this, statusBar()->height());
        if (const QScreen* screen = this->screen())
            if (const std::optional<QPoint> beside = BesideOf(
                    frameGeometry(), help->frameGeometry().size(), screen->availableGeometry()))
                help->move(*beside);
        help->show();
    }
    help->raise();
    help->activateWindow();
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
    if (FigureSet != oldFigureSet) {
        FitBoard();
        reload = true;
    }
    if (reload)
        ReloadBoardGraphics();
    // The new game is shown with the pictures of its size and set.
    if (restart) {
        Game->ResetGame();
        BoardWidget->MoveHoverHome();
    }
    DrawBoard();
    BoardWidget->repaint();
    // In history mode the shown position is not played on until the player says so.
    if (!Game->HistoryMode())
        MakeComputerMove();
    ShowHoverMark();
    RefreshMoveValues();
}
