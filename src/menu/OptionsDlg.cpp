// The options dialog: rows of check boxes and of labelled fields above its buttons, reading the
// initial cash, and applying the options.
#include "menu/OptionsDlg.h"

#include "graphics/PictureCatalog.h"
#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <string>

namespace {

// The rows, from the top: check boxes with their labels, then labelled fields, then the buttons;
// the dialog is as tall as its rows and stays centred. A new row is one more in the count of its
// kind and its controls placed at CheckRowTop or FieldRowTop.
constexpr int CheckRows = 2;
constexpr int FieldRows = 1;
constexpr float RowStep = 0.04f;
constexpr float FirstRowTop = 0.04f;
constexpr float FieldsBelowChecks = 0.05f;
constexpr float ButtonsBelowFields = 0.07f;
constexpr float BelowButtons = 0.05f;
constexpr float DialogWidth = 0.22f;

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
    label.Setup(nullptr, MakeRelRect(0.07f, top - 0.002f, 0.15f, 0.02f), 0, 0, text, nullptr);
}

// The label ends where the field begins.
void SetupFieldRowLabel(TSLabel& label, int row, std::string_view text)
{
    label.Setup(nullptr, MakeRelRect(0.01f, FieldRowTop(row), 0.085f, 0.02f), 0, 0, text, nullptr);
    label.Alignment = 1;
}

RelRect FieldArea(int row, float width)
{
    return MakeRelRect(0.1f, FieldRowTop(row) - 0.002f, width, 0.024f);
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
      AutoMoveBox(this), AutoMoveLabel(this), CashLabel(this), CashEdit(this)
{
    SetCaption(Text(TextGroup::ShellDialogs, ShellText::Options));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.5f - DialogWidth / 2, 0.5f - DialogHeight / 2, DialogWidth, DialogHeight));
    SetupDialogButton(OkButton, 0.025f, ButtonTop, ModalResult::Ok,
                      Text(TextGroup::DialogButtons, ButtonText::Ok));
    SetupDialogButton(CancelButton, 0.117f, ButtonTop, ModalResult::Cancel,
                      Text(TextGroup::DialogButtons, ButtonText::Cancel));
    SetupCheckRow(SoundBox, SoundLabel, 0, Text(TextGroup::ShellDialogs, ShellText::SoundEffects));
    SetupCheckRow(AutoMoveBox, AutoMoveLabel, 1, Text(TextGroup::ShellDialogs, ShellText::AutoMove));
    SetupFieldRowLabel(CashLabel, 0, Text(TextGroup::ShellDialogs, ShellText::InitialCash));
    CashEdit.Color = MenuDialog::FieldColour;
    PlaceField(CashEdit, *this, FieldArea(0, 0.06f));
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
    InitialCash = CashFromText(CashEdit.Text(), InitialCash);
}
