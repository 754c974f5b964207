// The self-play records corvana-tune games writes and fit reads: a line per position, own and
// opponent's discs as two 64-bit halves each in hex, the final disc difference for own and
// (in newer records) the search's score of the position in centidiscs for own.
#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "MasterBits.h"

// Calls take(own, opp, result, score) for every well-formed line of the file (score: the
// result in centidiscs where the line has none); false when it cannot be read at all.
template <int N, class Take> bool ReadSamples(const std::string& name, Take take)
{
    std::ifstream in(name);
    if (!in)
        return false;
    using BB = typename master::Geo<N>::BB;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream s(line);
        unsigned long long oh, ol, ph, pl;
        int result;
        if (!(s >> std::hex >> oh >> ol >> ph >> pl >> std::dec >> result))
            continue;
        int score;
        if (!(s >> score))
            score = result * 100;
        const BB own = (BB(oh) << 32 << 32) | BB(ol), opp = (BB(ph) << 32 << 32) | BB(pl);
        take(own, opp, result, score);
    }
    return true;
}

// One line of a record: what ReadSamples reads back.
template <int N>
void WriteSample(std::FILE* out, typename master::Geo<N>::BB own, typename master::Geo<N>::BB opp,
    int result, int score)
{
    const auto hi = [](auto b) {
        return static_cast<unsigned long long>(static_cast<unsigned __int128>(b) >> 64);
    };
    const auto lo = [](auto b) { return static_cast<unsigned long long>(b); };
    std::fprintf(
        out, "%llx %llx %llx %llx %d %d\n", hi(own), lo(own), hi(opp), lo(opp), result, score);
}
