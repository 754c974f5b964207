// Preview files of corvana-gen: pictures and sounds written next to the resources so people can
// look at and listen to what the build produces.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

#include "Generators.h"

// Writes PREVIEWDIR/name.png; does nothing when no preview directory was asked for.
void SavePreviewImage(const GeneratorContext& context, const QString& name, const QImage& image);

// Writes PREVIEWDIR/name as raw bytes (for example a WAVE copy of a sound).
void SavePreviewFile(
    const GeneratorContext& context, const QString& name, const std::vector<std::uint8_t>& bytes);

// The image scaled up by an integer factor without smoothing, so single pixels stay visible.
QImage Magnified(const QImage& image, int factor);
