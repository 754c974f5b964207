// The renderer's mesh normalisation and projection, step for step in single precision.
#include "IntroProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TIntroProjection::TIntroProjection(const TMesh& mesh)
    : Sin(IntroAngleSteps)
    , Cos(IntroAngleSteps)
{
    for (int i = 0; i < IntroAngleSteps; ++i) {
        Sin[std::size_t(i)] = float(std::sin(i * std::numbers::pi / 1024));
        Cos[std::size_t(i)] = float(std::cos(i * std::numbers::pi / 1024));
    }
    int base = 0;
    for (const TMeshGroup& group : mesh.Groups) {
        for (const TVec3& v : group.Vertices) {
            X.push_back(float(v.X));
            Y.push_back(float(v.Y));
            Z.push_back(float(v.Z));
        }
        for (const auto& f : group.Faces) {
            const int a = base + f[0], b = base + f[1], c = base + f[2];
            const float e1x = X[b] - X[a], e1y = Y[b] - Y[a], e1z = Z[b] - Z[a];
            const float e2x = X[c] - X[b], e2y = Y[c] - Y[b], e2z = Z[c] - Z[b];
            const float nx = e1y * e2z - e1z * e2y;
            const float ny = e1z * e2x - e1x * e2z;
            const float nz = e1x * e2y - e1y * e2x;
            const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
            Faces.push_back({ a, b, c, 12000.0f / length });
        }
        base += int(group.Vertices.size());
    }
    const auto [minX, maxX] = std::minmax_element(X.begin(), X.end());
    const auto [minY, maxY] = std::minmax_element(Y.begin(), Y.end());
    const auto [minZ, maxZ] = std::minmax_element(Z.begin(), Z.end());
    const float cx = *maxX - (*maxX - *minX) / 2, cy = *maxY - (*maxY - *minY) / 2,
                cz = *maxZ - (*maxZ - *minZ) / 2;
    float s = std::max({ (*maxX - *minX) / 6, (*maxY - *minY) / 6, (*maxZ - *minZ) / 6 });
    if (s == 0)
        s = 1;
    for (std::size_t i = 0; i < X.size(); ++i) {
        X[i] = (cx - X[i]) / s;
        Y[i] = (cy - Y[i]) / s;
        Z[i] = (cz - Z[i]) / s;
    }
}

TIntroView TIntroProjection::Project(int angleX, int angleY, int angleZ) const
{
    const float c1 = Cos[std::size_t(angleX)], s1 = Sin[std::size_t(angleX)];
    const float c2 = Cos[std::size_t(angleY)], s2 = Sin[std::size_t(angleY)];
    const float c3 = Cos[std::size_t(angleZ)], s3 = Sin[std::size_t(angleZ)];
    TIntroView view;
    view.ScreenX.resize(X.size());
    view.ScreenY.resize(X.size());
    view.Depth.resize(X.size());
    for (std::size_t i = 0; i < X.size(); ++i) {
        const float t0 = c2 * X[i] - s2 * Z[i];
        const float t1 = s2 * X[i] + c2 * Z[i];
        const float x = c3 * t0 + s3 * Y[i];
        const float t2 = c3 * Y[i] - s3 * t0;
        const float depth = c1 * t1 - s1 * t2 - 7.0f;
        view.Depth[i] = depth;
        view.ScreenX[i] = x / depth;
        view.ScreenY[i] = (s1 * t1 + c1 * t2) / depth;
    }
    for (const TFace& f : Faces) {
        const auto& sx = view.ScreenX;
        const auto& sy = view.ScreenY;
        const float p = (sy[f.B] - sy[f.A]) * (sx[f.C] - sx[f.B]);
        const float q = (sx[f.B] - sx[f.A]) * (sy[f.C] - sy[f.B]);
        const float m = p - q;
        view.Faces.push_back({ f.A, f.B, f.C, m, int(std::nearbyint(m * f.K)) });
    }
    return view;
}

int TIntroProjection::PixelX(float screenX)
{
    return int(std::nearbyint(screenX * 350.0f + 190.0f));
}

int TIntroProjection::PixelY(float screenY)
{
    return int(std::nearbyint(screenY * 350.0f + 130.0f));
}
