// Key mapping between SDL and the virtual-key codes of the game.
#include "platform/SdlKeys.h"

#include <array>
#include <utility>

namespace {

// Keys that are not letters, digits or function keys.
const std::array<std::pair<SDL_Keycode, KeyCode>, 41> KeyTable{{
    {SDLK_BACKSPACE, Key::Back},
    {SDLK_TAB, Key::Tab},
    {SDLK_RETURN, Key::Return},
    {SDLK_KP_ENTER, Key::Return},
    {SDLK_LSHIFT, Key::Shift},
    {SDLK_RSHIFT, Key::Shift},
    {SDLK_LCTRL, Key::Control},
    {SDLK_RCTRL, Key::Control},
    {SDLK_LALT, Key::Alt},
    {SDLK_RALT, Key::Alt},
    {SDLK_PAUSE, Key::Pause},
    {SDLK_CAPSLOCK, Key::CapsLock},
    {SDLK_ESCAPE, Key::Escape},
    {SDLK_SPACE, Key::Space},
    {SDLK_PAGEUP, Key::PageUp},
    {SDLK_PAGEDOWN, Key::PageDown},
    {SDLK_END, Key::End},
    {SDLK_HOME, Key::Home},
    {SDLK_LEFT, Key::Left},
    {SDLK_UP, Key::Up},
    {SDLK_RIGHT, Key::Right},
    {SDLK_DOWN, Key::Down},
    {SDLK_INSERT, Key::Insert},
    {SDLK_DELETE, Key::Delete},
    {SDLK_KP_MULTIPLY, Key::Multiply},
    {SDLK_KP_PLUS, Key::Add},
    {SDLK_KP_MINUS, Key::Subtract},
    {SDLK_KP_PERIOD, Key::Decimal},
    {SDLK_KP_DIVIDE, Key::Divide},
    {SDLK_SEMICOLON, Key::Semicolon},
    {SDLK_EQUALS, Key::Equals},
    {SDLK_PLUS, Key::Equals},
    {SDLK_COMMA, Key::Comma},
    {SDLK_MINUS, Key::Minus},
    {SDLK_PERIOD, Key::Period},
    {SDLK_SLASH, Key::Slash},
    {SDLK_BACKQUOTE, Key::BackQuote},
    {SDLK_LEFTBRACKET, Key::LeftBracket},
    {SDLK_BACKSLASH, Key::Backslash},
    {SDLK_RIGHTBRACKET, Key::RightBracket},
    {SDLK_QUOTE, Key::Quote},
}};

constexpr std::array<SDL_Keycode, 10> KeypadDigits{SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                                   SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
constexpr std::array<SDL_Keycode, 12> FunctionKeys{SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                                                   SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};

} // namespace

KeyCode VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return static_cast<KeyCode>(Key::A + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9)
        return static_cast<KeyCode>(Key::Digit0 + (key - SDLK_0));
    for (std::size_t i = 0; i < KeypadDigits.size(); ++i) {
        if (key == KeypadDigits[i])
            return static_cast<KeyCode>(Key::Numpad0 + i);
    }
    for (std::size_t i = 0; i < FunctionKeys.size(); ++i) {
        if (key == FunctionKeys[i])
            return static_cast<KeyCode>(Key::F1 + i);
    }
    for (const auto& [sdl, vk] : KeyTable) {
        if (key == sdl)
            return vk;
    }
    // Layouts without Latin letters: the key's place gives the letter.
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return static_cast<KeyCode>(Key::A + (scancode - SDL_SCANCODE_A));
    return 0;
}

SDL_Keysym SdlKeysymFromVirtual(KeyCode vk)
{
    SDL_Keysym sym{};
    sym.sym = SDLK_UNKNOWN;
    if (vk >= Key::A && vk < Key::A + 26)
        sym.sym = SDLK_a + (vk - Key::A);
    else if (vk >= Key::Digit0 && vk < Key::Digit0 + 10)
        sym.sym = SDLK_0 + (vk - Key::Digit0);
    else if (vk >= Key::Numpad0 && vk < Key::Numpad0 + 10)
        sym.sym = KeypadDigits[vk - Key::Numpad0];
    else if (vk >= Key::F1 && vk < Key::F1 + 12)
        sym.sym = FunctionKeys[vk - Key::F1];
    else {
        for (const auto& [sdl, code] : KeyTable) {
            if (code == vk) {
                sym.sym = sdl;
                break;
            }
        }
    }
    sym.scancode = SDL_GetScancodeFromKey(sym.sym);
    return sym;
}

ShiftState ShiftFromSdlMod(Uint16 mod)
{
    ShiftState s = 0;
    if (mod & KMOD_SHIFT)
        s |= Shift::Shift;
    if (mod & KMOD_ALT)
        s |= Shift::Alt;
    if (mod & KMOD_CTRL)
        s |= Shift::Ctrl;
    return s;
}

Uint16 SdlModFromShift(ShiftState shift)
{
    Uint16 mod = 0;
    if (shift & Shift::Shift)
        mod |= KMOD_LSHIFT;
    if (shift & Shift::Alt)
        mod |= KMOD_LALT;
    if (shift & Shift::Ctrl)
        mod |= KMOD_LCTRL;
    return mod;
}
