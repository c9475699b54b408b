// Benchmarks of the windowing layer on SDL's dummy driver: showing a whole 1920 x 1080 back buffer
// (copy into the window's pixels, composite, push), a small part of it, a dialog composited over
// the main window, and a button's hint coming and going or lying over a part being shown.
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/HintBox.h"
#include "platform/TestHooks.h"
#include "platform/Window.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

class ScreenWindow : public Window
{
    CONTROL_CLASS(ScreenWindow, Window);
    explicit ScreenWindow(Application& app) : Window(app, BorderStyle::None) {}
};

struct Scene
{
    Scene()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        App = std::make_unique<Application>();
        TestHooks::ForceScreenSize(*App, 1920, 1080);
        TestHooks::SetManualTimers(*App, true);
        Main = std::make_unique<ScreenWindow>(*App);
        App->SetMainWindow(Main.get());
        Main->Show();
        TestHooks::Pump(*App);
        Back = Surface::CreateCanvas(nullptr, 1920, 1080);
        for (int x = 0; x < 1920; x += 32)
            Back->FillRect(Rect{x, 0, x + 16, 1080}, static_cast<Colour>(x * 2654435761u) & 0xFFFFFF);
    }
    ~Scene()
    {
        Main.reset();
        App.reset();
    }
    std::unique_ptr<Application> App;
    std::unique_ptr<ScreenWindow> Main;
    std::unique_ptr<Surface> Back;
};

void BM_ShowWholeScreen_1920x1080(benchmark::State& state)
{
    Scene scene;
    const Rect all{0, 0, 1920, 1080};
    for (auto _ : state) {
        scene.Main->CopyToCanvas(*scene.Back, all, 0, 0);
        scene.App->Present();
    }
    state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}
BENCHMARK(BM_ShowWholeScreen_1920x1080)->Unit(benchmark::kMillisecond);

void BM_ShowPanel_400x120(benchmark::State& state)
{
    Scene scene;
    const Rect part{100, 100, 500, 220};
    for (auto _ : state) {
        scene.Main->CopyToCanvas(*scene.Back, part, part.Left, part.Top);
        scene.App->Present();
    }
}
BENCHMARK(BM_ShowPanel_400x120)->Unit(benchmark::kMicrosecond);

void BM_ShowAndHideDialog_420x130(benchmark::State& state)
{
    Scene scene;
    Window dialog(*scene.App, BorderStyle::Dialog);
    dialog.SetCaption("Exit");
    dialog.SetBounds(750, 475, 420, 130);
    for (auto _ : state) {
        dialog.Show();
        scene.App->Present();
        dialog.Hide();
        scene.App->Present();
    }
}
BENCHMARK(BM_ShowAndHideDialog_420x130)->Unit(benchmark::kMicrosecond);

// A button with a hint at the dice button's place on a 1920 x 1080 screen.
struct HintScene : Scene
{
    HintScene()
    {
        Button = std::make_unique<GraphicControl>(Main.get());
        Button->SetParent(Main.get());
        Button->SetBounds(1770, 110, 150, 60);
        Button->Hint = "Throw Dice <SPACE>";
        TestHooks::Pump(*App);
    }
    ~HintScene() { Button.reset(); }
    void ShowHint()
    {
        TestHooks::MouseMove(*App, 1840, 140);
        TestHooks::Pump(*App);
        for (int i = 0; i < HintBox::ShowTicks; ++i)
            TestHooks::FireTimer(*App);
        App->Present();
    }
    std::unique_ptr<GraphicControl> Button;
};

// Resting on the button until the box shows (drawn and composed), then leaving it (composed away).
void BM_ShowAndHideHint(benchmark::State& state)
{
    HintScene scene;
    scene.ShowHint();
    if (TestHooks::HintRect(*scene.App).Width() == 0)
        state.SkipWithError("no hint showing");
    for (auto _ : state) {
        scene.ShowHint();
        TestHooks::MouseMove(*scene.App, 900, 500);
        TestHooks::Pump(*scene.App);
    }
}
BENCHMARK(BM_ShowAndHideHint)->Unit(benchmark::kMicrosecond);

// The board's part under a shown hint painted and shown again, as a rolling die does every tick.
void BM_ShowPartUnderHint_400x120(benchmark::State& state)
{
    HintScene scene;
    scene.ShowHint();
    if (TestHooks::HintRect(*scene.App).Width() == 0)
        state.SkipWithError("no hint showing");
    const Rect part{1500, 120, 1900, 240};
    for (auto _ : state) {
        scene.Main->CopyToCanvas(*scene.Back, part, part.Left, part.Top);
        scene.App->Present();
    }
}
BENCHMARK(BM_ShowPartUnderHint_400x120)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
