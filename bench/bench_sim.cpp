// Benchmark of the rules engine at the simulator's full speed: computer-only games on the default
// board, in throws a second (budget: at least 100,000 on one core), by one thread and by two
// threads at once (each its own engine, board copy and generator).
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
    const RulesOptions silent{.SoundEffects = false};
    std::int64_t throws = 0;
    // Each thread plays seeds of its own.
    std::uint32_t seed = 1 + static_cast<std::uint32_t>(bench.thread_index()) * 100000u;
    for (auto _ : bench) {
        Board board = original;
        GameState state;
        Random random(seed++);
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
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime()
    ->Threads(1)
    ->Threads(2);

} // namespace

BENCHMARK_MAIN();
