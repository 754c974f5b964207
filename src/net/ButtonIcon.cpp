// Button pictures from the icon resources or the style.
#include "ButtonIcon.h"

#include <QApplication>
#include <QPixmap>
#include <string>

#include "ResourceStore.h"

QIcon ButtonIcon(const char* resourceName, QStyle::StandardPixmap fallback)
{
    QIcon icon;
    for (const std::string& name : { std::string(resourceName), std::string(resourceName) + "_32" })
        if (const ResourceLookup found = FindResource(name)) {
            QPixmap pixmap;
            if (pixmap.loadFromData(
                    found.Entry->Bytes.data(), uint(found.Entry->Bytes.size()), "PNG"))
                icon.addPixmap(pixmap);
        }
    return icon.isNull() ? ButtonIcon(fallback) : icon;
}

QIcon ButtonIcon(QStyle::StandardPixmap standard)
{
    return QApplication::style()->standardIcon(standard);
}
