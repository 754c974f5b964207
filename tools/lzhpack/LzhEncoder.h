// LZHUF encoding with the decoder's parameters: LZSS over a binary search tree, adaptive Huffman
// codes, match positions coded with the published upper-bit tables. Used by lzhpack at build time
// and by the codec's tests and benchmark to make streams.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The bit stream for input, without the container header.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> input);

// The container the program stores: 4-byte little-endian declared size (input.size()), then the
// bit stream. The caller keeps input within the decoder's declared-size limit.
std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> input);
