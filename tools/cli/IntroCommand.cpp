// corvana-cli intro: plays the About window's intro without a window and writes its frames as PNG
// pictures, for review and for checks of the renderer.
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "Intro.h"
#include "IntroResources.h"

namespace {

// The frame as it would appear on the screen: memory row 0 of the buffer is the bottom row.
QImage FrameImage(const TIntro& intro)
{
    QImage image(IntroWidth, IntroHeight, QImage::Format_RGB32);
    for (int y = 0; y < IntroHeight; ++y) {
        const std::uint32_t* from
            = &intro.FrameBuffer[std::size_t(IntroHeight - 1 - y) * IntroWidth];
        auto* to = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < IntroWidth; ++x)
            to[x] = from[x] | 0xFF000000u;
    }
    return image;
}

} // namespace

int RunIntro(CliArgs& args)
{
    const std::optional<std::string> out = args.Take("--out");
    const int frames = args.TakeInt("--frames", 1, 1000000, 0); // 0: not given
    if (!out || frames == 0)
        throw UsageError("intro needs --frames N and --out DIR");
    const int from = args.TakeInt("--from", 0, frames - 1, 0);
    const int seed = args.TakeInt("--seed", 0, 2147483647, 1);
    args.ExpectEnd();

    const Result<TIntroResources> read = ReadIntroResources();
    TIntro intro { std::uint32_t(seed) };
    const Status loaded = read ? intro.LoadIntro(read.Value()) : Status(read.Failure());
    if (!loaded) {
        std::cerr << "corvana-cli intro: " << loaded.Failure().Message << "\n";
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(*out, ec);
    if (ec) {
        std::cerr << "corvana-cli intro: cannot create " << *out << ": " << ec.message() << "\n";
        return 1;
    }
    // Frame 0 is the one the About window shows when it opens: one step after loading.
    for (int frame = 0; frame < frames; ++frame) {
        intro.IntroFrame();
        if (frame < from)
            continue;
        char name[32];
        std::snprintf(name, sizeof name, "intro-%04d.png", frame);
        const std::filesystem::path path = std::filesystem::path(*out) / name;
        if (!FrameImage(intro).save(QString::fromStdString(path.string()), "PNG")) {
            std::cerr << "corvana-cli intro: cannot write " << path.string() << "\n";
            return 1;
        }
    }
    std::printf("wrote frames %d to %d to %s (scroll period %d pixels)\n", from, frames - 1,
        out->c_str(), intro.P);
    return 0;
}
