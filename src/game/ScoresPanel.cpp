// The scores panel: one card per player in the game, players out of it leaving no gap.
#include "game/ScoresPanel.h"

#include "game/GameImages.h"
#include "graphics/Surface.h"
#include "rules/GameState.h"
#include "texts/Texts.h"

#include <string>

namespace {

constexpr std::int32_t AlignCentre = 2;
// Widths (of the screen) of the card's light label and of its round badge.
constexpr float LabelWidth = 0.07f;
constexpr float BadgeWidth = 0.018f;

} // namespace

RelRect ScoresPanel::CardSlot(std::int32_t i)
{
    // The card positions as the drawing walks them: two across, then the next row.
    float left = 0;
    float top = 0;
    for (std::int32_t k = 0; k < i; ++k) {
        left += 0.1f;
        if (left > 0.12f) {
            left = 0;
            top += 0.053f;
        }
    }
    return MakeRelRect(left, top, 0.1f, 0.052f);
}

ScoresPanel::ScoresPanel(WinControl& owner, const GameState& state, const GameImages& images)
    : State(state), Images(images)
{
    Init(owner);
    Font = MakeFont("Arial", 400, 17, 4);
    SetArea(MakeRelRect(0, 0, 0.2f, 0.16f));
}

void ScoresPanel::Paint()
{
    Background = Images.BScores.get();
    DrawBackground();
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    std::int32_t slot = 0;
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const Player& player = State.Players[static_cast<std::size_t>(i)];
        if (player.State == PlayerState::Out)
            continue;
        const RelRect card = CardSlot(slot++);
        DrawSpriteButton(*target, card, Images.PScores.get(), Scratch(), Background, Area, i);
        const float x = Area.Left + card.Left;
        const float y = Area.Top + card.Top;
        // Long names and large sums are narrowed to the card's label, the count to its badge.
        target->DrawTextAt(player.NameText(), Font.get(), x + 0.061f, y + 0.008f, AlignCentre, LabelWidth);
        target->DrawTextAt(Text(TextGroup::PlayerInfo, PlayerInfoText::Cash) + std::to_string(player.Cash),
                           Font.get(), x + 0.061f, y + 0.027f, AlignCentre, LabelWidth);
        if (player.State >= PlayerState::Held) {
            target->DrawTextAt(std::to_string(player.HeldDays) + "/" + std::to_string(player.State - 1),
                               Font.get(), x + 0.0135f, y + 0.0096f, AlignCentre, BadgeWidth);
        }
    }
}
