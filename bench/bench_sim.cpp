// Benchmark of the rules engine at the simulator's full speed: computer-only games on the default
// board, in throws a second (budget: at least 100,000 on one core), by one thread and by two
// threads at once (each its own engine, board copy and generator), without and with the game's
// record (recording may cost at most a tenth of the throws).
#include "rules/Rules.h"

#include <benchmark/benchmark.h>
#include <cstdio>

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

} // namespace

BENCHMARK_MAIN();
