// Speed of the About window's intro: one IntroFrame (the budget is the timer's 15 ms; the goal is
// well under 1.5 ms on one core), its stages, and the conversion of a frame for the screen.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

#include "DrawDib.h"
#include "Intro.h"
#include "IntroResources.h"

namespace {

// An intro loaded from the compiled-in resources and run for a while, so that the text and the
// mesh are in view.
TIntro& Intro()
{
    static TIntro intro = [] {
        TIntro i(1);
        const Result<TIntroResources> read = ReadIntroResources();
        const Status loaded = read ? i.LoadIntro(read.Value()) : Status(read.Failure());
        if (!loaded) {
            std::fprintf(stderr, "intro: %s\n", loaded.Failure().Message.c_str());
            std::exit(1);
        }
        for (int f = 0; f < 400; ++f)
            i.IntroFrame();
        return i;
    }();
    return intro;
}

void BM_IntroFrame(benchmark::State& state)
{
    TIntro& intro = Intro();
    for (auto _ : state) {
        intro.IntroFrame();
        benchmark::DoNotOptimize(intro.FrameBuffer.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_IntroFrame)->Unit(benchmark::kMicrosecond);

void BM_IntroBackground(benchmark::State& state)
{
    TIntro& intro = Intro();
    for (auto _ : state) {
        intro.DrawBackground();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_IntroBackground)->Unit(benchmark::kMicrosecond);

void BM_IntroMesh(benchmark::State& state)
{
    TIntro& intro = Intro();
    for (auto _ : state) {
        intro.RZ = (intro.RZ + 3) % IntroAngleSteps;
        intro.ClearMeshBuffers();
        intro.DrawMesh();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_IntroMesh)->Unit(benchmark::kMicrosecond);

// Text, edge fade, mesh shading, title and shadow.
void BM_IntroCompose(benchmark::State& state)
{
    TIntro& intro = Intro();
    for (auto _ : state) {
        intro.DrawTextLine(IntroWidth - intro.S, 10, ScrollText());
        intro.FadeEdges();
        intro.ShadeMesh();
        intro.DrawForeground();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_IntroCompose)->Unit(benchmark::kMicrosecond);

// What a push of the frame costs on top of the frame itself: the bottom-up buffer converted and
// drawn at client (1, 1) of a window-sized picture.
void BM_ShowIntroFrame(benchmark::State& state)
{
    TIntro& intro = Intro();
    QImage window(IntroWidth + 2, IntroHeight + 2, QImage::Format_RGB32);
    const DibPicture picture { intro.FrameBuffer.data(), IntroWidth, IntroHeight };
    for (auto _ : state) {
        QPainter painter(&window);
        DrawDibDraw(painter, QPoint(1, 1), picture, QRect(0, 0, IntroWidth, IntroHeight));
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_ShowIntroFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
