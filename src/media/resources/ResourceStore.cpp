// Lookup of the compiled-in resources. The bytes themselves come from the build's generated
// embedding (EmbeddedResources.cpp and EmbeddedResources.inc, written from ResourceList.cmake).
#include "ResourceStore.h"

#include <vector>

// One pair of symbols per resource, defined by the generated assembly: the first byte and the
// byte count.
#define CORVANA_RESOURCE(NAME, FORM)                                                               \
    extern "C" const unsigned char CorvanaResource_##NAME[];                                       \
    extern "C" const std::uint64_t CorvanaResourceSize_##NAME;
#include "EmbeddedResources.inc"
#undef CORVANA_RESOURCE

namespace {

const std::vector<ResourceEntry>& Table()
{
    // Built on first use, so that no static initialiser elsewhere can see it half made.
    static const std::vector<ResourceEntry> table = {
#define CORVANA_RESOURCE(NAME, FORM)                                                               \
    ResourceEntry { #NAME, StoredForm::FORM,                                                       \
        { reinterpret_cast<const std::uint8_t*>(CorvanaResource_##NAME),                           \
            static_cast<std::size_t>(CorvanaResourceSize_##NAME) } },
#include "EmbeddedResources.inc"
#undef CORVANA_RESOURCE
    };
    return table;
}

} // namespace

const char* StoredFormName(StoredForm form)
{
    switch (form) {
    case StoredForm::Lzhuf:
        return "LZHUF";
    case StoredForm::Raw:
        return "RAW";
    case StoredForm::Bitmap:
        return "BITMAP";
    }
    return "?";
}

Result<ResourceEntry> FindResource(std::string_view name)
{
    for (const ResourceEntry& e : Table())
        if (e.Name == name)
            return e;
    return Error { ErrorKind::NotFound,
        "resource " + std::string(name) + " is not compiled into this program" };
}

std::span<const ResourceEntry> AllResources() { return Table(); }
