// The decision dialog: sizes, button placement, pictures, questions and the street list.
#include "dialogs/DialogYesNo.h"

#include "board/Board.h"
#include "rules/GameState.h"
#include "rules/RulesHost.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <algorithm>
#include <array>

namespace {

// By decision kind 0 to 3.
constexpr std::array<std::array<float, 2>, 4> Sizes{
    {{0.22f, 0.225f}, {0.22f, 0.225f}, {0.27f, 0.18f}, {0.24f, 0.15f}}};

// The buy and build questions: three lines for the longest structure names and prices.
const RelRect Question = MakeRelRect(0.095f, 0.03f, 0.11f, 0.055f);

const char* Fragment(int index)
{
    return Text(TextGroup::DialogFragments, index);
}

} // namespace

TDialogYesNo::TDialogYesNo(WinControl& owner, const GameState& state, Board& board, GameDialogScreen screen)
    : TModalDialog(owner), YesButton(this), NoButton(this), Picture(this), Label1(this), Label2(this),
      Label3(this), State(state), TheBoard(board), Screen(std::move(screen))
{
    Background = DialogSkin.get();
    YesButton.Setup(nullptr, GameButtonSize(), 0, ModalResult::Yes,
                    Text(TextGroup::DialogButtons, ButtonText::Yes), DialogButtonSkin.get());
    NoButton.Setup(nullptr, GameButtonSize(), 0, ModalResult::No,
                   Text(TextGroup::DialogButtons, ButtonText::No), DialogButtonSkin.get());
    YesButton.SetCursor(1);
    NoButton.SetCursor(1);
    Picture.Setup(nullptr, GamePictureArea(), 0, 0, "", Screen.Tiles);
    for (TSLabel* label : {&Label1, &Label2, &Label3})
        label->Setup(nullptr, MakeRelRect(0, 0, 0.02f, 0.018f), 0, 0, "", nullptr);
}

bool TDialogYesNo::KindSize(std::int32_t kind, float& width, float& height)
{
    if (kind < 0 || kind >= static_cast<std::int32_t>(Sizes.size()))
        return false;
    width = Sizes[static_cast<std::size_t>(kind)][0];
    height = Sizes[static_cast<std::size_t>(kind)][1];
    return true;
}

bool TDialogYesNo::AskDecision(std::int32_t kind)
{
    float w = 0;
    float h = 0;
    if (!KindSize(kind, w, h))
        return false;
    if (FollowScreenSize()) {
        YesButton.SetArea(GameButtonSize());
        NoButton.SetArea(GameButtonSize());
        Picture.SetArea(GamePictureArea());
    }
    PlayDialogSound(Screen, "dask");
    RedrawBoard(Screen);
    PlaceBesideSelection(*this, w, h, TheBoard, Screen);
    const std::int32_t half = Width() / 2;
    const std::int32_t bw = YesButton.PixelArea.Width();
    const std::int32_t bh = YesButton.PixelArea.Height();
    const std::int32_t top = Height() - bh - 8;
    PlaceButton(YesButton, Rect{half - bw - 8, top, half - 8, top + bh});
    PlaceButton(NoButton, Rect{half + 8, top, half + 8 + bw, top + bh});
    Tag = kind;
    const int result = ShowModal();
    TheBoard.CursorX = -1;
    RedrawBoard(Screen);
    return result == ModalResult::Yes;
}

void TDialogYesNo::ShowContent()
{
    YesButton.SetFocus();
    for (TSLabel* label : {&Label1, &Label2, &Label3}) {
        label->SetVisible(false);
        label->SetEnabled(false);
    }
    SetCaption(Text(TextGroup::DecisionTitles, Tag));
    const std::int32_t current = State.Current;
    switch (Tag) {
    case DecisionCode::Buy:
        Picture.Frame = DialogFrame::OwnedLot(current, 0);
        ShowLabel(Label1, Question, Fragment(DialogText::BuyLotFor) + std::to_string(State.EventAmount) + "?",
                  2, true);
        DrawStreetList(0.09f, 0.01f);
        break;
    case DecisionCode::Build: {
        // The structure to be built is the one after the lot's own: Kind 74 + s asks for s + 1.
        const std::int32_t next =
            TheBoard.CellAt(TheBoard.CursorX, TheBoard.CursorY).Kind - CellKind::BareLot;
        Picture.Frame = DialogFrame::OwnedLot(current, next);
        ShowLabel(Label1, Question,
                  Fragment(DialogText::DoYouBuild) + std::string(Text(TextGroup::StructureNames, next)) +
                      Fragment(DialogText::ForDollar) + std::to_string(State.EventAmount) + "?",
                  2, true);
        DrawStreetList(0.09f, 0.01f);
        break;
    }
    case DecisionCode::Job: {
        Picture.Frame = DialogFrame::Building(CellKind::Employment);
        ShowLabel(Label1, MakeRelRect(0.095f, 0.02f, 0.17f, 0.02f), Fragment(DialogText::JobOpenings), 0,
                  false);
        ShowLabel(Label2, MakeRelRect(0.095f, 0.045f, 0.17f, 0.02f),
                  Text(TextGroup::JobNames, State.EventArg) + std::string(Fragment(DialogText::Wages)) +
                      std::to_string(State.EventAmount),
                  2, false);
        if (const Player* player = PlayerOf(State, current))
            ShowLabel(Label3, MakeRelRect(0.01f, 0.1f, 0.25f, 0.02f),
                      Fragment(DialogText::CurrentJob) + std::string(Text(TextGroup::JobNames, player->Job)) +
                          Fragment(DialogText::Wages) + std::to_string(player->Salary),
                      2, false);
        break;
    }
    case DecisionCode::School:
        Picture.Frame = DialogFrame::Building(CellKind::University);
        ShowLabel(Label1, MakeRelRect(0.095f, 0.02f, 0.14f, 0.02f),
                  Dollars(State.EventAmount) + Fragment(DialogText::ForSchoolTuition), 2, false);
        ShowLabel(Label2, MakeRelRect(0.095f, 0.05f, 0.14f, 0.02f),
                  Fragment(DialogText::DropOut) + std::to_string(State.EventArg) +
                      Fragment(DialogText::Turns),
                  2, false);
        break;
    default:
        break;
    }
}

void TDialogYesNo::DrawStreetList(float top, float left)
{
    const std::vector<std::int32_t> streets = StreetsBeside(TheBoard, TheBoard.CursorX, TheBoard.CursorY);
    float d = static_cast<float>(4 - static_cast<std::int32_t>(streets.size())) * 0.009f;
    WriteText(*this, Text(TextGroup::StreetInfo, StreetInfoText::Streets), left, top + d);
    for (const std::int32_t street : streets) {
        d += 0.018f;
        WriteText(*this, TheBoard.GetStreetName(street), left + 0.01f, top + d);
        WriteText(*this, StreetLevelName(street), left + 0.12f, top + d);
    }
}
