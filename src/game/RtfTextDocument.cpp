// Character and block formats for the runs and paragraphs of a parsed RTF document.
#include "RtfTextDocument.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <cstring>

namespace {

Qt::Alignment QtAlignment(RtfAlignment alignment)
{
    switch (alignment) {
    case RtfAlignment::Centre:
        return Qt::AlignHCenter;
    case RtfAlignment::Right:
        return Qt::AlignRight;
    case RtfAlignment::Justify:
        return Qt::AlignJustify;
    case RtfAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QFont::StyleHint StyleHintFor(const RtfFont* font)
{
    switch (font ? font->Family : RtfFontFamily::Roman) {
    case RtfFontFamily::Swiss:
        return QFont::SansSerif;
    case RtfFontFamily::Modern:
        return QFont::TypeWriter;
    case RtfFontFamily::Script:
        return QFont::Cursive;
    case RtfFontFamily::Decor:
        return QFont::Decorative;
    default:
        return QFont::Serif;
    }
}

QTextCharFormat CharFormatFor(const RtfDocument& rtf, const RtfCharFormat& format)
{
    const QFont font = RtfFontFor(rtf.FindFont(format.Font));
    QTextCharFormat result;
    result.setFontFamilies(font.families());
    result.setFontStyleHint(font.styleHint());
    result.setFontPointSize(format.HalfPoints / 2.0);
    result.setFontWeight(format.Bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.Italic);
    result.setFontUnderline(format.Underline);
    return result;
}

} // namespace

QFont RtfFontFor(const RtfFont* font)
{
    QString name = font ? QString::fromStdString(font->Name) : QString();
    // Windows names a face's other scripts as separate fonts ("Times New Roman CYR"); the
    // desktop's fonts carry every script under the one name.
    for (const char* suffix : { " CYR", " CE", " Baltic", " Greek", " Tur" }) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
            name.chop(int(std::strlen(suffix)));
            break;
        }
    }
    const QFont::StyleHint hint = StyleHintFor(font);
    QFont result;
    if (name.trimmed().isEmpty())
        result.setFamilies(
            { hint == QFont::Serif ? QStringLiteral("serif") : QStringLiteral("sans-serif") });
    else
        result.setFamilies({ name });
    result.setStyleHint(hint);
    return result;
}

void FillTextDocument(QTextDocument& target, const RtfDocument& rtf)
{
    target.clear();
    QFont base = RtfFontFor(rtf.FindFont(-1));
    base.setPointSizeF(RtfCharFormat {}.HalfPoints / 2.0);
    target.setDefaultFont(base);

    QTextCursor cursor(&target);
    QTextCharFormat last = CharFormatFor(rtf, RtfCharFormat {});
    bool first = true;
    for (const RtfParagraph& paragraph : rtf.Paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(QtAlignment(paragraph.Alignment));
        block.setBottomMargin(3); // a little air between paragraphs
        // An empty paragraph is a blank line as tall as the text before it.
        const QTextCharFormat blockChars
            = paragraph.Runs.empty() ? last : CharFormatFor(rtf, paragraph.Runs.front().Format);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(blockChars);
            first = false;
        } else {
            cursor.insertBlock(block, blockChars);
        }
        for (const RtfRun& run : paragraph.Runs) {
            last = CharFormatFor(rtf, run.Format);
            cursor.insertText(QString::fromStdString(run.Text), last);
        }
    }
}
