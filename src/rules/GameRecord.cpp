// The game's record: the figures each news line adds to, the day points and the history.
#include "rules/GameRecord.h"

#include "board/Board.h"
#include "rules/GameState.h"

PlayerWorth PropertyWorth(const Player& player, const Board& board)
{
    PlayerWorth worth;
    for (std::int32_t i = 0; i < player.PropertyCount && i < MaxProperties; ++i) {
        const PropertyEntry& entry = player.Properties[static_cast<std::size_t>(i)];
        const Cell cell = board.CellAt(entry.X, entry.Y);
        if (!IsOwnedLot(cell.Kind)) {
            continue;
        }
        const Board::LotValues values = board.OwnedLotValues(entry.X, entry.Y);
        worth.Properties += values.Value;
        worth.Mortgages += cell.Street != 0 ? values.Mortgage : 0;
    }
    return worth;
}

DayPoint WorthNow(const GameState& state, const Board& board)
{
    DayPoint point;
    point.Week = state.Week;
    point.Day = state.Day;
    for (std::size_t slot = 0; slot < point.Players.size(); ++slot) {
        point.Players[slot] = PropertyWorth(state.Players[slot], board);
        point.Players[slot].Cash = state.Players[slot].Cash;
    }
    return point;
}

void GameRecord::Start(const GameState& state, const Board& board)
{
    *this = GameRecord{};
    Points.push_back(Now(state, board));
}

void GameRecord::Changed(std::int32_t slot)
{
    if (IsSlot(slot)) {
        stale = static_cast<std::uint8_t>(stale | 1u << slot);
    }
}

void GameRecord::LotWorth(std::int32_t slot, const Board& board, std::int32_t x, std::int32_t y, int sign)
{
    if (!IsSlot(slot) || (stale & 1u << slot) != 0) {
        return;
    }
    const Cell cell = board.CellAt(x, y);
    if (!IsOwnedLot(cell.Kind) || cell.Owner != slot + 1) {
        return;
    }
    const Board::LotValues values = board.OwnedLotValues(x, y);
    PlayerWorth& cached = cachedWorth[Index(slot)];
    cached.Properties += sign * values.Value;
    cached.Mortgages += cell.Street != 0 ? sign * values.Mortgage : 0;
}

PlayerWorth GameRecord::Worth(std::int32_t slot, const GameState& state, const Board& board)
{
    if (!IsSlot(slot)) {
        return {};
    }
    const Player& player = state.Players[Index(slot)];
    PlayerWorth& cached = cachedWorth[Index(slot)];
    if ((stale & 1u << slot) != 0) {
        cached = PropertyWorth(player, board);
        stale = static_cast<std::uint8_t>(stale & ~(1u << slot));
    }
    PlayerWorth worth = cached;
    worth.Cash = player.Cash;
    return worth;
}

DayPoint GameRecord::Now(const GameState& state, const Board& board)
{
    DayPoint point;
    point.Week = state.Week;
    point.Day = state.Day;
    for (std::int32_t slot = 0; slot < RecordSlots; ++slot) {
        point.Players[Index(slot)] = Worth(slot, state, board);
    }
    return point;
}

void GameRecord::DayEnded(const GameState& state, const Board& board)
{
    const std::int32_t days = DayPoint{state.Week, state.Day, {}}.DaysGone();
    if (!Points.empty() && days - Points.back().DaysGone() < DayStep) {
        return;
    }
    if (Points.size() >= MaxPoints) {
        // Every other point goes, the first one stays: the chart keeps the whole game, coarser.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < Points.size(); i += 2) {
            Points[kept++] = Points[i];
        }
        Points.resize(kept);
        DayStep *= 2;
        if (days - Points.back().DaysGone() < DayStep) {
            return;
        }
    }
    Points.push_back(Now(state, board));
}

void GameRecord::Add(const NewsLine& line, std::int32_t slot, const GameState& state)
{
    if (History.size() >= MaxLines) {
        ++LinesNotKept;
        return;
    }
    History.emplace_back(line, slot, state.Week, state.Day);
}

void GameRecord::News(const NewsLine& line, std::int32_t slot, const GameState& state)
{
    Add(line, slot, state);
    if (!IsSlot(slot)) {
        return;
    }
    PlayerFigures& p = Players[Index(slot)];
    switch (line.Code) {
    case NewsCode::BuyLot:
        ++p.LotsBought;
        p.Invested += line.Value;
        break;
    case NewsCode::Build:
        ++p.StructuresBuilt;
        p.Invested += line.Value;
        break;
    case NewsCode::Rent:
        p.RentPaid += line.Value;
        if (IsSlot(line.Arg)) {
            Players[Index(line.Arg)].RentCollected += line.Value;
        }
        RentByLot[{line.Y, line.X}] += line.Value;
        break;
    case NewsCode::Treasury:
        (line.Arg != 0 ? p.TreasuryReceived : p.Taxes) += line.Value;
        break;
    case NewsCode::School:
        p.Tuition += line.Value;
        break;
    case NewsCode::Police:
        p.Fines += line.Value;
        break;
    case NewsCode::Hospital:
        p.Bills += line.Value;
        break;
    case NewsCode::Mortgage:
        ++(line.Arg != 0 ? p.MortgagesPaidOff : p.MortgagesTaken);
        break;
    default:
        break;
    }
}

void GameRecord::PaidOff(std::int32_t x, std::int32_t y, std::int32_t cost, const GameState& state)
{
    News(NewsLine{NewsCode::Mortgage, cost, 1, x, y}, state.Current, state);
}

void GameRecord::Seized(std::int32_t owner, std::int32_t x, std::int32_t y, std::int32_t structure,
                        const GameState& state)
{
    Add(NewsLine{HistoryCode::Seizure, structure, 0, x, y}, owner, state);
    if (IsSlot(owner)) {
        ++Players[Index(owner)].MortgagesSeized;
    }
}

void GameRecord::Ruined(std::int32_t amount, const GameState& state)
{
    const std::int32_t slot = state.Current;
    Add(NewsLine{HistoryCode::Ruined, amount, 0, -1, -1}, slot, state);
    if (IsSlot(slot)) {
        std::int32_t order = 1;
        for (const PlayerFigures& figures : Players) {
            order += figures.RuinOrder != 0 ? 1 : 0;
        }
        PlayerFigures& p = Players[Index(slot)];
        p.RuinOrder = order;
        p.RuinWeek = state.Week;
        p.RuinDay = state.Day;
        Changed(slot);
    }
}

void GameRecord::GameOver(const GameState& state)
{
    if (History.empty() || History.back().Code != HistoryCode::GameOver) {
        Add(NewsLine{HistoryCode::GameOver, 0, 0, -1, -1}, state.Winner(), state);
    }
}

bool GameRecord::operator==(const GameRecord& other) const
{
    return Points == other.Points && DayStep == other.DayStep && Players == other.Players &&
           RentByLot == other.RentByLot && History == other.History && LinesNotKept == other.LinesNotKept;
}
