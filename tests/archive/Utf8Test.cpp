// Tests of cutting UTF-8 text to a slot: never inside a character, never shorter than needed, and
// bytes of an older one-byte code page cut like any byte.
#include "archive/Utf8.h"

#include <gtest/gtest.h>
#include <string>

namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

TEST(Utf8Prefix, CutsAtTheLastCharacterBoundaryWithinTheLimit)
{
    for (const std::string text : {"Zoë Ångström-Müller", "Chloë Ångström-Müller", "ab€🎲c€", "plain"}) {
        for (std::size_t limit = 0; limit <= text.size() + 1; ++limit) {
            const std::string_view cut = Utf8Prefix(text, limit);
            // The longest start that ends between two characters.
            std::size_t expected = std::min(limit, text.size());
            while (expected < text.size() && IsContinuation(text[expected])) {
                --expected;
            }
            EXPECT_EQ(cut, std::string_view(text).substr(0, expected)) << text << " in " << limit << " bytes";
        }
    }
    EXPECT_EQ(Utf8Prefix("Zoë Ångström-Müller", 15), "Zoë Ångström");
    EXPECT_EQ(Utf8Prefix("Zoë Ångström-Müller", 13), "Zoë Ångstr"); // not half an "ö"
    EXPECT_EQ(Utf8Prefix("Chloë Ångström-Müller", 15), "Chloë Ångstr");
    EXPECT_EQ(Utf8Prefix("a🎲", 4), "a");
    EXPECT_EQ(Utf8Prefix("a🎲", 5), "a🎲");
}

TEST(Utf8Prefix, BytesThatAreNotUtf8CountOneEach)
{
    // Windows-1252 "Café ©": é and © are single bytes; é looks like a lead byte, © like a
    // continuation byte, but neither is part of a character.
    const std::string oldText = "Caf\xE9 \xA9";
    for (std::size_t limit = 0; limit <= oldText.size(); ++limit) {
        EXPECT_EQ(Utf8Prefix(oldText, limit), oldText.substr(0, limit)) << limit;
    }
    EXPECT_EQ(Utf8Prefix("a\xC3z", 2), "a\xC3");      // a lead byte without its continuation
    EXPECT_EQ(Utf8Prefix("ab\xE2\x82", 3), "ab\xE2"); // a character cut short before
}

} // namespace
