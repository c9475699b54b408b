// Computers who play by themselves and the autosave of every day, on the real game screen: a whole
// game played with no key pressed ends as the simulator's, humans still wait, a key or a click
// closes a computer's dialog at once, the option turned off stops the next throw, and the autosave
// loads and goes on exactly, or fails into the news while the game goes on.
#include "controls/SToolButton.h"
#include "dialogs/DialogOk.h"
#include "dialogs/DialogReport.h"
#include "game/ButtonsPanel.h"
#include "game/NewsPanel.h"
#include "sim/SimGame.h"
#include "support/GameScreenScene.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class ComputersPlayTest : public GameScreenScene
{
protected:
    // The simulator's game of the slots in mask, all computers, on small board a.
    static SimGameResult Simulated(unsigned mask, std::uint32_t seed, std::int32_t cash)
    {
        GameSetup setup;
        setup.Human = {};
        for (std::size_t i = 0; i < PlayerSlots; ++i)
            setup.InGame[i] = (mask >> i & 1u) != 0;
        setup.InitialCash = cash;
        Board board;
        EXPECT_EQ(board.LoadFile(SmallBoard('a')), BoardSource::File);
        SimGameResult result;
        EXPECT_EQ(PlaySimGame(board, setup, seed, SimGameOptions{}, nullptr, &result).ExitCode, SimExit::Ok);
        EXPECT_FALSE(result.TurnLimit);
        return result;
    }

    void ExpectEndsAs(const SimGameResult& simulated, unsigned mask)
    {
        EXPECT_FALSE(Game->Running());
        EXPECT_EQ(Game->State.Throws, simulated.Throws);
        EXPECT_EQ(Game->State.Winner(), simulated.Winner);
        for (std::size_t slot = 0; slot < PlayerSlots; ++slot)
            if ((mask >> slot & 1u) != 0) {
                EXPECT_EQ(Game->State.Players[slot].Cash, simulated.Cash[slot]) << slot;
            }
        // The report that follows the game-over dialog waits for the user.
        ASSERT_GE(Dialogs.size(), 2u);
        EXPECT_EQ(Dialogs[Dialogs.size() - 2], "TDialogOk Winner");
        EXPECT_EQ(Dialogs.back(), std::string("TDialogReport ") + Text(TextGroup::Report, ReportText::Title));
    }

    // Dialogs that close by themselves are left to their own timer, fired once a turn of their
    // loop; the ticks each took are kept. Any other dialog but the game's report is a fault here.
    void LetDialogsCloseByThemselves()
    {
        OnDialog = [this](Window& dialog) {
            if (dynamic_cast<TDialogReport*>(&dialog) != nullptr)
                return false;
            auto* ok = dynamic_cast<TDialogOk*>(&dialog);
            if (ok == nullptr || !ok->ClosesBySelf()) {
                ADD_FAILURE() << "a dialog that waits for the user: " << Dialogs.back();
                return false;
            }
            if (&dialog != Counted) {
                Counted = &dialog;
                DialogTicks.push_back(0);
            }
            TestHooks::FireTimer(*App);
            ++DialogTicks.back();
            if (dialog.ModalResult != 0)
                Counted = nullptr;
            return true;
        };
    }

    // Ticks until slot's turn waits for the throw (or the game ends); false past the limit.
    bool TickUntilTurnOf(std::int32_t slot, int limit = 2000)
    {
        for (int tick = 0; tick < limit; ++tick) {
            if (!Game->State.Running ||
                (Game->State.Current == slot && Game->State.Turn.Phase == TurnPhase::AwaitingThrow))
                return true;
            Tick();
        }
        return false;
    }
    // Ticks until the turn thrown has passed (or the game ends); false past the limit.
    bool TickUntilTurnPassed(int limit = 2000)
    {
        for (int tick = 0; tick < limit; ++tick) {
            if (!Game->State.Running || Game->State.Turn.Phase == TurnPhase::AwaitingThrow)
                return true;
            Tick();
        }
        return false;
    }

    // Ticks until the die is thrown; the ticks it took, or -1 past the limit.
    int TicksUntilThrow(int limit)
    {
        const std::int32_t throws = Game->State.Throws;
        for (int tick = 1; tick <= limit; ++tick) {
            Tick();
            if (Game->State.Throws != throws)
                return tick;
        }
        return -1;
    }

    std::filesystem::path AutosavePath() const { return Saves.Path / "SAVES" / "autosave.sav"; }

    bool NewsSays(const std::string& line) const
    {
        const auto& news = Game->News->News;
        return std::find(news.begin(), news.end(), line) != news.end();
    }

    Window* Counted = nullptr;
    std::vector<int> DialogTicks;
};

TEST_F(ComputersPlayTest, GameOfComputersPlaysToItsEndWithNoKeyAsTheSimulatorsGame)
{
    constexpr unsigned Slots = 0b11;
    const SimGameResult simulated = Simulated(Slots, 9, 3000);
    SoundEffects = 0;
    ComputersPlay = 1;
    LetDialogsCloseByThemselves();
    Play(SmallBoard('a'), Slots, 0, 9, 3000);
    std::vector<int> waits;
    for (int turn = 0; turn < 10000 && Game->State.Running; ++turn) {
        waits.push_back(TicksUntilThrow(100));
        ASSERT_GT(waits.back(), 0) << "no throw by itself at turn " << turn;
        ASSERT_TRUE(TickUntilTurnPassed()) << turn;
    }
    ExpectEndsAs(simulated, Slots);
    // Half a second after each turn began (the first turn began before the screen was shown).
    ASSERT_GT(waits.size(), 2u);
    EXPECT_TRUE(std::all_of(waits.begin() + 1, waits.end(),
                            [](int wait) { return wait == GameProc::ComputerPauseTicks; }));
    // The winner closed by itself after two seconds.
    EXPECT_EQ(DialogTicks, std::vector<int>(Dialogs.size() - 1, GameProc::InformingDialogTicks));
}

TEST_F(ComputersPlayTest, SixComputersPlayFastATurnATickAndTheMenuAndSavingStillWork)
{
    constexpr unsigned Slots = 0b111111;
    const SimGameResult simulated = Simulated(Slots, 5, 3000);
    SoundEffects = 0;
    ComputersPlay = 1;
    ComputerSpeed = ComputerSpeedFast;
    LetDialogsCloseByThemselves();
    Play(SmallBoard('a'), Slots, 0, 5, 3000);
    const std::int32_t thrown = Game->State.Throws;
    for (int tick = 0; tick < 100; ++tick)
        Tick();
    ASSERT_EQ(Game->State.Throws, thrown + 100);
    // The menu, in the middle of the game: nothing is thrown meanwhile, and the game can be saved.
    Press(Key::Return);
    Tick();
    ASSERT_NE(CurrentScreen, Game);
    for (int tick = 0; tick < 20; ++tick)
        Tick();
    EXPECT_EQ(Game->State.Throws, thrown + 100);
    EXPECT_EQ(Game->SaveGame(Saves.File("middle.sav")), "");
    Main->RequestedState = ShellState::InGame;
    Tick();
    ASSERT_EQ(CurrentScreen, Game);
    const std::int32_t back = Game->State.Throws;
    int ticks = 0;
    for (; Game->State.Running && ticks < 2000; ++ticks)
        Tick();
    ExpectEndsAs(simulated, Slots);
    EXPECT_EQ(ticks, simulated.Throws - back);
    // Every event dialog (the ruins and the winner) gone at the first tick of its timer.
    ASSERT_GE(Dialogs.size(), 3u);
    EXPECT_EQ(DialogTicks, std::vector<int>(Dialogs.size() - 1, 1));
}

TEST_F(ComputersPlayTest, HumansWaitForTheirThrowAndTheirDialogsStayWhileComputersThrowByThemselves)
{
    SoundEffects = 0;
    ComputersPlay = 1;
    ComputerSpeed = ComputerSpeedFast;
    int humansDialogs = 0;
    OnDialog = [&](Window& dialog) {
        const auto* ok = dynamic_cast<TDialogOk*>(&dialog);
        const bool human = Game->State.CurrentPlayer().Human != 0;
        if (ok != nullptr) {
            EXPECT_EQ(ok->ClosesBySelf(), !human) << Dialogs.back();
        }
        humansDialogs += human ? 1 : 0;
        return false;
    };
    Play(SmallBoard('a'), 0b11, 0b01, 4, 100000);
    for (int turn = 0; turn < 6; ++turn) {
        ASSERT_TRUE(TickUntilTurnOf(0));
        const std::int32_t throws = Game->State.Throws;
        for (int tick = 0; tick < 200; ++tick)
            Tick();
        EXPECT_EQ(Game->State.Throws, throws) << "the human's die was thrown for him";
        EXPECT_EQ(Game->State.Turn.Phase, TurnPhase::AwaitingThrow);
        // His throw, then the computer's by itself.
        PlayTurn();
        if (Game->State.Current == 1) {
            EXPECT_EQ(TicksUntilThrow(10), 1);
        }
    }
    // His questions and events were his to answer.
    EXPECT_GT(humansDialogs, 0);
}

TEST_F(ComputersPlayTest, AKeyOrAClickClosesAComputersDialogAtOnce)
{
    SoundEffects = 0;
    ComputersPlay = 1;
    ComputerSpeed = ComputerSpeedFast;
    // The ruins and the winner, whose timer never fires: three turns of its loop, then the first
    // is clicked on its text, the second gets a key, the others a click on "&Ok"; each is closed
    // once that input is handled.
    std::vector<int> turnsOpen;
    std::vector<int> closedByInput;
    OnDialog = [&](Window& dialog) {
        if (dynamic_cast<TDialogReport*>(&dialog) != nullptr)
            return false;
        auto& ok = dynamic_cast<TDialogOk&>(dialog);
        EXPECT_TRUE(ok.ClosesBySelf());
        if (&dialog != Counted) {
            Counted = &dialog;
            turnsOpen.push_back(0);
        }
        if (++turnsOpen.back() < 3)
            return true;
        if (turnsOpen.size() == 2) {
            TestHooks::Key(*App, Key::A);
        } else {
            const Control& target =
                turnsOpen.size() == 1 ? static_cast<const Control&>(ok.Label1) : ok.OkButton;
            const Point p = target.ClientToScreen(Point{target.Width() / 2, target.Height() / 2});
            TestHooks::MouseDown(*App, Mouse::Left, p.X, p.Y);
            TestHooks::MouseUp(*App, Mouse::Left, p.X, p.Y);
        }
        Pump();
        closedByInput.push_back(dialog.ModalResult == ModalResult::Ok ? 1 : 0);
        Counted = nullptr;
        return true;
    };
    Play(SmallBoard('a'), 0b111111, 0, 5, 3000);
    for (int tick = 0; tick < 20000 && Game->State.Running; ++tick)
        Tick();
    EXPECT_FALSE(Game->Running());
    // The ruins and the winner, and the report.
    ASSERT_GE(Dialogs.size(), 4u);
    EXPECT_EQ(turnsOpen, std::vector<int>(Dialogs.size() - 1, 3));
    EXPECT_EQ(closedByInput, std::vector<int>(Dialogs.size() - 1, 1));
}

TEST_F(ComputersPlayTest, TurningTheOptionOffStopsTheNextComputerThrow)
{
    SoundEffects = 0;
    ComputersPlay = 1;
    Play(SmallBoard('a'), 0b11, 0, 9, 3000);
    ASSERT_GT(TicksUntilThrow(100), 0);
    ASSERT_TRUE(TickUntilTurnOf(1));
    // Off in the middle of the computer's pause: he waits for the key as before.
    for (int tick = 0; tick < GameProc::ComputerPauseTicks / 2; ++tick)
        Tick();
    ComputersPlay = 0;
    EXPECT_EQ(TicksUntilThrow(300), -1);
    EXPECT_TRUE(Game->Buttons->ThrowButton->Visible());
    PlayTurn();
    EXPECT_EQ(Game->State.Throws, 2);
    // On again: the next computer throws by himself.
    ComputersPlay = 1;
    ASSERT_TRUE(TickUntilTurnOf(0));
    EXPECT_EQ(TicksUntilThrow(100), GameProc::ComputerPauseTicks);
}

TEST_F(ComputersPlayTest, AutosaveAtTheStartOfADayLoadsAndGoesOnExactly)
{
    SoundEffects = 0;
    Play(SmallBoard('a'), 0b111, 0b001, 21);
    const std::int32_t firstDay = Game->State.Day;
    // Three players: the day ends with the third turn.
    for (int turn = 0; turn < 2; ++turn) {
        PlayTurn();
        EXPECT_EQ(Game->State.Day, firstDay);
        EXPECT_FALSE(std::filesystem::exists(AutosavePath()));
    }
    PlayTurn();
    ASSERT_NE(Game->State.Day, firstDay);
    ASSERT_TRUE(std::filesystem::exists(AutosavePath()));
    EXPECT_FALSE(std::filesystem::exists(AutosavePath().string() + ".tmp"));
    const GameSnapshot saved(*Game);
    const std::string firstAutosave = Saves.File("first day.sav");
    std::filesystem::copy_file(AutosavePath(), firstAutosave);
    // The game played on, then the autosave loaded and played again.
    std::vector<GameSnapshot> played;
    for (int tick = 0; tick < 300 && Game->State.Running; ++tick) {
        if (Game->State.Turn.Phase == TurnPhase::AwaitingThrow)
            Press(Key::Space);
        Tick();
        played.emplace_back(*Game);
    }
    // The next days saved over it.
    EXPECT_GT(Game->State.Day, saved.State.Day);
    ASSERT_EQ(Game->LoadGame(firstAutosave), "");
    EXPECT_TRUE(GameSnapshot(*Game) == saved);
    for (std::size_t tick = 0; tick < played.size(); ++tick) {
        if (Game->State.Turn.Phase == TurnPhase::AwaitingThrow)
            Press(Key::Space);
        Tick();
        ASSERT_TRUE(GameSnapshot(*Game) == played[tick]) << "tick " << tick;
    }
    // Turned off, the next day leaves the file alone.
    ASSERT_TRUE(TickUntilTurnPassed());
    std::filesystem::remove(AutosavePath());
    Autosave = 0;
    const std::int32_t day = Game->State.Day;
    for (int turn = 0; turn < 20 && Game->State.Day == day; ++turn)
        PlayTurn();
    EXPECT_NE(Game->State.Day, day);
    EXPECT_FALSE(std::filesystem::exists(AutosavePath()));
    Autosave = 1;
}

TEST_F(ComputersPlayTest, AutosaveThatCannotBeWrittenSaysSoInTheNewsAndTheGameGoesOn)
{
    SoundEffects = 0;
    // A file where the folder should be.
    std::ofstream(Saves.Path / "SAVES") << "not a folder";
    Play(SmallBoard('a'), 0b11, 0b01, 21);
    const std::int32_t firstDay = Game->State.Day;
    PlayTurn();
    EXPECT_FALSE(NewsSays("AUTOSAVE FAILED!"));
    PlayTurn();
    ASSERT_NE(Game->State.Day, firstDay);
    EXPECT_TRUE(NewsSays("AUTOSAVE FAILED!"));
    EXPECT_TRUE(Game->Running());
    EXPECT_EQ(Game->State.Turn.Phase, TurnPhase::AwaitingThrow);
    for (int turn = 0; turn < 6; ++turn)
        PlayTurn();
    EXPECT_EQ(Game->State.Throws, 8);
}

} // namespace
