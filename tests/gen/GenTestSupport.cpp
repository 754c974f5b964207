// Shared helpers of the content tests, and their main: painting and fonts need a GUI
// application, which the tests run offscreen.
#include "GenTestSupport.h"

#include <QGuiApplication>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "DejaVuFonts.h"

std::vector<std::uint8_t> ReadGenerated(const std::string& name)
{
    std::ifstream in(std::string(CORVANA_GENERATED_DIR) + "/" + name + ".raw", std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

MeanColour MeanInCircle(const PixelImage& picture, double cx, double cy, double radius)
{
    MeanColour m;
    int n = 0;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy > radius * radius)
                continue;
            const std::uint32_t p = picture.At(x, y);
            m.R += (p >> 16) & 0xFF, m.G += (p >> 8) & 0xFF, m.B += p & 0xFF;
            ++n;
        }
    if (n)
        m.R /= n, m.G /= n, m.B /= n;
    return m;
}

MeanColour MeanInRing(const PixelImage& picture, int inset)
{
    MeanColour m;
    int n = 0;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            const int edge
                = std::min(std::min(x, y), std::min(picture.Width - 1 - x, picture.Height - 1 - y));
            if (edge != inset)
                continue;
            const std::uint32_t p = picture.At(x, y);
            m.R += (p >> 16) & 0xFF, m.G += (p >> 8) & 0xFF, m.B += p & 0xFF;
            ++n;
        }
    if (n)
        m.R /= n, m.G /= n, m.B /= n;
    return m;
}

double Hue(const MeanColour& c)
{
    const double mx = std::max({ c.R, c.G, c.B }), mn = std::min({ c.R, c.G, c.B });
    if (mx - mn < 1e-9)
        return 0;
    double h;
    if (mx == c.R)
        h = 60 * std::fmod((c.G - c.B) / (mx - mn), 6.0);
    else if (mx == c.G)
        h = 60 * ((c.B - c.R) / (mx - mn) + 2);
    else
        h = 60 * ((c.R - c.G) / (mx - mn) + 4);
    return h < 0 ? h + 360 : h;
}

double Distance(const MeanColour& a, const MeanColour& b)
{
    return std::sqrt(
        (a.R - b.R) * (a.R - b.R) + (a.G - b.G) * (a.G - b.G) + (a.B - b.B) * (a.B - b.B));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (const Status fonts = LoadDejaVuFonts(); !fonts) {
        std::fprintf(stderr, "%s\n", fonts.Failure().Message.c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
