// Tests of the scripted humans: their answers and mortgage choices follow their own generator
// draw by draw, they never pay off, and the rules keep their invariants in games with humans
// anywhere.
#include "sim/SimGame.h"
#include "support/SmallBoards.h"
#include "support/TextLines.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <vector>

namespace {

GameSetup SlotsSetup(unsigned inGame, unsigned humans, std::int32_t cash)
{
    GameSetup setup;
    for (std::size_t i = 0; i < PlayerSlots; ++i) {
        setup.InGame[i] = (inGame >> i & 1u) != 0;
        setup.Human[i] = setup.InGame[i] && (humans >> i & 1u) != 0;
    }
    setup.InitialCash = cash;
    return setup;
}

// Replays a trace against a generator seeded as the humans' answers: every ask line and every
// mortgage line of a human takes the next draw, and says what that draw gives.
class AnswerReplay
{
public:
    AnswerReplay(const GameSetup& setup, std::uint32_t answers) : setup(setup), generator(answers) {}

    void Line(const std::string& line)
    {
        std::istringstream in(line);
        std::string what;
        std::int32_t p = 0;
        in >> what >> p;
        if (what == "ask") {
            std::int32_t code = 0;
            std::int32_t answer = 0;
            in >> code >> answer;
            ASSERT_TRUE(Human(p)) << line;
            EXPECT_GE(code, 0);
            EXPECT_LE(code, 3);
            EXPECT_EQ(answer, generator.Next() % 2 == 0 ? 1 : 0) << line;
            ++Asked;
            return;
        }
        if (what != "buy" && what != "mortgage" && what != "payoff" && what != "seize" && what != "ruin") {
            return;
        }
        ASSERT_TRUE(p >= 0 && p < PlayerSlots) << line;
        std::int32_t x = 0;
        std::int32_t y = 0;
        in >> x >> y;
        std::vector<Lot>& lots = owned[static_cast<std::size_t>(p)];
        const auto lot =
            std::find_if(lots.begin(), lots.end(), [&](const Lot& l) { return l.X == x && l.Y == y; });
        if (what == "buy") {
            lots.push_back(Lot{x, y, false});
        } else if (what == "mortgage") {
            ASSERT_NE(lot, lots.end()) << line;
            if (Human(p)) {
                std::vector<const Lot*> free;
                for (const Lot& l : lots) {
                    if (!l.Mortgaged) {
                        free.push_back(&l);
                    }
                }
                ASSERT_FALSE(free.empty()) << line;
                EXPECT_EQ(free[generator.Next() % free.size()], &*lot) << line;
                ++Chosen;
                Choices += free.size() > 1 ? 1 : 0;
            }
            lot->Mortgaged = true;
        } else if (what == "payoff") {
            EXPECT_FALSE(Human(p)) << "a scripted human paid off: " << line;
            ASSERT_NE(lot, lots.end()) << line;
            lot->Mortgaged = false;
        } else if (what == "seize") {
            ASSERT_NE(lot, lots.end()) << line;
            lots.erase(lot);
        } else if (what == "ruin") {
            lots.clear();
        }
    }

    int Asked = 0;
    int Chosen = 0;  // mortgages chosen by humans
    int Choices = 0; // ... among more than one property

private:
    struct Lot
    {
        std::int32_t X;
        std::int32_t Y;
        bool Mortgaged;
    };
    bool Human(std::int32_t p) const
    {
        return p >= 0 && p < PlayerSlots && setup.Human[static_cast<std::size_t>(p)];
    }

    const GameSetup& setup;
    Random generator;
    std::array<std::vector<Lot>, PlayerSlots> owned;
};

TEST(SimHumansTest, AnswersAndMortgageChoicesFollowTheirGenerator)
{
    const std::vector<Board> boards = {GameFolderBoard(), SmallBoardA(), SmallBoardB()};
    int asked = 0;
    int choices = 0;
    for (std::uint32_t game = 0; game < 24; ++game) {
        const Board& board = boards[game % boards.size()];
        const GameSetup setup = SlotsSetup(0b111111, 0b010111 + game, game % 2 == 0 ? 30000 : 100000);
        const std::uint32_t answers = 1000 + game * 7;
        SimGameOptions options;
        options.Answers = answers;
        std::string trace;
        ASSERT_EQ(PlaySimGame(board, setup, game + 1, options, &trace).ExitCode, SimExit::Ok);
        AnswerReplay replay(setup, answers);
        for (const std::string& line : Lines(trace)) {
            replay.Line(line);
            if (::testing::Test::HasFatalFailure()) {
                FAIL() << "game " << game;
            }
        }
        asked += replay.Asked;
        choices += replay.Choices;
    }
    EXPECT_GT(asked, 1000);
    EXPECT_GT(choices, 50) << "humans chose among several properties";
}

TEST(SimHumansTest, ComputerGamesDrawNoAnswers)
{
    const Board board = SmallBoardB();
    SimGameOptions one;
    SimGameOptions other;
    other.Answers = 77;
    other.AnswersDrawn = 5;
    std::string a;
    std::string b;
    PlaySimGame(board, SlotsSetup(0b111111, 0, 30000), 3, one, &a);
    PlaySimGame(board, SlotsSetup(0b111111, 0, 30000), 3, other, &b);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.find("\nask "), std::string::npos);
}

// The random-mask check plays 1,000 games, or 200 in the sanitizer build (which runs them many
// times slower); TARNHOLLOW_SIM_CHECK_GAMES sets another number.
#if defined(__SANITIZE_ADDRESS__)
constexpr int DefaultCheckedGames = 200;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int DefaultCheckedGames = 200;
#else
constexpr int DefaultCheckedGames = 1000;
#endif
#else
constexpr int DefaultCheckedGames = 1000;
#endif

int CheckedGames()
{
    const char* value = std::getenv("TARNHOLLOW_SIM_CHECK_GAMES");
    return value != nullptr ? std::max(1, std::atoi(value)) : DefaultCheckedGames;
}

TEST(SimHumansTest, RulesHoldInGamesWithHumansAnywhere)
{
    const std::vector<Board> boards = {GameFolderBoard(), SmallBoardA(), SmallBoardB()};
    std::mt19937 draw(20);
    const int games = CheckedGames();
    int humanGames = 0;
    int humanWins = 0;
    for (int game = 0; game < games; ++game) {
        const unsigned inGame = draw() % 64;
        const unsigned humans = draw() % 64;
        const GameSetup setup = SlotsSetup(inGame, humans, draw() % 2 == 0 ? 30000 : 100000);
        SimGameOptions options;
        options.Check = true;
        // A lone player is never ruined out of the game; the limit keeps those games short.
        options.MaxThrows = 3000;
        options.Answers = static_cast<std::uint32_t>(draw());
        const std::uint32_t seed = static_cast<std::uint32_t>(draw());
        SimGameResult result;
        const SimStatus status =
            PlaySimGame(boards[static_cast<std::size_t>(draw() % 3)], setup, seed, options, nullptr, &result);
        ASSERT_EQ(status.ExitCode, SimExit::Ok)
            << "game " << game << " in game " << inGame << " humans " << humans << ": " << status.Message;
        if ((inGame & humans) != 0) {
            ++humanGames;
            humanWins += result.Winner >= 0 && setup.Human[static_cast<std::size_t>(result.Winner)] ? 1 : 0;
        }
    }
    EXPECT_GT(humanGames, games / 2);
    EXPECT_GT(humanWins, 0);
}

} // namespace
