// DejaVu font loading for corvana-gen.
#include "Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include "GeneratorError.h"

namespace {

const char* const DejaVuDir = "/usr/share/fonts/truetype/dejavu/";

// The family and style a file registered as, loaded once per run.
struct TLoadedFont {
    QString Family;
    QString Style;
};

TLoadedFont Load(const QString& fileName)
{
    static QHash<QString, TLoadedFont> loaded;
    auto found = loaded.find(fileName);
    if (found != loaded.end())
        return *found;
    const QString path = QString::fromLatin1(DejaVuDir) + fileName;
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families
        = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw TGeneratorError("cannot load font " + path.toStdString()
            + " (install the Debian package fonts-dejavu-core)");
    TLoadedFont font { families.first(), fileName.contains("Bold") ? "Bold" : "Book" };
    loaded.insert(fileName, font);
    return font;
}

} // namespace

QFont DejaVuFont(const QString& fileName, qreal pixelSize)
{
    const TLoadedFont loaded = Load(fileName);
    QFont font(loaded.Family);
    font.setStyleName(loaded.Style);
    font.setBold(loaded.Style == "Bold");
    font.setPixelSize(int(pixelSize));
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    font.setKerning(false);
    return font;
}
