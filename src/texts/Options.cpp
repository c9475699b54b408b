// The options of one run, with their defaults.
#include "texts/Options.h"

int SoundEffects = 1;
int AutoMove = 1;
int InitialCash = 100000;
