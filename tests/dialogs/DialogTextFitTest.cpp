// Every kind of every game dialog at 1024 x 768 and 1920 x 1080, filled with the longest names and
// the largest sums the game can give: each text the dialog draws is measured where it was drawn
// and must lie inside its box and the dialog, clear of the other texts and of the controls.
#include "GameDialogScene.h"
#include "rules/RulesHost.h"
#include "texts/Texts.h"

#include <algorithm>
#include <sstream>

namespace {

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

std::string Describe(const Rect& r)
{
    std::ostringstream out;
    out << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
    return out.str();
}

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

    // What the dialog drew while it was up must fit; what names the case in a failure.
    void ExpectFits(TModalDialog& dialog, const std::string& what)
    {
        SCOPED_TRACE(what);
        // A box drawn again (a repaint, a label given another text) holds what was drawn last.
        std::vector<RecordedText> texts;
        for (const RecordedText& r : Texts) {
            const auto same = std::find_if(texts.begin(), texts.end(), [&](const RecordedText& t) {
                return t.OnWindow == r.OnWindow && t.Drawn.Box == r.Drawn.Box;
            });
            if (same != texts.end())
                texts.erase(same);
            if (!r.Drawn.Text.empty())
                texts.push_back(r);
        }
        ASSERT_FALSE(texts.empty());
        // The client area less the skin's edge.
        const Rect client{2, 2, dialog.Width() - 2, dialog.Height() - 2};
        // The controls: a text must keep clear of every one but its own (a label's or a button's box).
        std::vector<std::pair<std::string, Rect>> controls;
        for (Control* child : dialog.Controls()) {
            if (!child->Visible())
                continue;
            const Rect r{child->Left(), child->Top(), child->Left() + child->Width(),
                         child->Top() + child->Height()};
            controls.emplace_back(
                child->Caption().empty() ? std::string(child->ClassName()) : child->Caption(), r);
        }
        for (const RecordedText& r : texts) {
            const DrawnText& d = r.Drawn;
            const bool free = (d.Format & TextFormat::NoClip) != 0;
            if (!free) {
                EXPECT_TRUE(Inside(d.Ink, d.Box)) << '"' << d.Text << "\" needs " << Describe(d.Ink)
                                                  << " but its box is " << Describe(d.Box);
            }
            if (r.OnWindow)
                continue;
            EXPECT_TRUE(Inside(d.Ink, client))
                << '"' << d.Text << "\" at " << Describe(d.Ink) << " leaves the dialog " << Describe(client);
            for (const auto& [name, area] : controls) {
                if (!free && d.Box == area)
                    continue;
                EXPECT_FALSE(Overlap(d.Ink, area)) << '"' << d.Text << "\" at " << Describe(d.Ink)
                                                   << " runs into " << name << " at " << Describe(area);
            }
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                const DrawnText& a = texts[i].Drawn;
                const DrawnText& b = texts[j].Drawn;
                if (texts[i].OnWindow != texts[j].OnWindow)
                    continue;
                EXPECT_FALSE(Overlap(a.Ink, b.Ink)) << '"' << a.Text << "\" " << Describe(a.Ink) << " and \""
                                                    << b.Text << "\" " << Describe(b.Ink) << " overlap";
            }
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
