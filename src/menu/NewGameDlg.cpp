// The new game dialog: the board list, the six player rows, the kind toggles and storing the
// set-up.
#include "menu/NewGameDlg.h"

#include "archive/UtilsPath.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "menu/ErrorDlg.h"
#include "menu/MenuDialogParts.h"
#include "platform/Application.h"
#include "platform/DropDownList.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <algorithm>

SurfaceSlot HumanPictures;
SurfaceSlot ComputerPictures;

namespace {

// The rows of the player slots lie this far apart.
constexpr float RowStep = 0.07f;
// The extension of board files.
constexpr const char* BoardExtension = "brd";

float RowOffset(std::int32_t slot)
{
    return RowStep * static_cast<float>(slot);
}

const char* KindCaption(bool human)
{
    return Text(TextGroup::ShellDialogs, human ? ShellText::Human : ShellText::Computer);
}

} // namespace

TNewGameDlg::TNewGameDlg(WinControl& owner)
    : TModalDialog(owner), NewButton(this), CancelButton(this), BoardBox(this)
{
    SetCaption(Text(TextGroup::ShellDialogs, ShellText::NewGame));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.35f, 0.215f, 0.3f, 0.57f));
    SetupDialogButton(NewButton, 0.065f, 0.52f, ModalResult::Ok,
                      Text(TextGroup::ShellDialogs, ShellText::NewButton));
    SetupDialogButton(CancelButton, 0.157f, 0.52f, ModalResult::Cancel,
                      Text(TextGroup::DialogButtons, ButtonText::Cancel));
    BoardBox.List->Color = MenuDialog::FieldColour;
    BoardBox.Setup(nullptr, MakeRelRect(0.09f, 0.03f, 0.15f, 0.024f), 0, CommandId::None, "",
                   ComboBoxSkin.get());
    BoardBox.SetCursor(CursorId::Hand);
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const float a = RowOffset(i);
        InGameBoxes[slot] = std::make_unique<TSCheckBox>(this);
        InGameBoxes[slot]->Setup(nullptr,
                                 KeepProportions(MakeRelRect(0.025f, 0.1f + a, 0.012f, 0.016f),
                                                 Pictures::CheckBox.FrameWidth,
                                                 Pictures::CheckBox.FrameHeight),
                                 0, CommandId::None, "", CheckBoxSkin.get());
        InGameBoxes[slot]->SetCursor(CursorId::Hand);
        NameEdits[slot] = std::make_unique<Edit>(this);
        NameEdits[slot]->Color = MenuDialog::FieldColour;
        NameEdits[slot]->MaxLength = PlayerNameSize - 1;
        // The game keeps a name in PlayerNameSize bytes: a name with letters beyond ASCII stops
        // where the next letter would not fit whole.
        NameEdits[slot]->MaxBytes = PlayerNameSize - 1;
        PlaceField(*NameEdits[slot], *this, MakeRelRect(0.085f, 0.096f + a, 0.11f, 0.024f));
        Pictures[slot] = std::make_unique<TSImageList>(this);
        Pictures[slot]->Setup(nullptr,
                              KeepProportions(MakeRelRect(0.05f, 0.086f + a, 0.03f, 0.044f),
                                              Pictures::PPlayerH.FrameWidth, Pictures::PPlayerH.FrameHeight),
                              0, CommandId::None, "", &ComputerPictures);
        Pictures[slot]->Frame = i;
        KindButtons[slot] = std::make_unique<TSButton>(this);
        KindButtons[slot]->Setup(nullptr, MakeRelRect(0.2f, 0.096f + a, 0.075f, 0.024f), 0,
                                 CommandId::ToggleKindOf(i), KindCaption(false), DialogButtonSkin.get());
        KindButtons[slot]->SetCursor(CursorId::Hand);
    }
}

TNewGameDlg::~TNewGameDlg() = default;

void TNewGameDlg::ShowContent()
{
    NewButton.SetFocus();
    Buffer->DrawTextAt(Text(TextGroup::ShellDialogs, ShellText::Board), GetFont(), 0.08f, 0.034f, 1);
    DropDownList& list = *BoardBox.List;
    list.Clear();
    for (std::string& name : FileNamesWithExtension(StartFolderOf(*this), BoardExtension))
        list.AddItem(std::move(name));
    const auto& items = list.Items();
    const auto chosen = std::find(items.begin(), items.end(), BoardName);
    list.SetItemIndex(chosen != items.end() ? static_cast<std::int32_t>(chosen - items.begin())
                                            : (items.empty() ? -1 : 0));
    BoardBox.SetCaption(list.Text());
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        InGameBoxes[slot]->Checked = PlayerInGame[slot] != 0 ? 1 : 0;
        NameEdits[slot]->SetText(PlayerName(i));
        Human[slot] = PlayerHuman[slot] != 0 ? 1 : 0;
        Pictures[slot]->Skin = Human[slot] != 0 ? &HumanPictures : &ComputerPictures;
        KindButtons[slot]->SetCaption(KindCaption(Human[slot] != 0));
    }
}

void TNewGameDlg::ToggleKind(std::int32_t slot)
{
    if (slot < 0 || slot >= PlayerSlots)
        return;
    const auto s = static_cast<std::size_t>(slot);
    Human[s] = Human[s] != 0 ? 0 : 1;
    Pictures[s]->Skin = Human[s] != 0 ? &HumanPictures : &ComputerPictures;
    KindButtons[s]->SetCaption(KindCaption(Human[s] != 0));
    if (Visible()) {
        Pictures[s]->Paint();
        KindButtons[s]->Paint();
    }
}

bool TNewGameDlg::Validate()
{
    const auto taking = std::count_if(InGameBoxes.begin(), InGameBoxes.end(),
                                      [](const auto& box) { return box->Checked != 0; });
    if (taking < 2) {
        if (ErrorDlg != nullptr)
            ErrorDlg->ShowError(Text(TextGroup::LongMessages, LongText::SelectTwoPlayers));
        return true;
    }
    BoardName = BoardBox.List->Text();
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        PlayerInGame[slot] = InGameBoxes[slot]->Checked;
        SetPlayerName(i, NameEdits[slot]->Text());
        PlayerHuman[slot] = Human[slot];
    }
    return false;
}
