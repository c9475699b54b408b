// The game screen: what it owns, the rules engine's host, the turn played out on the ticks, keys,
// clicks and commands, and the game started, loaded and saved for the main menu.
#include "game/GameProc.h"

#include "boardview/BoardView.h"
#include "controls/SToolButton.h"
#include "dialogs/DialogReport.h"
#include "dialogs/GameDialogsHost.h"
#include "game/ButtonsPanel.h"
#include "game/CardsPanel.h"
#include "game/GameImages.h"
#include "game/GameSetupCopy.h"
#include "game/NewsPanel.h"
#include "game/PlayerPanel.h"
#include "game/ScoresPanel.h"
#include "graphics/Font.h"
#include "graphics/SoundPlayer.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "rules/Rules.h"
#include "rules/RulesHost.h"
#include "rules/SavedGame.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"

#include <chrono>
#include <cstdlib>

static_assert(DiceFrames == BoardView::DieSteps, "the rolling die shows one frame of the view a tick");
static_assert(GameProc::ComputerPauseTicks * TickMilliseconds >= 500 &&
                  (GameProc::ComputerPauseTicks - 1) * TickMilliseconds < 500,
              "computers throw half a second after their turn begins");
static_assert(GameProc::InformingDialogTicks * TickMilliseconds == 2000,
              "informing dialogs close after two seconds");

namespace {

constexpr const char* SoundArchive = "res01.dat";
constexpr const char* HelpPage = "/Tarnhollow.html";
// The key that opens the game's report.
constexpr KeyCode ReportKey = Key::A + ('R' - 'A');

std::uint32_t ClockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

} // namespace

// The rules engine's outside on the game screen: the real dialogs, panels, news, sounds and view.
// Nothing is drawn while the screen is not on screen (a game started or loaded from the menu).
class GameScreenHost final : public RulesHost
{
public:
    explicit GameScreenHost(GameProc& screen) : Screen(screen) {}

    void ShowEvent(std::int32_t code) override { Screen.ShowEvent(code); }
    bool AskDecision(std::int32_t code) override { return Screen.Dialogs->AskDecision(code); }
    void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y) override
    {
        Screen.Dialogs->ChooseMortgage(debt, x, y);
    }
    // Computers who play fast do not wait for their sounds either.
    void PlaySound(const char* name, bool wait) override
    {
        Screen.PlaySound(name, wait && !Screen.SettlingFast());
    }
    void PostNews(const NewsLine& line) override { Screen.News->Post(line); }
    void RefreshPanels(unsigned panels) override
    {
        if (!Screen.OnScreen())
            return;
        if ((panels & PanelMask::Scores) != 0)
            Screen.Scores->Refresh();
        if ((panels & PanelMask::PlayerInfo) != 0)
            Screen.Info->Refresh();
        if ((panels & PanelMask::Cards) != 0)
            Screen.Cards->Refresh();
    }
    void SelectCell(std::int32_t x, std::int32_t y) override
    {
        const bool wasSelected = Screen.Map.CursorX >= 0;
        Screen.Map.CursorX = x;
        Screen.Map.CursorY = y;
        if (x < 0 && wasSelected)
            RedrawBoard();
    }
    void RedrawBoard() override
    {
        if (Screen.OnScreen())
            Screen.View->Redraw();
    }
    void SalaryPaid(std::int32_t, std::int32_t) override {}
    void DayBegun() override { Screen.DayBegun(); }
    void TurnBegun(std::int32_t slot) override { Screen.TurnBegun(slot); }

private:
    GameProc& Screen;
};

GameProc::GameProc(TMainWnd& owner)
    : TWinProcedure(owner), Generator(ClockSeed()), Images(std::make_unique<GameImages>()),
      Host(std::make_unique<GameScreenHost>(*this)),
      Engine(std::make_unique<Rules>(State, Map, Generator, *Host, CurrentRulesOptions()))
{
    if (Surface* back = MainWnd().BackBuffer.get())
        back->Clear(0);
    View = std::make_unique<BoardView>(
        Map, [this] { return MainWnd().BackBuffer.get(); }, [this](const Rect& r) { Show(&r); });
    // Every step and edit redraws the board, but only while the game is on screen.
    Map.OnRedraw = [this] {
        if (OnScreen() && !Hurrying)
            View->Redraw();
    };
    FitScreen();
    // The board's canvas is built when the screen is entered.
    View->ReleaseCanvas();
    GameDialogScreen services;
    services.RedrawBoard = [this] { Host->RedrawBoard(); };
    services.SelectedCellPoint = [this] { return View->CursorPoint(); };
    services.PlaySound = [this](const char* name) { PlaySound(name, false); };
    services.Tiles = &Images->Table1;
    Dialogs = std::make_unique<GameDialogsHost>(*this, State, Map, services);
    ReportDialogScreen reportServices;
    reportServices.ShowError = [this](const std::string& text) { MainWnd().ShowError(text); };
    Report = std::make_unique<TDialogReport>(*this, State, Map, reportServices);
}

GameProc::~GameProc() = default;

bool GameProc::OnScreen() const
{
    return CurrentScreen == this && Visible();
}

void GameProc::PlaySound(const char* name, bool wait)
{
    if (::SoundPlayer != nullptr)
        ::SoundPlayer->Play(SoundArchive, name, wait);
}

void GameProc::FitScreen()
{
    if (NormalFont != nullptr && LayoutSize.Width == ScreenSize.Width &&
        LayoutSize.Height == ScreenSize.Height)
        return;
    LayoutSize = ScreenSize;
    View->Create(BoardArea);
    std::array<std::string, 5> news;
    std::int32_t nextSlot = 0;
    const bool hadPanels = News != nullptr;
    if (hadPanels) {
        news = News->News;
        nextSlot = News->NextSlot;
    }
    // The panels fix their places and fonts when they are made.
    Buttons.reset();
    News.reset();
    Cards.reset();
    Info.reset();
    Scores.reset();
    NormalFont = MakeFont("Arial", 400, 16, 5);
    BoldFont = MakeFont("Arial", 700, 16, 5);
    MakePanels();
    if (hadPanels) {
        News->News = news;
        News->NextSlot = nextSlot;
    }
    ShowThrowButtonForTurn();
}

void GameProc::MakePanels()
{
    Scores = std::make_unique<ScoresPanel>(*this, State, *Images);
    Info = std::make_unique<PlayerPanel>(*this, State, *Images, *NormalFont, *BoldFont);
    Cards = std::make_unique<CardsPanel>(*this, State, Map, *Images, *NormalFont, *BoldFont);
    News = std::make_unique<NewsPanel>(*this, State, *Images);
    Buttons = std::make_unique<ButtonsPanel>(*this, *Images);
}

void GameProc::ShowThrowButtonForTurn()
{
    TSToolButton& button = *Buttons->ThrowButton;
    const bool shown = State.Running && State.Turn.Phase == TurnPhase::AwaitingThrow;
    button.SetVisible(shown);
    button.SetEnabled(shown);
    if (shown && OnScreen())
        button.FollowPointer();
}

bool GameProc::NewGame(const std::filesystem::path& boardFile)
{
    Engine->SetOptions(CurrentRulesOptions());
    if (!Engine->NewGame(boardFile, CurrentGameSetup()))
        return false;
    SavedGameFile.clear();
    GameChanged();
    return true;
}

std::string GameProc::LoadGame(const std::filesystem::path& file)
{
    const SavedGameResult loaded = ::LoadGame(file, State, Map, Generator);
    if (!loaded.Ok)
        return loaded.Reason;
    SavedGameFile = file;
    // The news of the game left behind are not this game's.
    News->Post(NewsCode::Ready, 0, 0);
    const Player& current = State.CurrentPlayer();
    Map.CenterX = current.X;
    Map.CenterY = current.Y;
    GameChanged();
    return {};
}

std::string GameProc::SaveGame(const std::filesystem::path& file)
{
    const SavedGameResult saved = ::SaveGame(file, State, Map, Generator);
    if (!saved.Ok)
        return saved.Reason;
    SavedGameFile = file;
    return {};
}

bool GameProc::Running() const
{
    return State.Running;
}

void GameProc::GameChanged()
{
    CardScroll = 0;
    ComputerWait = 0;
    AutosaveDue = false;
    Map.CursorX = -1;
    ShowThrowButtonForTurn();
    if (OnScreen())
        Redraw();
}

void GameProc::MouseAction(int button, ShiftState, std::int32_t x, std::int32_t y)
{
    const Rect& area = View->PixelArea;
    const bool onBoard =
        Map.Width() > 0 && x > area.Left && y > area.Top && x < area.Right && y < area.Bottom;
    std::uint8_t kind = 0;
    if (onBoard)
        kind = View->KindAt(x, y);
    SetCursor(kind != 0 ? CursorId::Hand : CursorId::Arrow);
    if (button == Mouse::Left && kind != 0) {
        Map.CursorX = Map.HitX;
        Map.CursorY = Map.HitY;
        Dialogs->ShowEvent(kind >= CellKind::LotForSale ? EventCode::StructureInfo : EventCode::StreetInfo);
    }
    if (button == Mouse::Right) {
        Map.CursorX = -1;
        Host->RedrawBoard();
    }
}

void GameProc::KeyAction(KeyCode key, ShiftState)
{
    switch (key) {
    case Key::Space:
        Press(*Buttons->ThrowButton);
        break;
    case Key::F10:
        Press(*Buttons->MinimizeButton);
        break;
    case Key::Escape:
        Press(*Buttons->QuitButton);
        break;
    case Key::F1:
        Press(*Buttons->HelpButton);
        break;
    case Key::Return:
        Press(*Buttons->MainMenuButton);
        break;
    case ReportKey:
        ShowReport();
        break;
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down:
        // The view stays put while the die rolls, the pawn walks or a page turns.
        if (Map.Width() > 0 && State.Turn.Phase == TurnPhase::AwaitingThrow && CardScroll == 0)
            View->Scroll(key - Key::Left);
        break;
    default:
        break;
    }
}

void GameProc::Press(TSToolButton& button)
{
    if (button.Visible() && button.Enabled())
        button.Select();
}

void GameProc::Tick()
{
    TurnProgress& turn = State.Turn;
    if (State.Running) {
        switch (turn.Phase) {
        case TurnPhase::Rolling:
            View->DrawDie(State.Dice, turn.DiceFrame);
            if (++turn.DiceFrame > DiceFrames) {
                turn = TurnProgress{TurnPhase::Walking, 0, StepTicks};
                News->Post(NewsCode::Throw, State.Dice, 0);
            }
            return;
        case TurnPhase::Walking:
            if (--turn.StepDelay > 0)
                return;
            turn.StepDelay = StepTicks;
            if (!Engine->Step())
                SettleTurn();
            return;
        case TurnPhase::Settling:
            SettleTurn();
            return;
        case TurnPhase::AwaitingThrow:
            if (ComputerThrows())
                return;
            break;
        }
    }
    if (CardScroll != 0) {
        Cards->SlideStep(CardScroll);
        CardScroll += CardScroll > 0 ? 1 : -1;
        if (std::abs(CardScroll) > Cards->SlideLength)
            FinishPageTurn();
        return;
    }
    ScrollByEdge();
}

void GameProc::SettleTurn()
{
    // The dialogs of the settling run their own loops, in which the main window's ticks go on:
    // a switch of screens asked for meanwhile waits until the turn is over.
    ScreenBusyMark settling;
    settling.Set();
    SettlingComputer = State.HasCurrent() && State.CurrentPlayer().Human == 0;
    Engine->SettleEvents();
    const bool gameOver = !State.Running;
    Engine->EndTurn();
    SettlingComputer = false;
    settling.Release();
    ShowThrowButtonForTurn();
    if (!gameOver) {
        AutosaveIfDue();
        if (Visible())
            Redraw();
        return;
    }
    // The final position stays on screen (the winner is current now), and nothing more can be
    // played; the report of the game follows the game-over dialog.
    State.Running = true;
    if (Visible())
        Redraw();
    State.Running = false;
    if (OnScreen())
        ShowReport();
}

void GameProc::ShowReport()
{
    if (!State.HasCurrent())
        return;
    Report->Folder = (std::filesystem::path(MainWnd().StartDir) / SavedGames::Folder).string();
    Report->GameName = SavedGameFile.string();
    Report->ShowReport();
}

void GameProc::ScrollByEdge()
{
    Application* app = App();
    if (app == nullptr || Map.Width() == 0 || ScreenSize.Width <= 0 || ScreenSize.Height <= 0)
        return;
    const Point p = app->PointerPos();
    std::int32_t direction = -1;
    if (p.X == 0)
        direction = 0;
    else if (p.Y == 0)
        direction = 1;
    else if (p.X >= ScreenSize.Width - 1)
        direction = 2;
    else if (p.Y >= ScreenSize.Height - 1)
        direction = 3;
    if (direction >= 0)
        View->Scroll(direction);
}

int GameProc::Command(int source, int code)
{
    switch (code) {
    case CommandId::MainMenu:
        MainWnd().RequestedState = ShellState::InMainMenu;
        break;
    case CommandId::Help:
        if (Application* app = App())
            app->OpenHelp(MainWnd().DataDir + HelpPage);
        break;
    case CommandId::Minimize:
        MainWnd().Suspended = true;
        if (Application* app = App())
            app->Minimize();
        break;
    case CommandId::Quit:
        MainWnd().Close();
        break;
    case CommandId::ThrowDice:
        ThrowDice();
        break;
    case CommandId::PreviousProperty:
        BeginPageTurn(-1);
        break;
    case CommandId::NextProperty:
        BeginPageTurn(+1);
        break;
    case CommandId::GoToProperty:
        GoToProperty();
        break;
    case CommandId::PayOffMortgage:
        if (State.Running)
            Engine->PayOffShown();
        break;
    default:
        break;
    }
    return TWinProcedure::Command(source, code);
}

void GameProc::ThrowDice(bool withSounds)
{
    // A stale command (a second press before the button went) throws nothing.
    if (!State.Running || State.Turn.Phase != TurnPhase::AwaitingThrow)
        return;
    FinishPageTurn();
    if (withSounds && Engine->Options().SoundEffects) {
        PlaySound("dicebox", true);
        PlaySound("dice", false);
    }
    Buttons->ShowThrowButton(false);
    if (Engine->Throw() == 0)
        return;
    State.Turn = TurnProgress{TurnPhase::Rolling, 1, 0};
}

bool GameProc::ComputerThrows()
{
    const ScreenPlayOptions options = CurrentScreenPlayOptions();
    if (!options.ComputersPlay || !State.HasCurrent() || State.CurrentPlayer().Human != 0)
        return false;
    if (++ComputerWait < (options.Fast ? 0 : ComputerPauseTicks))
        return false;
    if (!options.Fast) {
        ThrowDice();
        return true;
    }
    // Fast: no dice sounds (no die rolls), and the pawn walks all its steps and the turn is
    // settled in this tick.
    ThrowDice(false);
    if (State.Turn.Phase != TurnPhase::Rolling)
        return true;
    State.Turn = TurnProgress{TurnPhase::Walking, 0, 0};
    News->Post(NewsCode::Throw, State.Dice, 0);
    Hurrying = true;
    while (Engine->Step()) {
    }
    Hurrying = false;
    SettleTurn();
    return true;
}

bool GameProc::SettlingFast() const
{
    const ScreenPlayOptions options = CurrentScreenPlayOptions();
    return SettlingComputer && options.ComputersPlay && options.Fast;
}

void GameProc::ShowEvent(std::int32_t code)
{
    std::int32_t closeAfter = SelfClosing::StaysOpen;
    if (SettlingComputer && CurrentScreenPlayOptions().ComputersPlay)
        closeAfter = SettlingFast() ? 0 : InformingDialogTicks;
    Dialogs->ShowEvent(code, closeAfter);
}

void GameProc::DayBegun()
{
    AutosaveDue = true;
}

void GameProc::TurnBegun(std::int32_t slot)
{
    ComputerWait = 0;
    FollowTurn(Map, State, slot);
}

std::filesystem::path GameProc::AutosaveFile() const
{
    return std::filesystem::path(MainWnd().StartDir) / SavedGames::Folder / SavedGames::AutosaveFile;
}

void GameProc::AutosaveIfDue()
{
    if (!AutosaveDue)
        return;
    AutosaveDue = false;
    if (!CurrentScreenPlayOptions().Autosave)
        return;
    // The game goes on whatever happened to the file; it keeps the name it was loaded or saved
    // under (its report's name).
    if (!::SaveGame(AutosaveFile(), State, Map, Generator).Ok)
        News->Post(NewsCode::AutosaveFailed, 0, 0);
}

void GameProc::BeginPageTurn(std::int32_t direction)
{
    // Pages turn only between turns: a page turn left over into the next player's turn would move
    // that player's card.
    if (CardScroll != 0 || !State.Running || State.Turn.Phase != TurnPhase::AwaitingThrow ||
        !State.HasCurrent())
        return;
    const Player& player = State.CurrentPlayer();
    const std::int32_t next = player.CardIndex + direction;
    if (player.Human == 0 || next < 0 || next >= player.PropertyCount)
        return;
    Cards->BeginSlide(direction);
    CardScroll = direction;
}

void GameProc::FinishPageTurn()
{
    if (CardScroll == 0)
        return;
    const std::int32_t direction = CardScroll > 0 ? 1 : -1;
    CardScroll = 0;
    Cards->EndSlide(direction);
}

void GameProc::GoToProperty()
{
    if (!State.HasCurrent())
        return;
    const Player& player = State.CurrentPlayer();
    if (player.CardIndex < 0 || player.CardIndex >= player.PropertyCount)
        return;
    const PropertyEntry& entry = player.Properties[static_cast<std::size_t>(player.CardIndex)];
    Map.CursorX = Map.CenterX = entry.X;
    Map.CursorY = Map.CenterY = entry.Y;
    Host->RedrawBoard();
}

void GameProc::Redraw()
{
    Surface* back = MainWnd().BackBuffer.get();
    if (back == nullptr)
        return;
    if (!State.Running) {
        // No game: a black screen rather than what the last screen left in the back buffer.
        back->Clear(0);
        Show(nullptr);
        return;
    }
    FitScreen();
    FinishPageTurn();
    View->Redraw();
    Scores->Paint();
    Info->Paint();
    Cards->Paint();
    News->Paint();
    Buttons->Paint();
    // The view has shown its part already.
    const Rect& board = View->PixelArea;
    const Rect strip{0, 0, back->Width, board.Top};
    if (board.Left > 0 || board.Right < back->Width || board.Bottom < back->Height)
        Show(nullptr);
    else
        Show(&strip);
}

void GameProc::Enter()
{
    Images->Load();
    View->Sheets = {Images->Blank.get(), Images->Table0.get(), Images->Table1.get(), Images->Dice.get()};
    Engine->SetOptions(CurrentRulesOptions());
    // Back from the menu, a computer who plays by himself waits his half second again.
    ComputerWait = 0;
    FitScreen();
    ShowThrowButtonForTurn();
}

void GameProc::Leave()
{
    View->Sheets = {};
    View->ReleaseCanvas();
    Images->Free();
}
