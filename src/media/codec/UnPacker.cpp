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

// The stored bytes of a packed resource, or why there are none.
Result<std::span<const std::uint8_t>> FindPacked(std::string_view name)
{
    const Result<ResourceEntry> found = FindResource(name);
    if (!found)
        return found.Failure();
    if (found.Value().Form != StoredForm::Lzhuf)
        return Error { ErrorKind::WrongForm,
            "resource " + std::string(name) + " is stored as " + StoredFormName(found.Value().Form)
                + ", not packed" };
    return found.Value().Bytes;
}

// A refusal of a named resource's contents says which one.
Error Named(std::string_view name, const Error& e)
{
    return { e.Kind, std::string(name) + ": " + e.Message };
}

// The container's header, checked against the size the caller expects (nullopt: any size up to
// the decoder's limit).
Result<LzhContainer> OpenContainer(
    std::span<const std::uint8_t> stored, std::optional<std::uint64_t> expected)
{
    const Result<LzhContainer> c = ParseLzhContainer(stored);
    if (!c)
        return c;
    const std::uint32_t declared = c.Value().DeclaredSize;
    if (declared > LzhMaxDeclaredSize)
        return Error { ErrorKind::TooLarge,
            "declared size " + std::to_string(declared) + " is above the limit of "
                + std::to_string(LzhMaxDeclaredSize) + " bytes" };
    if (expected && *expected != declared)
        return Error { ErrorKind::SizeMismatch,
            "declared size " + std::to_string(declared) + " does not match the "
                + std::to_string(*expected) + " bytes the destination holds" };
    return c;
}

// Decodes an opened container into destination, which holds at least its declared size.
Status Decode(const LzhContainer& c, std::span<std::uint8_t> destination)
{
    if (const Result<LzhDecoded> decoded = LzhDecode(c.Stream, c.DeclaredSize, destination);
        !decoded)
        return decoded.Failure();
    return {};
}

// Checks the picture's dimensions against the destination; the decoded size it needs on success.
Result<std::uint64_t> CheckPicture(
    std::span<const std::uint32_t> destination, int width, int height)
{
    if (width < 0 || height < 0)
        return Error { ErrorKind::SizeMismatch,
            "picture size " + std::to_string(width) + " x " + std::to_string(height)
                + " is negative" };
    const std::uint64_t pixels = std::uint64_t(width) * std::uint64_t(height);
    if (destination.size() != pixels)
        return Error { ErrorKind::SizeMismatch,
            "a picture of " + std::to_string(width) + " x " + std::to_string(height)
                + " does not match a destination of " + std::to_string(destination.size())
                + " pixels" };
    return pixels * 3;
}

// Decodes a picture's bytes (width x height x 3 of them) into a temporary.
Result<std::vector<std::uint8_t>> DecodePicture(std::span<const std::uint8_t> stored,
    std::span<const std::uint32_t> destination, int width, int height)
{
    const Result<std::uint64_t> size = CheckPicture(destination, width, height);
    if (!size)
        return size.Failure();
    const Result<LzhContainer> c = OpenContainer(stored, size.Value());
    if (!c)
        return c.Failure();
    std::vector<std::uint8_t> bytes(c.Value().DeclaredSize);
    if (const Status decoded = Decode(c.Value(), bytes); !decoded)
        return decoded.Failure();
    return bytes;
}

std::uint32_t Pixel(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return std::uint32_t(blue) | std::uint32_t(green) << 8 | std::uint32_t(red) << 16;
}

} // namespace

Status UnpackResource(std::span<const std::uint8_t> stored, std::span<std::uint8_t> destination)
{
    const Result<LzhContainer> c = OpenContainer(stored, destination.size());
    if (!c)
        return c.Failure();
    return Decode(c.Value(), destination);
}

Status UnpackResource(std::string_view name, std::span<std::uint8_t> destination)
{
    const Result<std::span<const std::uint8_t>> stored = FindPacked(name);
    if (!stored)
        return stored.Failure();
    if (const Status r = UnpackResource(stored.Value(), destination); !r)
        return Named(name, r.Failure());
    return {};
}

Result<std::vector<std::uint8_t>> UnpackResourceAlloc(std::span<const std::uint8_t> stored)
{
    const Result<LzhContainer> c = OpenContainer(stored, std::nullopt);
    if (!c)
        return c.Failure();
    std::vector<std::uint8_t> bytes(c.Value().DeclaredSize);
    if (const Status decoded = Decode(c.Value(), bytes); !decoded)
        return decoded.Failure();
    return bytes;
}

Result<std::vector<std::uint8_t>> UnpackResourceAlloc(std::string_view name)
{
    const Result<std::span<const std::uint8_t>> stored = FindPacked(name);
    if (!stored)
        return stored.Failure();
    Result<std::vector<std::uint8_t>> block = UnpackResourceAlloc(stored.Value());
    if (!block)
        return Named(name, block.Failure());
    return block;
}

Status UnpackTriplets(std::span<const std::uint8_t> stored, std::span<std::uint32_t> destination,
    int width, int height)
{
    const Result<std::vector<std::uint8_t>> bytes
        = DecodePicture(stored, destination, width, height);
    if (!bytes)
        return bytes.Failure();
    const std::uint8_t* t = bytes.Value().data();
    for (std::uint32_t& p : destination) {
        p = Pixel(t[0], t[1], t[2]);
        t += 3;
    }
    return {};
}

Status UnpackTriplets(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height)
{
    const Result<std::span<const std::uint8_t>> stored = FindPacked(name);
    if (!stored)
        return stored.Failure();
    if (const Status r = UnpackTriplets(stored.Value(), destination, width, height); !r)
        return Named(name, r.Failure());
    return {};
}

Status UnpackPlanes(std::span<const std::uint8_t> stored, std::span<std::uint32_t> destination,
    int width, int height)
{
    const Result<std::vector<std::uint8_t>> bytes
        = DecodePicture(stored, destination, width, height);
    if (!bytes)
        return bytes.Failure();
    // Row y of the planes goes straight to memory row height - 1 - y: the same pixels as
    // converting in stored order and then exchanging rows, in one pass.
    const std::size_t w = std::size_t(width);
    const std::size_t plane = w * std::size_t(height);
    const std::uint8_t* red = bytes.Value().data();
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

Status UnpackPlanes(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height)
{
    const Result<std::span<const std::uint8_t>> stored = FindPacked(name);
    if (!stored)
        return stored.Failure();
    if (const Status r = UnpackPlanes(stored.Value(), destination, width, height); !r)
        return Named(name, r.Failure());
    return {};
}
