// The DejaVu fonts of Debian's fonts-dejavu-core, loaded from their files so that generated
// pictures never depend on which other fonts a machine has. Used for board labels, the small
// bitmaps' words and icons.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

#include "Result.h"

enum class DejaVuFace { Sans, SansBold, Serif, SerifBold };

// Loads the four faces once. Fails (NotFound) naming the file that could not be loaded, and that
// the package fonts-dejavu-core provides it.
Status LoadDejaVuFonts();

// A font of the face at a pixel size, unhinted, so outlines are the same on every machine.
QFont DejaVuFont(DejaVuFace face, int pixelSize);

// The same, hinted vertically and without kerning: for small bitmap text whose stems and
// baselines must fall on whole pixels (the intro's glyph strip and title).
QFont HintedDejaVuFont(DejaVuFace face, int pixelSize);

// The outline of text set in that font, with its baseline starting at the origin.
QPainterPath TextOutline(
    const QString& text, DejaVuFace face, double pixelSize, double letterSpacing = 0);
