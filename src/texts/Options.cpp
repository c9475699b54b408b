// The options of one run and the set-up of the next new game, with their defaults.
#include "texts/Options.h"

int SoundEffects = 1;
int AutoMove = 1;
int InitialCash = 100000;
int ComputersPlay = 0;
int ComputerSpeed = ComputerSpeedNormal;
int Autosave = 1;

std::array<std::int32_t, 6> PlayerInGame{1, 1, 1, 0, 0, 0};
std::array<std::int32_t, 6> PlayerHuman{1, 0, 0, 0, 0, 0};
