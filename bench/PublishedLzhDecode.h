// The benchmark's baseline: a plain transcription of the published LZHUF decoder (module-level
// state, one bit at a time, a ring buffer beside the output), reading from and writing to memory.
#pragma once

#include <cstdint>
#include <span>

// Decodes stream into output until declaredSize bytes are written (output holds at least that).
void PublishedLzhDecode(
    std::span<const std::uint8_t> stream, std::uint32_t declaredSize, std::uint8_t* output);
