// PNG previews of generated pictures, and the game's own ways of using them (the sheet
// reduction for 10 × 10 and DrawBoard's assembly of borders and squares), so that the art is
// judged, and tested, exactly as the game will show it.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "Generators.h"
#include "Raster.h"

// Writes PREVIEWDIR/name.png; does nothing when no preview directory was asked for. Throws
// TGeneratorError when the file cannot be written.
void SavePreviewImage(const GeneratorContext& context, const QString& name, const QImage& image);

// Writes PREVIEWDIR/name as raw bytes (for example a WAVE copy of a sound).
void SavePreviewFile(
    const GeneratorContext& context, const QString& name, const std::vector<std::uint8_t>& bytes);

// The image scaled up by an integer factor without smoothing, so single pixels stay visible.
QImage Magnified(const QImage& image, int factor);

// Writes picture as PreviewDir/fileName (a name ending in .png), each pixel enlarged zoom times.
// Does nothing without a preview directory.
void WritePreview(const GeneratorContext& context, const std::string& fileName,
    const PixelImage& picture, int zoom = 1);

// A part of a picture, enlarged, to look at details.
void WriteCloseup(const GeneratorContext& context, const std::string& fileName,
    const PixelImage& picture, int x, int y, int w, int h, int zoom);

// A picture as the game holds it after unpacking: memory row 0 is the bottom row.
std::vector<std::uint32_t> ToBottomUp(const PixelImage& picture);
PixelImage FromBottomUp(const std::vector<std::uint32_t>& pixels, int width, int height);

// The sheet of a figure set reduced for the 10 × 10 board the way the sprite store does it:
// unpacked bottom-up, then Downscale from 61- to 49-pixel frames.
PixelImage ReduceSheet(const PixelImage& sheet, int frames);

// The back buffer DrawBoard paints for an n × n board (n 8 or 10) from the two border pictures
// and a sheet (full size for 8 × 8, reduced for 10 × 10), given as pictures top row first.
// cells[x * n + y] is the cell code of square (x, y): 1 empty, 2 Yellow, 3 Green.
PixelImage DrawBoardPicture(int n, const PixelImage& borderH, const PixelImage& borderV,
    const PixelImage& sheet, int restFrame, const std::vector<int>& cells);

// A game position for previews: the opening of a game a few moves in.
std::vector<int> PreviewPosition(int n);

// Whole sheet, each band enlarged, the reduced sheet, and boards of both sizes framed by the
// generated borders.
void WriteSheetPreviews(
    const GeneratorContext& context, const std::string& name, int frames, const PixelImage& sheet);
