// The program headless as the entry point builds it: screens and shell dialogs shown at two screen
// sizes, the exit question answered by its keys.
#include "app/ProgramWiring.h"
#include "archive/UtilsPath.h"
#include "dialogs/ModalDialog.h"
#include "editor/EditorProc.h"
#include "game/GameProc.h"
#include "menu/AskDlg.h"
#include "menu/CloseDlg.h"
#include "menu/ErrorDlg.h"
#include "menu/MainMenuProc.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/MainWnd.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct Size
{
    std::int32_t Width;
    std::int32_t Height;
};

class ProgramTest : public ::testing::TestWithParam<Size>
{
protected:
    void SetUp() override
    {
        // The program runs in its start folder, beside its data files (the skins of the dialogs).
        Previous = std::filesystem::current_path();
        std::filesystem::current_path(TARNHOLLOW_GAME_DIR);
        App = std::make_unique<Application>();
        App->SetTitle("Tarnhollow 3.0");
        TestHooks::ForceScreenSize(*App, GetParam().Width, GetParam().Height);
        TestHooks::SetManualTimers(*App, true);
        Main = std::make_unique<TMainWnd>(*App, MakeShellFactory());
        App->SetMainWindow(Main.get());
        Main->Show();
        Pump();
        Tick();
        Tick();
    }
    void TearDown() override
    {
        Main.reset();
        App.reset();
        std::filesystem::current_path(Previous);
    }
    void Pump() { TestHooks::Pump(*App); }
    void Tick()
    {
        TestHooks::FireTimer(*App);
        Pump();
    }
    // Counts the pixels of a colour other than black in a band across the screen's middle.
    int LitPixelsAcrossTheMiddle()
    {
        int lit = 0;
        const std::int32_t y0 = GetParam().Height * 45 / 100;
        const std::int32_t y1 = GetParam().Height * 55 / 100;
        for (std::int32_t y = y0; y < y1; y += 2) {
            for (std::int32_t x = 0; x < GetParam().Width; x += 2)
                lit += TestHooks::ScreenPixel(*App, x, y) != 0 ? 1 : 0;
        }
        return lit;
    }

    std::unique_ptr<Application> App;
    std::unique_ptr<TMainWnd> Main;
    std::filesystem::path Previous;
};

} // namespace

TEST_P(ProgramTest, EachScreenFillsTheScreenAndDrawsItself)
{
    ASSERT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_EQ(static_cast<TWinProcedure*>(MainMenuScreen), CurrentScreen);
    EXPECT_EQ(CurrentScreen->BoundsRect(), (Rect{0, 0, GetParam().Width, GetParam().Height}));
    EXPECT_NE(TestHooks::ScreenPixel(*App, 5, 5), 0u); // the menu's background
    EXPECT_GT(LitPixelsAcrossTheMiddle(), 50);

    Main->RequestedState = ShellState::InGame;
    Tick();
    EXPECT_EQ(static_cast<TWinProcedure*>(GameScreen), CurrentScreen);
    EXPECT_EQ(LitPixelsAcrossTheMiddle(), 0);

    Main->RequestedState = ShellState::InEditor;
    Tick();
    EXPECT_EQ(static_cast<TWinProcedure*>(EditorScreen), CurrentScreen);
    EXPECT_EQ(GameScreen, nullptr);
    EXPECT_GT(LitPixelsAcrossTheMiddle(), 20); // its name

    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    EXPECT_EQ(static_cast<TWinProcedure*>(MainMenuScreen), CurrentScreen);
    EXPECT_NE(GameScreen, nullptr);
}

TEST_P(ProgramTest, EscapeOnTheMainMenuAsksAndNoKeepsTheProgramRunningWhileYesEndsIt)
{
    std::vector<char> answers{'N', 'Y'};
    int shown = 0;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ASSERT_EQ(&w, static_cast<Window*>(CloseDlg));
        EXPECT_TRUE(CurrentScreen->Busy);
        if (++shown % 2 == 0)
            return; // let one turn draw it
        // Placed by its fractions (the frame's top-left there, the client area of their size),
        // framed, and drawn over the menu.
        const Rect place = ScreenRect(MakeRelRect(0.39f, 0.44f, 0.22f, 0.12f));
        EXPECT_EQ(w.OuterRect().Left, place.Left);
        EXPECT_EQ(w.OuterRect().Top, place.Top);
        EXPECT_EQ(w.Width(), place.Width());
        EXPECT_EQ(w.Height(), place.Height());
        Pump();
        const Rect client = w.BoundsRect();
        EXPECT_NE(TestHooks::ScreenPixel(*App, client.Left + 2, client.Top + 2), 0u);
        EXPECT_NE(TestHooks::ScreenPixel(*App, client.Left + 2, w.OuterRect().Top + 2), 0u);
        TestHooks::Key(*App, static_cast<KeyCode>(answers.front()));
        answers.erase(answers.begin());
    });
    // Where the dialog comes, the menu shows again once it has gone.
    const std::int32_t x = GetParam().Width * 40 / 100;
    const std::int32_t y = GetParam().Height * 445 / 1000;
    const Colour menu = TestHooks::ScreenPixel(*App, x, y);
    TestHooks::Key(*App, Key::Escape);
    Pump();
    EXPECT_FALSE(App->Terminated());
    EXPECT_FALSE(CurrentScreen->Busy);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, x, y), menu);
    TestHooks::Key(*App, Key::Escape);
    Pump();
    EXPECT_TRUE(App->Terminated());
    EXPECT_TRUE(answers.empty());
}

TEST_P(ProgramTest, TheErrorAndQuestionDialogsShowTheirTextAndAnswer)
{
    std::string seen;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        seen = std::string(w.ClassName());
        Pump();
        const Rect client = w.BoundsRect();
        EXPECT_NE(TestHooks::ScreenPixel(*App, client.Left + 1, client.Top + 1), 0u);
        w.ModalResult = w.ClassName() == "TAskDlg" ? ModalResult::No : ModalResult::Ok;
    });
    ErrorDlg->ShowError("The board cannot be saved.");
    EXPECT_EQ(seen, "TErrorDlg");
    EXPECT_EQ(ErrorDlg->Message, "The board cannot be saved.");
    EXPECT_EQ(AskDlg->Ask("Replace it?"), ModalResult::No);
    EXPECT_EQ(seen, "TAskDlg");
    // The close box of the question answers Cancel.
    TestHooks::SetModalHook(*App, [&](Window& w) {
        const Rect outer = w.OuterRect();
        TestHooks::Click(*App, outer.Right - w.FrameWidth() - w.CaptionHeight() / 2,
                         outer.Top + w.FrameWidth() + w.CaptionHeight() / 2);
    });
    EXPECT_EQ(AskDlg->Ask("Replace it?"), ModalResult::Cancel);
}

TEST_P(ProgramTest, AQuestionAnsweredOverADialogLeavesTheScreenWaitingForThatDialog)
{
    TModalDialog dialog(*CurrentScreen);
    dialog.SetPlacement(MakeRelRect(0.3f, 0.3f, 0.4f, 0.4f));
    bool asked = false;
    bool busyAfterQuestion = false;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        if (&w == static_cast<Window*>(AskDlg)) {
            w.ModalResult = ModalResult::Yes;
            return;
        }
        if (asked)
            return;
        asked = true;
        EXPECT_EQ(AskDlg->Ask("Replace it?"), ModalResult::Yes);
        busyAfterQuestion = CurrentScreen->Busy;
        w.ModalResult = ModalResult::Ok;
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    EXPECT_TRUE(busyAfterQuestion);
    EXPECT_FALSE(CurrentScreen->Busy);
}

TEST(ProgramStart, AStartProblemIsShownOnceInTheErrorDialogOverTheMainMenuAndThePlayerPlaysOn)
{
    SetDataFolder("/usr/share/tarnhollow/");
    Application app;
    TestHooks::ForceScreenSize(app, 1024, 768);
    TestHooks::SetManualTimers(app, true);
    auto main = std::make_unique<TMainWnd>(app, MakeShellFactory());
    SetDataFolder("");
    EXPECT_EQ(main->DataDir, "/usr/share/tarnhollow");
    app.SetMainWindow(main.get());
    const std::string problem = "Tarnhollow cannot use the folder for your boards and saved games.";
    main->StartError = problem;
    std::vector<std::string> shown;
    TestHooks::SetModalHook(app, [&](Window& w) {
        if (w.ModalResult != ModalResult::None)
            return;
        shown.push_back(std::string(w.ClassName()) + ": " + ErrorDlg->Message);
        EXPECT_EQ(static_cast<TWinProcedure*>(MainMenuScreen), CurrentScreen);
        w.ModalResult = ModalResult::Ok;
    });
    main->Show();
    for (int tick = 0; tick < 6; ++tick) {
        TestHooks::FireTimer(app);
        TestHooks::Pump(app);
    }
    EXPECT_EQ(shown, std::vector<std::string>{"TErrorDlg: " + problem});
    EXPECT_EQ(main->ScreenState, ShellState::InMainMenu);
    EXPECT_FALSE(CurrentScreen->Busy);
    EXPECT_FALSE(app.Terminated());
    main.reset();
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, ProgramTest, ::testing::Values(Size{1024, 768}, Size{1920, 1080}),
                         [](const ::testing::TestParamInfo<Size>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });
