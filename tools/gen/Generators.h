// The content generators of corvana-gen. Each writes the raw (unpacked) bytes of one or more
// named resources; the build packs and embeds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a generator produced for one resource: its name (as the program asks for it) and its bytes
// in the layout the program reads after unpacking.
struct GeneratedResource {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
};

// A board layout other than the design's: n × n squares of Cell pixels between borders Margin
// pixels wide (BoardPainter.h).
struct GeneratorLayout {
    int Size = 8, Cell = 61, Margin = 20;
};

// Where previews go (PNG pictures, for people to look at); empty: no previews. With a layout,
// the board's pictures are written as the game makes them for it, not the compiled-in ones.
struct GeneratorContext {
    std::string PreviewDir;
    std::optional<GeneratorLayout> Layout;
};

using GeneratorFn = std::vector<GeneratedResource> (*)(const GeneratorContext&);

struct GeneratorEntry {
    const char* Name; // group name, for the command line
    GeneratorFn Run;
};
