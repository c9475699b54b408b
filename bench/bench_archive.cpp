// Benchmarks of reading items from an archive: a plain item, a PCX sheet converted, and a sheet
// loaded into a transparent image.
#include "archive/ArchiveWriter.h"
#include "archive/ResourceArchive.h"
#include "archive/UtilsPcx.h"
#include "graphics/Surface.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A tile sheet the size of the game's largest (8 frames of 144 x 105 with gutters, 7 rows) among
// 40 other items, so that a lookup walks a realistic index.
const std::string& ArchivePath()
{
    static const std::string path = [] {
        const std::int32_t width = 8 * 145;
        const std::int32_t height = 7 * 106;
        std::vector<std::uint32_t> colours(static_cast<std::size_t>(width * height));
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x) {
                // Flat areas with edges, as drawn tiles have.
                colours[static_cast<std::size_t>(y * width + x)] = ((x / 9 + y / 7) % 23) * 0x0A0B0Cu;
            }
        }
        ArchiveWriter writer;
        for (int i = 0; i < 40; ++i) {
            writer.Add("item" + std::to_string(i), 0, std::vector<std::uint8_t>(4000 + 500 * i, 1));
        }
        writer.Add("table1", 1, EncodePcxFromColours(width, height, colours).value());
        const std::string p =
            (std::filesystem::temp_directory_path() / ("bench_archive." + std::to_string(getpid()) + ".dat"))
                .string();
        writer.WriteFile(p);
        return p;
    }();
    return path;
}

void ReadPlainItem(benchmark::State& state)
{
    MemoryStream stream;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResourceArchive::Read(stream, ArchivePath(), "ITEM39"));
    }
}
BENCHMARK(ReadPlainItem);

void ReadAndConvertPcxSheet(benchmark::State& state)
{
    MemoryStream stream;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResourceArchive::Read(stream, ArchivePath(), "table1"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.Size()));
}
BENCHMARK(ReadAndConvertPcxSheet)->Unit(benchmark::kMillisecond);

void LoadTransparentSheet(benchmark::State& state)
{
    Surface image;
    for (auto _ : state) {
        image.LoadImage(1, 144, "table1", ArchivePath(), true, 105);
    }
}
BENCHMARK(LoadTransparentSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(ArchivePath());
    return 0;
}
