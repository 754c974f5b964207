// The LZHUF decoder: any stream decodes to exactly the size it declares, into a buffer of that
// size and no byte more, the same way twice; a size that does not fit is refused with nothing
// written. And what the packer makes of the input decodes back to it from exactly its stream.
#include "FuzzCheck.h"

#include <algorithm>
#include <vector>

#include "Lzh32.h"
#include "LzhEncoder.h"

namespace {

// Decoding is linear in the declared size: the harness keeps it small enough for many runs.
constexpr std::uint32_t MaxFuzzedSize = 1u << 16;

} // namespace

void FuzzLzh(FuzzBytes input)
{
    FuzzCursor cursor(input);
    const std::uint8_t mode = cursor.Byte();
    const std::string_view rest = cursor.Rest();
    const std::span<const std::uint8_t> bytes(
        reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());

    if (mode & 1) {
        const std::vector<std::uint8_t> packed = LzhPack(bytes);
        const Result<LzhContainer> c = ParseLzhContainer(packed);
        Expect(c && c.Value().DeclaredSize == bytes.size(), "lzh: the packer's header is wrong");
        std::vector<std::uint8_t> out(bytes.size());
        const Result<LzhDecoded> r = LzhDecode(c.Value().Stream, c.Value().DeclaredSize, out);
        Expect(r && std::equal(out.begin(), out.end(), bytes.begin()),
            "lzh: a packed stream does not decode to what was packed");
        Expect(r.Value().InputNeeded == c.Value().Stream.size(),
            "lzh: a packed stream is not decoded from exactly its bytes");
        return;
    }

    const Result<LzhContainer> c = ParseLzhContainer(bytes);
    if (!c) {
        Expect(bytes.size() < 4, "lzh: a container with a header is refused");
        return;
    }
    const std::uint32_t declared = c.Value().DeclaredSize;
    if (declared > LzhMaxDeclaredSize) {
        std::uint8_t none = 0;
        const Result<LzhDecoded> r = LzhDecode(c.Value().Stream, declared, { &none, 0 });
        Expect(!r && r.Failure().Kind == ErrorKind::TooLarge,
            "lzh: an oversized declaration is not refused");
        return;
    }
    const std::uint32_t size = declared % (MaxFuzzedSize + 1);
    if (size > 0) {
        std::vector<std::uint8_t> small(size - 1, 0xA5);
        const Result<LzhDecoded> r = LzhDecode(c.Value().Stream, size, small);
        Expect(!r && r.Failure().Kind == ErrorKind::SizeMismatch,
            "lzh: a short output is not refused");
        Expect(std::all_of(small.begin(), small.end(), [](std::uint8_t b) { return b == 0xA5; }),
            "lzh: a refused decode wrote to its output");
    }
    // Exactly the declared size: a write past it is a heap overflow the sanitizer reports.
    std::vector<std::uint8_t> first(size), second(size);
    const Result<LzhDecoded> a = LzhDecode(c.Value().Stream, size, first);
    const Result<LzhDecoded> b = LzhDecode(c.Value().Stream, size, second);
    Expect(a && b, "lzh: a stream within the limit is refused");
    Expect(a.Value().Produced == size, "lzh: the output is not the declared size");
    Expect(first == second && a.Value().InputNeeded == b.Value().InputNeeded,
        "lzh: two decodes of one stream differ");
}
