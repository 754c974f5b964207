// The intro's resources, unpacked from the executable.
#include "IntroResources.h"

#include "IntroGlyphs.h"
#include "ResourceStore.h"
#include "UnPacker.h"

namespace {

Error Failed(std::string_view name, const Error& why)
{
    return { why.Kind, std::string(name) + ": " + why.Message };
}

// A resource stored as it is.
Status ReadRaw(std::string_view name, std::vector<std::uint8_t>& bytes)
{
    const Result<ResourceEntry> found = FindResource(name);
    if (!found)
        return Failed(name, found.Failure());
    if (found.Value().Form != StoredForm::Raw)
        return Failed(name,
            { ErrorKind::WrongForm,
                std::string("stored as ") + StoredFormName(found.Value().Form)
                    + ", expected raw bytes" });
    bytes.assign(found.Value().Bytes.begin(), found.Value().Bytes.end());
    return {};
}

Status ReadPacked(std::string_view name, std::vector<std::uint8_t>& bytes, std::size_t size)
{
    bytes.assign(size, 0);
    if (const Status r = UnpackResource(name, bytes); !r)
        return Failed(name, r.Failure());
    return {};
}

} // namespace

Result<TIntroResources> ReadIntroResources()
{
    TIntroResources r;
    r.Tile.assign(std::size_t(IntroTileSize) * IntroTileSize, 0);
    if (const Status u = UnpackTriplets("INTRO_BACKFON", r.Tile, IntroTileSize, IntroTileSize); !u)
        return Failed("INTRO_BACKFON", u.Failure());
    for (const Status& step : {
             ReadPacked(
                 "INTRO_FONTIM", r.FontStrip, std::size_t(GlyphStripWidth) * GlyphStripHeight),
             ReadPacked("INTRO_FRONTIM", r.FrontImage, IntroPixels),
             ReadRaw("INTRO_3DMESH", r.Mesh),
             ReadRaw("INTRO_GRAD", r.Gradient),
         })
        if (!step)
            return step.Failure();
    return r;
}
