// Icons from the compiled-in PNG pictures: the application's icon and the menu and button
// pictures, each with its 32-pixel variant when there is one. Used by the main window and the
// network dialogs.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

// The PNG resource called name, or a null picture when it is missing or unreadable.
QPixmap ResourcePixmap(const std::string& name);

// name and name_32 together; a null icon when neither is there.
QIcon ResourceIcon(const std::string& name);

// The application's icon at every size it is drawn in.
QIcon ApplicationIcon();
