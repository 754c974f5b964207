// The buttons of the network dialogs: their pictures (the program's own icon resources where there
// is one for the action, the style's standard dialog-button pictures otherwise) and their row.
#pragma once

#include <QIcon>
#include <QStyle>

// The icon resource called resourceName (a PNG, with its _32 variant when there is one), or the
// style's standard picture when the resource is missing.
QIcon ButtonIcon(const char* resourceName, QStyle::StandardPixmap fallback);
QIcon ButtonIcon(QStyle::StandardPixmap standard);

class QHBoxLayout;
class QPushButton;

// Two buttons of one width, centred side by side.
QHBoxLayout* CentredButtonRow(QPushButton* left, QPushButton* right);
