// The game screen: the game it owns, started, loaded and saved for the main menu.
#include "game/GameProc.h"

#include "game/GameSetupCopy.h"
#include "graphics/Surface.h"
#include "rules/Rules.h"
#include "rules/SavedGame.h"
#include "shell/MainWnd.h"

#include <chrono>

namespace {

std::uint32_t ClockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

} // namespace

GameProc::GameProc(TMainWnd& owner) : TWinProcedure(owner), Generator(ClockSeed()) {}

GameProc::~GameProc() = default;

bool GameProc::NewGame(const std::filesystem::path& boardFile)
{
    Board board;
    GameState state;
    QuietRulesHost host;
    Rules rules(state, board, Generator, host, CurrentRulesOptions());
    if (!rules.NewGame(boardFile, CurrentGameSetup()))
        return false;
    Map = std::move(board);
    State = state;
    return true;
}

std::string GameProc::LoadGame(const std::filesystem::path& file)
{
    const SavedGameResult loaded = ::LoadGame(file, State, Map, Generator);
    return loaded.Ok ? std::string() : loaded.Reason;
}

std::string GameProc::SaveGame(const std::filesystem::path& file)
{
    const SavedGameResult saved = ::SaveGame(file, State, Map, Generator);
    return saved.Ok ? std::string() : saved.Reason;
}

bool GameProc::Running() const
{
    return State.Running;
}

void GameProc::MouseAction(int, ShiftState, std::int32_t, std::int32_t) {}

void GameProc::KeyAction(KeyCode, ShiftState) {}

void GameProc::Tick() {}

int GameProc::Command(int, int code)
{
    return code;
}

void GameProc::Redraw()
{
    if (Surface* back = MainWnd().BackBuffer.get()) {
        back->Clear(0);
        Show(nullptr);
    }
}

void GameProc::Enter() {}

void GameProc::Leave() {}
