// Every kind of every game dialog at 1024 x 768 and 1920 x 1080, filled with the longest names and
// the largest sums the game can give: each text the dialog draws is measured where it was drawn
// and must lie inside its box and the dialog, clear of the other texts and of the controls.
#include "GameDialogScene.h"
#include "rules/RulesHost.h"
#include "texts/Texts.h"

namespace {

// The largest sum any dialog shows is a price below $120000; these leave a digit to spare.
constexpr std::int32_t Large = 999999;

} // namespace

class DialogTextFitTest : public GameDialogScene, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override
    {
        StartAt(GetParam().Width, GetParam().Height);
        MakeScene();
        // Every road's street has a long name of wide letters.
        for (std::int32_t street = 0; street < Board::StreetCount; ++street)
            TheBoard.SetStreetName(street, street % 2 == 0 ? "Mount Wimbledon" : "Wilhelmina Mews");
        for (Player& p : State.Players) {
            p.Salary = Large;
            p.Cash = Large;
        }
    }

    void Event(std::int32_t kind, const std::string& what)
    {
        WhileShown([&] { Dialogs->DialogOk.ShowEvent(kind); },
                   [&](Window&) { ExpectFits(Dialogs->DialogOk, "event " + what); });
    }
    void Decision(std::int32_t kind, const std::string& what)
    {
        WhileShown([&] { Dialogs->DialogYesNo.AskDecision(kind); },
                   [&](Window&) { ExpectFits(Dialogs->DialogYesNo, "decision " + what); });
    }
};

TEST_P(DialogTextFitTest, EventDialog)
{
    for (const std::int32_t street : {31, 18, 9}) {
        Select(UpRoadX, UpRoadY);
        TheBoard.At(UpRoadX, UpRoadY).Street = static_cast<std::uint8_t>(street);
        Event(EventCode::StreetInfo, "street " + std::to_string(street));
    }
    // Structure information: every owner of the hotel between four roads, and the longest kind name.
    for (std::int32_t slot = 0; slot < 5; ++slot) {
        TheBoard.At(CrossX, CrossY) = Cell{CellKind::Hotel, static_cast<std::uint8_t>(slot + 1), 0, 0, 0};
        Select(CrossX, CrossY);
        Event(EventCode::StructureInfo, "hotel of " + std::to_string(slot));
    }
    TheBoard.At(CrossX, CrossY).Kind = CellKind::Employment;
    TheBoard.At(CrossX, CrossY).Owner = 0;
    Select(CrossX, CrossY);
    Event(EventCode::StructureInfo, "employment office");
    // The rules' events, naming each player in turn.
    for (std::int32_t slot = 0; slot < 5; ++slot) {
        const std::string who = " of " + std::to_string(slot);
        State.Current = slot;
        State.EventAmount = Large;
        State.EventArg = slot;
        Event(EventCode::Rent, "rent" + who);
        for (const std::int32_t receives : {0, 1}) {
            State.EventArg = receives;
            Event(EventCode::Treasury, "treasury" + who);
        }
        State.EventArg = 5;
        for (const std::int32_t kind :
             {EventCode::Police, EventCode::Jail, EventCode::Hospital, EventCode::Courthouse})
            Event(kind, std::to_string(kind) + who);
        State.EventAmount = 6;
        State.EventArg = slot;
        Event(EventCode::Seizure, "seizure" + who);
        Event(EventCode::Ruined, "ruin" + who);
        for (Player& p : State.Players)
            p.State = PlayerState::Out;
        State.Players[static_cast<std::size_t>(slot)].State = PlayerState::InPlay;
        Event(EventCode::GameOver, "winner" + who);
    }
    for (Player& p : State.Players)
        p.State = PlayerState::Out;
    Event(EventCode::GameOver, "nobody left");
}

TEST_P(DialogTextFitTest, DecisionDialog)
{
    State.EventAmount = Large;
    for (std::int32_t slot = 0; slot < 5; ++slot) {
        State.Current = slot;
        Select(CrossX, CrossY);
        TheBoard.At(CrossX, CrossY) = Cell{CellKind::LotForSale, 0, 0, 0, 0};
        Decision(DecisionCode::Buy, "buy by " + std::to_string(slot));
        for (std::int32_t structure = 0; structure < 6; ++structure) {
            TheBoard.At(CrossX, CrossY) = Cell{static_cast<std::uint8_t>(CellKind::OwnedLot + structure),
                                               static_cast<std::uint8_t>(slot + 1), 0, 0, 0};
            Select(CrossX, CrossY);
            Decision(DecisionCode::Build, "build " + std::to_string(structure + 1));
        }
    }
    State.Current = 0;
    for (std::int32_t job = 1; job <= 7; ++job) {
        State.EventArg = job;
        for (const std::uint8_t current : {std::uint8_t{0}, std::uint8_t{3}, std::uint8_t{7}}) {
            State.Players[0].Job = current;
            Decision(DecisionCode::Job, "job " + std::to_string(job) + " after " + std::to_string(current));
        }
    }
    for (std::int32_t level = 1; level <= 3; ++level) {
        State.EventArg = level;
        Decision(DecisionCode::School, "school " + std::to_string(level));
    }
}

TEST_P(DialogTextFitTest, MortgageDialog)
{
    // Every structure on the lots with the largest values, the hotel among four roads.
    Own(1, CrossX, CrossY, 6);
    Own(1, OneRoadX, OneRoadY, 5);
    Own(1, LoneX, LoneY, 3);
    for (std::int32_t structure = 0; structure < 5; ++structure)
        Own(1, 7, 1 + structure, structure);
    State.Current = 1;
    for (std::int32_t pick = 0; pick < 3; ++pick) {
        std::int32_t x = 0;
        std::int32_t y = 0;
        WhileShown([&] { Dialogs->DialogMortgage.ChooseMortgage(9999999, x, y); },
                   [&](Window&) {
                       Dialogs->DialogMortgage.SelectEntry(pick);
                       Dialogs->DialogMortgage.List.SetItemIndex(pick);
                       Pump();
                       ExpectFits(Dialogs->DialogMortgage, "mortgage line " + std::to_string(pick));
                   });
    }
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, DialogTextFitTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });
