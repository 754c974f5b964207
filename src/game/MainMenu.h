// The main window's menu: its four menus and their items with captions, shortcuts, hints and
// icons, each item connected to its handler on the main window. Used by the main window.
#pragma once

class QAction;
class QMenu;
class TReversiForm;

struct MainMenu {
    QMenu* GameMenu = nullptr;
    QMenu* NetMenu = nullptr;
    QMenu* MatchMenu = nullptr;
    QMenu* InfoMenu = nullptr;
    QAction* NewGameItem = nullptr;
    QAction* HintItem = nullptr;
    QAction* OptionsItem = nullptr;
    QAction* ExitItem = nullptr;
    QAction* NetMenuConnect = nullptr;
    QAction* NetMenuListing = nullptr;
    QAction* NetMenuDisconnect = nullptr;
    QAction* NetMenuSendMessage = nullptr;
    QAction* ListMenuUndoMove = nullptr;
    QAction* ListMenuRedoMove = nullptr;
    QAction* ListMenuSave = nullptr;
    QAction* ListMenuLoad = nullptr;
    QAction* RulersItem = nullptr;
    QAction* AboutItem = nullptr;
    // Beyond the original, after its items.
    QAction* ResumeItem = nullptr;
    QAction* FullScreenItem = nullptr;
    QAction* MoveNowItem = nullptr;
    QAction* TakeBackItem = nullptr;
    QAction* MoveListItem = nullptr;
    QAction* CopyGameItem = nullptr;
    QAction* PasteGameItem = nullptr;
    QAction* SetUpPositionItem = nullptr;
    QAction* ReviewGameItem = nullptr;
};

// Builds the menu bar of form.
MainMenu BuildMainMenu(TReversiForm& form);
