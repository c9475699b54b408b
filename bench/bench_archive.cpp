// Benchmarks of reading items from an archive: a plain item, a PCX sheet converted, and a sheet
// loaded into a transparent image.
#include "archive/ArchiveWriter.h"
#include "archive/ResourceArchive.h"
#include "archive/UtilsPcx.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A tile sheet the size of the game's largest ("table1") among 40 other items, so that a lookup
// walks a realistic index.
const std::string& ArchivePath()
{
    static const std::string path = [] {
        const std::int32_t width = Pictures::Table1.Width;
        const std::int32_t height = Pictures::Table1.Height;
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
        writer.Add(std::string(Pictures::Table1.Name), 1,
                   EncodePcxFromColours(width, height, colours).value());
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
        benchmark::DoNotOptimize(
            ResourceArchive::Read(stream, ArchivePath(), std::string(Pictures::Table1.Name)));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.Size()));
}
BENCHMARK(ReadAndConvertPcxSheet)->Unit(benchmark::kMillisecond);

void LoadTransparentSheet(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadPicture(Pictures::Table1, ArchivePath()));
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
