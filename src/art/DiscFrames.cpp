// What the bands show, and the painting of one frame.
#include "DiscFrames.h"

#include "AncientSet.h"
#include "ClassicSet.h"
#include "FlameSet.h"

const FigureSetArt& FigureSetArtFor(int figureSet)
{
    switch (figureSet) {
    case 1:
        return ClassicArt();
    case 2:
        return AncientArt();
    default:
        return FlameArt();
    }
}

BandRole RoleOfBand(int band)
{
    const bool light = band % 2 == 0;
    switch (band / 2) {
    case 0:
        return { light, false, Side::Green }; // Yellow turning into Green
    case 1:
        return { light, false, Side::Yellow }; // Green turning into Yellow
    case 2:
        return { light, true, Side::Green };
    default:
        return { light, true, Side::Yellow };
    }
}

FramePicture PictureOfFrame(const FigureSetArt& art, int band, int frame)
{
    const BandRole role = RoleOfBand(band);
    const auto resting = [&](Side side) {
        if (side == Side::Yellow)
            return role.Light ? FramePicture::YellowLight : FramePicture::YellowDark;
        return role.Light ? FramePicture::GreenLight : FramePicture::GreenDark;
    };
    if (frame == art.Frames - 1)
        return resting(role.Final);
    if (frame > 0)
        return FramePicture::Moving;
    if (role.Appearing)
        return role.Light ? FramePicture::BareLight : FramePicture::BareDark;
    return resting(Other(role.Final));
}

namespace {

// Lets the outermost pixels of a frame return to the bare square, so that shadows, fire and
// glints never end in a hard line at the square's edge, and an animated square never shows a
// seam against its neighbours.
void SettleEdges(FloatImage& frame, const FloatImage& bare, int scale)
{
    constexpr float zone = 3.0f; // frame pixels
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x) {
            const float u = (float(x) + 0.5f) / scale, v = (float(y) + 0.5f) / scale;
            const float edge = std::min(std::min(u, v), std::min(FrameSize - u, FrameSize - v));
            if (edge < zone)
                frame.At(x, y) = Mix(bare.At(x, y), frame.At(x, y), Smoothstep(0.5f, zone, edge));
        }
}

} // namespace

FloatImage PaintFrameCanvas(const FigureSetArt& art, int band, int frame, int scale)
{
    const BandRole role = RoleOfBand(band);
    FloatImage canvas;
    if (frame == art.Frames - 1)
        canvas = art.Rest(role.Final, role.Light, scale);
    else if (role.Appearing)
        canvas = frame == 0 ? art.Square(role.Light, scale)
                            : art.Appear(role.Final, role.Light, frame, scale);
    else
        canvas = frame == 0 ? art.Rest(Other(role.Final), role.Light, scale)
                            : art.Turn(Other(role.Final), role.Light, frame, scale);
    SettleEdges(canvas, art.Square(role.Light, scale), scale);
    return canvas;
}
