// Unpacking of compressed resources into bytes and 32-bit pixels.
#include "UnPacker.h"

#include <bit>
#include <optional>

#include "Lzh32.h"
#include "ResourceStore.h"

// Pixels are built as values 0x00RRGGBB, which is the byte order blue, green, red, 0 in memory
// only on a little-endian machine.
static_assert(std::endian::native == std::endian::little);

namespace {

UnpackResult Refuse(UnpackResult::Kind kind, std::string message)
{
    UnpackResult r;
    r.Status = kind;
    r.Message = std::move(message);
    return r;
}

// The stored bytes of a packed resource, or why there are none.
UnpackResult FindPacked(std::string_view name, std::span<const std::uint8_t>& stored)
{
    const ResourceLookup lookup = FindResource(name);
    if (!lookup)
        return Refuse(UnpackResult::NotFound, lookup.Message);
    if (lookup.Entry->Form != StoredForm::Lzhuf)
        return Refuse(UnpackResult::NotPacked,
            "resource " + std::string(name) + " is stored as " + StoredFormName(lookup.Entry->Form)
                + ", not packed");
    stored = lookup.Entry->Bytes;
    return {};
}

// A refusal of a named resource says which one.
UnpackResult Named(std::string_view name, UnpackResult r)
{
    if (!r && r.Status != UnpackResult::NotFound && r.Status != UnpackResult::NotPacked)
        r.Message = std::string(name) + ": " + r.Message;
    return r;
}

// The container's header, checked against the size the caller expects (nullopt: any size up to
// the decoder's limit).
UnpackResult OpenContainer(std::span<const std::uint8_t> stored,
    std::optional<std::uint64_t> expected, LzhContainer& container)
{
    const std::optional<LzhContainer> c = ParseLzhContainer(stored);
    if (!c)
        return Refuse(UnpackResult::Malformed,
            "packed resource of " + std::to_string(stored.size()) + " bytes has no declared size");
    if (c->DeclaredSize > LzhMaxDeclaredSize)
        return Refuse(UnpackResult::TooLarge,
            "declared size " + std::to_string(c->DeclaredSize) + " is above the limit of "
                + std::to_string(LzhMaxDeclaredSize) + " bytes");
    if (expected && *expected != c->DeclaredSize)
        return Refuse(UnpackResult::SizeMismatch,
            "declared size " + std::to_string(c->DeclaredSize) + " does not match the "
                + std::to_string(*expected) + " bytes the destination holds");
    container = *c;
    return {};
}

// Checks the picture's dimensions against the destination; the decoded size it needs goes to
// bytes.
UnpackResult CheckPicture(
    std::span<const std::uint32_t> destination, int width, int height, std::uint64_t& bytes)
{
    if (width < 0 || height < 0)
        return Refuse(UnpackResult::SizeMismatch,
            "picture size " + std::to_string(width) + " x " + std::to_string(height)
                + " is negative");
    const std::uint64_t pixels = std::uint64_t(width) * std::uint64_t(height);
    if (destination.size() != pixels)
        return Refuse(UnpackResult::SizeMismatch,
            "a picture of " + std::to_string(width) + " x " + std::to_string(height)
                + " does not match a destination of " + std::to_string(destination.size())
                + " pixels");
    bytes = pixels * 3;
    return {};
}

// Decodes a picture's bytes (width x height x 3 of them) into a temporary.
UnpackResult DecodePicture(std::span<const std::uint8_t> stored,
    std::span<const std::uint32_t> destination, int width, int height,
    std::vector<std::uint8_t>& bytes)
{
    std::uint64_t size = 0;
    if (UnpackResult r = CheckPicture(destination, width, height, size); !r)
        return r;
    LzhContainer c;
    if (UnpackResult r = OpenContainer(stored, size, c); !r)
        return r;
    bytes.resize(c.DeclaredSize);
    LzhDecode(c.Stream, c.DeclaredSize, bytes);
    return {};
}

std::uint32_t Pixel(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return std::uint32_t(blue) | std::uint32_t(green) << 8 | std::uint32_t(red) << 16;
}

} // namespace

UnpackResult UnpackResource(
    std::span<const std::uint8_t> stored, std::span<std::uint8_t> destination)
{
    LzhContainer c;
    if (UnpackResult r = OpenContainer(stored, destination.size(), c); !r)
        return r;
    LzhDecode(c.Stream, c.DeclaredSize, destination);
    return {};
}

UnpackResult UnpackResource(std::string_view name, std::span<std::uint8_t> destination)
{
    std::span<const std::uint8_t> stored;
    if (UnpackResult r = FindPacked(name, stored); !r)
        return r;
    return Named(name, UnpackResource(stored, destination));
}

UnpackedBlock UnpackResourceAlloc(std::span<const std::uint8_t> stored)
{
    UnpackedBlock block;
    LzhContainer c;
    block.Result = OpenContainer(stored, std::nullopt, c);
    if (!block.Result)
        return block;
    block.Bytes.resize(c.DeclaredSize);
    LzhDecode(c.Stream, c.DeclaredSize, block.Bytes);
    return block;
}

UnpackedBlock UnpackResourceAlloc(std::string_view name)
{
    std::span<const std::uint8_t> stored;
    if (UnpackResult r = FindPacked(name, stored); !r)
        return { std::move(r), {} };
    UnpackedBlock block = UnpackResourceAlloc(stored);
    block.Result = Named(name, std::move(block.Result));
    return block;
}

UnpackResult UnpackTriplets(std::span<const std::uint8_t> stored,
    std::span<std::uint32_t> destination, int width, int height)
{
    std::vector<std::uint8_t> bytes;
    if (UnpackResult r = DecodePicture(stored, destination, width, height, bytes); !r)
        return r;
    const std::uint8_t* t = bytes.data();
    for (std::uint32_t& p : destination) {
        p = Pixel(t[0], t[1], t[2]);
        t += 3;
    }
    return {};
}

UnpackResult UnpackTriplets(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height)
{
    std::span<const std::uint8_t> stored;
    if (UnpackResult r = FindPacked(name, stored); !r)
        return r;
    return Named(name, UnpackTriplets(stored, destination, width, height));
}

UnpackResult UnpackPlanes(std::span<const std::uint8_t> stored,
    std::span<std::uint32_t> destination, int width, int height)
{
    std::vector<std::uint8_t> bytes;
    if (UnpackResult r = DecodePicture(stored, destination, width, height, bytes); !r)
        return r;
    // Row y of the planes goes straight to memory row height - 1 - y: the same pixels as
    // converting in stored order and then exchanging rows, in one pass.
    const std::size_t w = std::size_t(width);
    const std::size_t plane = w * std::size_t(height);
    const std::uint8_t* red = bytes.data();
    const std::uint8_t* green = red + plane;
    const std::uint8_t* blue = green + plane;
    for (std::size_t y = 0; y < std::size_t(height); ++y) {
        std::uint32_t* row = destination.data() + (std::size_t(height) - 1 - y) * w;
        const std::size_t at = y * w;
        for (std::size_t x = 0; x < w; ++x)
            row[x] = Pixel(blue[at + x], green[at + x], red[at + x]);
    }
    return {};
}

UnpackResult UnpackPlanes(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height)
{
    std::span<const std::uint8_t> stored;
    if (UnpackResult r = FindPacked(name, stored); !r)
        return r;
    return Named(name, UnpackPlanes(stored, destination, width, height));
}
