// The options of one run (the options dialog changes them; nothing is stored between runs).
#pragma once

// "Sound Effects": events play sounds. Default on.
extern int SoundEffects;
// "Auto-Move": the board view follows the player whose turn begins. Default on.
extern int AutoMove;
// "Initial Cash": each player's dollars at the start of a game, 1 to 1000000. Default 100000.
extern int InitialCash;
