// The game state's helpers.
#include "rules/GameState.h"

#include "archive/Utf8.h"

#include <algorithm>

std::string_view Player::NameText() const
{
    const auto end = std::find(Name.begin(), Name.end() - 1, '\0');
    return std::string_view(Name.data(), static_cast<std::size_t>(end - Name.begin()));
}

void Player::SetName(std::string_view name)
{
    name = Utf8Prefix(name.substr(0, name.find('\0')), Name.size() - 1);
    Name.fill('\0');
    std::copy(name.begin(), name.end(), Name.begin());
}

std::int32_t GameState::PlayersLeft() const
{
    return static_cast<std::int32_t>(std::count_if(
        Players.begin(), Players.end(), [](const Player& p) { return p.State != PlayerState::Out; }));
}

std::int32_t GameState::Winner() const
{
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        if (Players[static_cast<std::size_t>(i)].State != PlayerState::Out) {
            return i;
        }
    }
    return -1;
}
