// The rules engine: turn cycle, square events, debts and the computer players' decisions.
#include "rules/Rules.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::array<std::int32_t, 4> SideDx{0, 1, 0, -1};
constexpr std::array<std::int32_t, 4> SideDy{-1, 0, 1, 0};

// The owner's slot of a cell, -1 for nobody.
std::int32_t OwnerSlot(const Cell& cell)
{
    return cell.Owner >= 1 && cell.Owner <= PlayerSlots ? cell.Owner - 1 : -1;
}

bool Mortgaged(const Board& board, const PropertyEntry& entry)
{
    const Cell* cell = board.Find(entry.X, entry.Y);
    return cell != nullptr && cell->Street != 0;
}

} // namespace

void AddCash(Player& player, std::int64_t amount)
{
    player.Cash = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(player.Cash + amount, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

Rules::Rules(GameState& state, Board& board, Random& random, RulesHost& host, const RulesOptions& options)
    : state(state), board(board), random(random), host(host), options(options)
{
}

void Rules::Post(std::int32_t code, std::int32_t value, std::int32_t arg, std::int32_t x, std::int32_t y)
{
    const NewsLine line{code, value, arg, x, y};
    if (options.Recording) {
        state.Record.News(line, state.Current, state);
    }
    host.PostNews(line);
}

void Rules::RecordLotWorth(std::int32_t slot, std::int32_t x, std::int32_t y, int sign)
{
    if (options.Recording) {
        state.Record.LotWorth(slot, board, x, y, sign);
    }
}

void Rules::Sound(const char* name, bool wait)
{
    if (options.SoundEffects) {
        host.PlaySound(name, wait);
    }
}

bool Rules::NewGame(const std::filesystem::path& boardFile, const GameSetup& setup)
{
    if (board.LoadFile(boardFile) == BoardSource::None) {
        return false;
    }
    StartGame(setup);
    return true;
}

// A board made in the editor may carry lots already owned by a player. They join their owner's
// list of properties, as bought ones do, so that rent, mortgages and seizure treat them alike; a
// lot whose owner does not take part (or has no room left on his list) is for sale again.
void Rules::TakeOverOwnedLots()
{
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            Cell& cell = board.At(x, y);
            if (!IsOwnedLot(cell.Kind)) {
                continue;
            }
            const std::int32_t slot = cell.Owner - 1;
            Player* owner =
                slot >= 0 && slot < PlayerSlots ? &state.Players[static_cast<std::size_t>(slot)] : nullptr;
            if (owner == nullptr || owner->State == 0 || owner->PropertyCount >= MaxProperties) {
                cell.Kind = CellKind::LotForSale;
                cell.Owner = 0;
                cell.Street = 0;
                continue;
            }
            owner->Properties[static_cast<std::size_t>(owner->PropertyCount++)] = {x, y};
            if (cell.Street != 0) {
                ++owner->MortgageCount;
            }
        }
    }
}

void Rules::StartGame(const GameSetup& setup)
{
    state.Week = 1;
    state.Day = 1;
    state.Current = -1;
    state.Dice = 0;
    state.Turn = TurnProgress{};
    state.SideEvent = {};
    state.EventAmount = 0;
    state.EventArg = 0;
    state.Throws = 0;
    state.TakingPart = 0;
    std::uint8_t pawns = 0;
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        Player& player = state.Players[static_cast<std::size_t>(i)];
        player = Player{};
        const auto slot = static_cast<std::size_t>(i);
        player.SetName(setup.Names[slot]);
        player.State = setup.InGame[slot] ? 1 : 0;
        player.Human = setup.Human[slot] ? 1 : 0;
        player.X = board.StartX;
        player.Y = board.StartY;
        player.Cash = setup.InitialCash;
        player.Salary = Wages[0];
        if (player.State != 0) {
            pawns = static_cast<std::uint8_t>(pawns | 1u << i);
        }
    }
    state.TakingPart = pawns;
    TakeOverOwnedLots();
    // Pawns left in a board file would stand about for the whole game.
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            board.At(x, y).Pawns = 0;
        }
    }
    if (Cell* start = board.Find(board.StartX, board.StartY)) {
        start->Pawns = pawns;
    }
    board.ChooseJunctionExits([this] { return random.Next(); });
    if (options.Recording) {
        state.Record.Start(state, board);
    }
    Post(NewsCode::Ready);
    state.Running = true;
    PassTurn();
}

std::int32_t Rules::Throw()
{
    // One throw a turn: a turn in progress is walked and settled first.
    if (!state.Running || !state.HasCurrent() || state.Turn.Phase != TurnPhase::AwaitingThrow) {
        return 0;
    }
    state.Dice = random.Below(6) + 1;
    ++state.Throws;
    state.Turn = TurnProgress{TurnPhase::Walking, 0, 0};
    // The game screen writes the throw's news line when the die has rolled; the history has it now.
    if (options.Recording) {
        state.Record.News(NewsLine{NewsCode::Throw, state.Dice}, state.Current, state);
    }
    return state.Dice;
}

bool Rules::Step()
{
    if (!state.HasCurrent() || state.Dice <= 0) {
        return false;
    }
    board.StepPawn(state.Current, P());
    --state.Dice;
    if (state.Dice > 0) {
        return true;
    }
    state.Turn = TurnProgress{TurnPhase::Settling, 0, 0};
    return false;
}

void Rules::PlayThrow()
{
    if (state.Turn.Phase == TurnPhase::AwaitingThrow && Throw() == 0) {
        return;
    }
    FinishTurn();
}

void Rules::FinishTurn()
{
    if (state.Turn.Phase == TurnPhase::AwaitingThrow) {
        return;
    }
    while (Step()) {
    }
    SettleEvents();
    EndTurn();
}

void Rules::EndTurn()
{
    state.Turn = TurnProgress{};
    if (state.Running) {
        PassTurn();
    } else {
        if (const std::int32_t winner = state.Winner(); winner >= 0) {
            state.Current = winner;
        }
        if (options.Recording) {
            state.Record.GameOver(state);
        }
    }
}

void Rules::SettleEvents()
{
    if (!state.Running || !state.HasCurrent()) {
        return;
    }
    Player& p = P();
    const std::int32_t self = state.Current + 1;
    for (std::size_t side = 0; side < 4; ++side) {
        const Cell cell = board.CellAt(p.X + SideDx[side], p.Y + SideDy[side]);
        std::uint8_t kind = SideNothing;
        if (cell.Kind == CellKind::LotForSale && p.PropertyCount < MaxProperties) {
            kind = SideLotForSale;
        } else if (cell.Kind >= CellKind::Governor && cell.Kind <= CellKind::BareLot) {
            kind = SidePublicBuilding;
        } else if (IsOwnedLot(cell.Kind) && OwnerSlot(cell) >= 0 && cell.Owner != self) {
            kind = SideRentDue;
        } else if (IsOwnedLot(cell.Kind) && cell.Owner == self && cell.Kind < CellKind::Hotel) {
            kind = SideCanBuild;
        }
        state.SideEvent[side] = kind;
    }

    for (std::size_t side = 0; side < 4; ++side) {
        if (state.SideEvent[side] == SideRentDue && SettleRent(p.X + SideDx[side], p.Y + SideDy[side])) {
            return;
        }
    }
    // Read afresh each time: the courthouse clears the entries still to come.
    for (std::size_t side = 0; side < 4; ++side) {
        const std::int32_t x = p.X + SideDx[side];
        const std::int32_t y = p.Y + SideDy[side];
        switch (state.SideEvent[side]) {
        case SideLotForSale:
        case SideCanBuild:
            Offer(state.SideEvent[side], x, y);
            break;
        case SidePublicBuilding: {
            const bool ruined = PublicBuilding(board.CellAt(x, y).Kind - CellKind::Governor);
            host.RefreshPanels(PanelMask::Scores | PanelMask::PlayerInfo);
            if (ruined) {
                return;
            }
            break;
        }
        default:
            break;
        }
    }
    if (p.Human == 0) {
        PayOffMortgages();
    }
}

bool Rules::SettleRent(std::int32_t x, std::int32_t y)
{
    Player& p = P();
    const std::int32_t owner = OwnerSlot(board.At(x, y));
    state.EventAmount = board.Rent(0, x, y);
    state.EventArg = owner;
    if (p.Human != 0) {
        host.SelectCell(x, y);
        host.ShowEvent(EventCode::Rent);
    } else {
        Sound("money", true);
    }
    const bool ruined = Pay();
    AddCash(state.Players[static_cast<std::size_t>(owner)], state.EventAmount);
    host.RefreshPanels(PanelMask::Scores);
    Post(NewsCode::Rent, state.EventAmount, owner, x, y);
    return ruined;
}

bool Rules::Pay()
{
    Player& p = P();
    bool ruined = false;
    if (p.Cash < state.EventAmount) {
        ruined = RaiseMoney(state.EventAmount - p.Cash);
    }
    AddCash(p, -static_cast<std::int64_t>(state.EventAmount));
    return ruined;
}

void Rules::Offer(std::int32_t side, std::int32_t x, std::int32_t y)
{
    Player& p = P();
    std::int32_t kind = 0;
    if (side == SideLotForSale) {
        // Checked again: a lot bought beside may have filled the list.
        if (p.PropertyCount >= MaxProperties) {
            return;
        }
    } else {
        kind = board.At(x, y).Kind - CellKind::BareLot;
    }
    const std::int32_t price = board.Price(kind, x, y);
    if (price >= p.Cash) {
        return;
    }
    state.EventAmount = price;
    bool accept = false;
    if (p.Human != 0) {
        host.SelectCell(x, y);
        accept = host.AskDecision(side == SideLotForSale ? DecisionCode::Buy : DecisionCode::Build);
    } else {
        accept = static_cast<std::int64_t>(ComputerReserve[static_cast<std::size_t>(state.Current)]) + price <
                 p.Cash;
    }
    if (!accept) {
        return;
    }
    Acquire(kind, x, y);
    if (p.Human == 0) {
        Sound("dask", true);
    }
}

void Rules::Acquire(std::int32_t kind, std::int32_t x, std::int32_t y)
{
    Player& p = P();
    Cell* cell = board.Find(x, y);
    if (cell == nullptr || kind < 0 || kind > CellKind::Hotel - CellKind::OwnedLot) {
        return;
    }
    RecordLotWorth(state.Current, x, y, -1);
    cell->Kind = static_cast<std::uint8_t>(kind + CellKind::OwnedLot);
    cell->Owner = static_cast<std::uint8_t>(state.Current + 1);
    RecordLotWorth(state.Current, x, y, +1);
    AddCash(p, -static_cast<std::int64_t>(state.EventAmount));
    if (kind == 0 && p.PropertyCount != MaxProperties) {
        p.Properties[static_cast<std::size_t>(p.PropertyCount)] = PropertyEntry{x, y};
        ++p.PropertyCount;
    }
    host.RefreshPanels(PanelMask::Scores | PanelMask::PlayerInfo);
    if (kind == 0) {
        Post(NewsCode::BuyLot, state.EventAmount, 0, x, y);
    } else {
        Post(NewsCode::Build, state.EventAmount, kind, x, y);
    }
    host.RedrawBoard();
}

void Rules::Announce(std::int32_t eventCode, const char* sound, std::int32_t x, std::int32_t y)
{
    if (P().Human != 0) {
        if (x >= 0) {
            host.SelectCell(x, y);
        }
        host.ShowEvent(eventCode);
    } else {
        Sound(sound, true);
    }
}

bool Rules::PublicBuilding(std::int32_t index)
{
    Player& p = P();
    switch (index) {
    case 0: { // Treasury
        const bool poor = p.Cash < 25000;
        state.EventAmount = (random.Below(50) + 1) * 100;
        state.EventArg = poor ? 1 : 0;
        Announce(EventCode::Treasury, "money");
        if (poor) {
            AddCash(p, state.EventAmount);
            Post(NewsCode::Treasury, state.EventAmount, 1);
            return false;
        }
        const bool ruined = Pay();
        Post(NewsCode::Treasury, state.EventAmount, 0);
        return ruined;
    }
    case 1: { // Employment Office
        const std::int32_t openings = JobsByEducation[std::min<std::size_t>(p.Education, 3)];
        const std::int32_t job = (openings > 0 ? random.Below(openings) : 0) + 1;
        const std::int32_t wage = random.Below(800) + Wages[static_cast<std::size_t>(job)] - 400;
        state.EventAmount = wage;
        state.EventArg = job;
        const bool accept = p.Human != 0 ? host.AskDecision(DecisionCode::Job) : true;
        if (accept) {
            p.Job = static_cast<std::uint8_t>(job);
            p.Salary = wage;
        }
        Post(NewsCode::Job, job, accept ? 1 : 0);
        return false;
    }
    case 2: { // University
        const std::int32_t level = p.Education + 1;
        const std::int32_t tuition = level * 1000;
        if (p.Cash < tuition || p.Education >= 3) {
            return false;
        }
        state.EventAmount = tuition;
        state.EventArg = level;
        if (p.Human != 0 && !host.AskDecision(DecisionCode::School)) {
            return false;
        }
        p.Education = static_cast<std::uint8_t>(level);
        AddCash(p, -tuition);
        p.State = level + 1;
        Post(NewsCode::School, tuition, level);
        return false;
    }
    case 3: { // Police
        const std::int32_t r = random.Below(6);
        const std::int32_t turns = (r + 1) / 2;
        state.EventAmount = (r + 1) * 200;
        state.EventArg = turns;
        p.State = turns + 1;
        Announce(EventCode::Police, "police");
        const bool ruined = Pay();
        Post(NewsCode::Police, state.EventAmount, state.EventArg);
        return ruined;
    }
    case 4: // the visit to the family in jail
        p.State = 2;
        Announce(EventCode::Jail, "prison");
        Post(NewsCode::Jail);
        return false;
    case 5: { // Hospital
        const std::int32_t r = random.Below(6);
        const std::int32_t turns = (r + 1) / 2;
        state.EventAmount = (r + 1) * 100;
        state.EventArg = turns;
        p.State = turns + 1;
        Announce(EventCode::Hospital, "hospital");
        const bool ruined = Pay();
        Post(NewsCode::Hospital, state.EventAmount, state.EventArg);
        return ruined;
    }
    case 6: // Courthouse
        p.State = 6;
        Announce(EventCode::Courthouse, "justice");
        board.MovePawn(state.Current, p, board.JailX, board.JailY);
        Post(NewsCode::Courthouse);
        state.SideEvent = {};
        return false;
    default: // the prison zone and the bare lot have no event
        return false;
    }
}

std::int32_t Rules::FirstUnmortgaged(const Player& player) const
{
    for (std::int32_t i = 0; i < player.PropertyCount; ++i) {
        if (!Mortgaged(board, player.Properties[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return -1;
}

std::int32_t Rules::FindProperty(const Player& player, std::int32_t x, std::int32_t y) const
{
    for (std::int32_t i = 0; i < player.PropertyCount; ++i) {
        if (player.Properties[static_cast<std::size_t>(i)] == PropertyEntry{x, y}) {
            return i;
        }
    }
    return -1;
}

bool Rules::RaiseMoney(std::int32_t shortfall)
{
    Player& p = P();
    if (p.Human != 0) {
        std::int64_t available = 0;
        for (std::int32_t i = 0; i < p.PropertyCount; ++i) {
            const PropertyEntry& entry = p.Properties[static_cast<std::size_t>(i)];
            if (!Mortgaged(board, entry)) {
                available += board.MortgageValue(entry.X, entry.Y);
            }
        }
        if (available < shortfall) {
            // What the properties would have brought counts as raised, so the payment that
            // follows leaves the player at 0 dollars instead of below.
            AddCash(p, available);
            state.EventAmount = p.Cash;
            Ruin();
            return true;
        }
    }
    std::int64_t raised = 0;
    while (raised < shortfall) {
        if (p.MortgageCount >= p.PropertyCount) {
            break;
        }
        std::int32_t index = FirstUnmortgaged(p);
        if (index < 0) {
            break;
        }
        if (p.Human != 0) {
            std::int32_t x = -1;
            std::int32_t y = -1;
            host.ChooseMortgage(static_cast<std::int32_t>(shortfall - raised), x, y);
            const std::int32_t chosen = FindProperty(p, x, y);
            if (chosen >= 0 && !Mortgaged(board, p.Properties[static_cast<std::size_t>(chosen)])) {
                index = chosen;
            }
        }
        const PropertyEntry entry = p.Properties[static_cast<std::size_t>(index)];
        const std::int32_t value = board.MortgageValue(entry.X, entry.Y);
        RecordLotWorth(state.Current, entry.X, entry.Y, -1);
        board.At(entry.X, entry.Y).Street = MortgageTerm;
        RecordLotWorth(state.Current, entry.X, entry.Y, +1);
        AddCash(p, value);
        ++p.MortgageCount;
        Post(NewsCode::Mortgage, value, 0, entry.X, entry.Y);
        host.RefreshPanels(PanelMask::Scores | PanelMask::PlayerInfo | PanelMask::Cards);
        raised += value;
    }
    if (raised >= shortfall) {
        host.SelectCell(-1, -1);
        return false;
    }
    state.EventAmount = p.Cash;
    Ruin();
    host.SelectCell(-1, -1);
    return true;
}

void Rules::Ruin()
{
    Player& p = P();
    p.State = 0;
    if (state.PlayersLeft() < 2) {
        host.ShowEvent(EventCode::GameOver);
        state.Running = false;
        if (options.Recording) {
            state.Record.Ruined(state.EventAmount, state);
        }
        return;
    }
    host.ShowEvent(EventCode::Ruined);
    for (std::int32_t i = 0; i < p.PropertyCount; ++i) {
        const PropertyEntry& entry = p.Properties[static_cast<std::size_t>(i)];
        if (Cell* cell = board.Find(entry.X, entry.Y)) {
            cell->Kind = CellKind::LotForSale;
            cell->Owner = 0;
            cell->Street = 0;
        }
    }
    p.Properties = {};
    p.PropertyCount = 0;
    p.MortgageCount = 0;
    if (Cell* cell = board.Find(p.X, p.Y)) {
        cell->Pawns = static_cast<std::uint8_t>(cell->Pawns & ~(1u << state.Current));
    }
    if (options.Recording) {
        state.Record.Ruined(state.EventAmount, state);
    }
}

void Rules::PayOffMortgages()
{
    Player& p = P();
    for (std::int32_t i = 0; i < p.PropertyCount; ++i) {
        const PropertyEntry entry = p.Properties[static_cast<std::size_t>(i)];
        if (!Mortgaged(board, entry)) {
            continue;
        }
        const std::int32_t cost = board.MortgageValue(entry.X, entry.Y);
        state.EventAmount = cost;
        if (p.Cash < cost) {
            continue;
        }
        AddCash(p, -cost);
        --p.MortgageCount;
        RecordLotWorth(state.Current, entry.X, entry.Y, -1);
        board.At(entry.X, entry.Y).Street = 0;
        RecordLotWorth(state.Current, entry.X, entry.Y, +1);
        host.RefreshPanels(PanelMask::Scores | PanelMask::PlayerInfo);
        Post(NewsCode::Mortgage, cost, 1, entry.X, entry.Y);
    }
}

void Rules::PayOffShown()
{
    if (!state.HasCurrent()) {
        return;
    }
    Sound("money", false);
    Player& p = P();
    // Only a mortgaged property that is really on the list can be paid off: a stale command
    // must not take money for nothing.
    if (p.CardIndex >= 0 && p.CardIndex < p.PropertyCount) {
        const PropertyEntry entry = p.Properties[static_cast<std::size_t>(p.CardIndex)];
        const std::int32_t cost = board.MortgageValue(entry.X, entry.Y);
        if (Mortgaged(board, entry) && p.Cash >= cost) {
            AddCash(p, -cost);
            --p.MortgageCount;
            RecordLotWorth(state.Current, entry.X, entry.Y, -1);
            board.At(entry.X, entry.Y).Street = 0;
            RecordLotWorth(state.Current, entry.X, entry.Y, +1);
            if (options.Recording) {
                state.Record.PaidOff(entry.X, entry.Y, cost, state);
            }
        }
    }
    host.RefreshPanels(PanelMask::Scores | PanelMask::PlayerInfo | PanelMask::Cards);
}

void Rules::PassTurn()
{
    // With nobody left in the game the turn could go round for ever.
    if (state.PlayersLeft() == 0) {
        state.Running = false;
        return;
    }
    do {
        ++state.Current;
        if (state.Current > PlayerSlots - 1) {
            state.Current = 0;
            EndDay();
        }
    } while (state.CurrentPlayer().State != 1);
    host.TurnBegun(state.Current);
}

void Rules::EndDay()
{
    const std::int32_t endedDay = state.Day;
    ++state.Day;
    if (endedDay == PayDay) {
        for (std::int32_t i = 0; i < PlayerSlots; ++i) {
            Player& player = state.Players[static_cast<std::size_t>(i)];
            if (player.State != 0) {
                AddCash(player, player.Salary);
                if (options.Recording) {
                    state.Record.SalaryPaid(i, player.Salary);
                }
                host.SalaryPaid(i, player.Salary);
            }
        }
        Post(NewsCode::PayDay);
    }
    if (state.Day > 6) {
        state.Day = 0;
        ++state.Week;
    }
    host.DayBegun();
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        Player& player = state.Players[static_cast<std::size_t>(i)];
        if (player.State >= 2) {
            if (options.Recording) {
                state.Record.DayHeld(i);
            }
            ++player.HeldDays;
            if (player.HeldDays >= player.State) {
                player.State = 1;
                player.HeldDays = 0;
            }
        }
    }
    board.ChooseJunctionExits([this] { return random.Next(); });
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            Cell& cell = board.At(x, y);
            if (cell.Kind > CellKind::BareLot && cell.Street != 0) {
                // The last day of a mortgage: the lot leaves its owner's worth before it is seized.
                if (cell.Street == 1) {
                    RecordLotWorth(OwnerSlot(cell), x, y, -1);
                }
                --cell.Street;
                if (cell.Street == 0) {
                    Seize(x, y);
                }
            }
        }
    }
    if (options.Recording) {
        state.Record.DayEnded(state, board);
    }
}

void Rules::Seize(std::int32_t x, std::int32_t y)
{
    Cell& cell = board.At(x, y);
    const std::int32_t owner = OwnerSlot(cell);
    state.EventAmount = cell.Kind - CellKind::OwnedLot;
    state.EventArg = owner;
    if (owner >= 0) {
        host.SelectCell(x, y);
        host.ShowEvent(EventCode::Seizure);
    }
    if (options.Recording) {
        state.Record.Seized(owner, x, y, cell.Kind - CellKind::OwnedLot, state);
    }
    cell.Owner = 0;
    cell.Kind = CellKind::LotForSale;
    if (owner < 0) {
        return;
    }
    Player& player = state.Players[static_cast<std::size_t>(owner)];
    const std::int32_t index = FindProperty(player, x, y);
    if (index < 0) {
        return;
    }
    std::copy(player.Properties.begin() + index + 1, player.Properties.begin() + player.PropertyCount,
              player.Properties.begin() + index);
    --player.PropertyCount;
    player.Properties[static_cast<std::size_t>(player.PropertyCount)] = PropertyEntry{};
    player.MortgageCount = std::max(0, player.MortgageCount - 1);
}
