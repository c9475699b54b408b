// The event dialog: sizes, sounds, pictures and texts of each kind.
#include "dialogs/DialogOk.h"

#include "board/Board.h"
#include "rules/GameState.h"
#include "rules/RulesHost.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <algorithm>
#include <array>

namespace {

struct KindLook
{
    float Width = 0;
    float Height = 0;
    const char* Sound = nullptr;
};

// By kind 0 to 12; kinds 0 and 3 are never shown.
constexpr std::array<KindLook, 13> Looks{{
    {},
    {0.22f, 0.15f, "dinfo"},
    {0.22f, 0.24f, "dinfo"},
    {},
    {0.22f, 0.12f, "money"},
    {0.22f, 0.14f, "money"},
    {0.22f, 0.14f, "police"},
    {0.22f, 0.14f, "prison"},
    {0.22f, 0.14f, "hospital"},
    {0.22f, 0.14f, "justice"},
    {0.22f, 0.14f, "seizure"},
    {0.22f, 0.14f, "gameover"},
    {0.22f, 0.14f, "winner"},
}};

const char* Fragment(int index)
{
    return Text(TextGroup::DialogFragments, index);
}

// The structure information's columns: the street names beside the picture, the owner and the
// values; wide enough for the longest kind name, names and sums at every screen size.
constexpr float NamesColumn = 0.11f;
constexpr float ValuesColumn = 0.12f;

// The line of the ruin and the winner, right of the pawn (clear of the picture for long names).
const RelRect BesidePawn = MakeRelRect(0.085f, 0.025f, 0.125f, 0.048f);

std::string TurnsLine(std::int32_t turns)
{
    return Fragment(DialogText::DropOut) + std::to_string(turns) + Fragment(DialogText::Turns);
}

} // namespace

TDialogOk::TDialogOk(WinControl& owner, GameState& state, Board& board, GameDialogScreen screen)
    : TModalDialog(owner), OkButton(this), Picture(this), Label1(this), Label2(this), Label3(this),
      State(state), TheBoard(board), Screen(std::move(screen)), CloseTimer(*App())
{
    // A press anywhere in a dialog that closes by itself closes it, on a label as much as on "&Ok".
    MousePreview = true;
    CloseTimer.SetInterval(TickMilliseconds);
    CloseTimer.OnTimer = [this] {
        if (TicksToClose > 0 && --TicksToClose == 0)
            ModalResult = ModalResult::Ok;
    };
    Background = DialogSkin.get();
    OkButton.Setup(nullptr, GameButtonSize(), 0, ModalResult::Ok,
                   Text(TextGroup::DialogButtons, ButtonText::Ok), DialogButtonSkin.get());
    OkButton.SetCursor(1);
    Picture.Setup(nullptr, GamePictureArea(), 0, 0, "", Screen.Tiles);
    for (TSLabel* label : {&Label1, &Label2, &Label3})
        label->Setup(nullptr, MakeRelRect(0, 0, 0.02f, 0.018f), 0, 0, "", nullptr);
}

bool TDialogOk::KindSize(std::int32_t kind, float& width, float& height)
{
    if (kind < 0 || kind >= static_cast<std::int32_t>(Looks.size()) ||
        Looks[static_cast<std::size_t>(kind)].Sound == nullptr)
        return false;
    width = Looks[static_cast<std::size_t>(kind)].Width;
    height = Looks[static_cast<std::size_t>(kind)].Height;
    return true;
}

void TDialogOk::ShowEvent(std::int32_t kind, std::int32_t closeAfterTicks)
{
    float w = 0;
    float h = 0;
    if (!KindSize(kind, w, h))
        return;
    if (FollowScreenSize()) {
        OkButton.SetArea(GameButtonSize());
        Picture.SetArea(GamePictureArea());
    }
    PlayDialogSound(Screen, Looks[static_cast<std::size_t>(kind)].Sound);
    RedrawBoard(Screen);
    PlaceBesideSelection(*this, w, h, TheBoard, Screen);
    const Rect button = OkButton.PixelArea;
    PlaceButton(OkButton, Rect{(Width() - button.Width()) / 2, Height() - button.Height() - 8,
                               (Width() - button.Width()) / 2 + button.Width(), Height() - 8});
    Tag = kind;
    // The dialog's own timer: the main window's ticks stop while a dialog is up.
    TicksToClose = closeAfterTicks < 0 ? 0 : std::max(closeAfterTicks, 1);
    CloseTimer.SetEnabled(TicksToClose > 0);
    ShowModal();
    CloseTimer.SetEnabled(false);
    TicksToClose = 0;
    TheBoard.CursorX = -1;
    RedrawBoard(Screen);
}

bool TDialogOk::OnKeyDown(KeyCode key, ShiftState shift)
{
    if (ClosesBySelf()) {
        ModalResult = ModalResult::Ok;
        return true;
    }
    return TModalDialog::OnKeyDown(key, shift);
}

bool TDialogOk::OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    if (ClosesBySelf()) {
        ModalResult = ModalResult::Ok;
        return true;
    }
    return TModalDialog::OnMouseDown(button, shift, x, y);
}

void TDialogOk::ShowContent()
{
    OkButton.SetFocus();
    for (TSLabel* label : {&Label1, &Label2, &Label3}) {
        label->SetVisible(false);
        label->SetEnabled(false);
    }
    SetCaption(Text(TextGroup::EventTitles, Tag));
    Picture.SetVisible(true);
    switch (Tag) {
    case EventCode::StreetInfo:
        StreetInformation();
        break;
    case EventCode::StructureInfo:
        StructureInformation();
        break;
    case EventCode::Rent:
        Picture.Frame = DialogFrame::Payment;
        ShowLabel(Label1, MakeRelRect(0.095f, 0.02f, 0.11f, 0.04f),
                  Fragment(DialogText::Pay) + NameOf(State, State.EventArg) +
                      Fragment(DialogText::SpaceDollar) + std::to_string(State.EventAmount),
                  2, true);
        break;
    case EventCode::Treasury:
        Picture.Frame = DialogFrame::Building(CellKind::Governor);
        ShowLabel(Label1, MakeRelRect(0.095f, 0.022f, 0.12f, 0.02f),
                  Fragment(State.EventArg != 0 ? DialogText::Receive : DialogText::PayDollar) +
                      std::to_string(State.EventAmount),
                  2, false);
        ShowLabel(Label2, MakeRelRect(0.095f, 0.045f, 0.12f, 0.02f), Fragment(DialogText::TreasuryDp), 2,
                  false);
        break;
    case EventCode::Police:
        Picture.Frame = DialogFrame::Building(CellKind::Police);
        ShowLabel(Label1, MakeRelRect(0.095f, 0.02f, 0.12f, 0.02f),
                  Fragment(DialogText::Fine) + std::to_string(State.EventAmount), 2, false);
        ShowLabel(Label2, MakeRelRect(0.095f, 0.04f, 0.12f, 0.02f), Fragment(DialogText::PoliceDp), 2, false);
        if (State.EventArg != 0)
            ShowLabel(Label3, MakeRelRect(0.095f, 0.06f, 0.12f, 0.02f), TurnsLine(State.EventArg), 2, false);
        break;
    case EventCode::Jail:
        Picture.Frame = DialogFrame::Building(CellKind::Prison);
        ShowLabel(Label1, MakeRelRect(0.105f, 0.02f, 0.1f, 0.04f), Fragment(DialogText::SeeFamily), 2, true);
        // The visit always costs one turn, whatever EventArg holds.
        ShowLabel(Label2, MakeRelRect(0.095f, 0.06f, 0.12f, 0.02f), TurnsLine(1), 2, false);
        break;
    case EventCode::Hospital:
        Picture.Frame = DialogFrame::Building(CellKind::Hospital);
        ShowLabel(Label1, MakeRelRect(0.105f, 0.02f, 0.1f, 0.04f),
                  Fragment(DialogText::HospitalBill) + std::to_string(State.EventAmount), 2, true);
        if (State.EventArg != 0)
            ShowLabel(Label2, MakeRelRect(0.095f, 0.06f, 0.12f, 0.02f), TurnsLine(State.EventArg), 2, false);
        break;
    case EventCode::Courthouse:
        Picture.Frame = DialogFrame::Building(CellKind::Courthouse);
        ShowLabel(Label1, MakeRelRect(0.095f, 0.022f, 0.12f, 0.02f), Fragment(DialogText::PutInPrison), 2,
                  false);
        ShowLabel(Label2, MakeRelRect(0.095f, 0.045f, 0.12f, 0.02f), Fragment(DialogText::OutFiveTurns), 2,
                  false);
        break;
    case EventCode::Seizure:
        Picture.Frame = DialogFrame::OwnedLot(State.EventArg, State.EventAmount);
        ShowLabel(Label1, MakeRelRect(0.095f, 0.025f, 0.11f, 0.048f),
                  NameOf(State, State.EventArg) + Fragment(DialogText::LostMortgaged), 2, true);
        break;
    case EventCode::Ruined:
        Picture.Frame = DialogFrame::Pawn(State.Current);
        ShowLabel(Label1, BesidePawn, NameOf(State, State.Current) + Fragment(DialogText::IsRuined), 2, true);
        break;
    case EventCode::GameOver: {
        // With nobody left in play there is no pawn to show and no name to read.
        const std::int32_t winner = State.Winner();
        Picture.Frame = DialogFrame::Pawn(winner);
        Picture.SetVisible(winner >= 0);
        if (winner >= 0)
            ShowLabel(Label1, BesidePawn, NameOf(State, winner) + Fragment(DialogText::Wins), 2, true);
        else
            ShowLabel(Label1, MakeRelRect(0.01f, 0.025f, 0.2f, 0.048f), Fragment(DialogText::NobodyWins), 2,
                      true);
        break;
    }
    default:
        break;
    }
}

void TDialogOk::StreetInformation()
{
    const std::int32_t street = TheBoard.CellAt(TheBoard.CursorX, TheBoard.CursorY).Street;
    Picture.Frame = DialogFrame::Building(CellKind::BareLot);
    ShowLabel(Label1, MakeRelRect(0.095f, 0.02f, 0.12f, 0.02f), TheBoard.GetStreetName(street), 2, false);
    ShowLabel(Label2, MakeRelRect(0.095f, 0.05f, 0.12f, 0.02f),
              Text(TextGroup::StreetInfo, StreetInfoText::StreetValue), 0, false);
    ShowLabel(Label3, MakeRelRect(0.095f, 0.07f, 0.12f, 0.02f), StreetLevelName(street), 2, false);
}

void TDialogOk::StructureInformation()
{
    const std::int32_t x = TheBoard.CursorX;
    const std::int32_t y = TheBoard.CursorY;
    const Cell cell = TheBoard.CellAt(x, y);
    // The prison zone is shown as the prison.
    const std::int32_t kind = cell.Kind == CellKind::PrisonZone ? CellKind::Prison : cell.Kind;
    const std::int32_t owner = cell.Owner;
    // The picture the board shows for the cell; an owned lot in its owner's colours.
    Picture.Frame = kind < CellKind::OwnedLot ? DialogFrame::Building(kind)
                                              : DialogFrame::OwnedLot(owner - 1, kind - CellKind::OwnedLot);
    ShowLabel(Label1, MakeRelRect(0.003f, 0.09f, 0.105f, 0.02f),
              Text(TextGroup::KindNames, kind - CellKind::LotForSale), 2, false);
    WriteText(*this, Text(TextGroup::StreetInfo, StreetInfoText::Streets), NamesColumn, 0.01f);
    float line = 0.034f;
    for (const std::int32_t street : StreetsBeside(TheBoard, x, y)) {
        WriteText(*this, TheBoard.GetStreetName(street), NamesColumn, line);
        line += 0.018f;
    }
    ShowLabel(Label2, MakeRelRect(0.01f, 0.12f, 0.095f, 0.02f),
              Text(TextGroup::StreetInfo, StreetInfoText::Owner), 0, false);
    ShowLabel(Label3, MakeRelRect(ValuesColumn, 0.12f, 0.095f, 0.02f),
              owner == 0 ? Text(TextGroup::OwnerNames, 0) : NameOf(State, owner - 1), 0, false);
    WriteText(*this, Text(TextGroup::StreetInfo, StreetInfoText::LandValue), 0.01f, 0.14f);
    const std::int32_t value = TheBoard.Price(0, x, y);
    State.EventAmount = value;
    WriteText(*this, Dollars(value), ValuesColumn, 0.14f);
    WriteText(*this, Text(TextGroup::StreetInfo, StreetInfoText::CurrentPayment), 0.01f, 0.16f);
    const std::int32_t payment = owner == 0 ? 0 : TheBoard.Rent(0, x, y);
    State.EventAmount = payment;
    WriteText(*this, Dollars(payment), ValuesColumn, 0.16f);
}
