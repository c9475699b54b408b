// The report of a game: the ranking's order, the figures table, the HTML page read back by an XML
// parser with every line of the history in it and every name whatever its bytes, and the chart's
// scales for one day, ten thousand days and sums at the cash limit.
#include "report/ReportHtml.h"
#include "rules/GameState.h"
#include "sim/SimGame.h"
#include "support/SmallBoards.h"
#include "support/TextLines.h"
#include "support/ToolRun.h"
#include "texts/Texts.h"

#include <climits>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace {

// A whole simulated game: its final state and board.
struct PlayedGame
{
    GameState State;
    Board TheBoard;
};

PlayedGame Play(const Board& board, const GameSetup& setup, std::uint32_t seed,
                std::int32_t maxThrows = 20000)
{
    PlayedGame game;
    SimGameOptions options;
    options.MaxThrows = maxThrows;
    options.Finished = [&](const GameState& state, const Board& final) {
        game.State = state;
        game.TheBoard = final;
    };
    EXPECT_EQ(PlaySimGame(board, setup, seed, options).ExitCode, SimExit::Ok);
    return game;
}

GameSetup FourPlayers()
{
    GameSetup setup;
    setup.InGame = {true, true, false, true, true, false};
    setup.Human = {};
    setup.Names = {"Ann", "Bob", "", "Cy", "Di", ""};
    setup.InitialCash = 30000;
    return setup;
}

TEST(ReportTest, TheWinnerThenTheRuinedLastFirst)
{
    const PlayedGame game = Play(GameFolderBoard(), FourPlayers(), 4);
    ASSERT_FALSE(game.State.Running);
    const GameReport report = MakeGameReport(game.State, game.TheBoard);
    ASSERT_EQ(report.Ranking.size(), 4u);
    EXPECT_EQ(report.Ranking[0].Slot, game.State.Winner());
    EXPECT_EQ(report.Ranking[0].Standing, Text(TextGroup::Report, ReportText::Winner));
    for (std::size_t i = 1; i < report.Ranking.size(); ++i) {
        const PlayerFigures& figures = report.Ranking[i].Figures;
        EXPECT_FALSE(report.Ranking[i].InPlay);
        // The last ruined ranks second, the first ruined last.
        EXPECT_EQ(figures.RuinOrder, static_cast<std::int32_t>(report.Ranking.size() - i));
        EXPECT_EQ(report.Ranking[i].Standing, Text(TextGroup::Report, ReportText::Ruined) +
                                                  CalendarText(figures.RuinWeek, figures.RuinDay));
    }
    // A row for each figure, a cell for each player in the ranking's order.
    ASSERT_FALSE(report.Rows.empty());
    for (const ReportRow& row : report.Rows) {
        EXPECT_EQ(row.Cells.size(), report.Ranking.size()) << row.Label;
    }
    EXPECT_EQ(report.Rows[3].Cells[0], ReportDollars(report.Ranking[0].Worth.NetWorth()));
    EXPECT_EQ(report.MostRent.rfind(Text(TextGroup::Report, ReportText::MostRent), 0), 0u) << report.MostRent;

    // Stopped by the turn limit: those in play by their net worth, nobody the winner.
    const PlayedGame unfinished = Play(GameFolderBoard(), FourPlayers(), 4, 60);
    ASSERT_TRUE(unfinished.State.Running);
    const GameReport sofar = MakeGameReport(unfinished.State, unfinished.TheBoard);
    ASSERT_EQ(sofar.Ranking.size(), 4u);
    for (std::size_t i = 0; i < sofar.Ranking.size(); ++i) {
        EXPECT_EQ(sofar.Ranking[i].Standing, Text(TextGroup::Report, ReportText::InPlay));
        if (i > 0) {
            EXPECT_GE(sofar.Ranking[i - 1].Worth.NetWorth(), sofar.Ranking[i].Worth.NetWorth());
        }
    }
}

// Reads the page with Python's XML parser (strict: any unescaped "<" or "&" or byte that is not
// UTF-8 fails it) and writes the text of the history's table cells, one "WHEN\tWHAT" a line.
ToolRun ReadHistoryBack(const TempDir& dir, const std::string& page)
{
    const std::string script = dir.File("read.py");
    std::ofstream(script)
        << "import sys, xml.etree.ElementTree as ET\n"
           "root = ET.parse(sys.argv[1]).getroot()\n"
           "for table in root.iter('table'):\n"
           "    if table.get('class') != 'history':\n"
           "        continue\n"
           "    for row in table.iter('tr'):\n"
           "        cells = [''.join(c.itertext()) for c in row.findall('td')]\n"
           "        if cells:\n"
           "            sys.stdout.buffer.write(('\\t'.join(cells) + '\\n').encode('utf-8'))\n";
    return RunCommand("python3 " + ShellQuote(script) + " " + ShellQuote(page), dir);
}

TEST(ReportTest, ThePageIsWellFormedAndHoldsEveryLineOfTheHistory)
{
    TempDir dir;
    if (RunCommand("python3 -c 'import xml.etree.ElementTree'", dir).Status != 0) {
        GTEST_SKIP() << "python3 is not installed";
    }
    GameSetup setup = FourPlayers();
    // Names that would break a page written carelessly: markup, an ampersand, quotes, and bytes
    // that are not UTF-8 (a name from a damaged file).
    setup.Names = {"<b>Ann</b>", "Bob & \"Co\"", "", "Cy's <!--", std::string("Di\xff\xfe\x01"), ""};
    const PlayedGame game = Play(SmallBoardA(), setup, 2);
    const GameReport report = MakeGameReport(game.State, game.TheBoard);
    ASSERT_GT(report.History.size(), 100u);
    const std::string page = dir.File("SAVES/game-report.html");
    const SavedGameResult saved = SaveReport(page, report);
    ASSERT_TRUE(saved.Ok) << saved.Reason;

    const ToolRun read = ReadHistoryBack(dir, page);
    ASSERT_EQ(read.Status, 0) << read.Err;
    const std::vector<std::string> lines = Lines(read.Out);
    ASSERT_EQ(lines.size(), report.History.size());
    std::size_t namedAnn = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string what = report.HistoryWhat(i);
        // The bytes that are no text come back as the replacement character.
        for (std::size_t at; (at = what.find("\xff\xfe\x01")) != std::string::npos;) {
            what.replace(at, 3, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
        }
        ASSERT_EQ(lines[i], report.HistoryWhen(i) + "\t" + what) << "line " << i;
        namedAnn += what.find("<b>Ann</b>") != std::string::npos ? 1 : 0;
    }
    EXPECT_GT(namedAnn, 0u);
    std::ifstream in(page);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.find("<b>Ann</b>"), std::string::npos);
    EXPECT_NE(text.find("&lt;b&gt;Ann&lt;/b&gt;"), std::string::npos);
    EXPECT_NE(text.find("<svg"), std::string::npos);
}

TEST(ReportTest, AReportFileThatCannotBeWrittenSaysWhy)
{
    TempDir dir;
    const PlayedGame game = Play(SmallBoardB(), FourPlayers(), 1, 30);
    std::ofstream(dir.File("SAVES")) << "a file where the folder would be";
    const SavedGameResult saved =
        SaveReport(dir.File("SAVES/x-report.html"), MakeGameReport(game.State, game.TheBoard));
    EXPECT_FALSE(saved.Ok);
    EXPECT_NE(saved.Reason.find("SAVES"), std::string::npos) << saved.Reason;
}

// A report of days points with every slot's worth given by worth(day, slot).
template <class Worth> GameReport SyntheticReport(std::int32_t days, Worth worth)
{
    GameReport report;
    report.TakingPart = 0x3F;
    for (std::int32_t d = 0; d <= days; ++d) {
        DayPoint point;
        point.Week = (d + 1) / 7 + 1;
        point.Day = (d + 1) % 7;
        for (std::int32_t slot = 0; slot < PlayerSlots; ++slot) {
            point.Players[static_cast<std::size_t>(slot)] = worth(d, slot);
        }
        if (d < days) {
            report.Points.push_back(point);
        } else {
            report.Now = point;
        }
    }
    return report;
}

// Everything of the chart lies within its ranges, the ranges are finite and ordered, the ticks
// fall within them in order, and every line is thinned to at most two points a column.
void ExpectSound(const ReportChart& chart, std::int32_t columns)
{
    ASSERT_TRUE(std::isfinite(chart.Low) && std::isfinite(chart.High));
    ASSERT_LT(chart.Low, chart.High);
    ASSERT_LT(chart.FirstDay, chart.LastDay);
    for (const std::vector<ChartTick>* ticks : {&chart.ValueTicks, &chart.DayTicks}) {
        EXPECT_GE(ticks->size(), 2u) << (ticks == &chart.DayTicks ? "days" : "values");
        EXPECT_LE(ticks->size(), 12u);
        for (std::size_t i = 1; i < ticks->size(); ++i) {
            EXPECT_LT((*ticks)[i - 1].At, (*ticks)[i].At);
        }
    }
    EXPECT_GE(chart.ValueTicks.front().At, chart.Low);
    EXPECT_LE(chart.ValueTicks.back().At, chart.High);
    for (const ChartLine& line : chart.Lines) {
        EXPECT_LE(line.Points.size(), 2 * static_cast<std::size_t>(columns) + 2);
        for (const ChartPoint& p : line.Points) {
            ASSERT_GE(p.Value, chart.Low);
            ASSERT_LE(p.Value, chart.High);
            ASSERT_GE(p.Day, chart.FirstDay);
            ASSERT_LE(p.Day, chart.LastDay);
        }
    }
}

TEST(ReportChartTest, OneDayTenThousandDaysAndTheCashLimit)
{
    // The game's first day: the start and the worth now.
    const ReportChart oneDay = MakeReportChart(SyntheticReport(0,
                                                               [](std::int32_t, std::int32_t) {
                                                                   return PlayerWorth{100000, 0, 0};
                                                               }),
                                               500);
    ExpectSound(oneDay, 500);
    EXPECT_EQ(oneDay.Lines.size(), 6u);

    // Ten thousand days of a rising and falling worth: thinned, its first and last points and its
    // highest kept.
    const auto wave = [](std::int32_t day, std::int32_t slot) {
        const double v = 500000 + 400000 * std::sin(day / 50.0 + slot);
        return PlayerWorth{static_cast<std::int32_t>(v), 20000 * slot, 1000 * slot};
    };
    const GameReport longGame = SyntheticReport(10000, wave);
    const ReportChart tenThousand = MakeReportChart(longGame, 600);
    ExpectSound(tenThousand, 600);
    for (const ChartLine& line : tenThousand.Lines) {
        const auto slot = static_cast<std::size_t>(line.Slot);
        ASSERT_GT(line.Points.size(), 600u);
        EXPECT_EQ(line.Points.front().Value,
                  static_cast<double>(longGame.Points.front().Players[slot].NetWorth()));
        EXPECT_EQ(line.Points.back().Value, static_cast<double>(longGame.Now.Players[slot].NetWorth()));
        double highest = static_cast<double>(longGame.Now.Players[slot].NetWorth());
        for (const DayPoint& point : longGame.Points) {
            highest = std::max(highest, static_cast<double>(point.Players[slot].NetWorth()));
        }
        double drawnHighest = 0;
        for (const ChartPoint& p : line.Points) {
            drawnHighest = std::max(drawnHighest, p.Value);
        }
        EXPECT_EQ(drawnHighest, highest);
    }
    EXPECT_EQ(tenThousand.DayTicks.back().Label, "10000");

    // Every player at the cash limit with properties beside: sums past 32 bits, no overflow.
    const ReportChart rich = MakeReportChart(SyntheticReport(30,
                                                             [](std::int32_t, std::int32_t) {
                                                                 return PlayerWorth{INT32_MAX, 98000000, 0};
                                                             }),
                                             300);
    ExpectSound(rich, 300);
    EXPECT_GE(rich.High, static_cast<double>(INT32_MAX) + 98000000);
    EXPECT_EQ(rich.ValueTicks.back().Label.back(), 'G');
    const std::string svg = ChartSvg(rich, 960, 400);
    EXPECT_FALSE(std::regex_search(svg, std::regex("=\"[^\"]*(nan|inf)")))
        << "a coordinate that is no number";
    EXPECT_EQ(svg.find("=\"-"), std::string::npos) << "no coordinate outside the picture";
}

TEST(ReportChartTest, TheDigitsAtTheLinesEndsDoNotOverlap)
{
    // Six lines that all end on the same worth: their digits are stacked, inside the plot.
    const ReportChart chart = MakeReportChart(SyntheticReport(20,
                                                              [](std::int32_t day, std::int32_t) {
                                                                  return PlayerWorth{1000 * day, 0, 0};
                                                              }),
                                              200);
    const std::vector<ChartMark> marks = ChartMarks(chart, 10, 20, 400, 120, 8);
    ASSERT_EQ(marks.size(), 6u);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_GE(marks[i].Y, 20 + 8);
        EXPECT_LE(marks[i].Y, 20 + 120 - 8);
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_GE(std::hypot(marks[i].X - marks[j].X, marks[i].Y - marks[j].Y), 16) << i << " " << j;
        }
    }
}

TEST(ReportChartTest, ShortAmounts)
{
    EXPECT_EQ(ShortDollars(0, 50000, 250000), "$0");
    EXPECT_EQ(ShortDollars(150000, 50000, 250000), "$150k");
    EXPECT_EQ(ShortDollars(1500000, 500000, 2000000), "$1.5M");
    EXPECT_EQ(ShortDollars(-1e-7, 1000, 5000), "$0");
    EXPECT_EQ(ShortDollars(4e9, 1e9, 4e9), "$4G");
    EXPECT_EQ(ShortDollars(300, 100, 500), "$300");
}

} // namespace
