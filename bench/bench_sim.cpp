// Benchmark of the rules engine at the simulator's full speed: computer-only games on the default
// board, in throws a second (budget: at least 100,000 on one core), by one thread and by two
// threads at once (each its own engine, board copy and generator), without and with the game's
// record (recording may cost at most a tenth of the throws); and the autosave of a game in
// progress, which holds the game screen up once a day.
#include "rules/Rules.h"
#include "rules/SavedGame.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void BM_ComputerGames(benchmark::State& bench)
{
    Board original;
    if (original.LoadFile(std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd",
                          std::string(TARNHOLLOW_GAME_DIR) + "/res00.dat") == BoardSource::None) {
        bench.SkipWithError("no default board in the game folder");
        return;
    }
    GameSetup setup;
    setup.Human = {};
    const RulesOptions silent{.SoundEffects = false, .Recording = bench.range(0) != 0};
    std::int64_t throws = 0;
    // Each thread plays seeds of its own, the same 64 again and again, so that the runs with and
    // without the record play the same games.
    const std::uint32_t firstSeed = 1 + static_cast<std::uint32_t>(bench.thread_index()) * 100000u;
    std::uint32_t game = 0;
    for (auto _ : bench) {
        const std::uint32_t seed = firstSeed + game++ % 64;
        Board board = original;
        GameState state;
        Random random(seed);
        QuietRulesHost host;
        Rules rules(state, board, random, host, silent);
        rules.StartGame(setup);
        while (state.Running && state.Throws < 20000) {
            rules.PlayThrow();
        }
        throws += state.Throws;
    }
    bench.counters["throws"] = benchmark::Counter(static_cast<double>(throws), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ComputerGames)
    ->ArgName("recording")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime()
    ->Threads(1)
    ->Threads(2);

// A game of six computers 300 throws under way on the default board, saved over the same file in
// a SAVES folder of the temporary folder, as the game screen's autosave writes it (checked by
// reading it back, written to a temporary file, flushed and renamed).
void BM_Autosave(benchmark::State& bench)
{
    Board board;
    if (board.LoadFile(std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd",
                       std::string(TARNHOLLOW_GAME_DIR) + "/res00.dat") == BoardSource::None) {
        bench.SkipWithError("no default board in the game folder");
        return;
    }
    GameSetup setup;
    setup.InGame = {true, true, true, true, true, true};
    setup.Human = {};
    GameState state;
    Random random(7);
    QuietRulesHost host;
    Rules rules(state, board, random, host, RulesOptions{.SoundEffects = false});
    rules.StartGame(setup);
    while (state.Running && state.Throws < 300) {
        rules.PlayThrow();
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tarnhollow-bench-" + std::to_string(::getpid()));
    const std::filesystem::path file = folder / SavedGames::Folder / SavedGames::AutosaveFile;
    std::filesystem::create_directories(folder);
    for (auto _ : bench) {
        if (!SaveGame(file, state, board, random).Ok) {
            bench.SkipWithError("the game could not be saved");
            break;
        }
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}
BENCHMARK(BM_Autosave)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
