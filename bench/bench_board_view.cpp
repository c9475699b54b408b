// Benchmarks of the board view: a whole redraw (render and present) of the default board with six
// pawns at three screen sizes, its two halves, and a plain full-screen copy of the back buffer
// measured in the same run (the counter vs_copy is the redraw's time in full-screen copies).
#include "archive/ResourceArchive.h"
#include "archive/UtilsPcx.h"
#include "board/Board.h"
#include "boardview/BoardView.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string GameDir = TARNHOLLOW_GAME_DIR;
const std::string Archive = GameDir + "/" + Pictures::Archive;

// A stand-in sheet when the archive has no pictures: diamonds of a few colours at the real frame
// geometry, so that the copies do the same work.
std::unique_ptr<Surface> StandInSheet(const PictureInfo& sheet)
{
    const int frameWidth = sheet.FrameWidth;
    const int frameHeight = sheet.FrameHeight;
    const int width = sheet.Width;
    const int height = sheet.Height;
    std::vector<std::uint32_t> colours(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int u = x % (frameWidth + 1);
            const int v = y % (frameHeight + 1);
            const double dx = std::abs(u + 0.5 - frameWidth / 2.0) / (frameWidth / 2.0);
            const double dy = std::abs(v + 0.5 - frameHeight / 2.0) / (frameHeight / 2.0);
            if (u < frameWidth && v < frameHeight && dx + dy < 1.0) {
                colours[static_cast<std::size_t>(y) * width + x] = 0x204080u + 0x10u * ((x + y) % 5);
            }
        }
    }
    auto image = std::make_unique<Surface>();
    const auto pcx = EncodePcxFromColours(width, height, colours);
    const auto bitmap = pcx ? ResourceArchive::PcxToBitmap(*pcx) : std::nullopt;
    if (bitmap) {
        image->LoadBitmapImage(*bitmap, 1, frameWidth, true, frameHeight);
    }
    return image;
}

std::unique_ptr<Surface> Sheet(const PictureInfo& sheet)
{
    auto image = LoadPicture(sheet, Archive);
    return image->IsEmpty() ? StandInSheet(sheet) : std::move(image);
}

struct Sheets
{
    std::unique_ptr<Surface> Blank = Sheet(Pictures::Blank);
    std::unique_ptr<Surface> Table0 = Sheet(Pictures::Table0);
    std::unique_ptr<Surface> Table1 = Sheet(Pictures::Table1);
    std::unique_ptr<Surface> Dice = Sheet(Pictures::Dice);
};

// The default board with six pawns spread over the centre of the view and some owned lots.
void SetUpBoard(Board& board)
{
    board.LoadFile(GameDir + "/Board1.brd", Archive);
    std::int32_t player = 0;
    for (std::int32_t y = 0; y < board.Height() && player < Board::PlayerCount; ++y) {
        for (std::int32_t x = 0; x < board.Width() && player < Board::PlayerCount; ++x) {
            if (IsRoadPiece(board.At(x, y).Kind) && y >= board.CenterY - 2 && x >= board.CenterX - 3) {
                board.At(x, y).Pawns = static_cast<std::uint8_t>(1u << player);
                ++player;
            }
        }
    }
    std::int32_t lots = 0;
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            Cell& cell = board.At(x, y);
            if (cell.Kind == CellKind::LotForSale && lots++ % 2 == 0) {
                cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + lots % 7);
                cell.Owner = static_cast<std::uint8_t>(1 + lots % Board::PlayerCount);
            }
        }
    }
}

struct Screen
{
    Screen(std::int32_t width, std::int32_t height)
    {
        ScreenSize = {width, height};
        BackBuffer = Surface::CreateCanvas(nullptr, width, height);
        Copy = Surface::CreateCanvas(nullptr, width, height);
        SetUpBoard(Map);
        View = std::make_unique<BoardView>(
            Map, [this] { return BackBuffer.get(); }, [](const Rect&) {});
        View->Sheets = {Tiles.Blank.get(), Tiles.Table0.get(), Tiles.Table1.get(), Tiles.Dice.get()};
        View->Create(MakeRelRect(0, 0.16f, 1, 0.84f));
    }

    // Milliseconds of one opaque full-screen copy of the back buffer.
    double FullScreenCopyMs() const
    {
        const Rect whole{0, 0, BackBuffer->Width, BackBuffer->Height};
        Surface::Blit(*Copy, 0, 0, whole, *BackBuffer);
        const int rounds = 20;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i) {
            Surface::Blit(*Copy, 0, 0, whole, *BackBuffer);
        }
        benchmark::DoNotOptimize(Copy->PixelAt(1, 1));
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
               rounds;
    }

    Sheets Tiles;
    Board Map;
    std::unique_ptr<Surface> BackBuffer;
    std::unique_ptr<Surface> Copy;
    std::unique_ptr<BoardView> View;
};

enum class Part
{
    Redraw,
    Render,
    Present,
};

void BoardViewBench(benchmark::State& state, std::int32_t width, std::int32_t height, Part part)
{
    Screen screen(width, height);
    screen.View->Redraw();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        switch (part) {
        case Part::Redraw:
            screen.View->Redraw();
            break;
        case Part::Render:
            screen.View->Render();
            break;
        case Part::Present:
            screen.View->Present();
            break;
        }
        benchmark::DoNotOptimize(screen.BackBuffer->PixelAt(width / 2, height / 2));
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    const double copyMs = screen.FullScreenCopyMs();
    state.counters["copy_ms"] = copyMs;
    state.counters["vs_copy"] = copyMs > 0 ? ms / copyMs : 0;
}

void FullScreenCopy(benchmark::State& state, std::int32_t width, std::int32_t height)
{
    auto src = Surface::CreateCanvas(nullptr, width, height);
    auto dest = Surface::CreateCanvas(nullptr, width, height);
    for (auto _ : state) {
        Surface::Blit(*dest, 0, 0, {0, 0, width, height}, *src);
        benchmark::DoNotOptimize(dest->PixelAt(1, 1));
    }
}

} // namespace

// Wall-clock time, and the CPU time of all threads: the stretch onto the back buffer shares its
// work out to threads.
#define BOARD_BENCH(name, w, h, part)                                                                        \
    BENCHMARK_CAPTURE(BoardViewBench, name, w, h, part)                                                      \
        ->Unit(benchmark::kMillisecond)                                                                      \
        ->MeasureProcessCPUTime()                                                                            \
        ->UseRealTime()
BOARD_BENCH(Redraw_1024x768, 1024, 768, Part::Redraw);
BOARD_BENCH(Redraw_1920x1080, 1920, 1080, Part::Redraw);
BOARD_BENCH(Redraw_3840x2160, 3840, 2160, Part::Redraw);
BOARD_BENCH(Render_1920x1080, 1920, 1080, Part::Render);
BOARD_BENCH(Present_1920x1080, 1920, 1080, Part::Present);
BOARD_BENCH(Render_3840x2160, 3840, 2160, Part::Render);
BOARD_BENCH(Present_3840x2160, 3840, 2160, Part::Present);
BENCHMARK_CAPTURE(FullScreenCopy, 1920x1080, 1920, 1080)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK_CAPTURE(FullScreenCopy, 3840x2160, 3840, 2160)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
