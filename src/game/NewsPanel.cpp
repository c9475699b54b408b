// The calendar and news panel: the news sentences of the current player, the slots they cycle
// through, and the grey boxes that grow with their wrapped text.
#include "game/NewsPanel.h"

#include "game/GameImages.h"
#include "graphics/Surface.h"
#include "report/NewsSentence.h"
#include "rules/GameState.h"
#include "rules/RulesHost.h"
#include "texts/Texts.h"

namespace {

constexpr Colour BoxGrey = 0xEAEAEA;
constexpr Colour BoxEdge = 0xC4C4C4;
constexpr std::int32_t HeadlineSlot = 0;
constexpr std::int32_t LastSlot = 4;

std::string Fragment(int index)
{
    return Text(TextGroup::NewsFragments, index);
}

} // namespace

NewsPanel::NewsPanel(WinControl& owner, const GameState& state, const GameImages& images)
    : State(state), Images(images)
{
    Init(owner);
    HeadlineFont = MakeFont("Times New Roman", 700, 17, 5);
    ItemFont = MakeFont("Times New Roman", 700, 15, 5);
    NarrowItemFont = MakeFont("Times New Roman", 700, 15, 4.3);
    NarrowestItemFont = MakeFont("Times New Roman", 700, 15, 3.6);
    Font = MakeFont("Times New Roman", 400, 15, 5);
    SetArea(MakeRelRect(0.72f, 0, 0.2f, 0.16f));
}

NewsPanel::~NewsPanel() = default;

void NewsPanel::Clear()
{
    for (std::string& line : News)
        line.clear();
    NextSlot = HeadlineSlot;
}

std::string NewsPanel::Sentence(std::int32_t code, std::int32_t value, std::int32_t arg) const
{
    const auto name = [this](std::int32_t slot) {
        return slot >= 0 && slot < PlayerSlots ? State.Players[static_cast<std::size_t>(slot)].NameText()
                                               : std::string_view();
    };
    return NewsSentence(NewsLine{code, value, arg}, name(State.Current), name(arg));
}

void NewsPanel::Post(std::int32_t code, std::int32_t value, std::int32_t arg)
{
    if (code == NewsCode::Ready || code == NewsCode::Throw)
        Clear();
    else if (code == NewsCode::PayDay)
        NextSlot = LastSlot;
    if (NextSlot > LastSlot)
        NextSlot = 1;
    News[static_cast<std::size_t>(NextSlot)] = Sentence(code, value, arg);
    ++NextSlot;
    if (code != NewsCode::Ready)
        Refresh();
}

void NewsPanel::Post(const NewsLine& line)
{
    Post(line.Code, line.Value, line.Arg);
}

RelRect NewsPanel::BoxPlace(std::int32_t slot) const
{
    const float hb =
        ScreenSize.Height > 0 && ItemFont != nullptr
            ? 3.0f * static_cast<float>(ItemFont->PixelHeight()) / static_cast<float>(ScreenSize.Height)
            : 0.05f;
    const float left = slot == 1 || slot == 3 ? 0.003f : 0.101f;
    const float top = slot <= 2 ? 0.062f : 0.156f - hb;
    return MakeRelRect(Area.Left + left, Area.Top + top, 0.096f, 0);
}

Rect NewsPanel::BoxRect(std::int32_t slot, const std::string& text, const ::Font** font)
{
    if (slot < 1 || slot > LastSlot)
        return Rect{};
    const Rect place = ScreenRect(BoxPlace(slot));
    Surface* target = TargetSurface();
    // A sentence longer than three lines would run into the box below it: the first narrower
    // item font that keeps it to three lines is taken, the narrowest when none does.
    Rect r = place;
    const ::Font* chosen = ItemFont.get();
    for (const ::Font* candidate : ItemFonts()) {
        r = place;
        chosen = candidate;
        if (target != nullptr)
            target->DrawTextInRect(r, text, TextFormat::WordBreak | TextFormat::Center | TextFormat::CalcRect,
                                   0, candidate);
        if (r.Height() <= 3 * ItemFont->PixelHeight())
            break;
    }
    if (font != nullptr)
        *font = chosen;
    r.Left = place.Left;
    r.Right = place.Right;
    // A box of the lower row that would reach below the panel grows upwards instead.
    const std::int32_t lowest = Round((Area.Top + 0.156) * ScreenSize.Height);
    if (slot >= 3 && r.Bottom > lowest) {
        r.Top -= r.Bottom - lowest;
        r.Bottom = lowest;
    }
    return r;
}

std::array<const ::Font*, 3> NewsPanel::ItemFonts() const
{
    return {ItemFont.get(), NarrowItemFont.get(), NarrowestItemFont.get()};
}

void NewsPanel::DrawNewsBox(const std::string& text, std::int32_t slot)
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    const ::Font* font = nullptr;
    Rect r = BoxRect(slot, text, &font);
    target->FillRect(r, BoxGrey);
    // A faint edge keeps two boxes that meet (on a 4:3 screen) apart.
    target->FrameRect(r, BoxEdge);
    target->DrawTextInRect(
        r, text, TextFormat::WordBreak | TextFormat::Center | TextFormat::VCenter | TextFormat::NoClip, 0,
        font);
}

void NewsPanel::Paint()
{
    Background = Images.BNews.get();
    DrawBackground();
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    const float L = Area.Left;
    const float T = Area.Top;
    target->DrawTextAt(CalendarText(State.Week, State.Day), Font.get(), L + 0.01f, T + 0.026f, 0, 0.18f);
    if (!News[HeadlineSlot].empty()) {
        Rect r = ScreenRect(MakeRelRect(L + 0.005f, T + 0.043f, 0.19f, 0));
        r.Bottom = r.Top + HeadlineFont->PixelHeight();
        target->DrawTextInRect(r, News[HeadlineSlot],
                               TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine |
                                   TextFormat::ShrinkToFit,
                               0, HeadlineFont.get());
    }
    if (State.Day == PayDay)
        News[LastSlot] = Fragment(NewsText::PayDayTomorrow);
    for (std::int32_t slot = 1; slot <= LastSlot; ++slot) {
        if (!News[static_cast<std::size_t>(slot)].empty())
            DrawNewsBox(News[static_cast<std::size_t>(slot)], slot);
    }
}
