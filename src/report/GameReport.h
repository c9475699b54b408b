// The report of a game as data, from its record and its state: the ranking, the figures table, the
// lot that earned the most rent, the worth day by day and the whole history. The report dialog and
// the HTML export show the same report.
#pragma once

#include "report/NewsSentence.h"
#include "rules/GameRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Board;
struct GameState;

struct ReportPlayer
{
    std::int32_t Slot = 0;
    std::string Name;
    bool InPlay = false;  // not ruined
    std::string Standing; // "winner", "in play", or "ruined" and the day
    PlayerWorth Worth;    // now
    PlayerFigures Figures;
};

// A row of the figures table: its label and a cell for each player, in the order of the ranking.
struct ReportRow
{
    std::string Label;
    std::vector<std::string> Cells;
};

struct GameReport
{
    std::string Title;
    std::string When; // the day now: "Thursday, Week: 12"
    std::int32_t Throws = 0;
    // The winner first (when the game has one), then those still in play by their net worth, then
    // the ruined, the last ruined first.
    std::vector<ReportPlayer> Ranking;
    std::vector<ReportRow> Rows;
    // "Most rent earned: lot at (x, y) on STREET: $N", or that no rent has been paid yet.
    std::string MostRent;
    // The record's points, then every slot's worth now.
    std::vector<DayPoint> Points;
    DayPoint Now;
    // Slots that took part (bit i = slot i), and every slot's figures.
    std::uint8_t TakingPart = 0;
    std::array<PlayerFigures, RecordSlots> Figures{};
    PlayerNames Names;
    std::vector<HistoryLine> History;
    std::int64_t LinesNotKept = 0;

    // Line i of the history: its day ("Monday, Week: 3") and its sentence.
    std::string HistoryWhen(std::size_t i) const;
    std::string HistoryWhat(std::size_t i) const;
};

GameReport MakeGameReport(const GameState& state, const Board& board);

// "$" and the decimal number, as the game writes amounts.
std::string ReportDollars(std::int64_t amount);
