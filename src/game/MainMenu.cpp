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

    m.GameMenu = bar->addMenu(QStringLiteral("&Game"));
    m.GameMenu->menuAction()->setStatusTip(QStringLiteral("New game / exit"));
    m.NewGameItem
        = item(m.GameMenu, QStringLiteral("&New"), Qt::Key_F2, QStringLiteral("Start new game"),
            MenuIcon("document-new", "ICON_NEW"), &TReversiForm::NewGameItemClick);
    m.HintItem = item(m.GameMenu, QStringLiteral("&Hint"), Qt::Key_F3, QStringLiteral("Display hint"),
        MenuIcon("help-hint", "ICON_HINT"), &TReversiForm::HintItemClick);
    m.OptionsItem
        = item(m.GameMenu, QStringLiteral("&Settings"), Qt::Key_F4, QStringLiteral("Game settings"),
            MenuIcon("preferences-system", "ICON_SETTINGS"), &TReversiForm::OptionsItemClick);
    m.GameMenu->addSeparator();
    m.ExitItem = item(m.GameMenu, QStringLiteral("E&xit"), QKeySequence(Qt::ALT | Qt::Key_X),
        QStringLiteral("Exit from game"), MenuIcon("application-exit", "ICON_EXIT"),
        &TReversiForm::ExitItemClick);

    // Beyond the original: after its items, so that they keep their places.
    m.GameMenu->addSeparator();
    m.ResumeItem = item(m.GameMenu, QStringLiteral("&Resume last game"), QKeySequence(),
        QStringLiteral("Play on the game left unfinished at the last exit"),
        MenuIcon("document-open-recent", "ICON_OPEN"), &TReversiForm::ResumeItemClick);

    m.NetMenu = bar->addMenu(QStringLiteral("&Network"));
    m.NetMenu->menuAction()->setStatusTip(QStringLiteral("Network play"));
    m.NetMenuConnect
        = item(m.NetMenu, QStringLiteral("&Call"), Qt::Key_F5, QStringLiteral("Call remote player"),
            MenuIcon("call-start", "ICON_CALL"), &TReversiForm::NetMenuConnectClick);
    m.NetMenuListing = item(m.NetMenu, QStringLiteral("&Allow call"), QKeySequence(Qt::ALT | Qt::Key_L),
        QStringLiteral("Allow remote player to call you"), QIcon(),
        &TReversiForm::NetMenuListingClick);
    m.NetMenuListing->setCheckable(true);
    m.NetMenuListing->setChecked(true);
    m.NetMenuDisconnect = item(m.NetMenu, QStringLiteral("&Disconnect"),
        QKeySequence(Qt::CTRL | Qt::Key_F6), QStringLiteral("Disconnect"),
        MenuIcon("call-stop", "ICON_DISCONNECT"), &TReversiForm::NetMenuDisconnectClick);
    m.NetMenuDisconnect->setEnabled(false);
    m.NetMenu->addSeparator();
    m.NetMenuSendMessage
        = item(m.NetMenu, QStringLiteral("&Message"), Qt::Key_F7, QStringLiteral("Send message"),
            MenuIcon("mail-message-new", "ICON_MESSAGE"), &TReversiForm::NetMenuSendMessageClick);
    m.NetMenuSendMessage->setEnabled(false);

    m.MatchMenu = bar->addMenu(QStringLiteral("&Match"));
    m.MatchMenu->menuAction()->setStatusTip(QStringLiteral("Undo / redo / save / load"));
    m.ListMenuUndoMove = item(m.MatchMenu, QStringLiteral("&Undo move"),
        QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("Undo last move"),
        MenuIcon("edit-undo", "ICON_UNDO"), &TReversiForm::ListMenuUndoMoveClick);
    m.ListMenuRedoMove = item(m.MatchMenu, QStringLiteral("&Redo move"),
        QKeySequence(Qt::CTRL | Qt::Key_X), QStringLiteral("Redo move"),
        MenuIcon("edit-redo", "ICON_REDO"), &TReversiForm::ListMenuRedoMoveClick);
    m.ListMenuUndoMove->setEnabled(false);
    m.ListMenuRedoMove->setEnabled(false);
    m.MatchMenu->addSeparator();
    m.ListMenuSave = item(m.MatchMenu, QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S),
        QStringLiteral("Save match"), MenuIcon("document-save", "ICON_SAVE"),
        &TReversiForm::ListMenuSaveClick);
    m.ListMenuLoad = item(m.MatchMenu, QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_L),
        QStringLiteral("Restore saved match"), MenuIcon("document-open", "ICON_OPEN"),
        &TReversiForm::ListMenuLoadClick);

    // Beyond the original: after its items.
    m.MatchMenu->addSeparator();
    m.TakeBackItem = item(m.MatchMenu, QStringLiteral("&Take back move"),
        QKeySequence(Qt::Key_Backspace), QStringLiteral("Take back your last move"),
        MenuIcon("edit-undo", "ICON_UNDO"), &TReversiForm::TakeBackItemClick);
    m.MoveListItem = item(m.MatchMenu, QStringLiteral("Move &list"), QKeySequence(Qt::Key_F8),
        QStringLiteral("Show the moves of the game"), QIcon(), &TReversiForm::MoveListItemClick);
    m.MoveListItem->setCheckable(true);

    m.InfoMenu = bar->addMenu(QStringLiteral("&Info"));
    m.InfoMenu->menuAction()->setStatusTip(QStringLiteral("Information"));
    m.RulersItem = item(m.InfoMenu, QStringLiteral("&Help"), Qt::Key_F1, QStringLiteral("Display help"),
        MenuIcon("help-contents", "ICON_HELP"), &TReversiForm::RulersItemClick);
    m.InfoMenu->addSeparator();
    m.AboutItem
        = item(m.InfoMenu, QStringLiteral("&About"), QKeySequence(), QStringLiteral("Display about"),
            MenuIcon("help-about", "ICON_ABOUT"), &TReversiForm::AboutItemClick);

    // However a menu closes (Esc too, which sends no empty hint), the three panels come back. The
    // menu bar shows its title's hint again as the menu goes, so the panels return just after.
    for (QMenu* menu : { m.GameMenu, m.NetMenu, m.MatchMenu, m.InfoMenu })
        QObject::connect(menu, &QMenu::aboutToHide, &form, [&form] {
            QTimer::singleShot(0, form.statusBar(), &QStatusBar::clearMessage);
        });
    return m;
}

