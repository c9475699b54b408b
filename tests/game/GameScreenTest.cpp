// The game screen played headless through the real main window: the throw, the rolling die and the
// walk tick by tick, keys, clicks and commands, dialogs pausing the ticks, screen switches waiting
// for the game, a game over, and the screen at two sizes.
#include "controls/SSpeedButton.h"
#include "controls/SToolButton.h"
#include "game/ButtonsPanel.h"
#include "game/CardsPanel.h"
#include "game/GameImages.h"
#include "game/NewsPanel.h"
#include "game/ScoresPanel.h"
#include "graphics/SoundPlayer.h"
#include "shell/Commands.h"
#include "support/GameScreenScene.h"
#include "support/MidGamePanels.h"

#include <gtest/gtest.h>

namespace {

// A seed whose first draw throws face.
std::uint32_t SeedThrowing(std::int32_t face)
{
    for (std::uint32_t seed = 1;; ++seed) {
        Random probe(seed);
        if (probe.Below(6) + 1 == face)
            return seed;
    }
}

// A road cell beside a lot for sale, and that lot.
bool RoadBesideVacantLot(const Board& board, Point& road, Point& lot)
{
    const std::int32_t dx[] = {0, 1, 0, -1};
    const std::int32_t dy[] = {-1, 0, 1, 0};
    for (std::int32_t y = 1; y + 1 < board.Height(); ++y)
        for (std::int32_t x = 1; x + 1 < board.Width(); ++x) {
            const std::uint8_t kind = board.At(x, y).Kind;
            if (kind < 1 || kind > 63)
                continue;
            for (int side = 0; side < 4; ++side)
                if (board.At(x + dx[side], y + dy[side]).Kind == CellKind::LotForSale) {
                    road = {x, y};
                    lot = {x + dx[side], y + dy[side]};
                    return true;
                }
        }
    return false;
}

using GameScreenTest = GameScreenScene;

TEST_F(GameScreenTest, ThrowOfOneStepsOnceSixTicksAfterTheRollThenSettles)
{
    Play(SmallBoard('a'), 0b11, 0b00, 4);
    SetPlayerName(0, "Ignored");
    Game->Generator.Seed(SeedThrowing(1));
    const Player& mover = Game->State.Players[0];
    const Point start{mover.X, mover.Y};
    ASSERT_TRUE(Game->Buttons->ThrowButton->Visible());

    Press(Key::Space);
    EXPECT_EQ(Game->State.Dice, 1);
    EXPECT_EQ(Game->State.Turn, (TurnProgress{TurnPhase::Rolling, 1, 0}));
    EXPECT_FALSE(Game->Buttons->ThrowButton->Visible());
    EXPECT_FALSE(Game->Buttons->ThrowButton->Enabled());
    Press(Key::Space); // no second throw while the die rolls
    EXPECT_EQ(Game->State.Throws, 1);

    for (int tick = 1; tick <= 14; ++tick) {
        ASSERT_EQ(Game->State.Turn.Phase, TurnPhase::Rolling) << tick;
        ASSERT_EQ(Game->State.Turn.DiceFrame, tick);
        Tick();
    }
    EXPECT_EQ(Game->State.Turn, (TurnProgress{TurnPhase::Walking, 0, 6}));
    EXPECT_EQ(Game->News->News[0], "Player 1 THROWS 1!");
    for (int tick = 1; tick <= 5; ++tick) {
        Tick();
        ASSERT_EQ((Point{mover.X, mover.Y}), start) << tick;
        ASSERT_EQ(Game->State.Turn.Phase, TurnPhase::Walking);
    }
    Tick();
    EXPECT_NE((Point{mover.X, mover.Y}), start);
    // Settled and passed in the same tick: the next player waits for his throw.
    EXPECT_EQ(Game->State.Turn.Phase, TurnPhase::AwaitingThrow);
    EXPECT_EQ(Game->State.Current, 1);
    EXPECT_TRUE(Game->Buttons->ThrowButton->Visible());
    EXPECT_TRUE(Game->Buttons->ThrowButton->Enabled());
}

TEST_F(GameScreenTest, TheThrowSoundsOnlyWithSoundEffectsAsTheMenuLastSetThem)
{
    SoundEffects = 0;
    Play(SmallBoard('a'), 0b11, 0b00, 4);
    ::SoundPlayer->Buffer.Clear();
    PlayTurn();
    EXPECT_EQ(::SoundPlayer->Buffer.Size(), 0u);

    // The options dialog of the main menu turns the sounds on; back in the game they play.
    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    SoundEffects = 1;
    Main->RequestedState = ShellState::InGame;
    Tick();
    ASSERT_EQ(CurrentScreen, Game);
    Press(Key::Space);
    EXPECT_GT(::SoundPlayer->Buffer.Size(), 1000u) << "the dice";
}

TEST_F(GameScreenTest, ArrowKeysDoNothingWhileTheDieRollsThePawnWalksOrCardsSlide)
{
    AutoMove = 0;
    Play(SmallBoard('a'), 0b11, 0b01, 9);
    GiveLot(Game->State, Game->Map, 0, VacantLots(Game->Map).at(0), 0, 0);
    GiveLot(Game->State, Game->Map, 0, VacantLots(Game->Map).at(0), 1, 0);
    const auto centre = [this] { return Point{Game->Map.CenterX, Game->Map.CenterY}; };
    const auto arrows = [this] {
        for (KeyCode key : {Key::Left, Key::Up, Key::Right, Key::Down, Key::Down})
            Press(key);
    };

    Point before = centre();
    Press(Key::Down);
    EXPECT_NE(centre(), before) << "the view scrolls while the game waits for the throw";

    Game->Command(CommandSource::Control, CommandId::NextProperty);
    ASSERT_EQ(Game->CardScroll, 1);
    before = centre();
    arrows();
    EXPECT_EQ(centre(), before) << "cards sliding";
    for (int tick = 0; tick < 9; ++tick)
        Tick();
    EXPECT_EQ(Game->CardScroll, 0);
    EXPECT_EQ(Game->State.Players[0].CardIndex, 1);

    Press(Key::Space);
    arrows();
    EXPECT_EQ(centre(), before) << "die rolling";
    for (int tick = 0; tick < 14; ++tick)
        Tick();
    ASSERT_EQ(Game->State.Turn.Phase, TurnPhase::Walking);
    arrows();
    EXPECT_EQ(centre(), before) << "pawn walking";
}

TEST_F(GameScreenTest, ClicksShowTheCellAndARightClickAnywhereClearsTheSelection)
{
    Play(SmallBoard('a'), 0b11, 0b01, 3);
    const Player& p = Game->State.Players[0];
    const Point road = CellOnScreen(p.X, p.Y);
    TestHooks::MouseMove(*App, road.X, road.Y);
    Pump();
    EXPECT_EQ(Game->Cursor(), CursorId::Hand);
    TestHooks::MouseMove(*App, 10, 10);
    Pump();
    EXPECT_EQ(Game->Cursor(), CursorId::Arrow) << "over the panels";

    Point selected{-1, -1};
    OnDialog = [&](Window&) {
        selected = {Game->Map.CursorX, Game->Map.CursorY};
        return false;
    };
    TestHooks::Click(*App, road.X, road.Y);
    Pump();
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0], "TDialogOk Street information");
    EXPECT_EQ(selected, (Point{p.X, p.Y}));
    EXPECT_EQ(Game->Map.CursorX, -1) << "cleared when the dialog closed";

    for (const Point at : {Point{10, 10}, road, Point{1000, 700}}) {
        Game->Map.CursorX = 3;
        Game->Map.CursorY = 3;
        TestHooks::MouseDown(*App, Mouse::Right, at.X, at.Y);
        TestHooks::MouseUp(*App, Mouse::Right, at.X, at.Y);
        Pump();
        EXPECT_EQ(Game->Map.CursorX, -1) << at.X << "," << at.Y;
    }
    EXPECT_EQ(Dialogs.size(), 1u);
}

TEST_F(GameScreenTest, TicksStopUnderADialogAndResumeWhereTheyWere)
{
    Play(SmallBoard('a'), 0b11, 0b00, 1);
    Game->Generator.Seed(SeedThrowing(6));
    Press(Key::Space);
    for (int tick = 0; tick < 14 + 8; ++tick)
        Tick();
    ASSERT_EQ(Game->State.Turn.Phase, TurnPhase::Walking);
    const TurnProgress before = Game->State.Turn;
    const std::int32_t stepsLeft = Game->State.Dice;
    const Point pawn{Game->State.Players[0].X, Game->State.Players[0].Y};

    int calls = 0;
    OnDialog = [&](Window& dialog) {
        // The main window's timer goes on firing in the dialog's loop; the game stands still.
        for (int i = 0; i < 10; ++i)
            TestHooks::FireTimer(*App);
        EXPECT_TRUE(Game->Busy);
        EXPECT_EQ(Game->State.Turn, before);
        EXPECT_EQ(Game->State.Dice, stepsLeft);
        if (++calls < 3)
            return true;
        dialog.ModalResult = ModalResult::Ok;
        return false;
    };
    const Point start = CellOnScreen(Game->Map.StartX, Game->Map.StartY);
    TestHooks::Click(*App, start.X, start.Y);
    Pump();
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_FALSE(Game->Busy);
    EXPECT_EQ(Game->State.Turn, before);
    EXPECT_EQ((Point{Game->State.Players[0].X, Game->State.Players[0].Y}), pawn);
    Tick();
    EXPECT_EQ(Game->State.Turn.StepDelay, before.StepDelay == 1 ? 6 : before.StepDelay - 1);
}

TEST_F(GameScreenTest, ScreenSwitchAskedInADialogWaitsUntilTheTurnIsSettled)
{
    Play(SmallBoard('a'), 0b11, 0b01, 5);
    // The walk is over beside a lot for sale: the next tick settles and asks the human to buy.
    Point road;
    Point lot;
    ASSERT_TRUE(RoadBesideVacantLot(Game->Map, road, lot));
    Player& human = Game->State.Players[0];
    Game->Map.MovePawn(0, human, road.X, road.Y);
    Game->State.Turn = TurnProgress{TurnPhase::Settling, 0, 0};

    int asked = 0;
    OnDialog = [&](Window& dialog) {
        if (dialog.ClassName() != "TDialogYesNo")
            return false;
        ++asked;
        Main->RequestedState = ShellState::InMainMenu;
        TestHooks::FireTimer(*App);
        TestHooks::FireTimer(*App);
        EXPECT_EQ(Main->ScreenState, ShellState::InGame);
        EXPECT_EQ(CurrentScreen, Game);
        dialog.ModalResult = ModalResult::No;
        return false;
    };
    Tick();
    ASSERT_GE(asked, 1);
    // The settling went on to its end and the turn passed, on the game screen.
    EXPECT_EQ(Game->State.Current, 1);
    EXPECT_EQ(Main->ScreenState, ShellState::InGame);
    EXPECT_EQ(CurrentScreen, Game);
    EXPECT_FALSE(Game->Busy);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_NE(CurrentScreen, Game);
    EXPECT_TRUE(Game->Running());
}

TEST_F(GameScreenTest, ButtonsAndKeysSendTheirCommands)
{
    Play(SmallBoard('a'), 0b11, 0b01, 2);
    std::vector<std::string> opened;
    TestHooks::SetOpenUrlHook(*App, [&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    Press(Key::F1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find(Main->DataDir + "/Tarnhollow.html"), std::string::npos) << opened[0];

    Press(Key::Return);
    EXPECT_EQ(Main->RequestedState, ShellState::InMainMenu);
    Main->RequestedState = ShellState::None;

    // The dice button clicked, as Space would.
    const Rect dice = Game->Buttons->ThrowButton->PixelArea;
    TestHooks::Click(*App, (dice.Left + dice.Right) / 2, (dice.Top + dice.Bottom) / 2);
    Pump();
    EXPECT_EQ(Game->State.Throws, 1);
    EXPECT_EQ(Game->State.Turn.Phase, TurnPhase::Rolling);

    TestHooks::KeyDown(*App, Key::F10);
    Pump();
    EXPECT_TRUE(Main->Suspended);
    const TurnProgress rolling = Game->State.Turn;
    Tick();
    EXPECT_EQ(Game->State.Turn, rolling) << "no ticks while minimised";
    TestHooks::Restore(*App);
    Pump();
    EXPECT_FALSE(Main->Suspended);
    Tick();
    EXPECT_EQ(Game->State.Turn.DiceFrame, rolling.DiceFrame + 1);
}

TEST_F(GameScreenTest, CardsPanelGoesToAndPaysOffTheShownProperty)
{
    AutoMove = 0;
    Play(SmallBoard('a'), 0b11, 0b01, 2);
    const PropertyEntry first = VacantLots(Game->Map).at(0);
    GiveLot(Game->State, Game->Map, 0, first, 0, 0);
    const PropertyEntry second = VacantLots(Game->Map).at(0);
    GiveLot(Game->State, Game->Map, 0, second, 2, 20);
    Game->Redraw();
    Player& p = Game->State.Players[0];
    EXPECT_TRUE(Game->Cards->NextButton->Visible());
    EXPECT_FALSE(Game->Cards->PrevButton->Visible());

    // Previous from the first card leads nowhere.
    Game->Command(CommandSource::Control, CommandId::PreviousProperty);
    EXPECT_EQ(Game->CardScroll, 0);
    Game->Command(CommandSource::Control, CommandId::NextProperty);
    EXPECT_EQ(Game->CardScroll, 1);
    EXPECT_FALSE(Game->Cards->NextButton->Visible()) << "hidden while the page turns";
    Game->Command(CommandSource::Control, CommandId::NextProperty);
    for (int tick = 0; tick < 9; ++tick)
        Tick();
    EXPECT_EQ(p.CardIndex, 1) << "one page turned, however often the button was pressed";
    EXPECT_TRUE(Game->Cards->PayButton->Visible());

    Game->Command(CommandSource::Control, CommandId::GoToProperty);
    EXPECT_EQ((Point{Game->Map.CursorX, Game->Map.CursorY}), (Point{second.X, second.Y}));
    EXPECT_EQ((Point{Game->Map.CenterX, Game->Map.CenterY}), (Point{second.X, second.Y}));

    const std::int32_t cash = p.Cash;
    const std::int32_t cost = Game->Map.MortgageValue(second.X, second.Y);
    const Rect pay = Game->Cards->PayButton->PixelArea;
    TestHooks::Click(*App, (pay.Left + pay.Right) / 2, (pay.Top + pay.Bottom) / 2);
    Pump();
    EXPECT_EQ(p.Cash, cash - cost);
    EXPECT_EQ(p.MortgageCount, 0);
    EXPECT_EQ(Game->Map.At(second.X, second.Y).Street, 0);
    EXPECT_FALSE(Game->Cards->PayButton->Visible());
}

TEST_F(GameScreenTest, ThrowDuringAPageTurnFinishesItFirst)
{
    Play(SmallBoard('a'), 0b11, 0b01, 2);
    GiveLot(Game->State, Game->Map, 0, VacantLots(Game->Map).at(0), 0, 0);
    GiveLot(Game->State, Game->Map, 0, VacantLots(Game->Map).at(0), 0, 0);
    Game->Command(CommandSource::Control, CommandId::NextProperty);
    Tick();
    Press(Key::Space);
    EXPECT_EQ(Game->CardScroll, 0);
    EXPECT_EQ(Game->State.Players[0].CardIndex, 1);
    EXPECT_EQ(Game->State.Turn.Phase, TurnPhase::Rolling);
}

TEST_F(GameScreenTest, GameOverLeavesTheFinalPositionWithTheWinnerCurrent)
{
    Play(SmallBoard('a'), 0b11, 0b00, 1);
    // Player 0 owes more rent than he can ever raise, wherever he stops.
    Player& loser = Game->State.Players[0];
    loser.Cash = 0;
    Point road;
    Point lot;
    ASSERT_TRUE(RoadBesideVacantLot(Game->Map, road, lot));
    GiveLot(Game->State, Game->Map, 1, PropertyEntry{lot.X, lot.Y}, 6, 0);
    Game->Map.MovePawn(0, loser, road.X, road.Y);
    Game->State.Turn = TurnProgress{TurnPhase::Settling, 0, 0};
    Tick();
    // The report of the game follows the game-over dialog.
    ASSERT_GE(Dialogs.size(), 2u);
    EXPECT_EQ(Dialogs[Dialogs.size() - 2], "TDialogOk Winner");
    EXPECT_EQ(Dialogs.back(), std::string("TDialogReport ") + Text(TextGroup::Report, ReportText::Title));
    EXPECT_FALSE(Game->Running());
    EXPECT_EQ(Game->State.Current, 1);
    EXPECT_FALSE(Game->Buttons->ThrowButton->Visible());
    // The final position stays on screen.
    const Rect board = Game->View->PixelArea;
    EXPECT_GT(ChannelDistance(Pixel(board.Left + board.Width() / 2, board.Top + board.Height() / 2), 0), 10);
    Press(Key::Space);
    EXPECT_EQ(Game->State.Throws, 0);
}

TEST_F(GameScreenTest, NewGameInTheMiddleOfATurnStartsAfresh)
{
    Play(SmallBoard('a'), 0b11, 0b00, 7);
    Press(Key::Space);
    for (int tick = 0; tick < 17; ++tick)
        Tick();
    ASSERT_EQ(Game->State.Turn.Phase, TurnPhase::Walking);
    ASSERT_TRUE(Game->NewGame(SmallBoard('b')));
    EXPECT_EQ(Game->State.Turn, TurnProgress{});
    EXPECT_EQ(Game->State.Throws, 0);
    EXPECT_EQ(Game->State.Dice, 0);
    EXPECT_TRUE(Game->Buttons->ThrowButton->Visible());
    EXPECT_EQ(Game->News->News[0], "ARE YOU READY TO GAMBLE?");
}

// The game screen drawn at both sizes, and again after the screen changed its size.
class GameScreenSizesTest : public GameScreenScene, public ::testing::WithParamInterface<Point>
{
protected:
    void SetUp() override { StartGameScreen(GetParam().X, GetParam().Y); }
};

TEST_P(GameScreenSizesTest, BoardAndPanelsFillTheScreen)
{
    Play(std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd", 0b100101, 0b000001, 8);
    PlayTurn();
    const auto check = [this](const char* when) {
        const Rect board = Game->View->PixelArea;
        EXPECT_EQ(board, ScreenRect(GameProc::BoardArea)) << when;
        EXPECT_EQ(Game->Scores->PixelArea, ScreenRect(MakeRelRect(0, 0, 0.2f, 0.16f))) << when;
        EXPECT_EQ(Game->Buttons->PixelArea, ScreenRect(MakeRelRect(0.92f, 0, 0.08f, 0.16f))) << when;
        // Every panel shows its picture (a corner of each), the board something else than black.
        for (const Rect& area : {Game->Scores->PixelArea, Game->News->PixelArea, Game->Buttons->PixelArea})
            EXPECT_GT(Brightness(Pixel(area.Left + 2, area.Bottom - 3)), 30) << when;
        int lit = 0;
        for (std::int32_t x = 0; x < board.Right; x += 7)
            lit += Brightness(Pixel(x, (board.Top + board.Bottom) / 2)) > 30 ? 1 : 0;
        EXPECT_GT(lit, board.Width() / 7 / 2) << when;
        EXPECT_NE(Game->News->News[0].find(" THROWS "), std::string::npos) << when;
        Snapshot(std::string("game-screen-") + when + "-" + std::to_string(ScreenSize.Width));
    };
    check("shown");
    const Point other = GetParam().X == 1024 ? Point{1920, 1080} : Point{1024, 768};
    TestHooks::ForceScreenSize(*App, other.X, other.Y);
    Pump();
    check("resized");
}

INSTANTIATE_TEST_SUITE_P(Sizes, GameScreenSizesTest, ::testing::Values(Point{1024, 768}, Point{1920, 1080}));

} // namespace
