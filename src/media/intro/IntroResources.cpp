// The intro's resources, unpacked from the executable.
#include "IntroResources.h"

#include "IntroGlyphs.h"
#include "ResourceStore.h"
#include "UnPacker.h"

namespace {

TIntroResult Failed(std::string_view name, const std::string& why)
{
    return { std::string(name) + ": " + why };
}

// A resource stored as it is.
TIntroResult ReadRaw(std::string_view name, std::vector<std::uint8_t>& bytes)
{
    const Result<ResourceEntry> found = FindResource(name);
    if (!found)
        return Failed(name, found.Failure().Message);
    if (found.Value().Form != StoredForm::Raw)
        return Failed(name,
            std::string("stored as ") + StoredFormName(found.Value().Form)
                + ", expected raw bytes");
    bytes.assign(found.Value().Bytes.begin(), found.Value().Bytes.end());
    return {};
}

TIntroResult ReadPacked(std::string_view name, std::vector<std::uint8_t>& bytes, std::size_t size)
{
    bytes.assign(size, 0);
    if (const Status r = UnpackResource(name, bytes); !r)
        return Failed(name, r.Failure().Message);
    return {};
}

} // namespace

TIntroResourcesRead ReadIntroResources()
{
    TIntroResourcesRead read;
    TIntroResources& r = read.Resources;
    r.Tile.assign(std::size_t(IntroTileSize) * IntroTileSize, 0);
    if (const Status u = UnpackTriplets("INTRO_BACKFON", r.Tile, IntroTileSize, IntroTileSize);
        !u) {
        read.Result = Failed("INTRO_BACKFON", u.Failure().Message);
        return read;
    }
    for (TIntroResult step : {
             ReadPacked(
                 "INTRO_FONTIM", r.FontStrip, std::size_t(GlyphStripWidth) * GlyphStripHeight),
             ReadPacked("INTRO_FRONTIM", r.FrontImage, IntroPixels),
             ReadRaw("INTRO_3DMESH", r.Mesh),
             ReadRaw("INTRO_GRAD", r.Gradient),
         })
        if (!step) {
            read.Result = step;
            return read;
        }
    return read;
}
