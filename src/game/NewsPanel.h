// NewsPanel: the calendar and news panel of the game screen: the weekday and week, a headline and
// four boxes of news that the game writes by event code, and the pay-day notice on Thursdays.
#pragma once

#include "controls/Panel.h"

#include <array>
#include <memory>
#include <string>

struct GameState;
struct NewsLine;
class GameImages;
class WinControl;

class NewsPanel : public Panel
{
public:
    NewsPanel(WinControl& owner, const GameState& state, const GameImages& images);
    ~NewsPanel() override;

    std::unique_ptr<::Font> HeadlineFont;
    std::unique_ptr<::Font> ItemFont;
    // The item font narrowed, for sentences too long for three lines of it.
    std::unique_ptr<::Font> NarrowItemFont;
    std::unique_ptr<::Font> NarrowestItemFont;
    // The slot the next sentence goes to (0 to 4).
    std::int32_t NextSlot = 0;
    // Slot 0 the headline, slots 1 to 4 the boxes; empty = not shown.
    std::array<std::string, 5> News;

    // The sentence of code (a NewsCode) for the current player, value and arg, stored in the next
    // slot; the panel is then refreshed, except for the opening line (code 0).
    void Post(std::int32_t code, std::int32_t value, std::int32_t arg);
    void Post(const NewsLine& line);
    // The sentence Post would store.
    std::string Sentence(std::int32_t code, std::int32_t value, std::int32_t arg) const;
    void Paint() override;
    // The box of slot 1 to 4 in screen pixels as it is drawn for text (grown to fit the wrapped
    // text), and the item font the text is drawn in; empty for another slot.
    Rect BoxRect(std::int32_t slot, const std::string& text, const ::Font** font = nullptr);

private:
    void Clear();
    // Where the box of slot 1 to 4 begins: its left, top and width in fractions of ScreenSize.
    RelRect BoxPlace(std::int32_t slot) const;
    void DrawNewsBox(const std::string& text, std::int32_t slot);
    std::array<const ::Font*, 3> ItemFonts() const;

    const GameState& State;
    const GameImages& Images;
};
