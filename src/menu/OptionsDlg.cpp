// The options dialog: rows of check boxes and of labelled fields above its buttons, reading the
// initial cash, and applying the options.
#include "menu/OptionsDlg.h"

#include "graphics/PictureCatalog.h"
#include "menu/MenuDialogParts.h"
#include "platform/Application.h"
#include "platform/DropDownList.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <string>

namespace {

// The rows, from the top: check boxes with their labels, then labelled fields, then the buttons;
// the dialog is as tall as its rows and stays centred. A new row is one more in the count of its
// kind and its controls placed at CheckRowTop or FieldRowTop.
constexpr int CheckRows = 4;
constexpr int FieldRows = 2;
constexpr float RowStep = 0.04f;
constexpr float FirstRowTop = 0.04f;
constexpr float FieldsBelowChecks = 0.05f;
constexpr float ButtonsBelowFields = 0.07f;
constexpr float BelowButtons = 0.05f;
// Wide enough for "Computers play by themselves" and "Computer speed:" at every screen size.
constexpr float DialogWidth = 0.26f;
constexpr float CheckLabelWidth = DialogWidth - 0.08f;
constexpr float FieldLeft = 0.12f;
// The two buttons side by side, centred.
constexpr float ButtonGap = 0.014f;

constexpr float CheckRowTop(int row)
{
    return FirstRowTop + RowStep * static_cast<float>(row);
}
constexpr float FieldRowTop(int row)
{
    return CheckRowTop(CheckRows - 1) + FieldsBelowChecks + RowStep * static_cast<float>(row);
}
constexpr float ButtonTop = FieldRowTop(FieldRows - 1) + ButtonsBelowFields;
constexpr float DialogHeight = ButtonTop + BelowButtons;

void SetupCheckRow(TSCheckBox& box, TSLabel& label, int row, std::string_view text)
{
    const float top = CheckRowTop(row);
    box.Setup(nullptr,
              KeepProportions(MakeRelRect(0.05f, top, 0.012f, 0.016f), Pictures::CheckBox.FrameWidth,
                              Pictures::CheckBox.FrameHeight),
              0, 0, "", CheckBoxSkin.get());
    label.Setup(nullptr, MakeRelRect(0.07f, top - 0.002f, CheckLabelWidth, 0.02f), 0, 0, text, nullptr);
}

// The label ends where the field begins.
void SetupFieldRowLabel(TSLabel& label, int row, std::string_view text)
{
    label.Setup(nullptr, MakeRelRect(0.01f, FieldRowTop(row), FieldLeft - 0.015f, 0.02f), 0, 0, text,
                nullptr);
    label.Alignment = 1;
}

RelRect FieldArea(int row, float width)
{
    return MakeRelRect(FieldLeft, FieldRowTop(row) - 0.002f, width, 0.024f);
}

} // namespace

int CashFromText(std::string_view text, int current)
{
    if (text.empty())
        return current;
    long long value = 0;
    bool above = false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return current;
        // Once above the most, further digits only make it bigger: no overflow, whatever the length.
        if (!above) {
            value = value * 10 + (c - '0');
            above = value > MaxInitialCash - 1;
        }
    }
    if (above)
        return MaxInitialCash;
    return value > 0 ? static_cast<int>(value) : current;
}

TOptionsDlg::TOptionsDlg(WinControl& owner)
    : TModalDialog(owner), OkButton(this), CancelButton(this), SoundBox(this), SoundLabel(this),
      AutoMoveBox(this), AutoMoveLabel(this), AutosaveBox(this), AutosaveLabel(this), ComputersPlayBox(this),
      ComputersPlayLabel(this), SpeedLabel(this), SpeedBox(this), CashLabel(this), CashEdit(this)
{
    SetCaption(Text(TextGroup::ShellDialogs, ShellText::Options));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.5f - DialogWidth / 2, 0.5f - DialogHeight / 2, DialogWidth, DialogHeight));
    SetupDialogButton(OkButton, DialogWidth / 2 - ButtonGap / 2 - MenuDialog::ButtonWidth, ButtonTop,
                      ModalResult::Ok, Text(TextGroup::DialogButtons, ButtonText::Ok));
    SetupDialogButton(CancelButton, DialogWidth / 2 + ButtonGap / 2, ButtonTop, ModalResult::Cancel,
                      Text(TextGroup::DialogButtons, ButtonText::Cancel));
    SetupCheckRow(SoundBox, SoundLabel, 0, Text(TextGroup::ShellDialogs, ShellText::SoundEffects));
    SetupCheckRow(AutoMoveBox, AutoMoveLabel, 1, Text(TextGroup::ShellDialogs, ShellText::AutoMove));
    SetupCheckRow(AutosaveBox, AutosaveLabel, 2, Text(TextGroup::ShellDialogs, ShellText::Autosave));
    SetupCheckRow(ComputersPlayBox, ComputersPlayLabel, 3,
                  Text(TextGroup::ShellDialogs, ShellText::ComputersPlay));
    // The speed right below the computers it is for.
    SetupFieldRowLabel(SpeedLabel, 0, Text(TextGroup::ShellDialogs, ShellText::ComputerSpeed));
    SpeedBox.List->Color = MenuDialog::FieldColour;
    SpeedBox.List->SetItems({Text(TextGroup::ShellDialogs, ShellText::SpeedNormal),
                             Text(TextGroup::ShellDialogs, ShellText::SpeedFast)});
    SpeedBox.Setup(nullptr, FieldArea(0, 0.08f), 0, CommandId::None, "", ComboBoxSkin.get());
    SpeedBox.SetCursor(CursorId::Hand);
    SetupFieldRowLabel(CashLabel, 1, Text(TextGroup::ShellDialogs, ShellText::InitialCash));
    CashEdit.Color = MenuDialog::FieldColour;
    PlaceField(CashEdit, *this, FieldArea(1, 0.06f));
    CashEdit.ReturnPressed = [this] {
        CheckCash();
        OkButton.SetFocus();
    };
}

void TOptionsDlg::ShowContent()
{
    OkButton.SetFocus();
    SoundBox.Checked = SoundEffects != 0 ? 1 : 0;
    AutoMoveBox.Checked = AutoMove != 0 ? 1 : 0;
    AutosaveBox.Checked = Autosave != 0 ? 1 : 0;
    ComputersPlayBox.Checked = ComputersPlay != 0 ? 1 : 0;
    SpeedBox.List->SetItemIndex(ComputerSpeed == ComputerSpeedFast ? ComputerSpeedFast : ComputerSpeedNormal);
    SpeedBox.SetCaption(SpeedBox.List->Text());
    CashEdit.SetText(std::to_string(InitialCash));
}

int TOptionsDlg::CheckCash()
{
    const int cash = CashFromText(CashEdit.Text(), InitialCash);
    CashEdit.SetText(std::to_string(cash));
    return cash;
}

void TOptionsDlg::Apply()
{
    SoundEffects = SoundBox.Checked;
    AutoMove = AutoMoveBox.Checked;
    Autosave = AutosaveBox.Checked;
    ComputersPlay = ComputersPlayBox.Checked;
    ComputerSpeed = SpeedBox.List->ItemIndex() == ComputerSpeedFast ? ComputerSpeedFast : ComputerSpeedNormal;
    InitialCash = CashFromText(CashEdit.Text(), InitialCash);
}
