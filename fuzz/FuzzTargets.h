// The fuzzing harnesses as plain functions: each runs one reader of outside data on one input and
// checks what must hold of what the reader accepts. libFuzzer drives them in the clang build
// (make fuzz); the regression test runs them on the seeds and on every stored input that once
// found a fault, in the normal build, without clang.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

using FuzzBytes = std::span<const std::uint8_t>;

// Each throws FuzzFailure (FuzzCheck.h) when a property does not hold; a memory fault is left to
// the sanitizers.
void FuzzSavedGame(FuzzBytes input); // the .kpx reader
void FuzzTranscript(FuzzBytes input); // the transcript reader
void FuzzGgf(FuzzBytes input); // the GGF reader
void FuzzProfile(FuzzBytes input); // the settings file reader and writer
void FuzzNetSession(FuzzBytes input); // the message reader and the network session, scripted
void FuzzLzh(FuzzBytes input); // the LZHUF decoder

struct FuzzTarget {
    std::string_view Name; // the harness's program is corvana-fuzz-NAME, its inputs live in NAME/
    void (*Run)(FuzzBytes);
};

inline constexpr FuzzTarget FuzzTargets[] = {
    { "saved-game", FuzzSavedGame },
    { "transcript", FuzzTranscript },
    { "ggf", FuzzGgf },
    { "profile", FuzzProfile },
    { "net-session", FuzzNetSession },
    { "lzh", FuzzLzh },
};
