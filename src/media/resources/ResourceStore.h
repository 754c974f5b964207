// The resources compiled into the executable, by name: the only way the program reaches their
// bytes. Used by UnPacker, by the picture and sound loaders and by corvana-cli.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "Result.h"

// How a resource is stored: packed LZHUF container, bytes as they are, or a Windows bitmap file
// image (also as it is, loaded by the toolkit's image reader).
enum class StoredForm {
    Lzhuf,
    Raw,
    Bitmap,
};

const char* StoredFormName(StoredForm form);

struct ResourceEntry {
    std::string_view Name;
    StoredForm Form;
    std::span<const std::uint8_t> Bytes; // lives as long as the program
};

// The resource called name (names are matched exactly, as the program spells them), or NotFound.
Result<ResourceEntry> FindResource(std::string_view name);

// Every resource compiled in, in the order of the resource list.
std::span<const ResourceEntry> AllResources();
