// The main window's state machine, start-up and shut-down, and the screens' base class, driven
// headless tick by tick with recording screens and dialogs.
#include "shell/MainWnd.h"

#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/WinProcedure.h"
#include "texts/Options.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

using ::testing::ElementsAre;

// The stand-ins carry the names of the classes they imitate, in a namespace of their own so that no
// linker takes them for those classes.
namespace shelltest {

class RecordingScreen;

namespace {

std::vector<std::string>* Journal = nullptr;

void Note(const std::string& line)
{
    if (Journal != nullptr)
        Journal->push_back(line);
}

// The screens that live, by name.
std::map<std::string, RecordingScreen*> Screens;

} // namespace

// Recording stand-ins for the classes of the layers above the shell.
class RecordingScreen : public TWinProcedure
{
    CONTROL_CLASS(RecordingScreen, TWinProcedure);
    RecordingScreen(TMainWnd& owner, std::string name) : TWinProcedure(owner), Name(std::move(name))
    {
        Note(Name + " created");
        Screens[Name] = this;
    }
    ~RecordingScreen() override
    {
        Note(Name + " destroyed");
        Screens.erase(Name);
    }
    void MouseAction(int button, ShiftState, std::int32_t x, std::int32_t y) override
    {
        Note(Name + " mouse " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void KeyAction(KeyCode key, ShiftState) override { Note(Name + " key " + std::to_string(key)); }
    void Tick() override { ++Ticks; }
    void Redraw() override
    {
        Note(Name + " redraw");
        if (MainWnd().BackBuffer != nullptr) {
            MainWnd().BackBuffer->Clear(Colour);
            Show(nullptr);
        }
    }
    void Enter() override { Note(Name + " enter"); }
    void Leave() override { Note(Name + " leave"); }

    std::string Name;
    int Ticks = 0;
    std::uint32_t Colour = 0x00336699;
};

class MainMenuProc : public RecordingScreen
{
    CONTROL_CLASS(MainMenuProc, RecordingScreen);
    explicit MainMenuProc(TMainWnd& owner) : RecordingScreen(owner, "menu") {}
};

class GameProc : public RecordingScreen
{
    CONTROL_CLASS(GameProc, RecordingScreen);
    explicit GameProc(TMainWnd& owner) : RecordingScreen(owner, "game") {}
};

class EditorProc : public RecordingScreen
{
    CONTROL_CLASS(EditorProc, RecordingScreen);
    explicit EditorProc(TMainWnd& owner) : RecordingScreen(owner, "editor") {}
};

class RecordingDialog : public Window
{
    CONTROL_CLASS(RecordingDialog, Window);
    RecordingDialog(TMainWnd& owner, std::string name)
        : Window(*owner.App(), BorderStyle::Dialog), Name(std::move(name))
    {
        Note(Name + " created");
        SetBounds(400, 330, 225, 92);
    }
    ~RecordingDialog() override { Note(Name + " destroyed"); }
    void Paint() override { FillCanvas(PaintClip(), 0x00FFFFFF); }
    std::string Name;
};

class TCloseDlg : public RecordingDialog
{
    CONTROL_CLASS(TCloseDlg, RecordingDialog);
    explicit TCloseDlg(TMainWnd& owner) : RecordingDialog(owner, "close dialog") {}
};

class TErrorDlg : public RecordingDialog
{
    CONTROL_CLASS(TErrorDlg, RecordingDialog);
    explicit TErrorDlg(TMainWnd& owner) : RecordingDialog(owner, "error dialog") {}
};

class TAskDlg : public RecordingDialog
{
    CONTROL_CLASS(TAskDlg, RecordingDialog);
    explicit TAskDlg(TMainWnd& owner) : RecordingDialog(owner, "ask dialog") {}
};

// A hover control as the scaled controls make it, and one class further down.
class TScaleMouseCaptureControl : public GraphicControl
{
    CONTROL_CLASS(TScaleMouseCaptureControl, GraphicControl);
};

class HoverButton : public TScaleMouseCaptureControl
{
    CONTROL_CLASS(HoverButton, TScaleMouseCaptureControl);
    bool OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y) override
    {
        Moves.push_back(std::to_string(shift) + " " + std::to_string(x) + "," + std::to_string(y));
        return true;
    }
    std::vector<std::string> Moves;
};

class DeeperButton : public HoverButton
{
    CONTROL_CLASS(DeeperButton, HoverButton);
};

// The program-wide values of the shell (MainMenuScreen, CloseDlg, ...) name the classes of the
// layers above, which this test does not link: they stay null here, and the stand-ins are found
// by name.
template <class StandIn, class Named, class Base> Made<Named, Base> MakeStandIn(TMainWnd& owner)
{
    return {nullptr, std::make_unique<StandIn>(owner)};
}

TWinProcedure* Screen(const std::string& name)
{
    const auto found = Screens.find(name);
    return found == Screens.end() ? nullptr : found->second;
}

class MainWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Journal = &Log;
        App = std::make_unique<Application>();
        TestHooks::ForceScreenSize(*App, 1024, 768);
        TestHooks::SetManualTimers(*App, true);
        ShellFactory factory;
        factory.MainMenu = MakeStandIn<MainMenuProc, ::MainMenuProc, TWinProcedure>;
        factory.Game = MakeStandIn<GameProc, ::GameProc, TWinProcedure>;
        factory.Editor = MakeStandIn<EditorProc, ::EditorProc, TWinProcedure>;
        factory.UpdateMainMenuButtons = [](TWinProcedure& menu) {
            Note(static_cast<RecordingScreen&>(menu).Name + " update buttons");
        };
        factory.CloseDialog = MakeStandIn<TCloseDlg, ::TCloseDlg, Window>;
        factory.ErrorDialog = MakeStandIn<TErrorDlg, ::TErrorDlg, Window>;
        factory.AskDialog = MakeStandIn<TAskDlg, ::TAskDlg, Window>;
        Main = std::make_unique<TMainWnd>(*App, std::move(factory));
        App->SetMainWindow(Main.get());
    }
    void TearDown() override
    {
        Main.reset();
        App.reset();
        Journal = nullptr;
    }
    void Pump() { TestHooks::Pump(*App); }
    void Tick()
    {
        TestHooks::FireTimer(*App);
        Pump();
    }
    // Shows the window (activation) and ticks twice: the main menu is current.
    void StartToMainMenu()
    {
        Main->Show();
        Pump();
        Tick();
        Tick();
        ASSERT_EQ(Main->ScreenState, ShellState::InMainMenu);
        Log.clear();
    }
    RecordingScreen& Current() { return static_cast<RecordingScreen&>(*CurrentScreen); }

    std::vector<std::string> Log;
    std::unique_ptr<Application> App;
    std::unique_ptr<TMainWnd> Main;
};

TEST_F(MainWndTest, CreationSetsTheDefaultsTheBuffersAndTheTimer)
{
    SoundEffects = 0;
    InitialCash = 5;
    BoardName = "Other";
    Main.reset();
    ShellFactory none;
    Main = std::make_unique<TMainWnd>(*App, std::move(none));
    EXPECT_EQ(Main->ScreenState, ShellState::Starting);
    EXPECT_EQ(SoundEffects, 1);
    EXPECT_EQ(AutoMove, 1);
    EXPECT_EQ(InitialCash, 100000);
    EXPECT_EQ(BoardName, "Board1");
    EXPECT_NE(SoundPlayer, nullptr);
    EXPECT_EQ(ScreenSize.Width, 1024);
    EXPECT_EQ(ScreenSize.Height, 768);
    ASSERT_NE(Main->BackBuffer, nullptr);
    EXPECT_EQ(Main->BackBuffer->Width, 1024);
    ASSERT_NE(Main->Scratch, nullptr);
    EXPECT_EQ(Main->Scratch->Width, 192);
    EXPECT_EQ(Main->Scratch->Height, 128);
    EXPECT_TRUE(Main->Timer.Enabled());
    EXPECT_EQ(Main->Timer.Interval(), 40u);
    EXPECT_GT(Main->OsVersion, 1.0);
    EXPECT_EQ(Main->StartDir, std::filesystem::current_path().string());
}

TEST_F(MainWndTest, TheMainMenuOpensOnTheSecondTickAfterActivationAndNeverBefore)
{
    Tick();
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::Starting);
    EXPECT_TRUE(Log.empty());
    Main->Show();
    Pump();
    EXPECT_EQ(Main->ScreenState, ShellState::Ready);
    EXPECT_THAT(Log, ElementsAre("close dialog created", "error dialog created", "ask dialog created"));
    EXPECT_NE(DialogSkin, nullptr);
    EXPECT_NE(ComboBoxSkin, nullptr);
    Log.clear();
    Tick();
    EXPECT_EQ(CurrentScreen, nullptr);
    EXPECT_EQ(Main->RequestedState, ShellState::InMainMenu);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_EQ(Main->RequestedState, ShellState::None);
    EXPECT_THAT(Log, ElementsAre("game created", "menu created", "menu enter", "menu redraw"));
    ASSERT_NE(CurrentScreen, nullptr);
    EXPECT_EQ(Screen("menu"), CurrentScreen);
    EXPECT_TRUE(CurrentScreen->Visible());
    EXPECT_TRUE(CurrentScreen->Enabled());
    EXPECT_TRUE(CurrentScreen->Focused());
    ASSERT_NE(Screen("game"), nullptr);
    EXPECT_FALSE(Screen("game")->Visible());
    EXPECT_FALSE(Screen("game")->Enabled());
    EXPECT_EQ(CurrentScreen->BoundsRect(), (Rect{0, 0, 1024, 768}));
    // Activation reported again does not build anything again.
    Log.clear();
    Main->OnActivate();
    Tick();
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(Current().Ticks, 2); // the switching tick also ticks the new screen
}

TEST_F(MainWndTest, ARequestForTheCurrentScreenIsDropped)
{
    StartToMainMenu();
    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(Main->RequestedState, ShellState::None);
    Main->RequestedState = static_cast<ShellState>(3); // not a screen
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_TRUE(Log.empty());
}

TEST_F(MainWndTest, TheGameSurvivesTheMainMenuAndActivationDeactivatesFirst)
{
    StartToMainMenu();
    TWinProcedure* game = Screen("game");
    Main->RequestedState = ShellState::InGame;
    Tick();
    EXPECT_THAT(Log, ElementsAre("menu leave", "game enter", "game redraw"));
    EXPECT_EQ(CurrentScreen, game);
    EXPECT_FALSE(Screen("menu")->Visible());
    EXPECT_TRUE(game->Focused());
    Log.clear();
    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    EXPECT_THAT(Log, ElementsAre("menu update buttons", "game leave", "menu enter", "menu redraw"));
    EXPECT_EQ(Screen("game"), game);
}

TEST_F(MainWndTest, TheEditorReplacesGameAndMenuAndReturningBuildsFreshOnes)
{
    StartToMainMenu();
    Main->RequestedState = ShellState::InEditor;
    Tick();
    EXPECT_THAT(Log, ElementsAre("menu leave", "menu destroyed", "game leave", "game destroyed",
                                 "editor created", "editor enter", "editor redraw"));
    EXPECT_EQ(Screen("menu"), nullptr);
    EXPECT_EQ(Screen("game"), nullptr);
    EXPECT_EQ(Screen("editor"), CurrentScreen);
    Log.clear();
    Main->RequestedState = ShellState::InGame; // no game to go to from the editor: dropped
    Tick();
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(Main->ScreenState, ShellState::InEditor);
    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    EXPECT_THAT(Log, ElementsAre("editor leave", "editor destroyed", "game created", "menu created",
                                 "menu enter", "menu redraw"));
    EXPECT_EQ(Screen("editor"), nullptr);
    EXPECT_EQ(Screen("menu"), CurrentScreen);
}

TEST_F(MainWndTest, RequestWaitsWhileTheScreenIsBusy)
{
    StartToMainMenu();
    CurrentScreen->Busy = true;
    Main->RequestedState = ShellState::InGame;
    Tick();
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_EQ(Screen("menu"), CurrentScreen);
    EXPECT_EQ(Main->RequestedState, ShellState::InGame);
    CurrentScreen->Busy = false;
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InGame);
    EXPECT_EQ(Screen("game"), CurrentScreen);
}

TEST_F(MainWndTest, BusyAndSuspendedStopTheTicksAndTheRestoreResynchronisesHover)
{
    StartToMainMenu();
    HoverButton button;
    button.SetParent(CurrentScreen);
    button.SetBounds(100, 200, 50, 20);
    DeeperButton deeper;
    deeper.SetParent(CurrentScreen);
    TestHooks::MouseMove(*App, 110, 205);
    Pump();
    button.Moves.clear();
    deeper.Moves.clear();

    const int ticks = Current().Ticks;
    Tick();
    EXPECT_EQ(Current().Ticks, ticks + 1);
    CurrentScreen->Busy = true;
    Tick();
    EXPECT_EQ(Current().Ticks, ticks + 1);
    CurrentScreen->Busy = false;

    Main->Suspended = true;
    App->Minimize();
    Main->RequestedState = ShellState::InGame;
    Tick();
    Tick();
    EXPECT_EQ(Current().Ticks, ticks + 1);
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    TestHooks::Restore(*App);
    Pump();
    EXPECT_FALSE(Main->Suspended);
    EXPECT_THAT(button.Moves, ElementsAre("0 10,5"));
    EXPECT_TRUE(deeper.Moves.empty()); // its direct base is not the hover control's
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InGame);
}

TEST_F(MainWndTest, TheScreenSeesMovesAndPressesButNeverReleases)
{
    StartToMainMenu();
    TestHooks::MouseMove(*App, 30, 40);
    TestHooks::MouseDown(*App, Mouse::Left, 30, 40);
    TestHooks::MouseUp(*App, Mouse::Left, 30, 40);
    TestHooks::MouseDown(*App, Mouse::Right, 31, 41);
    TestHooks::MouseUp(*App, Mouse::Right, 31, 41);
    Pump();
    EXPECT_THAT(Log, ElementsAre("menu mouse -1 30,40", "menu mouse 0 30,40", "menu mouse 1 31,41"));
}

TEST_F(MainWndTest, KeysReachTheCurrentScreenAndEscapeThereDoesNotEndTheProgram)
{
    StartToMainMenu();
    TestHooks::Key(*App, Key::Escape);
    TestHooks::Key(*App, Key::Space);
    Pump();
    EXPECT_THAT(Log, ElementsAre("menu key 27", "menu key 32"));
    EXPECT_FALSE(App->Terminated());
}

TEST_F(MainWndTest, EscapeReachingTheMainWindowEndsTheProgram)
{
    Main->Show();
    Pump();
    TestHooks::Key(*App, Key::Return);
    Pump();
    EXPECT_FALSE(App->Terminated());
    TestHooks::Key(*App, Key::Escape);
    Pump();
    EXPECT_TRUE(App->Terminated());
}

TEST_F(MainWndTest, ClosingWithoutACurrentScreenAsksNothing)
{
    Main->Show();
    Pump();
    int asked = 0;
    TestHooks::SetModalHook(*App, [&asked](Window& w) {
        ++asked;
        w.ModalResult = ModalResult::No;
    });
    Main->Close();
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(App->Terminated());
}

TEST_F(MainWndTest, ClosingWithACurrentScreenAsksTheExitQuestion)
{
    StartToMainMenu();
    int answer = ModalResult::No;
    std::vector<std::string> asked;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        asked.push_back(std::string(w.ClassName()));
        // The question is drawn over the screen.
        EXPECT_EQ(TestHooks::ScreenPixel(*App, 500, 370), 0x00FFFFFFu);
        EXPECT_EQ(TestHooks::ScreenPixel(*App, 100, 100), 0x00336699u);
        w.ModalResult = answer;
    });
    TestHooks::CloseRequest(*App);
    Pump();
    EXPECT_THAT(asked, ElementsAre("TCloseDlg"));
    EXPECT_FALSE(App->Terminated());
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 500, 370), 0x00336699u);
    answer = ModalResult::Yes;
    Main->Close();
    EXPECT_TRUE(App->Terminated());
}

TEST_F(MainWndTest, ResizingKeepsScreenSizeTheScreensAndRedrawsTheCurrentScreen)
{
    StartToMainMenu();
    TestHooks::ResizeWindow(*App, 800, 600);
    Pump();
    ASSERT_NE(Main->BackBuffer, nullptr);
    EXPECT_EQ(Main->BackBuffer->Width, 800);
    EXPECT_EQ(Main->BackBuffer->Height, 600);
    EXPECT_EQ(ScreenSize.Width, 1024);
    EXPECT_EQ(ScreenSize.Height, 768);
    EXPECT_EQ(CurrentScreen->BoundsRect(), (Rect{0, 0, 800, 600}));
    EXPECT_THAT(Log, ElementsAre("menu redraw"));
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 700, 500), 0x00336699u);
}

TEST_F(MainWndTest, ShowCopiesOnlyTheGivenPartOfTheBackBuffer)
{
    StartToMainMenu();
    Main->BackBuffer->Clear(0x0000FF00);
    const Rect part{10, 20, 110, 70};
    CurrentScreen->Show(&part);
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 10, 20), 0x0000FF00u);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 109, 69), 0x0000FF00u);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 110, 70), 0x00336699u);
    // A repaint shows the back buffer as it is.
    CurrentScreen->Invalidate();
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 500, 500), 0x0000FF00u);
}

TEST_F(MainWndTest, ShutDownFreesScreensThenSkinsThenDialogsThenBuffers)
{
    StartToMainMenu();
    Main.reset();
    EXPECT_THAT(Log, ElementsAre("menu leave", "menu destroyed", "game leave", "game destroyed",
                                 "close dialog destroyed", "error dialog destroyed", "ask dialog destroyed"));
    EXPECT_EQ(CurrentScreen, nullptr);
    EXPECT_TRUE(Screens.empty());
    EXPECT_EQ(DialogSkin, nullptr);
    EXPECT_EQ(SoundPlayer, nullptr);
}

TEST_F(MainWndTest, ActivatingTheCurrentScreenAgainLeavesAndEntersIt)
{
    StartToMainMenu();
    CurrentScreen->Activate();
    EXPECT_THAT(Log, ElementsAre("menu leave", "menu enter", "menu redraw"));
    EXPECT_TRUE(CurrentScreen->Visible());
    EXPECT_TRUE(CurrentScreen->Focused());
}

TEST_F(MainWndTest, TheStartMarkIsWrittenOnceWhenTheFirstMenuFrameIsOnScreen)
{
    setenv("TARNHOLLOW_START_MARK", "1", 1);
    ::testing::internal::CaptureStderr();
    Main->Show();
    Pump();
    Tick();
    const std::string beforeMenu = ::testing::internal::GetCapturedStderr();
    ::testing::internal::CaptureStderr();
    // The timer alone, without the end of the loop turn: the mark must have pushed the frame itself.
    TestHooks::FireTimer(*App);
    const std::string atMenu = ::testing::internal::GetCapturedStderr();
    const Colour shown = TestHooks::ScreenPixel(*App, 512, 384);
    ::testing::internal::CaptureStderr();
    Pump();
    Main->RequestedState = ShellState::InGame;
    Tick();
    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    const std::string afterwards = ::testing::internal::GetCapturedStderr();
    unsetenv("TARNHOLLOW_START_MARK");

    EXPECT_EQ(beforeMenu, "");
    EXPECT_THAT(atMenu, ::testing::MatchesRegex("tarnhollow: main menu on screen at [0-9]+\\.[0-9]{6}\n"));
    EXPECT_EQ(shown, 0x00336699u);
    EXPECT_EQ(afterwards, "");
}
} // namespace shelltest
