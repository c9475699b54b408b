// GameProc: the game screen. It owns the game (state, board, random generator, rules engine), the
// board's view, the five panels, the three game dialogs and the two fonts, and plays the turn on
// screen: the throw, the rolling die, the walk, settling and passing the turn, tick by tick.
#pragma once

#include "board/Board.h"
#include "graphics/Geometry.h"
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
class GameScreenHost;
class NewsPanel;
class PlayerPanel;
class Rules;
class ScoresPanel;
class TDialogReport;
class TSToolButton;

class GameProc : public TWinProcedure
{
    CONTROL_CLASS(GameProc, TWinProcedure);
    // Clears the back buffer, makes the board's view, the fonts, the panels and the dialogs, and
    // seeds the random generator from the clock.
    explicit GameProc(TMainWnd& owner);
    ~GameProc() override;

    // What the main menu asks of the game screen.

    // Starts a game on the board file (the default board when it cannot be read) with the set-up
    // and options of the menu as they are now. False, with the running game untouched, when no
    // board could be read at all.
    bool NewGame(const std::filesystem::path& boardFile);
    // Loads a saved game: "" on success, else the reason to show the player; on failure the running
    // game is untouched. The view then shows the current player's pawn.
    std::string LoadGame(const std::filesystem::path& file);
    // Saves the game in progress, at whatever point of the turn it stands: "" on success, else the
    // reason.
    std::string SaveGame(const std::filesystem::path& file);
    // A game is in progress.
    bool Running() const;

    // The screen's operations.
    void MouseAction(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    void KeyAction(KeyCode key, ShiftState shift) override;
    // One branch a tick: the rolling die, else the walk (and settling after its last step), else
    // the page turn of the cards, else scrolling by the screen's edge.
    void Tick() override;
    int Command(int source, int code) override;
    // The board, then the five panels; nothing while no game runs.
    void Redraw() override;
    void Enter() override;
    void Leave() override;

    // Whether the screen is current and shown, so that it may draw.
    bool OnScreen() const;
    // Plays a sound of "res01.dat" (callers test the sound option first).
    void PlaySound(const char* name, bool wait);
    // The report of the game as it stands (also of a game that has ended); nothing before a game.
    // Key R, and after the game-over dialog when a game ends. "Save report" writes its page into
    // the saved games' folder, named after SavedGameFile.
    void ShowReport();

    // The game: its state (with the progress of the turn), its board and the one random generator.
    GameState State;
    Board Map;
    Random Generator;
    // The page turn of the cards panel: 0 still, else its step so far, the sign its direction.
    std::int32_t CardScroll = 0;

    // Computers who play by themselves (the options) throw this many ticks after their turn begins
    // (half a second), or at the first tick when they play fast.
    static constexpr std::int32_t ComputerPauseTicks = 13;
    // An event dialog that only informs, shown during such a computer's turn, closes by itself after
    // this many ticks (two seconds), or at the first when they play fast.
    static constexpr std::int32_t InformingDialogTicks = 50;
    // The ticks the current computer player has waited for his throw.
    std::int32_t ComputerWait = 0;
    // The game is saved here at the start of every day: SAVES/autosave.sav of the start folder.
    std::filesystem::path AutosaveFile() const;

    std::unique_ptr<GameImages> Images;
    std::unique_ptr<BoardView> View;
    // The labels' and the values' fonts of the panels.
    std::unique_ptr<::Font> NormalFont;
    std::unique_ptr<::Font> BoldFont;
    std::unique_ptr<ScoresPanel> Scores;
    std::unique_ptr<PlayerPanel> Info;
    std::unique_ptr<CardsPanel> Cards;
    std::unique_ptr<NewsPanel> News;
    std::unique_ptr<ButtonsPanel> Buttons;
    std::unique_ptr<GameDialogsHost> Dialogs;
    std::unique_ptr<TDialogReport> Report;
    // The saved game the game was loaded from or last saved as; empty for a new game.
    std::filesystem::path SavedGameFile;
    std::unique_ptr<GameScreenHost> Host;
    std::unique_ptr<Rules> Engine;

    // The board's area on the screen: the whole width below the panels.
    static constexpr RelRect BoardArea{0, 0.16f, 1, 1};

private:
    // Makes the view's geometry, the fonts and the panels for the screen's size when it changed
    // (the panels keep the news and whether the dice button shows).
    void FitScreen();
    void MakePanels();
    // Command 100: the sounds, the dice button hidden, the die thrown and set rolling.
    void ThrowDice(bool withSounds = true);
    // A computer who plays by himself throws when he has waited long enough; fast, his whole turn is
    // played in this tick. False while he waits (or nobody plays by himself).
    bool ComputerThrows();
    // The host's side of the rules: the event dialog (closing by itself during the turn of a computer
    // who plays by himself), a new day (an autosave due) and a new turn.
    void ShowEvent(std::int32_t code);
    // A computer who plays fast by himself is settling his turn: no dialog stays and no sound is
    // waited for.
    bool SettlingFast() const;
    void DayBegun();
    void TurnBegun(std::int32_t slot);
    // The autosave due since the day began, once the turn has passed: the first moment of the new
    // day at which a saved game goes on exactly. A failure is told in the news.
    void AutosaveIfDue();
    // After the last step: the cells beside the pawn settled and the turn passed (or the winner
    // shown), the dice button back. No screen switch happens meanwhile.
    void SettleTurn();
    // A page turn still going on is finished at once.
    void FinishPageTurn();
    void BeginPageTurn(std::int32_t direction);
    void GoToProperty();
    void ScrollByEdge();
    // Presses a tool button as a click would, when it is enabled.
    void Press(TSToolButton& button);
    // The dice button shown exactly while the current player may throw.
    void ShowThrowButtonForTurn();
    // After a new or loaded game: nothing selected or turning, the view on the current pawn.
    void GameChanged();

    ScreenSizeRecord LayoutSize{};
    // A computer player's turn is being settled (its dialogs may close by themselves).
    bool SettlingComputer = false;
    // A day has begun since the last autosave.
    bool AutosaveDue = false;
    // The pawn walks all its steps in one tick: the board is drawn once afterwards.
    bool Hurrying = false;

    friend class GameScreenHost;
};
