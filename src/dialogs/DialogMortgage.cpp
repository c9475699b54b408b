// The mortgage dialog: the debt, the list of properties that can be mortgaged and the one picked.
#include "dialogs/DialogMortgage.h"

#include "board/Board.h"
#include "rules/GameState.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

namespace {

// The list's and edits' face colour in the dialogs.
constexpr Colour ListFace = 0x00C9C5B7;

// The land value and payment: after their captions at every screen size, and short of the list.
constexpr float ValuesColumn = 0.105f;

RelRect OkArea()
{
    return MakeRelRect(0.161f, 0.27f, 0.078f, 0.03f);
}

RelRect PictureArea()
{
    return FitAspect(MakeRelRect(0.0375f, 0.065f, 0.075f, 0.08f));
}

const char* KindName(std::int32_t kind)
{
    return Text(TextGroup::KindNames, kind - CellKind::LotForSale);
}

} // namespace

TDialogMortgage::TDialogMortgage(WinControl& owner, const GameState& state, Board& board,
                                 GameDialogScreen screen)
    : TModalDialog(owner), OkButton(this), Picture(this), List(this), Label1(this), Label2(this),
      Label3(this), State(state), TheBoard(board), Screen(std::move(screen))
{
    Background = DialogSkin.get();
    SetCaption(Text(TextGroup::LongMessages, LongText::MustMortgage));
    OkButton.Setup(nullptr, OkArea(), 0, ModalResult::Ok, Text(TextGroup::DialogButtons, ButtonText::Ok),
                   DialogButtonSkin.get());
    OkButton.SetCursor(1);
    Picture.Setup(nullptr, PictureArea(), 0, 0, "", Screen.Tiles);
    List.SetParent(this);
    List.Color = ListFace;
    PlaceControls();
    List.Clicked = [this] { SelectEntry(List.ItemIndex()); };
    List.DoubleClicked = [this] { SelectEntry(List.ItemIndex()); };
    for (TSLabel* label : {&Label1, &Label2, &Label3})
        label->Setup(nullptr, MakeRelRect(0, 0, 0.02f, 0.02f), 0, 0, "", nullptr);
}

void TDialogMortgage::PlaceControls()
{
    // The placement is fixed: it changes only with the screen's size.
    SetPlacement(MakeRelRect(0.3f, 0.14f, 0.4f, 0.32f));
    OkButton.SetArea(OkArea());
    Picture.SetArea(PictureArea());
    const Rect list = ScreenRect(MakeRelRect(0.15f, 0.06f, 0.23f, 0.155f));
    List.SetBounds(list.Left, list.Top, list.Width(), list.Height());
}

void TDialogMortgage::ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y)
{
    if (FollowScreenSize())
        PlaceControls();
    Debt = debt;
    ShowModal();
    x = ChosenX;
    y = ChosenY;
}

void TDialogMortgage::ShowContent()
{
    OkButton.SetFocus();
    WriteText(*this,
              Text(TextGroup::EditorMore, EditorMoreText::Debt) + std::to_string(Debt) +
                  Text(TextGroup::LongMessages, LongText::ChooseProperty),
              0.2f, 0.02f, 2);
    WriteText(*this, Text(TextGroup::LongestMessages, LongestText::FourWeeks), 0.2f, 0.23f, 2);
    FillList();
    ShowLabel(Label1, MakeRelRect(0, 0.145f, 0.15f, 0.02f), "", 2, false);
    WriteText(*this, Text(TextGroup::StreetInfo, StreetInfoText::LandValue), 0.014f, 0.17f);
    ShowLabel(Label2, MakeRelRect(ValuesColumn, 0.17f, 0.043f, 0.02f), "", 0, false);
    WriteText(*this, Text(TextGroup::StreetInfo, StreetInfoText::CurrentPayment), 0.014f, 0.19f);
    ShowLabel(Label3, MakeRelRect(ValuesColumn, 0.19f, 0.043f, 0.02f), "", 0, false);
    List.SetItemIndex(0);
    SelectEntry(0);
}

void TDialogMortgage::FillList()
{
    std::vector<std::string> lines;
    if (const Player* player = PlayerOf(State, State.Current)) {
        for (std::int32_t i = 0; i < player->PropertyCount && i < MaxProperties; ++i) {
            const PropertyEntry& entry = player->Properties[static_cast<std::size_t>(i)];
            const Cell cell = TheBoard.CellAt(entry.X, entry.Y);
            if (cell.Street != 0)
                continue;
            lines.push_back(std::string(KindName(cell.Kind)) + " - " +
                            Text(TextGroup::MortgageTexts, MortgageText::MortgageValue) + " " +
                            Dollars(TheBoard.MortgageValue(entry.X, entry.Y)));
        }
    }
    List.SetItems(std::move(lines));
}

void TDialogMortgage::SelectEntry(std::int32_t index)
{
    const Player* player = PlayerOf(State, State.Current);
    std::int32_t count = 0;
    for (std::int32_t i = 0; player != nullptr && i < player->PropertyCount && i < MaxProperties; ++i) {
        const PropertyEntry& entry = player->Properties[static_cast<std::size_t>(i)];
        const Cell cell = TheBoard.CellAt(entry.X, entry.Y);
        if (cell.Street != 0)
            continue;
        if (count++ != index)
            continue;
        SelectedIndex = i;
        Picture.Frame = DialogFrame::OwnedLot(State.Current, cell.Kind - CellKind::OwnedLot);
        Label1.SetCaption(KindName(cell.Kind));
        const std::int32_t price = TheBoard.Price(0, entry.X, entry.Y);
        const std::int32_t rent = TheBoard.Rent(0, entry.X, entry.Y);
        Label2.SetCaption(Dollars(price));
        Label3.SetCaption(Dollars(rent));
        TheBoard.CursorX = entry.X;
        TheBoard.CursorY = entry.Y;
        MortgageValue = TheBoard.MortgageValue(entry.X, entry.Y);
        ChosenX = entry.X;
        ChosenY = entry.Y;
        break;
    }
    if (SelectedIndex == -1)
        return;
    TheBoard.CenterX = TheBoard.CursorX;
    TheBoard.CenterY = TheBoard.CursorY;
    RedrawBoard(Screen);
    Picture.SetVisible(true);
    Picture.SetEnabled(true);
    SyncWithPointer(Picture);
    for (Control* control : {static_cast<Control*>(&Picture), static_cast<Control*>(&Label1),
                             static_cast<Control*>(&Label2), static_cast<Control*>(&Label3)})
        control->Invalidate();
}
