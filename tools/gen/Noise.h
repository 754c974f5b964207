// Periodic gradient noise for seamless textures: every function here repeats exactly over the
// unit square, so a tile made from it joins its neighbours without a seam.
#pragma once

#include <cstdint>
#include <vector>

class TTileNoise {
public:
    explicit TTileNoise(std::uint64_t seed);

    // Gradient noise in about [-1, 1] at tile coordinates (u, v), with `cells` lattice cells
    // across the tile (so it repeats every 1 / cells as well as every 1).
    double Noise(double u, double v, int cells) const;

    // Fractal sum of `octaves` octaves, starting with `cells` cells and doubling; amplitudes
    // fall by `gain` per octave. Normalised to about [-1, 1].
    double Fractal(double u, double v, int cells, int octaves, double gain = 0.5) const;

private:
    std::vector<double> GradX, GradY;
    std::vector<int> Perm;
    double Gradient(int ix, int iy, int cells, double dx, double dy) const;
};
