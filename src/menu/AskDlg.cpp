// The yes/no question: its place, its buttons and a text set on each use.
#include "menu/AskDlg.h"

#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

namespace {

// The event titles run by event dialog code 0 to 12; the question's title follows them.
constexpr int QuestionTitle = 13;
const RelRect Place = MakeRelRect(0.38f, 0.44f, 0.24f, 0.12f);
const RelRect LabelArea = MakeRelRect(0.04f, 0.02f, 0.16f, 0.055f);
const RelRect YesArea = MakeRelRect(0.035f, 0.08f, MenuDialog::ButtonWidth, MenuDialog::ButtonHeight);
const RelRect NoArea = MakeRelRect(0.127f, 0.08f, MenuDialog::ButtonWidth, MenuDialog::ButtonHeight);

} // namespace

TAskDlg::TAskDlg(WinControl& owner) : TModalDialog(owner), YesButton(this), NoButton(this), Label(this)
{
    SetCaption(Text(TextGroup::EventTitles, QuestionTitle));
    Background = DialogSkin.get();
    SetPlacement(Place);
    SetupDialogButton(YesButton, YesArea.Left, YesArea.Top, ModalResult::Yes,
                      Text(TextGroup::DialogButtons, ButtonText::Yes));
    SetupDialogButton(NoButton, NoArea.Left, NoArea.Top, ModalResult::No,
                      Text(TextGroup::DialogButtons, ButtonText::No));
    SetupMessageLabel(Label, LabelArea);
    Message = Text(TextGroup::LongMessages, LongText::FileExists);
    Label.SetCaption(Message);
}

int TAskDlg::Ask(const std::string& text)
{
    Message = text;
    FitMessage(*this, Place, Label, LabelArea, {{&YesButton, YesArea}, {&NoButton, NoArea}}, text);
    return ShowModal();
}
