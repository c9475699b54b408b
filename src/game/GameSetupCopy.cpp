// Copies of the program-wide set-up and options for the rules engine and the game screen, and
// Auto-Move.
#include "game/GameSetupCopy.h"

#include "texts/Options.h"
#include "texts/Texts.h"

static_assert(std::tuple_size_v<decltype(PlayerInGame)> == PlayerSlots);
static_assert(std::tuple_size_v<decltype(PlayerHuman)> == PlayerSlots);

GameSetup CurrentGameSetup()
{
    GameSetup setup;
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        setup.InGame[slot] = PlayerInGame[slot] != 0;
        setup.Human[slot] = PlayerHuman[slot] != 0;
        setup.Names[slot] = PlayerName(i);
    }
    setup.InitialCash = InitialCash;
    return setup;
}

RulesOptions CurrentRulesOptions()
{
    return RulesOptions{SoundEffects != 0};
}

ScreenPlayOptions CurrentScreenPlayOptions()
{
    return ScreenPlayOptions{ComputersPlay != 0, ComputerSpeed == ComputerSpeedFast, Autosave != 0};
}

void FollowTurn(Board& board, const GameState& state, std::int32_t slot)
{
    if (AutoMove == 0 || slot < 0 || slot >= PlayerSlots) {
        return;
    }
    const Player& player = state.Players[static_cast<std::size_t>(slot)];
    board.CenterX = player.X;
    board.CenterY = player.Y;
}
