// Loading the DejaVu fonts by file path, and text outlines set in them.
#include "DejaVuFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace {

struct FaceFile {
    const char* File;
    QString Family;
    QString Style;
};

std::array<FaceFile, 4>& Faces()
{
    static std::array<FaceFile, 4> faces { { { "DejaVuSans.ttf", {}, {} },
        { "DejaVuSans-Bold.ttf", {}, {} }, { "DejaVuSerif.ttf", {}, {} },
        { "DejaVuSerif-Bold.ttf", {}, {} } } };
    return faces;
}

const char* const FontDirectory = "/usr/share/fonts/truetype/dejavu/";

} // namespace

Status LoadDejaVuFonts()
{
    static const Status result = []() -> Status {
        for (FaceFile& f : Faces()) {
            const QString path = QString::fromLatin1(FontDirectory) + QString::fromLatin1(f.File);
            const int id = QFontDatabase::addApplicationFont(path);
            const QStringList families
                = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
            if (families.isEmpty())
                return Error { ErrorKind::NotFound,
                    "cannot load the font " + path.toStdString()
                        + " (install the Debian package fonts-dejavu-core)" };
            f.Family = families.first();
        }
        return {};
    }();
    return result;
}

QFont DejaVuFont(DejaVuFace face, int pixelSize)
{
    const FaceFile& f = Faces()[std::size_t(face)];
    QFont font(f.Family);
    font.setPixelSize(pixelSize);
    const bool bold = face == DejaVuFace::SansBold || face == DejaVuFace::SerifBold;
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

QFont HintedDejaVuFont(DejaVuFace face, int pixelSize)
{
    QFont font = DejaVuFont(face, pixelSize);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    font.setKerning(false);
    return font;
}

QPainterPath TextOutline(
    const QString& text, DejaVuFace face, double pixelSize, double letterSpacing)
{
    // Outlines are set at a large size and scaled down: exact fractional sizes, no hinting.
    constexpr int design = 200;
    QFont font = DejaVuFont(face, design);
    if (letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing * design / pixelSize);
    QPainterPath path;
    path.addText(0, 0, font, text);
    QTransform scale;
    scale.scale(pixelSize / design, pixelSize / design);
    return scale.map(path);
}
