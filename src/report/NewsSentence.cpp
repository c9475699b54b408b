// News and history sentences: the fragments of the text table put together around the names.
#include "report/NewsSentence.h"

#include "rules/GameState.h"
#include "texts/Texts.h"

namespace {

std::string Fragment(int index)
{
    return Text(TextGroup::NewsFragments, index);
}

std::string NameOf(const PlayerNames& names, std::int32_t slot)
{
    return slot >= 0 && slot < RecordSlots ? names[static_cast<std::size_t>(slot)] : std::string();
}

} // namespace

PlayerNames NamesOf(const GameState& state)
{
    PlayerNames names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = state.Players[i].NameText();
    }
    return names;
}

std::string NewsSentence(const NewsLine& line, std::string_view name, std::string_view otherName)
{
    const std::string n(name);
    const std::string amount = std::to_string(line.Value);
    switch (line.Code) {
    case NewsCode::Ready:
        return Fragment(NewsText::Ready);
    case NewsCode::Throw:
        return n + Fragment(NewsText::Throws) + amount + "!";
    case NewsCode::BuyLot:
        return n + Fragment(NewsText::BuyLotFor) + amount;
    case NewsCode::Build:
        return n + Fragment(NewsText::Build) + Text(TextGroup::StructureNames, line.Arg) +
               Fragment(NewsText::ForDollar) + amount;
    case NewsCode::Rent:
        return n + Fragment(NewsText::Pays) + amount + Fragment(NewsText::To) + std::string(otherName);
    case NewsCode::Treasury:
        return line.Arg < 1 ? n + Fragment(NewsText::Pays) + amount + Fragment(NewsText::ToTreasury)
                            : n + Fragment(NewsText::Receives) + amount + Fragment(NewsText::FromTreasury);
    case NewsCode::Job:
        return n + Fragment(line.Arg < 1 ? NewsText::RejectJob : NewsText::AcceptJob) +
               Text(TextGroup::JobNames, line.Value);
    case NewsCode::School:
        return n + Fragment(NewsText::Pays) + amount +
               Text(TextGroup::DialogFragments, DialogText::ForSchoolTuition);
    case NewsCode::Police:
        return n + Fragment(NewsText::Arrested);
    case NewsCode::Jail:
        return n + Fragment(NewsText::SeeFamily);
    case NewsCode::Hospital:
        return n + Fragment(NewsText::GoesToHospital);
    case NewsCode::Courthouse:
        return n + Fragment(NewsText::GoesToJail);
    case NewsCode::Mortgage:
        return n + Fragment(line.Arg < 1 ? NewsText::MortgagesTerrain : NewsText::PaysOffMortgage) + amount;
    case NewsCode::AutosaveFailed:
        return Fragment(NewsText::AutosaveFailed);
    default:
        return std::string();
    }
}

std::string HistorySentence(const HistoryLine& line, const PlayerNames& names)
{
    const std::string name = NameOf(names, line.Slot);
    switch (line.Code) {
    case NewsCode::PayDay:
        return Text(TextGroup::Report, ReportText::PayDay);
    case HistoryCode::Seizure:
        return name + Text(TextGroup::DialogFragments, DialogText::LostMortgaged) + " (" +
               Text(TextGroup::StructureNames, line.Value) + ")";
    case HistoryCode::Ruined:
        return name + Text(TextGroup::DialogFragments, DialogText::IsRuined);
    case HistoryCode::GameOver:
        return line.Slot >= 0 ? name + Text(TextGroup::DialogFragments, DialogText::Wins)
                              : std::string(Text(TextGroup::DialogFragments, DialogText::NobodyWins));
    default:
        return NewsSentence(line.Line(), name, NameOf(names, line.Arg));
    }
}

std::string CalendarText(std::int32_t week, std::int32_t day)
{
    return std::string(Text(TextGroup::Weekdays, day)) + Text(TextGroup::PlayerInfo, PlayerInfoText::Week) +
           std::to_string(week);
}
