// Benchmarks of the controls at 1920 x 1080 on SDL's dummy driver: a dialog button and a menu button
// repainted and shown, a list box scrolled and shown, and a key typed into an edit and shown.
#include "BenchShell.h"
#include "controls/SButton.h"
#include "controls/SMMButton.h"
#include "dialogs/ModalDialog.h"
#include "graphics/Font.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"
#include "platform/TestHooks.h"
#include "shell/MainWnd.h"
#include "shell/WinProcedure.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

class BenchDialog : public TModalDialog
{
    CONTROL_CLASS(BenchDialog, TModalDialog);
    explicit BenchDialog(WinControl& owner) : TModalDialog(owner) {}
};

// The main window with its skins, a current screen and a dialog with a background, shown.
struct Scene : BenchShell
{
    Scene()
    {
        Screen = std::make_unique<BenchScreen>(*Main);
        Screen->Activate();
        Dialog = std::make_unique<BenchDialog>(*Screen);
        Dialog->Background = DialogSkin.get();
        Dialog->SetPlacement(MakeRelRect(0.35f, 0.215f, 0.3f, 0.57f));
        Dialog->Show();
        TestHooks::Pump(*App);
    }
    std::unique_ptr<BenchScreen> Screen;
    std::unique_ptr<BenchDialog> Dialog;
};

void BM_DialogButtonRepaint(benchmark::State& state)
{
    Scene scene;
    TSButton button(scene.Dialog.get());
    button.Setup(nullptr, MakeRelRect(0.065f, 0.52f, 0.078f, 0.03f), 0, 1, "&New", DialogButtonSkin.get());
    std::uint8_t hover = 0;
    for (auto _ : state) {
        button.Hover = hover;
        hover ^= 1;
        button.Paint();
        scene.App->Present();
    }
}
BENCHMARK(BM_DialogButtonRepaint)->Unit(benchmark::kMicrosecond);

void BM_MenuButtonRepaint(benchmark::State& state)
{
    Scene scene;
    scene.Dialog->Hide();
    SurfaceSlot strip = LoadPicture(Pictures::MMBackButton);
    auto font = MakeFont("Impact", 700, 48, 14);
    scene.Screen->SetFont(font.get());
    TSMMButton button(scene.Screen.get());
    button.Image = &strip;
    button.Setup(nullptr, MakeRelRect(0.2f, 0.24f, 0.26f, 0.13f), 0, 13, "New Game", nullptr);
    std::uint8_t hover = 0;
    for (auto _ : state) {
        button.Hover = hover;
        hover ^= 1;
        button.Paint();
        scene.App->Present();
    }
    scene.Screen->SetFont(nullptr);
}
BENCHMARK(BM_MenuButtonRepaint)->Unit(benchmark::kMicrosecond);

void BM_ListBoxScroll(benchmark::State& state)
{
    Scene scene;
    ListBox list(scene.Dialog.get());
    list.SetParent(scene.Dialog.get());
    const Rect r = ScreenRect(MakeRelRect(0.025f, 0.09f, 0.17f, 0.54f));
    list.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    std::vector<std::string> items;
    for (int i = 0; i < 200; ++i)
        items.push_back(std::to_string(i + 1) + "- Street Name");
    list.SetItems(items);
    std::int32_t top = 0;
    for (auto _ : state) {
        top = top == 0 ? 100 : 0;
        list.SetTopIndex(top);
        scene.App->Present();
    }
}
BENCHMARK(BM_ListBoxScroll)->Unit(benchmark::kMicrosecond);

void BM_EditTypeAndErase(benchmark::State& state)
{
    Scene scene;
    Edit edit(scene.Dialog.get());
    edit.SetParent(scene.Dialog.get());
    const Rect r = ScreenRect(MakeRelRect(0.085f, 0.096f, 0.11f, 0.024f));
    edit.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    edit.SetText("Player 1 of 6");
    edit.SetFocus();
    for (auto _ : state) {
        edit.OnTextInput("x");
        scene.App->Present();
        edit.OnKeyDown(Key::Back, 0);
        scene.App->Present();
    }
}
BENCHMARK(BM_EditTypeAndErase)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
