// Loads the DejaVu fonts that corvana-gen draws with, by file path, so that the output never
// depends on which fonts the build machine happens to have.
#pragma once

#include <QFont>
#include <QString>

// A font of the given DejaVu file (for example "DejaVuSans-Bold.ttf") at a pixel size. Throws
// TGeneratorError when the file is missing or unusable.
QFont DejaVuFont(const QString& fileName, qreal pixelSize);
