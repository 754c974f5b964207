// Loading the icon pictures from the resource store.
#include "ResourceIcon.h"

#include "ResourceStore.h"

QPixmap ResourcePixmap(const std::string& name)
{
    QPixmap pixmap;
    if (const Result<ResourceEntry> found = FindResource(name))
        pixmap.loadFromData(found.Value().Bytes.data(), uint(found.Value().Bytes.size()), "PNG");
    return pixmap;
}

QIcon ResourceIcon(const std::string& name)
{
    QIcon icon;
    for (const std::string& variant : { name, name + "_32" })
        if (const QPixmap pixmap = ResourcePixmap(variant); !pixmap.isNull())
            icon.addPixmap(pixmap);
    return icon;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        if (const QPixmap pixmap = ResourcePixmap("ICON_APP_" + std::to_string(size));
            !pixmap.isNull())
            icon.addPixmap(pixmap);
    return icon;
}
