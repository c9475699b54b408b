// Benchmarks of the game screen's panels at 1920 x 1080 on SDL's dummy driver, in a game well
// under way: each panel refreshed (painted and shown), a news line posted, and one step of the
// cards' page turn.
#include "BenchShell.h"
#include "board/Board.h"
#include "game/ButtonsPanel.h"
#include "game/CardsPanel.h"
#include "game/GameImages.h"
#include "game/NewsPanel.h"
#include "game/PlayerPanel.h"
#include "game/ScoresPanel.h"
#include "graphics/Font.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "rules/GameState.h"
#include "rules/RulesHost.h"
#include "shell/MainWnd.h"
#include "shell/WinProcedure.h"

#include <benchmark/benchmark.h>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// A game under way: five players with long names and large sums, the first (to move) owning 24
// lots of every structure, every third mortgaged.
void SetUpGame(GameState& state, Board& board)
{
    state.Running = true;
    state.Week = 52;
    state.Day = 3;
    state.Current = 0;
    const char* names[] = {"Maximilian Horn", "Zoë Ångström", "Bartholomew Ng", "Wilhelmina Wu",
                           "Penelope Quill"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        Player& p = state.Players[i];
        p.SetName(names[i]);
        p.State = i == 1 ? PlayerState::HeldFor(5) : PlayerState::InPlay;
        p.HeldDays = i == 1 ? 3 : 0;
        p.Human = i % 2 == 0 ? 1 : 0;
        p.Cash = INT32_MAX - static_cast<std::int32_t>(i);
        p.Job = 3;
        p.Salary = INT32_MAX;
    }
    Player& first = state.Players[0];
    for (std::int32_t y = 0; y < board.Height() && first.PropertyCount < 24; ++y) {
        for (std::int32_t x = 0; x < board.Width() && first.PropertyCount < 24; ++x) {
            Cell& cell = board.At(x, y);
            if (cell.Kind != CellKind::LotForSale)
                continue;
            const std::int32_t n = first.PropertyCount;
            cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + n % 7);
            cell.Owner = 1;
            cell.Street = static_cast<std::uint8_t>(n % 3 == 1 ? 20 : 0);
            first.Properties[static_cast<std::size_t>(first.PropertyCount++)] = PropertyEntry{x, y};
            first.MortgageCount += n % 3 == 1 ? 1 : 0;
        }
    }
    first.CardIndex = 13;
}

// The main window with a current screen and the five panels over a game under way.
struct Scene : BenchShell
{
    Scene()
    {
        Screen = std::make_unique<BenchScreen>(*Main);
        Screen->Activate();
        Images.Load("res00.dat");
        Map.LoadFile("Board1.brd");
        SetUpGame(State, Map);
        Normal = MakeFont("Arial", 400, 16, 5);
        Bold = MakeFont("Arial", 700, 16, 5);
        Scores = std::make_unique<ScoresPanel>(*Screen, State, Images);
        Info = std::make_unique<PlayerPanel>(*Screen, State, Images, *Normal, *Bold);
        Cards = std::make_unique<CardsPanel>(*Screen, State, Map, Images, *Normal, *Bold);
        News = std::make_unique<NewsPanel>(*Screen, State, Images);
        Buttons = std::make_unique<ButtonsPanel>(*Screen, Images);
        News->Post(NewsCode::Throw, 6, 0);
        News->Post(NewsCode::Rent, INT32_MAX, 1);
        News->Post(NewsCode::Job, 3, 1);
        News->Post(NewsCode::Mortgage, 2147483, 0);
        News->Post(NewsCode::Treasury, 1000000, 1);
        TestHooks::Pump(*App);
    }
    // The panel refreshed and what it showed pushed to the screen.
    void RefreshShown(Panel& panel)
    {
        panel.Refresh();
        App->Present();
    }

    std::unique_ptr<BenchScreen> Screen;
    GameImages Images;
    Board Map;
    GameState State;
    std::unique_ptr<::Font> Normal;
    std::unique_ptr<::Font> Bold;
    std::unique_ptr<ScoresPanel> Scores;
    std::unique_ptr<PlayerPanel> Info;
    std::unique_ptr<CardsPanel> Cards;
    std::unique_ptr<NewsPanel> News;
    std::unique_ptr<ButtonsPanel> Buttons;
};

void BM_ScoresRefresh(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state)
        scene.RefreshShown(*scene.Scores);
}
BENCHMARK(BM_ScoresRefresh)->Unit(benchmark::kMicrosecond);

void BM_PlayerRefresh(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state)
        scene.RefreshShown(*scene.Info);
}
BENCHMARK(BM_PlayerRefresh)->Unit(benchmark::kMicrosecond);

void BM_CardsRefresh(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state)
        scene.RefreshShown(*scene.Cards);
}
BENCHMARK(BM_CardsRefresh)->Unit(benchmark::kMicrosecond);

void BM_NewsRefresh(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state)
        scene.RefreshShown(*scene.News);
}
BENCHMARK(BM_NewsRefresh)->Unit(benchmark::kMicrosecond);

void BM_ButtonsRefresh(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state)
        scene.RefreshShown(*scene.Buttons);
}
BENCHMARK(BM_ButtonsRefresh)->Unit(benchmark::kMicrosecond);

// A sentence composed, stored and shown, as during a turn.
void BM_NewsPost(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.News->Post(NewsCode::Rent, 2147483647, 1);
        scene.App->Present();
    }
}
BENCHMARK(BM_NewsPost)->Unit(benchmark::kMicrosecond);

// One tick of the page turn (the two pages are drawn once, at its start).
void BM_CardsSlideStep(benchmark::State& state)
{
    Scene scene;
    scene.Cards->BeginSlide(+1);
    std::int32_t step = 0;
    for (auto _ : state) {
        step = step % scene.Cards->SlideLength + 1;
        scene.Cards->SlideStep(step);
        scene.App->Present();
    }
}
BENCHMARK(BM_CardsSlideStep)->Unit(benchmark::kMicrosecond);

// The start of a page turn: both cards drawn into their pages.
void BM_CardsBeginSlide(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state)
        scene.Cards->BeginSlide(+1);
}
BENCHMARK(BM_CardsBeginSlide)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
