// The street names dialog: its layout, renaming in the list, and storing the names on Ok.
#include "editor/StNamesDlg.h"

#include "board/Board.h"
#include "graphics/Surface.h"
#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

namespace {

constexpr std::size_t NameBytes = Board::StreetNameSize - 1;

} // namespace

TStNamesDlg::TStNamesDlg(WinControl& owner, Board& board)
    : TModalDialog(owner), OkButton(this), CancelButton(this), NamesList(this), NameEdit(this),
      EditorBoard(board)
{
    SetCaption(Text(TextGroup::EditorMore, EditorMoreText::EditStreetNames));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.59f, 0.05f, 0.22f, 0.7f));
    NameEdit.Color = MenuDialog::FieldColour;
    NameEdit.MaxLength = static_cast<std::int32_t>(NameBytes);
    // Fifteen letters beyond ASCII would not fit the name's slot: no more bytes than it holds.
    NameEdit.MaxBytes = static_cast<std::int32_t>(NameBytes);
    PlaceField(NameEdit, *this, MakeRelRect(0.025f, 0.04f, 0.17f, 0.024f));
    NamesList.Color = MenuDialog::FieldColour;
    PlaceField(NamesList, *this, MakeRelRect(0.025f, 0.09f, 0.17f, 0.54f));
    SetupDialogButton(OkButton, 0.025f, 0.65f, ModalResult::Ok,
                      Text(TextGroup::DialogButtons, ButtonText::Ok));
    SetupDialogButton(CancelButton, 0.117f, 0.65f, ModalResult::Cancel,
                      Text(TextGroup::DialogButtons, ButtonText::Cancel));
    NamesList.Clicked = [this] { TakeChosenName(); };
    NamesList.DoubleClicked = [this] { TakeChosenName(); };
    NameEdit.ReturnPressed = [this] { RenameChosen(); };
}

TStNamesDlg::~TStNamesDlg() = default;

void TStNamesDlg::ShowContent()
{
    OkButton.SetFocus();
    NameEdit.SetText("");
    if (Buffer != nullptr) {
        Buffer->DrawTextAt(Text(TextGroup::EditorMore, EditorMoreText::ChangeName), GetFont(), 0.025f, 0.02f,
                           0);
        Buffer->DrawTextAt(Text(TextGroup::EditorMore, EditorMoreText::StreetNames), GetFont(), 0.025f, 0.07f,
                           0);
    }
    std::vector<std::string> names;
    names.reserve(Board::StreetCount);
    for (std::int32_t street = 0; street < Board::StreetCount; ++street)
        names.push_back(EditorBoard.GetStreetName(street));
    NamesList.SetItems(std::move(names));
}

void TStNamesDlg::TakeChosenName()
{
    const std::int32_t chosen = NamesList.ItemIndex();
    if (chosen < 0)
        return;
    NameEdit.SetText(NamesList.ItemText(chosen));
    NameEdit.SetFocus();
}

void TStNamesDlg::RenameChosen()
{
    const std::int32_t chosen = NamesList.ItemIndex();
    if (chosen < 0)
        return;
    NamesList.SetItemText(chosen, NameEdit.Text());
}

void TStNamesDlg::StoreNames()
{
    for (std::int32_t street = 0; street < Board::StreetCount; ++street)
        EditorBoard.SetStreetName(street, NamesList.ItemText(street));
}
