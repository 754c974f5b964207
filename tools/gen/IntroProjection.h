// The About window's view of the mesh, computed the way its renderer does (single precision,
// the same normalisation, rotation and projection), so that corvana-gen can size the mesh and
// draw previews that match what players will see.
#pragma once

#include <vector>

#include "IntroMesh.h"

// The rotation the intro holds fixed; only the third angle turns (3 steps a frame, 2048 a turn).
inline constexpr int IntroAngleX = 1536;
inline constexpr int IntroAngleY = 100;
inline constexpr int IntroAngleSteps = 2048;

struct TProjectedFace {
    int A, B, C; // global vertex indices
    float M; // twice the signed screen area; > 0 means the face is drawn
    int Brightness; // M × the face's factor, rounded (the renderer's gradient index before wrap)
};

struct TIntroView {
    std::vector<float> ScreenX, ScreenY, Depth; // per vertex, before scaling to pixels
    std::vector<TProjectedFace> Faces;
};

class TIntroProjection {
public:
    explicit TIntroProjection(const TMesh& mesh);
    TIntroView Project(int angleX, int angleY, int angleZ) const;

    // Pixel position of a projected vertex, rounded as the renderer rounds.
    static int PixelX(float screenX);
    static int PixelY(float screenY);

private:
    struct TFace {
        int A, B, C;
        float K;
    };
    std::vector<float> X, Y, Z;
    std::vector<TFace> Faces;
    std::vector<float> Sin, Cos;
};
