// The shell's message dialogs: placement, drawing, keys, and the screen's Busy flag while shown.
#include "menu/ShellDialogs.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

namespace {

// The set-up dialogs' face colour (red 0xB7, green 0xC5, blue 0xC9).
constexpr Colour Face = 0xC9C5B7;

KeyCode AcceleratorKey(const std::string& caption)
{
    const auto at = caption.find('&');
    if (at == std::string::npos || at + 1 >= caption.size())
        return 0;
    return TextToShortCut(caption.substr(at + 1, 1));
}

} // namespace

PlaceholderDialog::PlaceholderDialog(TMainWnd& owner, std::string caption, RelRect placement,
                                     std::string message, std::vector<Answer> answers)
    : Window(*owner.App(), BorderStyle::Dialog), Placement(placement), Message(std::move(message)),
      Answers(std::move(answers))
{
    SetCaption(std::move(caption));
    KeyPreview = true;
}

PlaceholderDialog::~PlaceholderDialog() = default;

void PlaceholderDialog::OnShow()
{
    BusyMark.Set();
    const Rect r = ScreenRect(Placement);
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    Buffer = Surface::CreateCanvas(nullptr, Width(), Height());
    if (DialogSkin != nullptr && !DialogSkin->IsEmpty())
        Surface::StretchBlit(*Buffer, ClientRect(), *DialogSkin, true,
                             Rect{0, 0, DialogSkin->Width, DialogSkin->Height});
    else
        Buffer->Clear(Face);
    TextFont = MakeFont("Arial", 400, 17, 5);
    Rect text{Width() / 20, Height() / 8, Width() - Width() / 20, Height() * 5 / 8};
    Buffer->DrawTextInRect(text, Message, TextFormat::Center | TextFormat::WordBreak, 0, TextFont.get());
    // The answers, each with its key letter underlined, side by side along the bottom.
    const std::int32_t n = static_cast<std::int32_t>(Answers.size());
    for (std::int32_t i = 0; i < n; ++i) {
        Rect slot{Width() * i / n, Height() * 5 / 8, Width() * (i + 1) / n, Height() * 15 / 16};
        Buffer->DrawTextInRect(slot, Answers[static_cast<std::size_t>(i)].Caption,
                               TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine, 0,
                               TextFont.get());
    }
    Invalidate();
}

void PlaceholderDialog::OnClose(CloseAction& action)
{
    action = CloseAction::Hide;
    Buffer.reset();
    BusyMark.Release();
}

void PlaceholderDialog::Paint()
{
    if (Buffer == nullptr)
        return;
    const Rect clip = PaintClip();
    CopyToCanvas(*Buffer, clip, clip.Left, clip.Top);
}

bool PlaceholderDialog::OnKeyDown(KeyCode key, ShiftState)
{
    for (const Answer& answer : Answers) {
        if (key != 0 && key == AcceleratorKey(answer.Caption)) {
            ModalResult = answer.Result;
            return true;
        }
    }
    return false;
}

TCloseDlg::TCloseDlg(TMainWnd& owner)
    : PlaceholderDialog(owner, Text(TextGroup::ShellDialogs, ShellText::Exit),
                        MakeRelRect(0.39f, 0.44f, 0.22f, 0.12f),
                        Text(TextGroup::LongMessages, LongText::ReallyExit),
                        {{Text(TextGroup::DialogButtons, ButtonText::Yes), ModalResult::Yes},
                         {Text(TextGroup::DialogButtons, ButtonText::No), ModalResult::No}})
{
}

TErrorDlg::TErrorDlg(TMainWnd& owner)
    : PlaceholderDialog(owner, Text(TextGroup::ShellDialogs, ShellText::Error),
                        MakeRelRect(0.3f, 0.44f, 0.4f, 0.12f),
                        Text(TextGroup::LongMessages, LongText::FileExists),
                        {{Text(TextGroup::DialogButtons, ButtonText::Ok), ModalResult::Ok}})
{
}

void TErrorDlg::ShowError(const std::string& text)
{
    Message = text;
    ShowModal();
}

TAskDlg::TAskDlg(TMainWnd& owner)
    : PlaceholderDialog(owner, Text(TextGroup::EventTitles, 13), MakeRelRect(0.38f, 0.44f, 0.24f, 0.12f),
                        Text(TextGroup::LongMessages, LongText::FileExists),
                        {{Text(TextGroup::DialogButtons, ButtonText::Yes), ModalResult::Yes},
                         {Text(TextGroup::DialogButtons, ButtonText::No), ModalResult::No}})
{
}

int TAskDlg::Ask(const std::string& text)
{
    Message = text;
    return ShowModal();
}
