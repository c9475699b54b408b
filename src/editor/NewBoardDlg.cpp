// The new board dialog: its layout, the size read from the edits with its limits and fallbacks.
#include "editor/NewBoardDlg.h"

#include "board/Board.h"
#include "graphics/Surface.h"
#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/NumberText.h"
#include "texts/Texts.h"

#include <algorithm>
#include <string>

std::int32_t ReadBoardSide(const std::string& text, std::int32_t current)
{
    const std::optional<std::int64_t> number = ReadWholeNumber(text);
    const std::int64_t side = number.has_value() ? *number : current;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(side, TNewBoardDlg::MinSide, TNewBoardDlg::MaxSide));
}

TNewBoardDlg::TNewBoardDlg(WinControl& owner, const Board& board)
    : TModalDialog(owner), OkButton(this), CancelButton(this), WidthEdit(this), HeightEdit(this),
      EditorBoard(board)
{
    SetCaption(Text(TextGroup::EditorMore, EditorMoreText::NewBoard));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.39f, 0.425f, 0.22f, 0.15f));
    WidthEdit.Color = MenuDialog::FieldColour;
    HeightEdit.Color = MenuDialog::FieldColour;
    PlaceField(WidthEdit, *this, MakeRelRect(0.06f, 0.04f, 0.04f, 0.024f));
    PlaceField(HeightEdit, *this, MakeRelRect(0.15f, 0.04f, 0.04f, 0.024f));
    SetupDialogButton(OkButton, 0.025f, 0.1f, ModalResult::Ok,
                      Text(TextGroup::DialogButtons, ButtonText::Ok));
    SetupDialogButton(CancelButton, 0.117f, 0.1f, ModalResult::Cancel,
                      Text(TextGroup::DialogButtons, ButtonText::Cancel));
    auto enter = [this] {
        ReadSize();
        OkButton.SetFocus();
    };
    WidthEdit.ReturnPressed = enter;
    HeightEdit.ReturnPressed = enter;
}

TNewBoardDlg::~TNewBoardDlg() = default;

void TNewBoardDlg::ShowContent()
{
    OkButton.SetFocus();
    BoardWidth = EditorBoard.Width();
    BoardHeight = EditorBoard.Height();
    WidthEdit.SetText(std::to_string(BoardWidth));
    HeightEdit.SetText(std::to_string(BoardHeight));
    if (Buffer != nullptr) {
        // A little short of the edits, so that the labels do not touch them.
        Buffer->DrawTextAt(Text(TextGroup::EditorMore, EditorMoreText::Width), GetFont(), 0.056f, 0.043f, 1);
        Buffer->DrawTextAt(Text(TextGroup::EditorMore, EditorMoreText::Height), GetFont(), 0.146f, 0.043f, 1);
    }
}

void TNewBoardDlg::ReadSize()
{
    BoardWidth = ReadBoardSide(WidthEdit.Text(), EditorBoard.Width());
    BoardHeight = ReadBoardSide(HeightEdit.Text(), EditorBoard.Height());
}
