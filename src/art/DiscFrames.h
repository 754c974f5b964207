// The frames of the disc animation as the figure sets paint them: what each band of a sheet
// shows, and one frame painted on a canvas of any resolution. Used by corvana-gen for the
// compiled-in sheets and by the game for sheets at other sizes.
#pragma once

#include "Raster.h"

// A frame is one square of the board: 61 frame pixels across at the size the design gives.
constexpr int FrameSize = 61;
constexpr int BandCount = 8;

enum class Side { Yellow, Green };
inline Side Other(Side s) { return s == Side::Yellow ? Side::Green : Side::Yellow; }

// How a figure set paints its frames. Every function paints a canvas of FrameSize × scale
// pixels square: scale canvas pixels to a frame pixel.
struct FigureSetArt {
    const char* ResourceName;
    const char* Title;
    int Frames; // per band; the last one is the resting picture
    FloatImage (*Square)(bool light, int scale); // the bare square
    FloatImage (*Rest)(Side side, bool light, int scale); // a disc lying still
    // Frame f (1 .. Frames − 2) of a disc of side `from` turning over to the other side; the
    // band's first and last frames are the resting discs.
    FloatImage (*Turn)(Side from, bool light, int frame, int scale);
    // Frame f (1 .. Frames − 1) of a disc of `side` appearing on an empty square.
    FloatImage (*Appear)(Side side, bool light, int frame, int scale);
};

// The three sets by their index in the settings: 0 "Flame", 1 "Classic", 2 "Ancient".
constexpr int FigureSetArtCount = 3;
const FigureSetArt& FigureSetArtFor(int figureSet);

// What band b of a sheet shows.
struct BandRole {
    bool Light; // light square (bands 0, 2, 4, 6)
    bool Appearing; // a placed disc growing in (bands 4..7), else a disc turning over
    Side Final; // the side the band ends with
};
BandRole RoleOfBand(int band);

// The pictures a band's frame is made of. Every band ends in the resting picture of its final
// side, the turning bands begin with the resting picture of the side they leave, and the
// appearing bands with the bare square, so the board never jumps when an animation starts or
// ends; the frames in between are the set's own.
enum class FramePicture {
    BareLight,
    BareDark,
    YellowLight,
    YellowDark,
    GreenLight,
    GreenDark,
    Moving
};
FramePicture PictureOfFrame(const FigureSetArt& art, int band, int frame);
constexpr int StillPictureCount = 6; // the pictures before Moving

// Frame f of band b at the given canvas scale, its edges settled into the bare square.
FloatImage PaintFrameCanvas(const FigureSetArt& art, int band, int frame, int scale);
