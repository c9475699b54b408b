// Saved games: writing the file image, reading it back with every check, and the safe file save.
#include "rules/SavedGame.h"

#include "archive/UtilsPath.h"
#include "rules/RulesText.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace {

using namespace SavedGameFormat;

constexpr std::size_t MaxImageSize = SizeWithoutCells - RecordEmptySize + RecordMaxSize +
                                     sizeof(Cell) * static_cast<std::size_t>(Board::MaxSide) * Board::MaxSide;
// Salaries the Employment Office can give: a job's wage within 400 of its base wage.
constexpr std::int32_t MaxSalary = Wages.back() + 400;

constexpr std::array<std::uint32_t, 256> MakeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> CrcTable = MakeCrcTable();

class Writer
{
public:
    void Bytes(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        out.insert(out.end(), bytes, bytes + size);
    }
    void U8(std::uint8_t value) { out.push_back(value); }
    void U32(std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) {
            out.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void U64(std::uint64_t value)
    {
        U32(static_cast<std::uint32_t>(value));
        U32(static_cast<std::uint32_t>(value >> 32));
    }
    std::vector<std::uint8_t> out;
};

// Reads from an image whose length has been checked against the layout already.
class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes(bytes) {}
    std::uint8_t U8() { return bytes[at++]; }
    std::uint32_t U32()
    {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            value |= static_cast<std::uint32_t>(bytes[at++]) << shift;
        }
        return value;
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::uint64_t U64()
    {
        const std::uint64_t low = U32();
        return low | static_cast<std::uint64_t>(U32()) << 32;
    }
    std::span<const std::uint8_t> Take(std::size_t size)
    {
        const auto part = bytes.subspan(at, size);
        at += size;
        return part;
    }
    std::size_t Position() const { return at; }

private:
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

SavedGameResult Fail(std::string reason)
{
    return SavedGameResult{false, std::move(reason)};
}

std::string PlayerText(std::int32_t slot)
{
    return RulesText::Concat("player ", slot + 1);
}

void WritePlayer(Writer& w, const Player& p)
{
    w.Bytes(p.Name.data(), p.Name.size());
    w.I32(p.State);
    w.I32(p.HeldDays);
    w.U8(p.Human);
    w.I32(p.X);
    w.I32(p.Y);
    w.I32(p.Cash);
    w.U8(p.Education);
    w.U8(p.Job);
    w.I32(p.Salary);
    w.I32(p.PropertyCount);
    w.I32(p.MortgageCount);
    w.I32(p.CardIndex);
    for (const PropertyEntry& entry : p.Properties) {
        w.I32(entry.X);
        w.I32(entry.Y);
    }
}

Player ReadPlayer(Reader& r)
{
    Player p;
    const auto name = r.Take(p.Name.size());
    std::copy(name.begin(), name.end(), p.Name.begin());
    p.State = r.I32();
    p.HeldDays = r.I32();
    p.Human = r.U8();
    p.X = r.I32();
    p.Y = r.I32();
    p.Cash = r.I32();
    p.Education = r.U8();
    p.Job = r.U8();
    p.Salary = r.I32();
    p.PropertyCount = r.I32();
    p.MortgageCount = r.I32();
    p.CardIndex = r.I32();
    for (PropertyEntry& entry : p.Properties) {
        entry.X = r.I32();
        entry.Y = r.I32();
    }
    return p;
}

// The fields of one player record that can be judged on their own; empty when all are fine.
std::string CheckPlayerFields(const Player& p, std::int32_t slot, bool tookPart)
{
    const std::string who = PlayerText(slot);
    if (std::find(p.Name.begin(), p.Name.end(), '\0') == p.Name.end()) {
        return RulesText::Concat(who, "'s name has no end");
    }
    if (p.State < PlayerState::Out || p.State > PlayerState::HeldLongest) {
        return RulesText::Concat(who, "'s state ", p.State, " is not valid");
    }
    if (p.State != PlayerState::Out && !tookPart) {
        return RulesText::Concat(who, " is in play but did not take part");
    }
    if (p.State >= PlayerState::Held ? p.HeldDays < 0 || p.HeldDays >= p.State : p.HeldDays != 0) {
        return RulesText::Concat(who, "'s days held (", p.HeldDays, ") do not fit his state");
    }
    if (p.Human > 1) {
        return RulesText::Concat(who, "'s human flag is not valid");
    }
    if (p.X < -1 || p.Y < -1 || p.X > Board::MaxSide || p.Y > Board::MaxSide) {
        return RulesText::Concat(who, "'s pawn stands off the board at ", RulesText::Cell(p.X, p.Y));
    }
    if (p.Cash < 0) {
        return RulesText::Concat(who, "'s cash is negative");
    }
    if (p.Education > 3) {
        return RulesText::Concat(who, "'s education is not valid");
    }
    if (p.Job > 7) {
        return RulesText::Concat(who, "'s job is not valid");
    }
    if (p.Salary < 0 || p.Salary > MaxSalary) {
        return RulesText::Concat(who, "'s salary ", p.Salary, " is not valid");
    }
    if (p.PropertyCount < 0 || p.PropertyCount > MaxProperties) {
        return RulesText::Concat(who, "'s number of properties is not valid");
    }
    if (p.State == PlayerState::Out && p.PropertyCount != 0) {
        return RulesText::Concat(who, " is out of the game but holds properties");
    }
    if (p.MortgageCount < 0 || p.MortgageCount > p.PropertyCount) {
        return RulesText::Concat(who, "'s number of mortgages is not valid");
    }
    if (p.CardIndex < 0 || p.CardIndex >= MaxProperties) {
        return RulesText::Concat(who, "'s shown property is not valid");
    }
    for (std::int32_t k = p.PropertyCount; k < MaxProperties; ++k) {
        if (p.Properties[static_cast<std::size_t>(k)] != PropertyEntry{}) {
            return RulesText::Concat(who, "'s list of properties has entries past its end");
        }
    }
    return {};
}

// The properties and pawns against the board; empty when they agree.
std::string CheckAgainstBoard(const std::array<Player, PlayerSlots>& players, const Board& board)
{
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const Player& p = players[static_cast<std::size_t>(i)];
        std::int32_t mortgaged = 0;
        for (std::int32_t k = 0; k < p.PropertyCount; ++k) {
            const PropertyEntry& entry = p.Properties[static_cast<std::size_t>(k)];
            const Cell* cell = board.Find(entry.X, entry.Y);
            if (cell == nullptr || !IsOwnedLot(cell->Kind) || cell->Owner != i + 1) {
                return RulesText::Concat(PlayerText(i), "'s property at ", RulesText::Cell(entry.X, entry.Y),
                                         " is not a lot of his");
            }
            if (cell->Street > MortgageTerm) {
                return RulesText::Concat("the mortgage of the lot at ", RulesText::Cell(entry.X, entry.Y),
                                         " runs too long");
            }
            for (std::int32_t j = 0; j < k; ++j) {
                if (p.Properties[static_cast<std::size_t>(j)] == entry) {
                    return RulesText::Concat(PlayerText(i), " lists the lot at ",
                                             RulesText::Cell(entry.X, entry.Y), " twice");
                }
            }
            mortgaged += cell->Street != 0 ? 1 : 0;
        }
        if (mortgaged != p.MortgageCount) {
            return RulesText::Concat(PlayerText(i), "'s number of mortgages does not match his properties");
        }
        if (p.State != PlayerState::Out) {
            const Cell* cell = board.Find(p.X, p.Y);
            if (cell == nullptr) {
                return RulesText::Concat(PlayerText(i), "'s pawn stands off the board at ",
                                         RulesText::Cell(p.X, p.Y));
            }
            if ((cell->Pawns & (1u << i)) == 0) {
                return RulesText::Concat(PlayerText(i), "'s pawn is missing from the board");
            }
        }
    }
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            const Cell& cell = board.At(x, y);
            if (IsOwnedLot(cell.Kind)) {
                const std::int32_t owner = cell.Owner - 1;
                const Player* p =
                    owner >= 0 && owner < PlayerSlots ? &players[static_cast<std::size_t>(owner)] : nullptr;
                const PropertyEntry here{x, y};
                if (p == nullptr || std::find(p->Properties.begin(), p->Properties.begin() + p->PropertyCount,
                                              here) == p->Properties.begin() + p->PropertyCount) {
                    return RulesText::Concat("the lot at ", RulesText::Cell(x, y),
                                             " is owned but on nobody's list");
                }
            }
            const std::uint8_t pawns = cell.Pawns;
            for (std::int32_t i = 0; i < PlayerSlots && pawns != 0; ++i) {
                const Player& p = players[static_cast<std::size_t>(i)];
                if ((pawns & (1u << i)) != 0 && (p.State == PlayerState::Out || p.X != x || p.Y != y)) {
                    return RulesText::Concat("a pawn of ", PlayerText(i), " stands where he is not, at ",
                                             RulesText::Cell(x, y));
                }
            }
        }
    }
    return {};
}

// The sections after the random state, in file order, with the version that brought each. A
// later version adds its own at the end, with a writer and a reader below.
enum class SectionId
{
    Turn,
    Record,
};
struct SectionKind
{
    SectionId Id;
    const char* Tag;
    std::uint32_t Since;
};
constexpr SectionKind Sections[] = {
    {SectionId::Turn, TurnTag, 2},
    {SectionId::Record, RecordTag, 3},
};

void WriteRecord(Writer& w, const GameRecord& record)
{
    w.U32(static_cast<std::uint32_t>(record.DayStep));
    w.U32(static_cast<std::uint32_t>(record.Points.size()));
    for (const DayPoint& point : record.Points) {
        w.I32(point.Week);
        w.I32(point.Day);
        for (const PlayerWorth& worth : point.Players) {
            w.I32(worth.Cash);
            w.I32(worth.Properties);
            w.I32(worth.Mortgages);
        }
    }
    for (const PlayerFigures& f : record.Players) {
        for (const std::int64_t amount : {f.RentCollected, f.RentPaid, f.Salaries, f.TreasuryReceived,
                                          f.Taxes, f.Fines, f.Bills, f.Tuition, f.Invested}) {
            w.U64(static_cast<std::uint64_t>(amount));
        }
        for (const std::int32_t count :
             {f.LotsBought, f.StructuresBuilt, f.DaysHeld, f.MortgagesTaken, f.MortgagesPaidOff,
              f.MortgagesSeized, f.RuinOrder, f.RuinWeek, f.RuinDay}) {
            w.I32(count);
        }
    }
    w.U32(static_cast<std::uint32_t>(record.RentByLot.size()));
    for (const auto& [cell, rent] : record.RentByLot) {
        w.I32(cell.second);
        w.I32(cell.first);
        w.U64(static_cast<std::uint64_t>(rent));
    }
    w.U32(static_cast<std::uint32_t>(record.History.size()));
    for (const HistoryLine& line : record.History) {
        w.I32(line.Value);
        w.I32(line.Week);
        w.U32(static_cast<std::uint16_t>(line.X) |
              static_cast<std::uint32_t>(static_cast<std::uint16_t>(line.Y)) << 16);
        w.U8(line.Code);
        w.U8(static_cast<std::uint8_t>(line.Arg));
        w.U8(static_cast<std::uint8_t>(line.Slot));
        w.U8(line.Day);
    }
    w.U64(static_cast<std::uint64_t>(record.LinesNotKept));
}

bool KnownHistoryCode(std::uint8_t code)
{
    return code <= NewsCode::PayDay || code == HistoryCode::Seizure || code == HistoryCode::Ruined ||
           code == HistoryCode::GameOver;
}

// Reads the record's payload into next (whose calendar, players and board are read and checked
// already); the reason when it is not valid.
std::string ReadRecord(std::span<const std::uint8_t> payload, GameState& next, const Board& board)
{
    if (payload.size() < RecordEmptySize) {
        return "the game's record is cut short";
    }
    Reader r(payload);
    // Each count is checked against what is left before anything of that size is read.
    const auto left = [&] { return payload.size() - r.Position(); };
    GameRecord record;
    const std::uint32_t step = r.U32();
    if (step == 0 || step > (1u << 30) || (step & (step - 1)) != 0) {
        return "the day step of the game's record is not valid";
    }
    record.DayStep = static_cast<std::int32_t>(step);
    const std::uint32_t points = r.U32();
    if (points > GameRecord::MaxPoints || left() < points * RecordPointSize + RecordEmptySize - 8) {
        return "the game's record has more points than it can hold";
    }
    const DayPoint today{next.Week, next.Day, {}};
    for (std::uint32_t i = 0; i < points; ++i) {
        DayPoint point;
        point.Week = r.I32();
        point.Day = r.I32();
        for (PlayerWorth& worth : point.Players) {
            worth.Cash = r.I32();
            worth.Properties = r.I32();
            worth.Mortgages = r.I32();
            if (worth.Cash < 0 || worth.Properties < 0 || worth.Mortgages < 0) {
                return "a worth in the game's record is negative";
            }
        }
        if (point.Week < 1 || point.Day < 0 || point.Day > 6 || point.DaysGone() > today.DaysGone() ||
            (!record.Points.empty() && point.DaysGone() <= record.Points.back().DaysGone())) {
            return "the days of the game's record are not in order";
        }
        record.Points.push_back(point);
    }
    for (std::size_t slot = 0; slot < record.Players.size(); ++slot) {
        PlayerFigures& f = record.Players[slot];
        for (std::int64_t* amount : {&f.RentCollected, &f.RentPaid, &f.Salaries, &f.TreasuryReceived,
                                     &f.Taxes, &f.Fines, &f.Bills, &f.Tuition, &f.Invested}) {
            *amount = static_cast<std::int64_t>(r.U64());
            if (*amount < 0) {
                return RulesText::Concat("a sum of ", PlayerText(static_cast<std::int32_t>(slot)),
                                         " in the game's record is negative");
            }
        }
        for (std::int32_t* count :
             {&f.LotsBought, &f.StructuresBuilt, &f.DaysHeld, &f.MortgagesTaken, &f.MortgagesPaidOff,
              &f.MortgagesSeized, &f.RuinOrder, &f.RuinWeek, &f.RuinDay}) {
            *count = r.I32();
            if (*count < 0) {
                return RulesText::Concat("a count of ", PlayerText(static_cast<std::int32_t>(slot)),
                                         " in the game's record is negative");
            }
        }
        const bool ruined = f.RuinOrder != 0;
        if (f.RuinOrder > PlayerSlots || (ruined && (f.RuinWeek < 1 || f.RuinDay > 6)) ||
            (!ruined && (f.RuinWeek != 0 || f.RuinDay != 0)) ||
            (ruined && next.Players[slot].State != PlayerState::Out)) {
            return RulesText::Concat("the ruin of ", PlayerText(static_cast<std::int32_t>(slot)),
                                     " in the game's record does not fit the game");
        }
    }
    const std::uint32_t lots = r.U32();
    if (left() < static_cast<std::size_t>(lots) * RecordLotSize + 12) {
        return "the game's record is cut short";
    }
    for (std::uint32_t i = 0; i < lots; ++i) {
        const std::int32_t x = r.I32();
        const std::int32_t y = r.I32();
        const auto rent = static_cast<std::int64_t>(r.U64());
        if (board.Find(x, y) == nullptr || rent < 0 ||
            (!record.RentByLot.empty() && std::pair{y, x} <= record.RentByLot.rbegin()->first)) {
            return "the rent of the lots in the game's record is not valid";
        }
        record.RentByLot.emplace_hint(record.RentByLot.end(), std::pair{y, x}, rent);
    }
    const std::uint32_t lines = r.U32();
    if (lines > GameRecord::MaxLines || left() != static_cast<std::size_t>(lines) * RecordLineSize + 8) {
        return "the history of the game's record does not fit its size";
    }
    record.History.reserve(lines);
    for (std::uint32_t i = 0; i < lines; ++i) {
        HistoryLine line;
        line.Value = r.I32();
        line.Week = r.I32();
        const std::uint32_t cell = r.U32();
        line.X = static_cast<std::int16_t>(cell & 0xFFFFu);
        line.Y = static_cast<std::int16_t>(cell >> 16);
        line.Code = r.U8();
        line.Arg = static_cast<std::int8_t>(r.U8());
        line.Slot = static_cast<std::int8_t>(r.U8());
        line.Day = r.U8();
        const bool cellFits = (line.X == -1 && line.Y == -1) || board.Find(line.X, line.Y) != nullptr;
        if (!KnownHistoryCode(line.Code) || line.Slot < -1 || line.Slot >= PlayerSlots || line.Week < 1 ||
            line.Day > 6 || !cellFits) {
            return RulesText::Concat("line ", i + 1, " of the game's history is not valid");
        }
        record.History.push_back(line);
    }
    record.LinesNotKept = static_cast<std::int64_t>(r.U64());
    if (record.LinesNotKept < 0) {
        return "the lines the game's history did not keep are not valid";
    }
    next.Record = std::move(record);
    return {};
}

void WriteSection(Writer& w, const SectionKind& section, const GameState& state)
{
    Writer payload;
    switch (section.Id) {
    case SectionId::Turn:
        payload.U8(static_cast<std::uint8_t>(state.Turn.Phase));
        payload.I32(state.Dice);
        payload.I32(state.Turn.DiceFrame);
        payload.I32(state.Turn.StepDelay);
        break;
    case SectionId::Record:
        WriteRecord(payload, state.Record);
        break;
    }
    w.Bytes(section.Tag, 4);
    w.U32(static_cast<std::uint32_t>(payload.out.size()));
    w.Bytes(payload.out.data(), payload.out.size());
}

// Whether the die, the frame of the rolling die and the delay before the next step fit the phase.
bool TurnFits(TurnPhase phase, std::int32_t dice, const TurnProgress& turn)
{
    const bool thrown = dice >= 1 && dice <= 6;
    switch (phase) {
    case TurnPhase::AwaitingThrow:
    case TurnPhase::Settling:
        return dice == 0 && turn.DiceFrame == 0 && turn.StepDelay == 0;
    case TurnPhase::Rolling:
        return thrown && turn.DiceFrame >= 1 && turn.DiceFrame <= DiceFrames && turn.StepDelay == 0;
    case TurnPhase::Walking:
        return thrown && turn.DiceFrame == 0 && turn.StepDelay >= 0 && turn.StepDelay <= StepTicks;
    }
    return false;
}

// Reads the payload of a section into next (its calendar and players read already, on board);
// the reason when it is not valid.
std::string ReadSection(const SectionKind& section, std::span<const std::uint8_t> payload, GameState& next,
                        const Board& board)
{
    Reader r(payload);
    switch (section.Id) {
    case SectionId::Turn: {
        if (payload.size() != TurnSize) {
            return "the turn's part of the file has the wrong size";
        }
        const std::uint8_t phase = r.U8();
        const std::int32_t dice = r.I32();
        next.Turn.DiceFrame = r.I32();
        next.Turn.StepDelay = r.I32();
        if (phase > static_cast<std::uint8_t>(TurnPhase::Settling)) {
            return RulesText::Concat("the phase of the turn (", static_cast<int>(phase), ") is not valid");
        }
        next.Turn.Phase = static_cast<TurnPhase>(phase);
        if (!TurnFits(next.Turn.Phase, dice, next.Turn)) {
            return "the die and the walk do not fit the phase of the turn";
        }
        next.Dice = dice;
        return {};
    }
    case SectionId::Record:
        return ReadRecord(payload, next, board);
    }
    return "the file has unknown data";
}

// Flushes the folder's entries (the rename just made in it) to the disk. A file system that cannot
// flush a folder (EINVAL) has nothing to flush.
bool FlushFolder(const std::filesystem::path& folder, std::string& reason)
{
    const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int syncError = errno;
    ::close(fd);
    if (!synced) {
        reason = std::strerror(syncError);
    }
    return synced;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) {
        crc = CrcTable[(crc ^ b) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> SavedGameImage(const GameState& state, const Board& board, const Random& random)
{
    Writer w;
    w.Bytes(Magic, sizeof(Magic));
    w.U32(Version);
    const std::vector<std::uint8_t> boardImage = board.FileImage();
    w.Bytes(boardImage.data(), boardImage.size());
    w.I32(board.JailX);
    w.I32(board.JailY);
    w.I32(board.ExitX);
    w.I32(board.ExitY);
    w.I32(state.Week);
    w.I32(state.Day);
    w.I32(state.Current);
    w.I32(state.Throws);
    w.U8(state.TakingPart);
    for (const Player& player : state.Players) {
        WritePlayer(w, player);
    }
    w.U64(random.State());
    for (const SectionKind& section : Sections) {
        WriteSection(w, section, state);
    }
    w.U32(Crc32(w.out));
    return std::move(w.out);
}

SavedGameResult ReadSavedGame(std::span<const std::uint8_t> image, GameState& state, Board& board,
                              Random& random)
{
    if (image.size() < sizeof(Magic) || !std::equal(Magic, Magic + sizeof(Magic), image.begin())) {
        return Fail("it is not a Tarnhollow saved game");
    }
    if (image.size() < sizeof(Magic) + 4) {
        return Fail("the file is cut short");
    }
    Reader r(image);
    r.Take(sizeof(Magic));
    const std::uint32_t version = r.U32();
    if (version < OldestVersion || version > Version) {
        return Fail(
            RulesText::Concat("it was saved by another version of Tarnhollow (format ", version, ")"));
    }
    if (image.size() < FixedSizeWithoutCells) {
        return Fail("the file is cut short");
    }
    const std::size_t boardAt = r.Position();
    const std::int32_t width = r.I32();
    const std::int32_t height = r.I32();
    if (width <= 0 || height <= 0 || width > Board::MaxSide || height > Board::MaxSide) {
        return Fail(RulesText::Concat("the board's size ", width, " x ", height, " is not valid"));
    }
    const std::size_t cellBytes =
        sizeof(Cell) * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // The sections of this version lie between the random state and the checksum; their sizes are
    // followed here and their contents checked after the checksum.
    std::vector<std::span<const std::uint8_t>> sectionData;
    std::size_t crcAt = FixedSizeWithoutCells - 4 + cellBytes;
    for (const SectionKind& section : Sections) {
        if (section.Since > version) {
            continue;
        }
        if (image.size() < crcAt + SectionHeaderSize) {
            return Fail("the file is cut short");
        }
        Reader header(image.subspan(crcAt + 4, 4));
        const std::size_t size = header.U32();
        if (image.size() - crcAt - SectionHeaderSize < size) {
            return Fail("the file is cut short");
        }
        sectionData.push_back(image.subspan(crcAt, SectionHeaderSize + size));
        crcAt += SectionHeaderSize + size;
    }
    if (image.size() < crcAt + 4) {
        return Fail("the file is cut short");
    }
    if (image.size() > crcAt + 4) {
        return Fail("the file has unknown data at its end");
    }
    Reader crcReader(image.subspan(crcAt));
    if (Crc32(image.first(crcAt)) != crcReader.U32()) {
        return Fail("the file is damaged (its checksum does not match)");
    }

    Board loaded;
    const auto boardImage = image.subspan(boardAt, Board::FileSizeWithoutCells + cellBytes);
    if (!loaded.ReadFrom(boardImage)) {
        return Fail("the board's cells are not valid");
    }
    // Names are written with their terminating zero; a name without one was damaged.
    const std::size_t namesAt =
        Board::FileSizeWithoutCells - Board::StreetCount * Board::StreetNameSize + cellBytes;
    for (std::size_t k = 1; k <= Board::StreetCount; ++k) {
        if (boardImage[namesAt + k * Board::StreetNameSize - 1] != 0) {
            return Fail("a street name has no end");
        }
    }
    r = Reader(image);
    r.Take(boardAt + boardImage.size());
    std::int32_t jailX = 0, jailY = 0, exitX = 0, exitY = 0;
    loaded.FindJailAndExit(jailX, jailY, exitX, exitY);
    const std::int32_t savedJailX = r.I32();
    const std::int32_t savedJailY = r.I32();
    const std::int32_t savedExitX = r.I32();
    const std::int32_t savedExitY = r.I32();
    if (savedJailX != jailX || savedJailY != jailY || savedExitX != exitX || savedExitY != exitY) {
        return Fail("the prison zone and its exit do not match the board");
    }

    GameState next;
    next.Week = r.I32();
    next.Day = r.I32();
    next.Current = r.I32();
    next.Throws = r.I32();
    next.TakingPart = r.U8();
    if (next.Week < 1) {
        return Fail(RulesText::Concat("the week ", next.Week, " is not valid"));
    }
    if (next.Day < 0 || next.Day > 6) {
        return Fail(RulesText::Concat("the day ", next.Day, " is not valid"));
    }
    if (next.Throws < 0) {
        return Fail("the number of throws is not valid");
    }
    if (next.TakingPart >= 1u << PlayerSlots) {
        return Fail("the players taking part are not valid");
    }
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        Player& p = next.Players[static_cast<std::size_t>(i)];
        p = ReadPlayer(r);
        if (std::string why = CheckPlayerFields(p, i, (next.TakingPart & (1u << i)) != 0); !why.empty()) {
            return Fail(why);
        }
    }
    if (!next.HasCurrent() || next.CurrentPlayer().State != PlayerState::InPlay) {
        return Fail("the player whose turn it is is not in play");
    }
    if (std::string why = CheckAgainstBoard(next.Players, loaded); !why.empty()) {
        return Fail(why);
    }
    const std::uint64_t randomState = r.U64();
    std::size_t sectionIndex = 0;
    for (const SectionKind& section : Sections) {
        if (section.Since > version) {
            continue;
        }
        const std::span<const std::uint8_t> data = sectionData[sectionIndex++];
        if (!std::equal(section.Tag, section.Tag + 4, data.begin())) {
            return Fail("the file has unknown data");
        }
        if (std::string why = ReadSection(section, data.subspan(SectionHeaderSize), next, loaded);
            !why.empty()) {
            return Fail(why);
        }
    }

    // Everything checked: take it over.
    board.ReadFrom(boardImage);
    board.SetDerivedFields();
    board.CursorX = -1;
    next.Running = true;
    state = next;
    random.SetState(randomState);
    return SavedGameResult{true, {}};
}

SavedGameResult SaveGame(const std::filesystem::path& file, const GameState& state, const Board& board,
                         const Random& random)
{
    if (!state.Running || !state.HasCurrent()) {
        return Fail("there is no game in progress to save");
    }
    const std::vector<std::uint8_t> image = SavedGameImage(state, board, random);
    {
        // Never write a file that could not be loaded again.
        GameState checkState;
        Board checkBoard;
        Random checkRandom;
        if (SavedGameResult check = ReadSavedGame(image, checkState, checkBoard, checkRandom); !check.Ok) {
            return Fail(RulesText::Concat("the game cannot be saved: ", check.Reason));
        }
    }
    return WriteWholeFile(file, image);
}

SavedGameResult WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes)
{
    std::error_code error;
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        std::filesystem::create_directory(folder, error);
        if (error) {
            return Fail(
                RulesText::Concat("the folder ", folder.string(), " cannot be made: ", error.message()));
        }
    }
    // The temporary file is the writer's own (process and call), so that two games saving to one
    // name at once (an autosave of two games in one folder) never write into each other's copy;
    // the last rename wins and the file is always one whole saved game.
    static std::atomic<std::uint32_t> writes{0};
    std::filesystem::path temporary = file;
    temporary += RulesText::Concat(".tmp", std::to_string(::getpid()), "-", std::to_string(++writes));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return Fail(
            RulesText::Concat("the file ", temporary.string(), " cannot be written: ", std::strerror(errno)));
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        std::filesystem::remove(temporary, error);
        return Fail(RulesText::Concat("the file ", file.string(),
                                      " cannot be written: ", std::strerror(written ? errno : writeError)));
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        const std::string message = error.message();
        std::filesystem::remove(temporary, error);
        return Fail(RulesText::Concat("the file ", file.string(), " cannot be replaced: ", message));
    }
    // Until the folder is flushed, a power cut may leave the old file or none at all.
    if (std::string why; !FlushFolder(folder, why)) {
        return Fail(RulesText::Concat("the file ", file.string(),
                                      " was written but its folder cannot be flushed to the disk: ", why));
    }
    return SavedGameResult{true, {}};
}

SavedGameResult LoadGame(const std::filesystem::path& file, GameState& state, Board& board, Random& random)
{
    const std::string path = ResolveFileName(file.string());
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Fail(RulesText::Concat("the file ", file.string(), " cannot be opened"));
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        return Fail(RulesText::Concat("the file ", file.string(), " cannot be read"));
    }
    if (static_cast<std::size_t>(size) > MaxImageSize) {
        return Fail(RulesText::Concat("the file ", file.string(), " is too large to be a saved game"));
    }
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> image(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(image.data()), size)) {
        return Fail(RulesText::Concat("the file ", file.string(), " cannot be read"));
    }
    return ReadSavedGame(image, state, board, random);
}
