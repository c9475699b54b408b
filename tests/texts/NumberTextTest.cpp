// Typed whole numbers: what counts as a number, and numbers longer than any integer.
#include "texts/NumberText.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

TEST(ReadWholeNumber, DigitsWithBlanksAroundAndOneSignAreANumber)
{
    EXPECT_EQ(ReadWholeNumber("0"), 0);
    EXPECT_EQ(ReadWholeNumber("16"), 16);
    EXPECT_EQ(ReadWholeNumber("  007\t"), 7);
    EXPECT_EQ(ReadWholeNumber("+24"), 24);
    EXPECT_EQ(ReadWholeNumber("-5"), -5);
    for (const char* text :
         {"", " ", "+", "-", "1 2", "12a", "a12", "--1", "+-1", "1e3", "0x1F", "1.5", "1,5"})
        EXPECT_FALSE(ReadWholeNumber(text).has_value()) << '"' << text << '"';
}

TEST(ReadWholeNumber, NumbersBeyondSixtyFourBitsReadAsTheNearestEnd)
{
    constexpr auto most = std::numeric_limits<std::int64_t>::max();
    constexpr auto least = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(ReadWholeNumber("9223372036854775807"), most);
    EXPECT_EQ(ReadWholeNumber("9223372036854775808"), most);
    EXPECT_EQ(ReadWholeNumber("-9223372036854775808"), least);
    EXPECT_EQ(ReadWholeNumber("-9223372036854775809"), least);
    EXPECT_EQ(ReadWholeNumber(std::string(40, '9')), most);
    EXPECT_EQ(ReadWholeNumber(std::string("-").append(40, '1')), least);
    // Leading zeros do not count toward the size.
    EXPECT_EQ(ReadWholeNumber(std::string(60, '0').append("12")), 12);
    // Letters after many digits still make it no number.
    EXPECT_FALSE(ReadWholeNumber(std::string(40, '9').append("x")).has_value());
}
