// SDL key and modifier values to virtual-key codes and shift states, and back (for injected
// events). Inside the windowing layer only.
#pragma once

#include "platform/Keys.h"

#include <SDL.h>

// 0 when the key has no virtual-key code.
KeyCode VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode);
// The SDL key and scancode that VirtualKeyFromSdl maps to vk (SDLK_UNKNOWN when none).
SDL_Keysym SdlKeysymFromVirtual(KeyCode vk);
ShiftState ShiftFromSdlMod(Uint16 mod);
Uint16 SdlModFromShift(ShiftState shift);
