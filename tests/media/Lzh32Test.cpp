// Tests of the LZHUF decoder against known streams and the packer, and of its behaviour on
// damaged streams.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Lzh32.h"
#include "LzhEncoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

std::uint64_t Fnv1a(const Bytes& bytes)
{
    std::uint64_t h = 1469598103934665603ull;
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

struct Lcg {
    std::uint32_t State;
    std::uint8_t Next()
    {
        State = State * 1103515245u + 12345u;
        return std::uint8_t(State >> 24);
    }
};

Bytes Decode(const Bytes& stream, std::uint32_t size)
{
    Bytes out(size);
    const Result<LzhDecoded> r = LzhDecode(stream, size, out);
    if (!r)
        ADD_FAILURE() << r.Failure().Message;
    else
        EXPECT_EQ(r.Value().Produced, size);
    return out;
}

// A stream written once by the packer and checked against a plain transcription of the published
// decoder. It starts with spaces (a match into the ring's initial spaces), repeats phrases at
// several distances and holds a run (a match at distance 1). Any change to the bit order, the
// tables or the model shows here.
const Bytes KnownStream = {
    0x91,
    0x00,
    0x79,
    0x7E,
    0x3F,
    0x8C,
    0x2F,
    0xD8,
    0x1E,
    0xB3,
    0xEB,
    0xFF,
    0xBF,
    0xFC,
    0xE0,
    0x81,
    0x5F,
    0x7E,
    0xBE,
    0x7B,
    0xAC,
    0x50,
    0x8E,
    0xFA,
    0xC7,
    0x1A,
    0xDF,
    0x4F,
    0xFD,
    0x87,
    0x52,
    0xEA,
    0x9B,
    0x59,
    0x20,
    0x9C,
    0xF8,
    0x97,
    0x5B,
    0x4F,
    0x66,
    0x95,
    0xDD,
    0x8A,
    0xB7,
    0x9B,
    0xBA,
    0x6A,
    0xAE,
    0x21,
    0xD2,
    0x80,
    0x35,
    0xB4,
    0x01,
    0x70,
    0x00,
    0x5B,
    0x0B,
    0x2C,
    0x29,
    0x9C,
};
const std::string KnownText
    = "        Yellow is moving. Yellow 2 : Green 2. Yellow is moving! Move "
      "0/0 ... "
    + std::string(74, 'z') + " Green is moving.";

TEST(LzhDecode, KnownStreamDecodesToItsText)
{
    ASSERT_EQ(KnownText.size(), 168u);
    const Bytes out = Decode(KnownStream, 168);
    EXPECT_EQ(std::string(out.begin(), out.end()), KnownText);
}

// Streams that are not the packer's: all zero bits, all one bits, and noise, each decoded far
// enough for the model to be rebuilt several times. The hashes come from the plain transcription
// of the published decoder.
TEST(LzhDecode, ArbitraryBitsDecodeAsThePublishedDecoderDoes)
{
    Bytes noise(5000);
    Lcg lcg { 12345 };
    for (std::uint8_t& b : noise)
        b = lcg.Next();
    EXPECT_EQ(Fnv1a(Decode({}, 1000000)), 0x7844101AEA25E3B1ull);
    EXPECT_EQ(Fnv1a(Decode(Bytes(16, 0xFF), 1000000)), 0x5FBDD4E49599EE4Bull);
    EXPECT_EQ(Fnv1a(Decode(noise, 1000000)), 0x4C447737433D203Dull);
}

TEST(LzhDecode, DeclaredSizeZeroWritesAndReadsNothing)
{
    Bytes out = { 0xAB };
    const Result<LzhDecoded> r = LzhDecode(KnownStream, 0, out);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.Value().Produced, 0u);
    EXPECT_EQ(r.Value().InputNeeded, 0u);
    EXPECT_EQ(out[0], 0xAB);
}

TEST(LzhDecode, MatchIsCutAtTheDeclaredSize)
{
    // 'q' then one long match at distance 1; stop inside the match and after its first byte.
    const Bytes stream = LzhEncode(Bytes(61, 'q'));
    for (std::uint32_t size : { 2u, 30u, 60u }) {
        Bytes out(size + 8, 0xEE);
        const Result<LzhDecoded> r = LzhDecode(stream, size, out);
        ASSERT_TRUE(r);
        EXPECT_EQ(r.Value().Produced, size);
        EXPECT_EQ(Bytes(out.begin(), out.begin() + size), Bytes(size, 'q'));
        EXPECT_EQ(Bytes(out.begin() + size, out.end()), Bytes(8, 0xEE)) << "wrote past " << size;
    }
}

TEST(LzhDecode, OverlappingMatchesRepeatTheirSource)
{
    // Runs at distance 1, 2 and 3 (each longer than its distance), as byte-by-byte copies give.
    std::string text = "a" + std::string(100, 'b') + "cd";
    for (int i = 0; i < 40; ++i)
        text += "cd";
    for (int i = 0; i < 40; ++i)
        text += "xyz";
    const Bytes input = ToBytes(text);
    EXPECT_EQ(Decode(LzhEncode(input), std::uint32_t(input.size())), input);
}

TEST(LzhDecode, NoStateCarriesOverBetweenCalls)
{
    const Bytes other = LzhEncode(ToBytes(std::string(5000, 'k') + "tail"));
    const Bytes first = Decode(KnownStream, 168);
    Decode(other, 5004);
    EXPECT_EQ(Decode(KnownStream, 168), first);
}

TEST(LzhDecode, RefusesWhatItCannotHoldWithoutWriting)
{
    Bytes out(10, 0x11);
    const Result<LzhDecoded> tooSmall = LzhDecode(KnownStream, 11, out);
    ASSERT_FALSE(tooSmall);
    EXPECT_EQ(tooSmall.Failure(),
        (Error { ErrorKind::SizeMismatch, "declared size 11 does not fit an output of 10 bytes" }));
    const Result<LzhDecoded> tooLarge = LzhDecode(KnownStream, LzhMaxDeclaredSize + 1, out);
    ASSERT_FALSE(tooLarge);
    EXPECT_EQ(tooLarge.Failure().Kind, ErrorKind::TooLarge);
    EXPECT_EQ(out, Bytes(10, 0x11));
}

// Inputs of the sizes around the ring's and the match's limits, and of several kinds: noise (no
// matches), runs, text, a picture-like gradient, and repeats farther apart than the ring holds.
Bytes MakeInput(int kind, std::size_t size, std::uint32_t seed)
{
    Bytes b(size);
    Lcg lcg { seed };
    for (std::size_t i = 0; i < size; ++i) {
        switch (kind) {
        case 0:
            b[i] = lcg.Next();
            break;
        case 1:
            b[i] = std::uint8_t((i / 97) % 3 == 0 ? lcg.Next() : (i / 97) & 0xFF);
            break;
        case 2: {
            static const char words[] = "Yellow Green is moving pass Move ";
            b[i] = std::uint8_t(words[(i * 7 + lcg.Next() % 3) % (sizeof words - 1)]);
            break;
        }
        case 3:
            b[i] = std::uint8_t((i % 61) * 3 + (i / 1220) + (lcg.Next() & 1));
            break;
        default:
            b[i] = i >= 5000 ? b[i - 5000] : lcg.Next();
            break;
        }
    }
    return b;
}

TEST(LzhRoundTrip, EveryKindAndSizeComesBackExactly)
{
    const std::size_t sizes[] = { 0, 1, 2, 3, 59, 60, 61, 4035, 4036, 4095, 4096, 4097, 20000 };
    for (int kind = 0; kind <= 4; ++kind) {
        for (std::size_t size : sizes) {
            const Bytes input = MakeInput(kind, size, std::uint32_t(size * 31 + kind));
            const Bytes stream = LzhEncode(input);
            Bytes out(size);
            const Result<LzhDecoded> r = LzhDecode(stream, std::uint32_t(size), out);
            ASSERT_TRUE(r);
            ASSERT_EQ(out, input) << "kind " << kind << " size " << size;
            // The decoder stops exactly where the packer's stream ends.
            EXPECT_EQ(r.Value().InputNeeded, stream.size()) << "kind " << kind << " size " << size;
        }
    }
}

TEST(LzhRoundTrip, LargeInputsComeBackExactly)
{
    for (int kind : { 0, 3, 4 }) {
        const Bytes input = MakeInput(kind, 1300000, 7u + std::uint32_t(kind));
        const Bytes container = LzhPack(input);
        const Result<LzhContainer> parsed = ParseLzhContainer(container);
        ASSERT_TRUE(parsed);
        const LzhContainer& c = parsed.Value();
        EXPECT_EQ(c.DeclaredSize, input.size());
        EXPECT_EQ(Decode(Bytes(c.Stream.begin(), c.Stream.end()), c.DeclaredSize), input)
            << "kind " << kind;
    }
}

TEST(LzhRoundTrip, EveryByteValueAfterEveryDistance)
{
    // A pattern seen once, then repeated at each distance class of the position code.
    Bytes input;
    for (int v = 0; v < 256; ++v)
        input.push_back(std::uint8_t(v));
    for (std::size_t gap : { 1u, 63u, 64u, 700u, 1500u, 3000u, 3900u, 4030u }) {
        for (std::size_t i = 0; i < gap; ++i)
            input.push_back(std::uint8_t(i * 13));
        input.insert(
            input.end(), input.end() - std::ptrdiff_t(gap) - 8, input.end() - std::ptrdiff_t(gap));
    }
    EXPECT_EQ(Decode(LzhEncode(input), std::uint32_t(input.size())), input);
}

TEST(LzhDecode, DamagedStreamsEndNormally)
{
    const Bytes good = LzhEncode(MakeInput(3, 30000, 99));
    Lcg lcg { 4242 };
    for (int trial = 0; trial < 60; ++trial) {
        Bytes stream = good;
        switch (trial % 3) {
        case 0: // truncated
            stream.resize(lcg.Next() * stream.size() / 256);
            break;
        case 1: // bits flipped
            for (int i = 0; i < 20; ++i) {
                const std::size_t high = lcg.Next();
                const std::size_t at = (high << 8 | lcg.Next()) % stream.size();
                stream[at] ^= std::uint8_t(1 << (i % 8));
            }
            break;
        default: // noise of any length
            stream.resize(std::size_t(lcg.Next()) * 3);
            for (std::uint8_t& b : stream)
                b = lcg.Next();
            break;
        }
        const std::uint32_t size = 30000 + std::uint32_t(lcg.Next()) * 100;
        Bytes out(size + 16, 0x5A);
        const Result<LzhDecoded> r = LzhDecode(stream, size, out);
        ASSERT_TRUE(r);
        EXPECT_EQ(r.Value().Produced, size);
        EXPECT_EQ(Bytes(out.end() - 16, out.end()), Bytes(16, 0x5A)) << "trial " << trial;
        if (trial % 3 == 0) {
            EXPECT_GT(r.Value().InputNeeded, stream.size())
                << "a truncated stream needs more than it has";
        }
    }
}

TEST(LzhContainer, HeaderIsLittleEndianDeclaredSize)
{
    const Bytes stored = { 0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB };
    const Result<LzhContainer> c = ParseLzhContainer(stored);
    ASSERT_TRUE(c);
    EXPECT_EQ(c.Value().DeclaredSize, 0x12345678u);
    EXPECT_EQ(c.Value().Stream.size(), 2u);
    EXPECT_EQ(c.Value().Stream[0], 0xAA);
    EXPECT_EQ(ParseLzhContainer(Bytes { 1, 2, 3 }).Failure(),
        (Error { ErrorKind::Damaged, "packed resource of 3 bytes has no declared size" }));

    const Bytes input = MakeInput(2, 70000, 5);
    const Bytes packed = LzhPack(input);
    Bytes expected = { 0x70, 0x11, 0x01, 0x00 };
    const Bytes stream = LzhEncode(input);
    expected.insert(expected.end(), stream.begin(), stream.end());
    EXPECT_EQ(packed, expected);
}

} // namespace
