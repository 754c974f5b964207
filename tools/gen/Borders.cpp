// The board's frame (placeholder while the frame is designed).
#include "Borders.h"

BorderPictures BuildBorders()
{
    return { PixelImage(530, 80, 0x503020), PixelImage(80, 490, 0x503020) };
}

std::vector<GeneratedResource> GenerateBorders(const GeneratorContext&) { return {}; }
