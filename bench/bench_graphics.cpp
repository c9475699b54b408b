// Benchmarks of the drawing layer: smooth stretching of board-sized canvases, presenting a full
// screen, and one-line text.
#include "graphics/Font.h"
#include "graphics/Surface.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <vector>

namespace {

std::unique_ptr<Surface> StripedCanvas(int w, int h)
{
    auto c = Surface::CreateCanvas(nullptr, w, h);
    for (int x = 0; x < w; x += 16) {
        c->FillRect({x, 0, x + 16, h}, static_cast<Colour>(x * 2654435761u) & 0xFFFFFF);
    }
    for (int y = 0; y < h; y += 24) {
        c->FillRect({0, y, w, y + 3}, static_cast<Colour>(y * 40503u) & 0xFFFFFF);
    }
    return c;
}

void SmoothStretch(benchmark::State& state, int srcW, int srcH, int destW, int destH, int screenH)
{
    auto src = StripedCanvas(srcW, srcH);
    auto dest = Surface::CreateCanvas(nullptr, destW, screenH);
    const Rect to{0, screenH - destH, destW, screenH};
    for (auto _ : state) {
        Surface::StretchBlit(*dest, to, *src, true, {0, 0, srcW, srcH});
        benchmark::DoNotOptimize(dest->PixelAt(destW / 2, screenH / 2));
    }
    state.SetItemsProcessed(state.iterations() * destW * destH);
}

void BM_SmoothStretch_2016x1152_to_1920x907(benchmark::State& state)
{
    SmoothStretch(state, 2016, 1152, 1920, 907, 1080);
}
BENCHMARK(BM_SmoothStretch_2016x1152_to_1920x907)->Unit(benchmark::kMillisecond);

void BM_SmoothStretch_3888x2208_to_3840x1814(benchmark::State& state)
{
    SmoothStretch(state, 3888, 2208, 3840, 1814, 2160);
}
BENCHMARK(BM_SmoothStretch_3888x2208_to_3840x1814)->Unit(benchmark::kMillisecond);

void BM_PresentTo_1920x1080(benchmark::State& state)
{
    auto src = StripedCanvas(1920, 1080);
    std::vector<std::uint32_t> window(1920 * 1080);
    const PixelBuffer buffer{reinterpret_cast<std::uint8_t*>(window.data()), 1920, 1080, 1920 * 4};
    for (auto _ : state) {
        src->PresentTo(buffer, 0, 0, {0, 0, 1920, 1080});
        benchmark::DoNotOptimize(window[960 * 1080]);
    }
}
BENCHMARK(BM_PresentTo_1920x1080)->Unit(benchmark::kMillisecond);

void BM_DrawTextAt_100x30(benchmark::State& state)
{
    ScreenSize = {1920, 1080};
    auto canvas = Surface::CreateCanvas(nullptr, 1920, 1080);
    canvas->Clear(0xFFFFFF);
    const auto font = MakeFont("Arial", 400, 16, 5);
    const char* text = "Cash $123456 Salary $2500 Mon."; // 30 characters
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            canvas->DrawTextAt(text, font.get(), 0.01f + 0.3f * (i % 3), 0.009f * i, i % 3);
        }
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_DrawTextAt_100x30)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("FONTCONFIG_FILE", TARNHOLLOW_FONTCONFIG_FILE, 1);
    WarmFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
