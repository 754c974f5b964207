// lzhpack: packs one resource at build time. Reads the generator's raw bytes, writes the LZHUF
// container the program embeds, and decodes it again so that a stream that would not round-trip
// fails the build instead of the game.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "Lzh32.h"
#include "LzhEncoder.h"

namespace {

bool ReadFile(const char* path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream f(path, std::ios::binary);
    if (!f)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return !f.bad();
}

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f.flush());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lzhpack INPUT.raw OUTPUT.lzh\n");
        return 2;
    }
    std::vector<std::uint8_t> raw;
    if (!ReadFile(argv[1], raw)) {
        std::fprintf(stderr, "lzhpack: cannot read %s (did a generator write it?)\n", argv[1]);
        return 1;
    }
    if (raw.size() > LzhMaxDeclaredSize) {
        std::fprintf(stderr, "lzhpack: %s has %zu bytes, above the decoder's limit of %u\n",
            argv[1], raw.size(), unsigned(LzhMaxDeclaredSize));
        return 1;
    }

    const std::vector<std::uint8_t> packed = LzhPack(raw);

    const LzhContainer c = ParseLzhContainer(packed).Value(); // the packer always writes a header
    std::vector<std::uint8_t> check(c.DeclaredSize);
    const Result<LzhDecoded> r = LzhDecode(c.Stream, c.DeclaredSize, check);
    if (!r || check != raw || r.Value().InputNeeded != c.Stream.size()) {
        std::fprintf(stderr, "lzhpack: %s does not round-trip (%s)\n", argv[1],
            !r                 ? r.Failure().Message.c_str()
                : check != raw ? "decoded bytes differ"
                               : "stream length");
        return 1;
    }
    if (!WriteFile(argv[2], packed)) {
        std::fprintf(stderr, "lzhpack: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
