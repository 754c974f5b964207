// corvana-bench-lzh: decode throughput of LzhDecode against the plain transcription of the
// published decoder, on a disc sheet of the largest sheet's size (1220 × 488 planes, 1,786,080
// bytes), plus UnpackPlanes on the same sheet and every large packed resource compiled in.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Lzh32.h"
#include "LzhEncoder.h"
#include "PublishedLzhDecode.h"
#include "ResourceStore.h"
#include "UnPacker.h"

namespace {

constexpr int SheetWidth = 1220;
constexpr int SheetHeight = 488;
constexpr int Cell = 61;

struct Random {
    std::uint64_t State;
    std::uint32_t Next()
    {
        State = State * 6364136223846793005ull + 1442695040888963407ull;
        return std::uint32_t(State >> 33);
    }
};

// A disc animation sheet as a painter would make one: 20 frames of a disc turning over in a light
// and a dark band per row, shaded faces with soft edges, on textured squares. Its planes pack to
// about half their size, as the program's own sheets do.
std::vector<std::uint8_t> MakeSheetPlanes()
{
    const std::size_t n = std::size_t(SheetWidth) * SheetHeight;
    std::vector<std::uint8_t> planes(3 * n);
    Random random { 12345 };
    for (int y = 0; y < SheetHeight; ++y) {
        for (int x = 0; x < SheetWidth; ++x) {
            const int frame = x / Cell, band = y / Cell;
            const double cx = x % Cell - 30.0, cy = y % Cell - 30.0;
            const bool light = band % 2 == 0;
            double r = light ? 190 : 110, g = light ? 160 : 84, b = light ? 110 : 52;
            // Wood-like grain on the square.
            const double grain = 8 * std::sin((y % Cell) * 0.7 + std::sin(x * 0.13) * 2);
            r += grain;
            g += grain * 0.8;
            b += grain * 0.5;
            // The disc: an ellipse whose width follows the turn, one face yellow, the other green.
            const double turn = std::cos((frame + band * 0.5) * M_PI / 19);
            const double half = 25 * std::max(0.06, std::abs(turn));
            const double d = std::hypot(cx / half, cy / 25.0);
            if (d < 1.04) {
                const double edge = std::clamp((1.04 - d) / 0.08, 0.0, 1.0);
                const double light_ = 1.15 - 0.55 * std::hypot(cx / half + 0.35, cy / 25.0 + 0.35);
                const double fr = turn >= 0 ? 250 : 50, fg = turn >= 0 ? 210 : 175,
                             fb = turn >= 0 ? 40 : 80;
                r = r * (1 - edge) + fr * light_ * edge;
                g = g * (1 - edge) + fg * light_ * edge;
                b = b * (1 - edge) + fb * light_ * edge;
            }
            // Noise of one step on half the pixels, as in a rendered and dithered picture; it
            // brings the packed size to that of the program's sheets (53 %).
            const int noise = (random.Next() % 2 == 0) ? int(random.Next() % 3) - 1 : 0;
            const std::size_t i = std::size_t(y) * SheetWidth + x;
            planes[i] = std::uint8_t(std::clamp(int(r) + noise, 0, 255));
            planes[n + i] = std::uint8_t(std::clamp(int(g) + noise, 0, 255));
            planes[2 * n + i] = std::uint8_t(std::clamp(int(b) + noise, 0, 255));
        }
    }
    return planes;
}

const std::vector<std::uint8_t>& SheetContainer()
{
    static const std::vector<std::uint8_t> container = LzhPack(MakeSheetPlanes());
    return container;
}

void ReportThroughput(benchmark::State& state, std::size_t bytes, std::size_t stored)
{
    state.counters["MB/s"] = benchmark::Counter(
        double(bytes) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
    state.counters["packed"] = double(stored) / double(bytes);
}

void BM_LzhDecode(benchmark::State& state)
{
    const LzhContainer c = ParseLzhContainer(SheetContainer()).Value();
    std::vector<std::uint8_t> out(c.DeclaredSize);
    for (auto _ : state) {
        if (!LzhDecode(c.Stream, c.DeclaredSize, out)) {
            state.SkipWithError("the sheet does not decode");
            break;
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    ReportThroughput(state, c.DeclaredSize, SheetContainer().size());
}

void BM_PublishedLzhDecode(benchmark::State& state)
{
    const LzhContainer c = ParseLzhContainer(SheetContainer()).Value();
    std::vector<std::uint8_t> out(c.DeclaredSize);
    for (auto _ : state) {
        PublishedLzhDecode(c.Stream, c.DeclaredSize, out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    ReportThroughput(state, c.DeclaredSize, SheetContainer().size());
}

// Both decoders in turn on every iteration, so that a machine whose load changes during the run
// slows both alike: the fairest single figure for how much faster LzhDecode is. Reports the
// throughput of each (total bytes over total time) and their ratio, over all iterations and over
// the fastest iteration of each.
void BM_DecodeSpeedup(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const LzhContainer c = ParseLzhContainer(SheetContainer()).Value();
    std::vector<std::uint8_t> out(c.DeclaredSize);
    double ours = 0, published = 0, oursBest = 1e9, publishedBest = 1e9;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        const bool decoded = LzhDecode(c.Stream, c.DeclaredSize, out).Ok();
        benchmark::ClobberMemory();
        const Clock::time_point t1 = Clock::now();
        if (!decoded) {
            state.SkipWithError("the sheet does not decode");
            break;
        }
        PublishedLzhDecode(c.Stream, c.DeclaredSize, out.data());
        benchmark::ClobberMemory();
        const Clock::time_point t2 = Clock::now();
        const double a = std::chrono::duration<double>(t1 - t0).count();
        const double b = std::chrono::duration<double>(t2 - t1).count();
        ours += a;
        published += b;
        oursBest = std::min(oursBest, a);
        publishedBest = std::min(publishedBest, b);
    }
    const double mb = double(c.DeclaredSize) / 1e6;
    const double n = double(state.iterations());
    state.counters["MB/s"] = mb * n / ours;
    state.counters["published MB/s"] = mb * n / published;
    state.counters["speedup"] = published / ours;
    state.counters["best speedup"] = publishedBest / oursBest;
}

// The whole load of a sheet as the sprite store does it: decode and lay out bottom-up pixels.
void BM_UnpackPlanes(benchmark::State& state)
{
    std::vector<std::uint32_t> pixels(std::size_t(SheetWidth) * SheetHeight);
    for (auto _ : state) {
        if (!UnpackPlanes(SheetContainer(), pixels, SheetWidth, SheetHeight)) {
            state.SkipWithError("the sheet does not unpack");
            break;
        }
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    ReportThroughput(state, pixels.size() * 3, SheetContainer().size());
}

void BM_EmbeddedResource(benchmark::State& state, const ResourceEntry* e)
{
    const LzhContainer c = ParseLzhContainer(e->Bytes).Value();
    std::vector<std::uint8_t> out(c.DeclaredSize);
    for (auto _ : state) {
        if (!LzhDecode(c.Stream, c.DeclaredSize, out)) {
            state.SkipWithError("the resource does not decode");
            break;
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    ReportThroughput(state, c.DeclaredSize, e->Bytes.size());
}

// Both decoders must agree on the sheet, or the figures compare different work.
bool DecodersAgree()
{
    const LzhContainer c = ParseLzhContainer(SheetContainer()).Value();
    std::vector<std::uint8_t> ours(c.DeclaredSize), published(c.DeclaredSize);
    if (!LzhDecode(c.Stream, c.DeclaredSize, ours))
        return false;
    PublishedLzhDecode(c.Stream, c.DeclaredSize, published.data());
    return ours == published && ours == MakeSheetPlanes();
}

} // namespace

BENCHMARK(BM_LzhDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PublishedLzhDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackPlanes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeSpeedup)->Unit(benchmark::kMillisecond)->MinTime(3);

int main(int argc, char** argv)
{
    if (!DecodersAgree()) {
        std::fprintf(stderr, "corvana-bench-lzh: the decoders disagree on the sheet\n");
        return 1;
    }
    for (const ResourceEntry& e : AllResources()) {
        const Result<LzhContainer> c = ParseLzhContainer(e.Bytes);
        if (e.Form == StoredForm::Lzhuf && c && c.Value().DeclaredSize >= 256 * 1024
            && c.Value().DeclaredSize <= LzhMaxDeclaredSize)
            benchmark::RegisterBenchmark(
                ("BM_EmbeddedResource/" + std::string(e.Name)).c_str(), BM_EmbeddedResource, &e)
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
