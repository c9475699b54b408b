// Benchmarks of the board editor at 1920 x 1080 on SDL's dummy driver: the tool strip refreshed
// with a preview, the whole screen redrawn, and the batch of computer games behind "Try it".
#include "BenchShell.h"
#include "board/Board.h"
#include "editor/EditorPanel.h"
#include "editor/EditorProc.h"
#include "editor/TryItDlg.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "sim/SimBatch.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// The main window with its skins and the editor current, on the game folder's Board1.brd.
struct Scene : BenchShell
{
    Scene()
    {
        Editor = std::make_unique<EditorProc>(*Main);
        Editor->Activate();
        TestHooks::Pump(*App);
    }
    ~Scene()
    {
        Editor->Leave();
        Editor.reset();
    }
    std::unique_ptr<EditorProc> Editor;
};

// "Next" on PStruct: the strip painted with the preview of the next structure and shown.
void BM_EditorStripRefresh(benchmark::State& state)
{
    Scene scene;
    scene.Editor->ToolButtons[EditorTool::PStruct]->Click();
    for (auto _ : state) {
        scene.Editor->Command(CommandSource::Control, CommandId::NextValue);
        scene.App->Present();
    }
}
BENCHMARK(BM_EditorStripRefresh)->Unit(benchmark::kMicrosecond);

// A change of tool: the strip, the board rendered and stretched, the whole screen shown.
void BM_EditorRedraw(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.Editor->Redraw();
        scene.App->Present();
    }
}
BENCHMARK(BM_EditorRedraw)->Unit(benchmark::kMillisecond);

// What "Try it" plays: 200 computer games of three players on Board1.brd, on two threads.
void BM_TryItGames(benchmark::State& state)
{
    Board board;
    board.LoadFile(std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd",
                   std::string(TARNHOLLOW_GAME_DIR) + "/res00.dat");
    GameSetup setup;
    setup.Human = {};
    SimBatchOptions batch;
    batch.Games = 200;
    batch.Jobs = 2;
    for (auto _ : state) {
        SimSummary summary;
        RunSimBatch(board, setup, SimGameOptions{}, batch, summary);
        benchmark::DoNotOptimize(summary.Throws);
    }
}
BENCHMARK(BM_TryItGames)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
