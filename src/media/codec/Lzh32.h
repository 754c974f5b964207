// LZHUF decoding (LZSS with adaptive Huffman codes, Okumura and Yoshizaki 1988, longest match 60)
// and the container the program's compressed resources are stored in. Used by UnPacker, by
// corvana-cli and by lzhpack, which checks every stream it writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "Result.h"

// The parameters of the published LZHUF program. The packer and the decoder must agree on every
// one of them: a change to any is a different stream format.
constexpr unsigned LzhN = 4096; // ring size
constexpr unsigned LzhF = 60; // longest match
constexpr unsigned LzhThreshold = 2; // matches are LzhThreshold + 1 .. LzhF bytes long
constexpr unsigned LzhNChar = 256 - LzhThreshold + LzhF; // literals and match lengths: 314
constexpr unsigned LzhT = LzhNChar * 2 - 1; // nodes of the Huffman tree: 627
constexpr unsigned LzhR = LzhT - 1; // root
constexpr unsigned LzhMaxFreq = 0x8000; // the root's count at which the tree is rebuilt
constexpr std::uint8_t LzhRingFill = 0x20; // ring bytes 0 .. LzhN - LzhF - 1 start as spaces

// No resource of the program comes near this; a larger declared size is a corrupt header, and
// refusing it keeps a bad resource from asking for gigabytes.
constexpr std::uint32_t LzhMaxDeclaredSize = 64u << 20;

// Upper six bits of a match position, indexed by the first byte of the position code, already
// shifted into place (<< 6); and the number of bits that byte's code takes, of which the decoder
// reads LzhPositionLength - 2 more after the byte.
extern const std::uint16_t LzhPositionUpper[256];
extern const std::uint8_t LzhPositionLength[256];

// What a decode did, for the tools that check streams.
struct LzhDecoded {
    std::size_t Produced = 0; // bytes written to the output: the declared size
    // Bytes of the stream the decoder needed to produce them. More than the input holds means the
    // stream was truncated (the rest was decoded from zero bits); noticeably fewer means the input
    // carries bytes the stream never reached.
    std::uint64_t InputNeeded = 0;
};

// Decodes the bit stream input until declaredSize bytes are in output. Any input ends normally:
// bits past its end read as zeros and every match is cut at the declared size. Refused, writing
// nothing, with TooLarge (a declared size above LzhMaxDeclaredSize) or SizeMismatch (an output
// that cannot hold it). Each call starts from a fresh model and ring.
Result<LzhDecoded> LzhDecode(std::span<const std::uint8_t> input, std::uint32_t declaredSize,
    std::span<std::uint8_t> output);

// A compressed resource: the 4-byte little-endian declared size, then the bit stream.
struct LzhContainer {
    std::uint32_t DeclaredSize = 0;
    std::span<const std::uint8_t> Stream;
};

// Splits stored bytes into header and stream; Damaged when they are too short to hold a header.
Result<LzhContainer> ParseLzhContainer(std::span<const std::uint8_t> stored);
