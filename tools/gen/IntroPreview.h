// Previews of the intro drawn by the About window's own renderer: whole frames (turning
// background, shaded mesh, ivory title with its shadow, scrolling text) and plain shaded views of
// the mesh, so the generated data can be judged as players will see it.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "IntroMesh.h"

struct TIntroData {
    std::vector<std::uint8_t> Tile; // INTRO_BACKFON as stored
    std::vector<std::uint8_t> Strip; // INTRO_FONTIM as stored
    std::vector<std::uint8_t> Title; // INTRO_FRONTIM as stored
    std::vector<std::uint8_t> Gradient; // INTRO_GRAD
    TMesh Mesh;
};

// Frame `frame` of the intro as the About window shows it (frame 0 is the one it opens with).
// Without `mesh` the stage is left empty.
QImage RenderIntroFrame(const TIntroData& data, int frame, bool mesh = true);

// The mesh alone, flat-shaded in grey on black at one turning angle, scaled up.
QImage RenderMeshView(const TIntroData& data, int angleZ, int scale);
