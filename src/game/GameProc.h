// GameProc: the game screen. It owns the game (state, board, random generator, rules engine), the
// board's view, the five panels, the three game dialogs and the two fonts, and plays the turn on
// screen: the throw, the rolling die, the walk, settling and passing the turn, tick by tick.
#pragma once

#include "board/Board.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "shell/WinProcedure.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class BoardView;
class ButtonsPanel;
class CardsPanel;
class Font;
class GameDialogsHost;
class GameImages;
class NewsPanel;
class PlayerPanel;
class Rules;
class ScoresPanel;
class GameScreenHost;

class GameProc : public TWinProcedure
{
    CONTROL_CLASS(GameProc, TWinProcedure);
    // Seeds the random generator from the clock.
    explicit GameProc(TMainWnd& owner);
    ~GameProc() override;

    // What the main menu asks of the game screen.

    // Starts a game on the board file (the default board when it cannot be read) with the set-up
    // and options of the menu as they are now. False, with the running game untouched, when no
    // board could be read at all.
    bool NewGame(const std::filesystem::path& boardFile);
    // Loads a saved game: "" on success, else the reason to show the player; on failure the running
    // game is untouched.
    std::string LoadGame(const std::filesystem::path& file);
    // Saves the game in progress, at whatever point of the turn it stands: "" on success, else the
    // reason.
    std::string SaveGame(const std::filesystem::path& file);
    // A game is in progress.
    bool Running() const;

    // The screen's operations.
    void MouseAction(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    void KeyAction(KeyCode key, ShiftState shift) override;
    void Tick() override;
    int Command(int source, int code) override;
    void Redraw() override;
    void Enter() override;
    void Leave() override;

    // The game: its state (with the progress of the turn), its board and the one random generator.
    GameState State;
    Board Map;
    Random Generator;
    // The page turn of the cards panel: 0 still, else its step so far, the sign its direction.
    std::int32_t CardScroll = 0;
};
