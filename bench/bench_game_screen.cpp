// Benchmarks of the game screen at 1920 x 1080 on SDL's dummy driver, in a game of six computer
// players some hundreds of throws under way: the whole screen redrawn (board and five panels) and
// shown, a tick of the rolling die, and a tick with a step of the pawn.
#include "BenchShell.h"
#include "app/ProgramWiring.h"
#include "boardview/BoardView.h"
#include "game/GameProc.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "platform/Window.h"
#include "rules/Rules.h"
#include "shell/MainWnd.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

struct Scene : BenchShell
{
    Scene() : BenchShell(MakeShellFactory(), true)
    {
        // The seizures, ruins and the winner of computer players are shown too: answered at once.
        TestHooks::SetModalHook(*App, [](Window& dialog) { dialog.ModalResult = ModalResult::Ok; });
        TestHooks::FireTimer(*App);
        TestHooks::FireTimer(*App);
        Game = GameScreen;
        SoundEffects = 0;
        PlayerInGame = {1, 1, 1, 1, 1, 1};
        PlayerHuman = {0, 0, 0, 0, 0, 0};
        const char* names[] = {"Maximilian Horn", "Zoë Ångström",   "Bartholomew Ng",
                               "Wilhelmina Wu",   "Penelope Quill", "HAL 9000 Deluxe"};
        for (int i = 0; i < 6; ++i)
            SetPlayerName(i, names[i]);
        Game->Generator.Seed(2024);
        Game->NewGame("Board1.brd");
        for (int i = 0; i < 300 && Game->State.Running; ++i)
            Game->Engine->PlayThrow();
        Main->RequestedState = ShellState::InGame;
        TestHooks::FireTimer(*App);
        TestHooks::Pump(*App);
    }
    GameProc* Game = nullptr;
};

void BM_GameScreenRedraw(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.Game->Redraw();
        scene.App->Present();
    }
}
BENCHMARK(BM_GameScreenRedraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// One tick of the rolling die, frame after frame.
void BM_RollingDieTick(benchmark::State& state)
{
    Scene scene;
    std::int32_t frame = 0;
    for (auto _ : state) {
        frame = frame % DiceFrames + 1;
        scene.Game->View->DrawDie(4, frame);
        scene.App->Present();
    }
}
BENCHMARK(BM_RollingDieTick)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The tick of a step: the pawn moves a cell and the board is drawn again.
void BM_PawnStepTick(benchmark::State& state)
{
    Scene scene;
    Player& player = scene.Game->State.CurrentPlayer();
    for (auto _ : state) {
        scene.Game->Map.StepPawn(scene.Game->State.Current, player);
        scene.App->Present();
    }
}
BENCHMARK(BM_PawnStepTick)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace
BENCHMARK_MAIN();
