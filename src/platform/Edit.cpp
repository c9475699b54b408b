// The single-line text field: editing at the caret, limit, horizontal scrolling, blinking caret.
#include "platform/Edit.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/Timer.h"
#include "platform/WidgetCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::uint32_t BlinkMilliseconds = 530;

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t NextBoundary(const std::string& s, std::size_t pos)
{
    if (pos >= s.size())
        return s.size();
    ++pos;
    while (pos < s.size() && IsContinuation(s[pos]))
        ++pos;
    return pos;
}

std::size_t PreviousBoundary(const std::string& s, std::size_t pos)
{
    if (pos == 0)
        return 0;
    --pos;
    while (pos > 0 && IsContinuation(s[pos]))
        --pos;
    return pos;
}

std::size_t CharacterCount(const std::string& s)
{
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return !IsContinuation(c); }));
}

} // namespace

Edit::Edit(WinControl* owner) : WinControl(owner)
{
    TabStop = true;
    FocusOnClick = true;
}

Edit::~Edit() = default;

void Edit::SetText(std::string text)
{
    const bool changed = text != Value;
    Value = std::move(text);
    Caret = Value.size();
    ScrollX = 0;
    ScrollToCaret();
    Invalidate();
    if (changed)
        TextChanged();
}

void Edit::SetCaretPos(std::size_t pos)
{
    pos = std::min(pos, Value.size());
    while (pos > 0 && pos < Value.size() && IsContinuation(Value[pos]))
        --pos;
    Caret = pos;
    ScrollToCaret();
    RestartBlink();
    Invalidate();
}

Rect Edit::TextRect() const
{
    const std::int32_t pad = std::max(2, Height() / 8);
    return Rect{1 + pad, 1, std::max(1 + pad, Width() - 1 - pad), std::max(1, Height() - 1)};
}

std::int32_t Edit::PrefixWidth(std::size_t bytes) const
{
    return WidgetCanvas::TextWidth(std::string_view(Value).substr(0, bytes), GetFont());
}

std::int32_t Edit::CaretX() const
{
    return TextRect().Left + PrefixWidth(Caret) - ScrollX;
}

void Edit::ScrollToCaret()
{
    const Rect r = TextRect();
    const std::int32_t room = std::max(1, r.Width() - 1);
    const std::int32_t caret = PrefixWidth(Caret);
    const std::int32_t total = PrefixWidth(Value.size());
    if (caret - ScrollX > room)
        ScrollX = caret - room;
    if (caret < ScrollX)
        ScrollX = caret;
    // No empty space right of the text while part of it is scrolled away.
    ScrollX = std::clamp(ScrollX, 0, std::max(0, total - room));
}

void Edit::TextChanged()
{
    if (Changed)
        Changed();
}

void Edit::RestartBlink()
{
    if (!Focused())
        return;
    CaretOn = true;
    if (Blink != nullptr)
        Blink->SetEnabled(true); // restarts the period
}

bool Edit::OnTextInput(std::string_view text)
{
    std::size_t count = CharacterCount(Value);
    std::string accepted;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t next = i + 1;
        while (next < text.size() && IsContinuation(text[next]))
            ++next;
        const auto first = static_cast<unsigned char>(text[i]);
        const bool control = first < 0x20 || first == 0x7F;
        if (!control) {
            if (MaxLength > 0 && count >= static_cast<std::size_t>(MaxLength))
                break;
            if (MaxBytes > 0 &&
                Value.size() + accepted.size() + (next - i) > static_cast<std::size_t>(MaxBytes))
                break;
            accepted.append(text.substr(i, next - i));
            ++count;
        }
        i = next;
    }
    if (accepted.empty())
        return true;
    Value.insert(Caret, accepted);
    Caret += accepted.size();
    ScrollToCaret();
    RestartBlink();
    Invalidate();
    TextChanged();
    return true;
}

bool Edit::OnKeyDown(KeyCode key, ShiftState shift)
{
    (void)shift;
    std::size_t caret = Caret;
    bool edited = false;
    switch (key) {
    case Key::Back:
        if (Caret == 0)
            return true;
        caret = PreviousBoundary(Value, Caret);
        Value.erase(caret, Caret - caret);
        edited = true;
        break;
    case Key::Delete:
        if (Caret >= Value.size())
            return true;
        Value.erase(Caret, NextBoundary(Value, Caret) - Caret);
        edited = true;
        break;
    case Key::Home:
        caret = 0;
        break;
    case Key::End:
        caret = Value.size();
        break;
    case Key::Left:
        caret = PreviousBoundary(Value, Caret);
        break;
    case Key::Right:
        caret = NextBoundary(Value, Caret);
        break;
    case Key::Return:
        if (ReturnPressed)
            ReturnPressed();
        return true;
    default:
        return false;
    }
    Caret = caret;
    ScrollToCaret();
    RestartBlink();
    Invalidate();
    if (edited)
        TextChanged();
    return true;
}

bool Edit::OnMouseDown(int button, ShiftState, std::int32_t x, std::int32_t)
{
    if (button != Mouse::Left)
        return true;
    // The character boundary nearest to the click.
    const std::int32_t target = x - TextRect().Left + ScrollX;
    std::size_t best = 0;
    std::int32_t bestDistance = std::abs(target);
    for (std::size_t pos = 0; pos < Value.size();) {
        pos = NextBoundary(Value, pos);
        const std::int32_t distance = std::abs(PrefixWidth(pos) - target);
        if (distance < bestDistance) {
            best = pos;
            bestDistance = distance;
        }
    }
    SetCaretPos(best);
    return true;
}

void Edit::OnFocusEnter()
{
    if (Blink == nullptr && App() != nullptr) {
        Blink = std::make_unique<Timer>(*App());
        Blink->SetInterval(BlinkMilliseconds);
        Blink->OnTimer = [this] {
            CaretOn = !CaretOn;
            Invalidate();
        };
    }
    if (Blink != nullptr)
        Blink->SetEnabled(true);
    CaretOn = true;
    Invalidate();
}

void Edit::OnFocusExit()
{
    if (Blink != nullptr)
        Blink->SetEnabled(false);
    CaretOn = false;
    Invalidate();
}

void Edit::OnResize()
{
    ScrollToCaret();
}

void Edit::Paint()
{
    WidgetCanvas canvas(*this);
    if (!canvas.Ok())
        return;
    const Rect client = ClientRect();
    canvas.Fill(client, Color);
    canvas.Frame(client, WidgetLook::Border);
    const Font* font = GetFont();
    const Rect r = TextRect();
    const Colour ink = font != nullptr ? font->Color : 0;
    // The text box starts left of the visible part by the scroll offset; the canvas clips it to r.
    const std::int32_t width = PrefixWidth(Value.size());
    Rect text{r.Left - ScrollX, r.Top, r.Left - ScrollX + std::max(width + 1, r.Width() + ScrollX), r.Bottom};
    canvas.ClipTo(&r);
    canvas.Text(text, Value, TextFormat::Left, ink, font);
    if (CaretOn && Focused()) {
        const std::int32_t x = CaretX();
        const std::int32_t h = font != nullptr ? font->PixelHeight() : r.Height();
        const std::int32_t top = r.Top + std::max(0, (r.Height() - h) / 2);
        canvas.Fill(Rect{x, top, x + 1, std::min(r.Bottom, top + h)}, ink);
    }
}
