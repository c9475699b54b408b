// The player information panel: labels in the normal font, values in bold one line below them.
#include "game/PlayerPanel.h"

#include "game/GameImages.h"
#include "graphics/Surface.h"
#include "rules/GameState.h"
#include "texts/Texts.h"

#include <string>

PlayerPanel::PlayerPanel(WinControl& owner, const GameState& state, const GameImages& images,
                         const ::Font& normal, const ::Font& bold)
    : State(state), Images(images), Normal(normal), Bold(bold)
{
    Init(owner);
    SetArea(MakeRelRect(0.2f, 0, 0.18f, 0.16f));
}

void PlayerPanel::Paint()
{
    Background = Images.BPlayerInfo.get();
    DrawBackground();
    Surface* target = TargetSurface();
    if (target == nullptr || !State.HasCurrent())
        return;
    const Player& player = State.CurrentPlayer();
    DrawSpriteButton(*target, MakeRelRect(0.008f, 0.015f, 0.05f, 0.07f),
                     player.Human == 1 ? Images.PPlayerH.get() : Images.PPlayerC.get(), Scratch(), nullptr,
                     Area, State.Current);

    const float L = Area.Left;
    const float T = Area.Top;
    const float lh = ScreenSize.Height > 0 ? static_cast<float>(Normal.PixelHeight() - 1) /
                                                 static_cast<float>(ScreenSize.Height)
                                           : 0.0f;
    // Values are narrowed to their column (the left one ends where the right one begins, the
    // right one at the frame) rather than run into the next one.
    const auto labelAndValue = [&](const std::string& label, const std::string& value, float x, float y,
                                   float width) {
        target->DrawTextAt(label, &Normal, x, y, 0);
        target->DrawTextAt(value, &Bold, x, y + lh, 0, width);
    };
    constexpr float LeftColumn = 0.079f;
    constexpr float RightColumn = 0.08f;
    labelAndValue(Text(TextGroup::TitleDeed, TitleDeedText::Name), std::string(player.NameText()), L + 0.092f,
                  T + 0.015f, RightColumn);
    labelAndValue(Text(TextGroup::PlayerInfo, PlayerInfoText::Education),
                  Text(TextGroup::EducationNames, player.Education), L + 0.092f, T + 0.05f, RightColumn);
    labelAndValue(Text(TextGroup::Occupation, 0), Text(TextGroup::JobNames, player.Job), L + 0.01f, T + 0.09f,
                  LeftColumn);
    labelAndValue(Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::Salary),
                  Text(TextGroup::DialogFragments, DialogText::Dollar) + std::to_string(player.Salary),
                  L + 0.092f, T + 0.09f, RightColumn);
    // The counts stand on their label's line.
    target->DrawTextAt(Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::Properties), &Normal, L + 0.01f,
                       T + 0.125f, 0);
    target->DrawTextAt(std::to_string(player.PropertyCount), &Bold, L + 0.07f, T + 0.125f, 0, 0.02f);
    target->DrawTextAt(Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::Mortgages), &Normal, L + 0.092f,
                       T + 0.125f, 0);
    target->DrawTextAt(std::to_string(player.MortgageCount), &Bold, L + 0.155f, T + 0.125f, 0, 0.018f);
}
