// The error report: its place, its button and a text set on each use.
#include "menu/ErrorDlg.h"

#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

namespace {

const RelRect Place = MakeRelRect(0.3f, 0.44f, 0.4f, 0.12f);
const RelRect LabelArea = MakeRelRect(0.01f, 0.02f, 0.38f, 0.055f);
const RelRect OkArea = MakeRelRect(0.161f, 0.08f, MenuDialog::ButtonWidth, MenuDialog::ButtonHeight);

} // namespace

TErrorDlg::TErrorDlg(WinControl& owner) : TModalDialog(owner), OkButton(this), Label(this)
{
    SetCaption(Text(TextGroup::ShellDialogs, ShellText::Error));
    Background = DialogSkin.get();
    SetPlacement(Place);
    SetupDialogButton(OkButton, OkArea.Left, OkArea.Top, ModalResult::Ok,
                      Text(TextGroup::DialogButtons, ButtonText::Ok));
    SetupMessageLabel(Label, LabelArea);
    Message = Text(TextGroup::LongMessages, LongText::FileExists);
    Label.SetCaption(Message);
}

void TErrorDlg::ShowError(const std::string& text)
{
    Message = text;
    FitMessage(*this, Place, Label, LabelArea, {{&OkButton, OkArea}}, text);
    ShowModal();
}
