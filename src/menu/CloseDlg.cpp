// The exit question: its place, buttons and text.
#include "menu/CloseDlg.h"

#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

TCloseDlg::TCloseDlg(WinControl& owner) : TModalDialog(owner), YesButton(this), NoButton(this), Label(this)
{
    SetCaption(Text(TextGroup::ShellDialogs, ShellText::Exit));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.39f, 0.44f, 0.22f, 0.12f));
    SetupDialogButton(YesButton, 0.025f, 0.08f, ModalResult::Yes,
                      Text(TextGroup::DialogButtons, ButtonText::Yes));
    SetupDialogButton(NoButton, 0.117f, 0.08f, ModalResult::No,
                      Text(TextGroup::DialogButtons, ButtonText::No));
    SetupMessageLabel(Label, MakeRelRect(0.03f, 0.02f, 0.16f, 0.055f));
    Label.SetCaption(Text(TextGroup::LongMessages, LongText::ReallyExit));
}

void TCloseDlg::ShowContent()
{
    YesButton.SetFocus();
}
