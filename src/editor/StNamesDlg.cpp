// The street names dialog: its layout, renaming in the list, and storing the names on Ok.
#include "editor/StNamesDlg.h"

#include "archive/Utf8.h"
#include "board/Board.h"
#include "graphics/Surface.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

namespace {

// The colour of the dialog's edit and list (red 0xB7, green 0xC5, blue 0xC9).
constexpr Colour EditFace = 0xC9C5B7;
constexpr int HandCursor = 1;
constexpr std::size_t NameBytes = Board::StreetNameSize - 1;

} // namespace

TStNamesDlg::TStNamesDlg(WinControl& owner, Board& board)
    : TModalDialog(owner), OkButton(this), CancelButton(this), NamesList(this), NameEdit(this),
      EditorBoard(board)
{
    SetCaption(Text(TextGroup::EditorMore, EditorMoreText::EditStreetNames));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.59f, 0.05f, 0.22f, 0.7f));
    NameEdit.SetParent(this);
    NameEdit.Color = EditFace;
    NameEdit.MaxLength = static_cast<std::int32_t>(NameBytes);
    Rect r = ScreenRect(MakeRelRect(0.025f, 0.04f, 0.17f, 0.024f));
    NameEdit.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    NamesList.SetParent(this);
    NamesList.Color = EditFace;
    r = ScreenRect(MakeRelRect(0.025f, 0.09f, 0.17f, 0.54f));
    NamesList.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    OkButton.SetCursor(HandCursor);
    CancelButton.SetCursor(HandCursor);
    OkButton.Setup(nullptr, MakeRelRect(0.025f, 0.65f, 0.078f, 0.03f), 0, ModalResult::Ok,
                   Text(TextGroup::DialogButtons, ButtonText::Ok), DialogButtonSkin.get());
    CancelButton.Setup(nullptr, MakeRelRect(0.117f, 0.65f, 0.078f, 0.03f), 0, ModalResult::Cancel,
                       Text(TextGroup::DialogButtons, ButtonText::Cancel), DialogButtonSkin.get());
    NamesList.Clicked = [this] { TakeChosenName(); };
    NamesList.DoubleClicked = [this] { TakeChosenName(); };
    NameEdit.ReturnPressed = [this] { RenameChosen(); };
    // Fifteen letters outside ASCII would not fit the name's slot: the edit takes no more bytes
    // than the slot holds, cut at a character boundary.
    NameEdit.Changed = [this] {
        if (NameEdit.Text().size() > NameBytes)
            NameEdit.SetText(std::string(Utf8Prefix(NameEdit.Text(), NameBytes)));
    };
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
