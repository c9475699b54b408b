// What the rules engine needs from the outside: dialogs, sounds, news lines, panels and the board's
// selection. The game screen, the simulator and the tests each provide one.
#pragma once

#include <cstdint>

// A news line: the code and numbers the news panel composes its sentence from, and the lot
// concerned (rent, buying, building, mortgage and pay-off lines; -1 otherwise).
struct NewsLine
{
    std::int32_t Code = 0;
    std::int32_t Value = 0;
    std::int32_t Arg = 0;
    std::int32_t X = -1;
    std::int32_t Y = -1;
    bool operator==(const NewsLine&) const = default;
};

// News codes.
namespace NewsCode {
constexpr std::int32_t Ready = 0;       // "ARE YOU READY TO GAMBLE?"
constexpr std::int32_t Throw = 1;       // value = the die
constexpr std::int32_t BuyLot = 2;      // value = price
constexpr std::int32_t Build = 3;       // value = price, arg = structure
constexpr std::int32_t Rent = 4;        // value = amount, arg = owner's slot
constexpr std::int32_t Treasury = 5;    // value = amount, arg 1 receives, 0 pays
constexpr std::int32_t Job = 6;         // value = job, arg 1 accepted, 0 refused
constexpr std::int32_t School = 7;      // value = tuition
constexpr std::int32_t Police = 8;      // value = fine, arg = turns held
constexpr std::int32_t Jail = 9;        // the visit to the family in jail
constexpr std::int32_t Hospital = 10;   // value = bill, arg = turns held
constexpr std::int32_t Courthouse = 11; // goes to jail
constexpr std::int32_t Mortgage = 12;   // value = amount, arg 0 mortgaged, 1 paid off
constexpr std::int32_t PayDay = 13;
constexpr std::int32_t AutosaveFailed = 14; // the game screen could not save the game at the new day
} // namespace NewsCode

// Event dialog codes: the rules show 4 to 12; the game screen shows 1 and 2 for a clicked cell.
namespace EventCode {
constexpr std::int32_t StreetInfo = 1;
constexpr std::int32_t StructureInfo = 2;
constexpr std::int32_t Rent = 4;
constexpr std::int32_t Treasury = 5;
constexpr std::int32_t Police = 6;
constexpr std::int32_t Jail = 7;
constexpr std::int32_t Hospital = 8;
constexpr std::int32_t Courthouse = 9;
constexpr std::int32_t Seizure = 10;
constexpr std::int32_t Ruined = 11;
constexpr std::int32_t GameOver = 12;
} // namespace EventCode

// Decision dialog codes.
namespace DecisionCode {
constexpr std::int32_t Buy = 0;
constexpr std::int32_t Build = 1;
constexpr std::int32_t Job = 2;
constexpr std::int32_t School = 3;
} // namespace DecisionCode

// Panels to refresh, as a bit mask.
namespace PanelMask {
constexpr unsigned Scores = 1;
constexpr unsigned PlayerInfo = 2;
constexpr unsigned Cards = 4;
} // namespace PanelMask

class RulesHost
{
public:
    virtual ~RulesHost() = default;

    // Shows the event dialog of the code and returns when it is closed. The dialog reads the game
    // state (EventAmount, EventArg, Current) and the selected cell.
    virtual void ShowEvent(std::int32_t code) = 0;
    // Asks the current (human) player the decision of the code; true for Yes.
    virtual bool AskDecision(std::int32_t code) = 0;
    // The property the current (human) player chooses to mortgage, debt dollars still being
    // missing: its cell. A cell that is not one of the player's unmortgaged properties counts as
    // the first of them.
    virtual void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y) = 0;
    // Plays a sound of "res01.dat", waiting for its end or not. Called only with the option
    // SoundEffects of the engine on.
    virtual void PlaySound(const char* name, bool wait) = 0;
    virtual void PostNews(const NewsLine& line) = 0;
    virtual void RefreshPanels(unsigned panels) = 0;
    // Selects a cell on the board; x = -1 clears the selection (redrawing if one was set).
    virtual void SelectCell(std::int32_t x, std::int32_t y) = 0;
    virtual void RedrawBoard() = 0;
    // Pay day paid a slot its salary (one call per paid slot, in slot order, before the calendar
    // moves on).
    virtual void SalaryPaid(std::int32_t slot, std::int32_t amount) = 0;
    // The calendar moved to a new day (Week and Day hold it); releases, junction exits and
    // seizures of the day's end follow.
    virtual void DayBegun() = 0;
    // The turn passed to slot (Current); its pawn stands on the player's X, Y. The game screen
    // centres its view there when Auto-Move is on.
    virtual void TurnBegun(std::int32_t slot) = 0;
};

// A host that shows, asks and plays nothing: every decision is No and a mortgage choice names no
// cell (the first free property is taken). For running the rules at full speed.
class QuietRulesHost : public RulesHost
{
public:
    void ShowEvent(std::int32_t) override {}
    bool AskDecision(std::int32_t) override { return false; }
    void ChooseMortgage(std::int32_t, std::int32_t& x, std::int32_t& y) override { x = y = -1; }
    void PlaySound(const char*, bool) override {}
    void PostNews(const NewsLine&) override {}
    void RefreshPanels(unsigned) override {}
    void SelectCell(std::int32_t, std::int32_t) override {}
    void RedrawBoard() override {}
    void SalaryPaid(std::int32_t, std::int32_t) override {}
    void DayBegun() override {}
    void TurnBegun(std::int32_t) override {}
};
