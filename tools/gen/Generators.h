// The content generators of corvana-gen. Each writes the raw (unpacked) bytes of one or more
// named resources; the build packs and embeds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a generator produced for one resource: its name (as the program asks for it) and its bytes
// in the layout the program reads after unpacking.
struct GeneratedResource {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
};

// Where previews go (PNG pictures, for people to look at); empty: no previews.
struct GeneratorContext {
    std::string PreviewDir;
};

using GeneratorFn = std::vector<GeneratedResource> (*)(const GeneratorContext&);

struct GeneratorEntry {
    const char* Name; // group name, for the command line
    GeneratorFn Run;
};
