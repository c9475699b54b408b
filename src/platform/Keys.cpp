// Accelerator text to shortcut key.
#include "platform/Keys.h"

#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

std::uint16_t KeyOfName(std::string_view name)
{
    if (name.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(name[0]);
        if (std::isalpha(c))
            return static_cast<std::uint16_t>(std::toupper(c));
        if (std::isdigit(c))
            return c;
        return 0;
    }
    static const std::array<std::pair<std::string_view, KeyCode>, 16> names{{
        {"BkSp", Key::Back},
        {"Tab", Key::Tab},
        {"Enter", Key::Return},
        {"Esc", Key::Escape},
        {"Space", Key::Space},
        {"PgUp", Key::PageUp},
        {"PgDn", Key::PageDown},
        {"End", Key::End},
        {"Home", Key::Home},
        {"Left", Key::Left},
        {"Up", Key::Up},
        {"Right", Key::Right},
        {"Down", Key::Down},
        {"Ins", Key::Insert},
        {"Del", Key::Delete},
        {"Backspace", Key::Back},
    }};
    for (const auto& [n, key] : names) {
        if (EqualsNoCase(name, n))
            return key;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int n = 0;
        for (std::size_t i = 1; i < name.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(name[i])))
                return 0;
            n = n * 10 + (name[i] - '0');
        }
        if (n >= 1 && n <= 12)
            return static_cast<std::uint16_t>(Key::F1 + n - 1);
    }
    return 0;
}

} // namespace

std::uint16_t TextToShortCut(std::string_view text)
{
    std::uint16_t modifiers = 0;
    for (;;) {
        if (StartsWithNoCase(text, "Shift+") && text.size() > 6) {
            modifiers |= ShortCut::Shift;
            text.remove_prefix(6);
        } else if (StartsWithNoCase(text, "Ctrl+") && text.size() > 5) {
            modifiers |= ShortCut::Ctrl;
            text.remove_prefix(5);
        } else if (StartsWithNoCase(text, "Alt+") && text.size() > 4) {
            modifiers |= ShortCut::Alt;
            text.remove_prefix(4);
        } else {
            break;
        }
    }
    const std::uint16_t key = text.empty() ? 0 : KeyOfName(text);
    return key == 0 ? 0 : static_cast<std::uint16_t>(key | modifiers);
}
