// The main window: start-up, the screen-switching state machine on the timer, painting from the
// back buffer, close and shut-down in their order.
#include "shell/MainWnd.h"

#include "archive/UtilsPath.h"
#include "graphics/Geometry.h"
#include "graphics/PictureCatalog.h"
#include "graphics/SoundPlayer.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/SdlAudio.h"
#include "shell/Commands.h"
#include "shell/WinProcedure.h"
#include "texts/Options.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <filesystem>
#include <sys/utsname.h>

MainMenuProc* MainMenuScreen = nullptr;
GameProc* GameScreen = nullptr;
EditorProc* EditorScreen = nullptr;
std::unique_ptr<class SoundPlayer> SoundPlayer;
std::string BoardName = "Board1";
std::unique_ptr<Surface> DialogSkin;
std::unique_ptr<Surface> DialogButtonSkin;
std::unique_ptr<Surface> CheckBoxSkin;
std::unique_ptr<Surface> ComboBoxSkin;
TCloseDlg* CloseDlg = nullptr;
TErrorDlg* ErrorDlg = nullptr;
TAskDlg* AskDlg = nullptr;

namespace {

// Major + minor / 10^(digits of minor) of the kernel release ("6.1.0" gives 6.1).
double ReadOsVersion()
{
    utsname name{};
    if (uname(&name) != 0)
        return 0;
    char* end = nullptr;
    const long major = std::strtol(name.release, &end, 10);
    if (end == name.release || *end != '.')
        return static_cast<double>(major);
    const char* minorText = end + 1;
    const long minor = std::strtol(minorText, &end, 10);
    double scale = 1;
    for (const char* p = minorText; p < end; ++p)
        scale *= 10;
    return static_cast<double>(major) + (end == minorText ? 0.0 : static_cast<double>(minor) / scale);
}

std::string WithoutTrailingSeparator(std::string dir)
{
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return dir;
}

std::string CurrentFolder()
{
    std::error_code ec;
    return WithoutTrailingSeparator(std::filesystem::current_path(ec).string());
}

// For bench/start_time.sh: with TARNHOLLOW_START_MARK set, the wall-clock time at which the main
// menu's first frame has reached the window goes to standard error.
constexpr const char* StartMarkVariable = "TARNHOLLOW_START_MARK";

void ReportMenuOnScreen(Application& app)
{
    const char* wanted = std::getenv(StartMarkVariable);
    if (wanted == nullptr || *wanted == '\0')
        return;
    app.Present();
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(since).count();
    std::fprintf(stderr, "tarnhollow: main menu on screen at %lld.%06lld\n",
                 static_cast<long long>(micros / 1000000), static_cast<long long>(micros % 1000000));
}

} // namespace

TMainWnd::TMainWnd(Application& app, ShellFactory factory)
    : Window(app, BorderStyle::None), Timer(app), Factory(std::move(factory))
{
    OsVersion = ReadOsVersion();
    ScreenState = ShellState::Starting;
    App()->OnRestore = [this] { RestoreHandler(); };
    StartDir = CurrentFolder();
    DataDir = DataFolder().empty() ? StartDir : WithoutTrailingSeparator(DataFolder());
    App()->InstallCursor(CursorId::Hand, HandCursorImage());
    ::SoundPlayer = std::make_unique<class SoundPlayer>(std::make_unique<SdlAudio>());
    CurrentScreen = nullptr;
    SoundEffects = 1;
    AutoMove = 1;
    InitialCash = 100000;
    ComputersPlay = 0;
    ComputerSpeed = ComputerSpeedNormal;
    Autosave = 1;
    BoardName = "Board1";
    Timer.OnTimer = [this] { TimerTimer(); };
    FormCreate();
}

TMainWnd::~TMainWnd()
{
    FormDestroy();
}

void TMainWnd::FormCreate()
{
    ScreenSize = App()->DisplaySize();
    BackBuffer = Surface::CreateCanvas(nullptr, ScreenSize.Width, ScreenSize.Height);
    Scratch = Surface::CreateCanvas(nullptr, 192, 128);
    Timer.SetInterval(TickMilliseconds);
    Timer.SetEnabled(true);
}

void TMainWnd::FormActivate()
{
    // Start-up work, once: the platform reports activation again after every focus gain.
    if (Activated)
        return;
    Activated = true;
    DialogSkin = LoadPicture(Pictures::BDialog);
    DialogButtonSkin = LoadPicture(Pictures::DlgButton);
    CheckBoxSkin = LoadPicture(Pictures::CheckBox);
    ComboBoxSkin = LoadPicture(Pictures::ComboBox);
    if (Factory.CloseDialog) {
        auto made = Factory.CloseDialog(*this);
        CloseDlg = made.Object;
        CloseDlgOwner = std::move(made.Owner);
    }
    if (Factory.ErrorDialog) {
        auto made = Factory.ErrorDialog(*this);
        ErrorDlg = made.Object;
        ErrorDlgOwner = std::move(made.Owner);
    }
    if (Factory.AskDialog) {
        auto made = Factory.AskDialog(*this);
        AskDlg = made.Object;
        AskDlgOwner = std::move(made.Owner);
    }
    ScreenState = ShellState::Ready;
}

void TMainWnd::FormResize()
{
    BackBuffer = Surface::CreateCanvas(nullptr, Width(), Height());
    ScreenSize = App()->DisplaySize();
    // The new back buffer is empty: let the current screen draw itself again.
    if (CurrentScreen != nullptr && CurrentScreen->Visible())
        CurrentScreen->Redraw();
}

void TMainWnd::FormPaint()
{
    if (BackBuffer == nullptr)
        return;
    const Rect clip = PaintClip();
    CopyToCanvas(*BackBuffer, clip, clip.Left, clip.Top);
}

bool TMainWnd::FormKeyDown(KeyCode key, ShiftState)
{
    if (key != Key::Escape)
        return false;
    App()->Terminate();
    return true;
}

bool TMainWnd::FormCloseQuery()
{
    if (CurrentScreen == nullptr || CloseDlgOwner == nullptr)
        return true;
    return CloseDlgOwner->ShowModal() == ModalResult::Yes;
}

void TMainWnd::FormDestroy()
{
    Timer.SetEnabled(false);
    // The help page opens in the desktop's browser, whose windows are the user's: nothing to close.
    ::SoundPlayer.reset();
    DestroyScreen(MainMenuOwner);
    MainMenuScreen = nullptr;
    DestroyScreen(GameOwner);
    GameScreen = nullptr;
    DestroyScreen(EditorOwner);
    EditorScreen = nullptr;
    CurrentScreen = nullptr;
    DialogSkin.reset();
    DialogButtonSkin.reset();
    CheckBoxSkin.reset();
    ComboBoxSkin.reset();
    CloseDlgOwner.reset();
    CloseDlg = nullptr;
    ErrorDlgOwner.reset();
    ErrorDlg = nullptr;
    AskDlgOwner.reset();
    AskDlg = nullptr;
    BackBuffer.reset();
    Scratch.reset();
    App()->OnRestore = nullptr;
}

void TMainWnd::ShowError(const std::string& text)
{
    if (Factory.ShowError)
        Factory.ShowError(text);
}

void TMainWnd::SendCommand(std::int32_t id)
{
    if (CurrentScreen != nullptr)
        CurrentScreen->Command(CommandSource::Control, id);
}

void TMainWnd::ShowRect(const Rect& rect)
{
    if (CurrentScreen != nullptr)
        CurrentScreen->Show(&rect);
}

void TMainWnd::RestoreHandler()
{
    Suspended = false;
    if (CurrentScreen != nullptr)
        CurrentScreen->SyncMouseCapture();
}

void TMainWnd::TimerTimer()
{
    if (Suspended)
        return;
    // A switch waits while a dialog is up or the screen is in the middle of its work (it marks
    // itself Busy then): the screen would be left, or destroyed, under the code still running.
    const bool screenBusy = CurrentScreen != nullptr && CurrentScreen->Busy;
    if (RequestedState != ShellState::None && ScreenState != ShellState::Starting && !screenBusy) {
        if (RequestedState != ScreenState)
            ApplyRequest();
        else
            RequestedState = ShellState::None; // the screen asked for is already shown
    }
    switch (ScreenState) {
    case ShellState::Starting:
        break;
    case ShellState::Ready:
        RequestedState = ShellState::InMainMenu;
        break;
    default:
        if (CurrentScreen != nullptr && !CurrentScreen->Busy)
            CurrentScreen->Tick();
        // After the tick, so that the main menu is on screen behind the dialog; once only, as the
        // dialog's own loop fires this timer too.
        if (!StartError.empty() && ScreenState == ShellState::InMainMenu && Factory.ShowError) {
            const std::string text = std::move(StartError);
            StartError.clear();
            Factory.ShowError(text);
        }
        break;
    }
}

namespace {

// A screen switch frees and loads whole-screen pictures and reads archive items of several
// megabytes; the allocator keeps what they leave in the middle of its heap unless asked to give it
// back.
void ReturnFreeMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

void TMainWnd::ApplyRequest()
{
    const ShellState request = RequestedState;
    bool firstMenu = false;
    switch (request) {
    case ShellState::InMainMenu:
        firstMenu = ScreenState == ShellState::Ready;
        if (firstMenu) {
            CreateGameAndMainMenu();
        } else if (ScreenState == ShellState::InGame) {
            if (MainMenuOwner != nullptr && Factory.UpdateMainMenuButtons)
                Factory.UpdateMainMenuButtons(*MainMenuOwner);
        } else if (ScreenState == ShellState::InEditor) {
            DestroyScreen(EditorOwner);
            EditorScreen = nullptr;
            CurrentScreen = nullptr;
            CreateGameAndMainMenu();
        }
        if (MainMenuOwner == nullptr) {
            RequestedState = ShellState::None;
            return;
        }
        MainMenuOwner->Activate();
        break;
    case ShellState::InGame:
        if (GameOwner == nullptr) {
            RequestedState = ShellState::None;
            return;
        }
        GameOwner->Activate();
        break;
    case ShellState::InEditor:
        DestroyScreen(MainMenuOwner);
        MainMenuScreen = nullptr;
        DestroyScreen(GameOwner);
        GameScreen = nullptr;
        CurrentScreen = nullptr;
        if (Factory.Editor) {
            auto made = Factory.Editor(*this);
            EditorScreen = made.Object;
            EditorOwner = std::move(made.Owner);
        }
        if (EditorOwner != nullptr)
            EditorOwner->Activate();
        break;
    default:
        // Not a screen: dropped.
        RequestedState = ShellState::None;
        return;
    }
    ScreenState = request;
    RequestedState = ShellState::None;
    ReturnFreeMemory();
    if (firstMenu)
        ReportMenuOnScreen(*App());
}

void TMainWnd::CreateGameAndMainMenu()
{
    if (Factory.Game) {
        auto made = Factory.Game(*this);
        GameScreen = made.Object;
        GameOwner = std::move(made.Owner);
    }
    if (Factory.MainMenu) {
        auto made = Factory.MainMenu(*this);
        MainMenuScreen = made.Object;
        MainMenuOwner = std::move(made.Owner);
    }
}

void TMainWnd::DestroyScreen(std::unique_ptr<TWinProcedure>& owner)
{
    // Cleared before the object goes, so that nothing reached from its destructor finds it. A screen
    // that is not current still leaves (its Leave tolerates images already freed).
    std::unique_ptr<TWinProcedure> screen = std::move(owner);
    if (screen != nullptr)
        screen->Leave();
    screen.reset();
}
