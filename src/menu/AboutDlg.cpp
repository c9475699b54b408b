// The credits dialog: its place, the version line, the further lines and "&Ok".
#include "menu/AboutDlg.h"

#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

TAboutDlg::TAboutDlg(WinControl& owner) : TModalDialog(owner), OkButton(this), Label(this), MoreLabel(this)
{
    SetCaption(Text(TextGroup::ShellDialogs, ShellText::Credits));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.39f, 0.39f, 0.22f, 0.22f));
    SetupDialogButton(OkButton, 0.071f, 0.18f, ModalResult::Ok,
                      Text(TextGroup::DialogButtons, ButtonText::Ok));
    Label.Setup(nullptr, MakeRelRect(0.02f, 0.02f, 0.18f, 0.04f), 0, 0,
                Text(TextGroup::LongMessages, LongText::Version), nullptr);
    Label.Alignment = 2;
    SetupMessageLabel(MoreLabel, MakeRelRect(0.02f, 0.07f, 0.18f, 0.09f));
    MoreLabel.SetCaption(Text(TextGroup::MenuMessages, MenuText::CreditsMore));
}
