// Deterministic noise for textures and flames: the same inputs give the same picture on every
// run, which keeps corvana-gen's output byte for byte reproducible.
#pragma once

#include <cstdint>

// A well-mixed 32-bit hash of a lattice point.
std::uint32_t Hash(int x, int y, std::uint32_t seed);
// The hash as a float in [0, 1).
float Hash01(int x, int y, std::uint32_t seed);

// Smooth gradient noise in about [-1, 1], one feature per unit.
float GradientNoise(float x, float y, std::uint32_t seed);
// Octaves of gradient noise, each twice as fine and half as strong; about [-1, 1].
float Fbm(float x, float y, int octaves, std::uint32_t seed);
// The same with creases (1 − |noise|): veins, cracks and flame tongues.
float RidgedFbm(float x, float y, int octaves, std::uint32_t seed);
// Octaves of gradient noise at tile coordinates (u, v) that repeat exactly over the unit square,
// so a tile made from it joins its neighbours without a seam: `cells` lattice cells across the
// tile at the first octave, twice as many at each next, amplitudes falling by `gain`.
float TileFbm(double u, double v, int cells, int octaves, double gain, std::uint32_t seed);
