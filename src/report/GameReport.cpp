// The report of a game: ranking, figures, the lot that earned the most and the history's lines.
#include "report/GameReport.h"

#include "board/Board.h"
#include "rules/GameState.h"
#include "texts/Texts.h"

#include <algorithm>

namespace {

std::string Words(int index)
{
    return Text(TextGroup::Report, index);
}

std::string Count(std::int64_t n)
{
    return std::to_string(n);
}

// The name of the first street beside (x, y), in the order up, right, down, left; "" for none.
std::string StreetBeside(const Board& board, std::int32_t x, std::int32_t y)
{
    static constexpr std::int32_t Dx[4] = {0, 1, 0, -1};
    static constexpr std::int32_t Dy[4] = {-1, 0, 1, 0};
    for (int side = 0; side < 4; ++side) {
        const Cell cell = board.CellAt(x + Dx[side], y + Dy[side]);
        if (CountsAsRoad(cell.Kind)) {
            return board.GetStreetName(cell.Street);
        }
    }
    return {};
}

std::string MostRentText(const GameRecord& record, const Board& board)
{
    const auto best = std::max_element(record.RentByLot.begin(), record.RentByLot.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    if (best == record.RentByLot.end() || best->second <= 0) {
        return Words(ReportText::NoRent);
    }
    const std::int32_t x = best->first.second;
    const std::int32_t y = best->first.first;
    std::string text = Words(ReportText::MostRent) + "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    if (const std::string street = StreetBeside(board, x, y); !street.empty()) {
        text += Words(ReportText::On) + street;
    }
    return text + ": " + ReportDollars(best->second);
}

// The rows of the figures table: a label and a value of a player.
struct RowSpec
{
    int Label;
    std::string (*Value)(const ReportPlayer&);
};

const RowSpec Rows[] = {
    {ReportText::Cash, [](const ReportPlayer& p) { return ReportDollars(p.Worth.Cash); }},
    {ReportText::PropertyValue, [](const ReportPlayer& p) { return ReportDollars(p.Worth.Properties); }},
    {ReportText::Mortgages, [](const ReportPlayer& p) { return ReportDollars(p.Worth.Mortgages); }},
    {ReportText::NetWorth, [](const ReportPlayer& p) { return ReportDollars(p.Worth.NetWorth()); }},
    {ReportText::RentCollected, [](const ReportPlayer& p) { return ReportDollars(p.Figures.RentCollected); }},
    {ReportText::RentPaid, [](const ReportPlayer& p) { return ReportDollars(p.Figures.RentPaid); }},
    {ReportText::Salaries, [](const ReportPlayer& p) { return ReportDollars(p.Figures.Salaries); }},
    {ReportText::TreasuryReceived,
     [](const ReportPlayer& p) { return ReportDollars(p.Figures.TreasuryReceived); }},
    {ReportText::Taxes, [](const ReportPlayer& p) { return ReportDollars(p.Figures.Taxes); }},
    {ReportText::Fines, [](const ReportPlayer& p) { return ReportDollars(p.Figures.Fines); }},
    {ReportText::Bills, [](const ReportPlayer& p) { return ReportDollars(p.Figures.Bills); }},
    {ReportText::Tuition, [](const ReportPlayer& p) { return ReportDollars(p.Figures.Tuition); }},
    {ReportText::Invested, [](const ReportPlayer& p) { return ReportDollars(p.Figures.Invested); }},
    {ReportText::LotsBought, [](const ReportPlayer& p) { return Count(p.Figures.LotsBought); }},
    {ReportText::StructuresBuilt, [](const ReportPlayer& p) { return Count(p.Figures.StructuresBuilt); }},
    {ReportText::DaysHeld, [](const ReportPlayer& p) { return Count(p.Figures.DaysHeld); }},
    {ReportText::MortgagesTaken, [](const ReportPlayer& p) { return Count(p.Figures.MortgagesTaken); }},
    {ReportText::MortgagesPaidOff, [](const ReportPlayer& p) { return Count(p.Figures.MortgagesPaidOff); }},
    {ReportText::LotsSeized, [](const ReportPlayer& p) { return Count(p.Figures.MortgagesSeized); }},
};

} // namespace

std::string ReportDollars(std::int64_t amount)
{
    return Text(TextGroup::DialogFragments, DialogText::Dollar) + std::to_string(amount);
}

std::string GameReport::HistoryWhen(std::size_t i) const
{
    return i < History.size() ? CalendarText(History[i].Week, History[i].Day) : std::string();
}

std::string GameReport::HistoryWhat(std::size_t i) const
{
    return i < History.size() ? HistorySentence(History[i], Names) : std::string();
}

GameReport MakeGameReport(const GameState& state, const Board& board)
{
    const GameRecord& record = state.Record;
    GameReport report;
    report.Title = Words(ReportText::Title);
    report.When = CalendarText(state.Week, state.Day);
    report.Throws = state.Throws;
    report.Names = NamesOf(state);
    report.Points = record.Points;
    report.Now = WorthNow(state, board);
    report.History = record.History;
    report.LinesNotKept = record.LinesNotKept;
    report.Figures = record.Players;

    const bool over = !state.Running;
    for (std::int32_t slot = 0; slot < PlayerSlots; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        const Player& player = state.Players[i];
        const bool inPlay = player.State != PlayerState::Out;
        if (!inPlay && (state.TakingPart & 1u << slot) == 0) {
            continue;
        }
        report.TakingPart = static_cast<std::uint8_t>(report.TakingPart | 1u << slot);
        ReportPlayer p;
        p.Slot = slot;
        p.Name = report.Names[i];
        p.InPlay = inPlay;
        p.Worth = report.Now.Players[i];
        p.Figures = record.Players[i];
        if (inPlay) {
            p.Standing = Words(over ? ReportText::Winner : ReportText::InPlay);
        } else {
            p.Standing = Words(ReportText::Ruined);
            if (p.Figures.RuinOrder != 0) {
                p.Standing += CalendarText(p.Figures.RuinWeek, p.Figures.RuinDay);
            }
        }
        report.Ranking.push_back(std::move(p));
    }
    std::stable_sort(report.Ranking.begin(), report.Ranking.end(),
                     [](const ReportPlayer& a, const ReportPlayer& b) {
                         if (a.InPlay != b.InPlay) {
                             return a.InPlay;
                         }
                         if (a.InPlay) {
                             return a.Worth.NetWorth() > b.Worth.NetWorth();
                         }
                         return a.Figures.RuinOrder > b.Figures.RuinOrder;
                     });

    for (const RowSpec& spec : Rows) {
        ReportRow row;
        row.Label = Words(spec.Label);
        for (const ReportPlayer& p : report.Ranking) {
            row.Cells.push_back(spec.Value(p));
        }
        report.Rows.push_back(std::move(row));
    }
    report.MostRent = MostRentText(record, board);
    return report;
}
