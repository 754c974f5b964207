// The menu bar's items as the design lists them.
#include "MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "MainWindow.h"
#include "ResourceIcon.h"

namespace {

// A menu icon: the desktop theme's when it has one, else the program's own at 16 and 32 pixels.
QIcon MenuIcon(const char* themeName, const char* resourceName)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), ResourceIcon(resourceName));
}

} // namespace

MainMenu BuildMainMenu(TReversiForm& form)
{
    MainMenu m;
    QMenuBar* bar = form.menuBar();
    auto item = [&form](QMenu* menu, const QString& text, const QKeySequence& key,
                    const QString& hint, const QIcon& icon, void (TReversiForm::*handler)()) {
        QAction* a = menu->addAction(icon, text);
        a->setShortcut(key);
        a->setStatusTip(hint);
        if (handler)
            QObject::connect(a, &QAction::triggered, &form, handler);
        return a;
    };

    m.GameMenu = bar->addMenu(TReversiForm::tr("&Game"));
    m.GameMenu->menuAction()->setStatusTip(TReversiForm::tr("New game / exit"));
    m.NewGameItem
        = item(m.GameMenu, TReversiForm::tr("&New"), Qt::Key_F2, TReversiForm::tr("Start new game"),
            MenuIcon("document-new", "ICON_NEW"), &TReversiForm::NewGameItemClick);
    m.HintItem
        = item(m.GameMenu, TReversiForm::tr("&Hint"), Qt::Key_F3, TReversiForm::tr("Display hint"),
            MenuIcon("help-hint", "ICON_HINT"), &TReversiForm::HintItemClick);
    m.OptionsItem = item(m.GameMenu, TReversiForm::tr("&Settings"), Qt::Key_F4,
        TReversiForm::tr("Game settings"), MenuIcon("preferences-system", "ICON_SETTINGS"),
        &TReversiForm::OptionsItemClick);
    m.GameMenu->addSeparator();
    m.ExitItem = item(m.GameMenu, TReversiForm::tr("E&xit"), QKeySequence(Qt::ALT | Qt::Key_X),
        TReversiForm::tr("Exit from game"), MenuIcon("application-exit", "ICON_EXIT"),
        &TReversiForm::ExitItemClick);

    // Beyond the original: after its items, so that they keep their places.
    m.GameMenu->addSeparator();
    m.ResumeItem = item(m.GameMenu, TReversiForm::tr("&Resume last game"), QKeySequence(),
        TReversiForm::tr("Play on the game left unfinished at the last exit"),
        MenuIcon("document-open-recent", "ICON_OPEN"), &TReversiForm::ResumeItemClick);
    m.FullScreenItem = item(m.GameMenu, TReversiForm::tr("&Full screen"), QKeySequence(Qt::Key_F11),
        TReversiForm::tr("Show the board on the whole screen"),
        QIcon::fromTheme(QStringLiteral("view-fullscreen")), &TReversiForm::FullScreenItemClick);
    m.FullScreenItem->setCheckable(true);
    m.MoveNowItem = item(m.GameMenu, TReversiForm::tr("&Move now"), QKeySequence(Qt::Key_Escape),
        TReversiForm::tr("The computer plays the best move it has found so far"),
        QIcon::fromTheme(QStringLiteral("media-skip-forward")), &TReversiForm::MoveNowItemClick);
    m.MoveNowItem->setEnabled(false);

    m.NetMenu = bar->addMenu(TReversiForm::tr("&Network"));
    m.NetMenu->menuAction()->setStatusTip(TReversiForm::tr("Network play"));
    m.NetMenuConnect = item(m.NetMenu, TReversiForm::tr("&Call"), Qt::Key_F5,
        TReversiForm::tr("Call remote player"), MenuIcon("call-start", "ICON_CALL"),
        &TReversiForm::NetMenuConnectClick);
    m.NetMenuListing = item(m.NetMenu, TReversiForm::tr("&Allow call"),
        QKeySequence(Qt::ALT | Qt::Key_L), TReversiForm::tr("Allow remote player to call you"),
        QIcon(), &TReversiForm::NetMenuListingClick);
    m.NetMenuListing->setCheckable(true);
    m.NetMenuListing->setChecked(true);
    m.NetMenuDisconnect = item(m.NetMenu, TReversiForm::tr("&Disconnect"),
        QKeySequence(Qt::CTRL | Qt::Key_F6), TReversiForm::tr("Disconnect"),
        MenuIcon("call-stop", "ICON_DISCONNECT"), &TReversiForm::NetMenuDisconnectClick);
    m.NetMenuDisconnect->setEnabled(false);
    m.NetMenu->addSeparator();
    m.NetMenuSendMessage = item(m.NetMenu, TReversiForm::tr("&Message"), Qt::Key_F7,
        TReversiForm::tr("Send message"), MenuIcon("mail-message-new", "ICON_MESSAGE"),
        &TReversiForm::NetMenuSendMessageClick);
    m.NetMenuSendMessage->setEnabled(false);

    m.MatchMenu = bar->addMenu(TReversiForm::tr("&Match"));
    m.MatchMenu->menuAction()->setStatusTip(TReversiForm::tr("Undo / redo / save / load"));
    m.ListMenuUndoMove = item(m.MatchMenu, TReversiForm::tr("&Undo move"),
        QKeySequence(Qt::CTRL | Qt::Key_Z), TReversiForm::tr("Undo last move"),
        MenuIcon("edit-undo", "ICON_UNDO"), &TReversiForm::ListMenuUndoMoveClick);
    m.ListMenuRedoMove = item(m.MatchMenu, TReversiForm::tr("&Redo move"),
        QKeySequence(Qt::CTRL | Qt::Key_X), TReversiForm::tr("Redo move"),
        MenuIcon("edit-redo", "ICON_REDO"), &TReversiForm::ListMenuRedoMoveClick);
    m.ListMenuUndoMove->setEnabled(false);
    m.ListMenuRedoMove->setEnabled(false);
    m.MatchMenu->addSeparator();
    m.ListMenuSave = item(m.MatchMenu, TReversiForm::tr("&Save..."),
        QKeySequence(Qt::CTRL | Qt::Key_S), TReversiForm::tr("Save match"),
        MenuIcon("document-save", "ICON_SAVE"), &TReversiForm::ListMenuSaveClick);
    m.ListMenuLoad = item(m.MatchMenu, TReversiForm::tr("&Open..."),
        QKeySequence(Qt::CTRL | Qt::Key_L), TReversiForm::tr("Restore saved match"),
        MenuIcon("document-open", "ICON_OPEN"), &TReversiForm::ListMenuLoadClick);

    // Beyond the original: after its items.
    m.MatchMenu->addSeparator();
    m.TakeBackItem = item(m.MatchMenu, TReversiForm::tr("&Take back move"),
        QKeySequence(Qt::Key_Backspace), TReversiForm::tr("Take back your last move"),
        MenuIcon("edit-undo", "ICON_UNDO"), &TReversiForm::TakeBackItemClick);
    m.MoveListItem = item(m.MatchMenu, TReversiForm::tr("Move &list"), QKeySequence(Qt::Key_F8),
        TReversiForm::tr("Show the moves of the game"), QIcon(), &TReversiForm::MoveListItemClick);
    m.MoveListItem->setCheckable(true);
    m.MatchMenu->addSeparator();
    m.CopyGameItem
        = item(m.MatchMenu, TReversiForm::tr("&Copy game"), QKeySequence(Qt::CTRL | Qt::Key_C),
            TReversiForm::tr("Copy the moves of the game as a transcript"),
            QIcon::fromTheme(QStringLiteral("edit-copy")), &TReversiForm::CopyGameItemClick);
    m.PasteGameItem
        = item(m.MatchMenu, TReversiForm::tr("&Paste game"), QKeySequence(Qt::CTRL | Qt::Key_V),
            TReversiForm::tr("Open a transcript or GGF game from the clipboard"),
            QIcon::fromTheme(QStringLiteral("edit-paste")), &TReversiForm::PasteGameItemClick);
    m.SetUpPositionItem = item(m.MatchMenu, TReversiForm::tr("Set up position..."), QKeySequence(),
        TReversiForm::tr("Set up a position on the board and play from it"), QIcon(),
        &TReversiForm::SetUpPositionItemClick);
    m.ReviewGameItem = item(m.MatchMenu, TReversiForm::tr("Re&view game..."), QKeySequence(),
        TReversiForm::tr("Let the master engine value every move of the game"), QIcon(),
        &TReversiForm::ReviewGameItemClick);

    m.InfoMenu = bar->addMenu(TReversiForm::tr("&Info"));
    m.InfoMenu->menuAction()->setStatusTip(TReversiForm::tr("Information"));
    m.RulersItem
        = item(m.InfoMenu, TReversiForm::tr("&Help"), Qt::Key_F1, TReversiForm::tr("Display help"),
            MenuIcon("help-contents", "ICON_HELP"), &TReversiForm::RulersItemClick);
    m.InfoMenu->addSeparator();
    m.AboutItem = item(m.InfoMenu, TReversiForm::tr("&About"), QKeySequence(),
        TReversiForm::tr("Display about"), MenuIcon("help-about", "ICON_ABOUT"),
        &TReversiForm::AboutItemClick);

    // The keys today's desktops use for the same commands, beside the original's (which the menus
    // show): Ctrl+N new, Ctrl+O open, Ctrl+Q quit, Ctrl+Shift+Z and Ctrl+Y redo.
    const auto alsoBy = [](QAction* a, std::initializer_list<QKeySequence> more) {
        QList<QKeySequence> keys { a->shortcut() };
        keys.append(QList<QKeySequence>(more));
        a->setShortcuts(keys);
    };
    alsoBy(m.NewGameItem, { QKeySequence(Qt::CTRL | Qt::Key_N) });
    alsoBy(m.ListMenuLoad, { QKeySequence(Qt::CTRL | Qt::Key_O) });
    alsoBy(m.ExitItem, { QKeySequence(Qt::CTRL | Qt::Key_Q) });
    alsoBy(m.ListMenuRedoMove,
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });

    // However a menu closes (Esc too, which sends no empty hint), the three panels come back. The
    // menu bar shows its title's hint again as the menu goes, so the panels return just after.
    for (QMenu* menu : { m.GameMenu, m.NetMenu, m.MatchMenu, m.InfoMenu })
        QObject::connect(menu, &QMenu::aboutToHide, &form,
            [&form] { QTimer::singleShot(0, form.statusBar(), &QStatusBar::clearMessage); });
    return m;
}
