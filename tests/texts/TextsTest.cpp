// Tests of the text table: group order and lookup, slot widths, cutting, resetting.
#include "texts/Texts.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class TextsTest : public ::testing::Test
{
protected:
    void TearDown() override { ResetTexts(); }
};

TEST_F(TextsTest, IndexedGroupsFollowTheirNumbers)
{
    EXPECT_STREQ(Text(TextGroup::OwnerNames, 0), "Governor");
    EXPECT_STREQ(PlayerName(0), "Player 1");
    EXPECT_STREQ(PlayerName(5), "Player 6");
    EXPECT_STREQ(Text(TextGroup::OwnerNames, 7), "");
    EXPECT_EQ(TextCount(TextGroup::OwnerNames), 9);

    EXPECT_STREQ(Text(TextGroup::EducationNames, 3), "Graduate");
    EXPECT_STREQ(Text(TextGroup::JobNames, 0), "Unemployed");
    EXPECT_STREQ(Text(TextGroup::JobNames, 5), "President Co.");
    EXPECT_STREQ(Text(TextGroup::JobNames, 7), "Richman");

    // Kind names by Kind - 64: both lots read "LOT", the level-0 lot "None".
    EXPECT_EQ(TextCount(TextGroup::KindNames), 17);
    EXPECT_STREQ(Text(TextGroup::KindNames, 64 - 64), "LOT");
    EXPECT_STREQ(Text(TextGroup::KindNames, 72 - 64), "PRISION Z.");
    EXPECT_STREQ(Text(TextGroup::KindNames, 73 - 64), "None");
    EXPECT_STREQ(Text(TextGroup::KindNames, 74 - 64), "LOT");
    EXPECT_STREQ(Text(TextGroup::KindNames, 80 - 64), "HOTEL");

    EXPECT_STREQ(Text(TextGroup::StructureNames, 5), "shopping c.");
    EXPECT_STREQ(Text(TextGroup::ValueLabels, 5), "Shopping C:");
    EXPECT_EQ(TextCount(TextGroup::EventTitles), 14);
    EXPECT_STREQ(Text(TextGroup::EventTitles, 4), "Pay others players");
    EXPECT_STREQ(Text(TextGroup::EventTitles, 7), "Prision");
    EXPECT_STREQ(Text(TextGroup::EventTitles, 12), "Winner");
    EXPECT_STREQ(Text(TextGroup::EventTitles, 13), "Warning");
    EXPECT_STREQ(Text(TextGroup::DecisionTitles, 3), "School-University");
    EXPECT_STREQ(Text(TextGroup::Weekdays, 0), "Sunday, ");
    EXPECT_STREQ(Text(TextGroup::Weekdays, 6), "Saturday, ");
    EXPECT_STREQ(Text(TextGroup::EditorTools, 0), "Select");
    EXPECT_STREQ(Text(TextGroup::EditorTools, 7), "StNames");
}

TEST_F(TextsTest, NamedFragmentsKeepTheirBlanksAndSpelling)
{
    EXPECT_STREQ(Text(TextGroup::NewsFragments, NewsText::Throws), " THROWS ");
    EXPECT_STREQ(Text(TextGroup::NewsFragments, NewsText::SeeFamily), " goes and see family in jail");
    EXPECT_STREQ(Text(TextGroup::NewsFragments, NewsText::PayDayTomorrow), "TOMORROW BE PAY DAY!");
    EXPECT_STREQ(Text(TextGroup::DialogFragments, DialogText::SpaceDollar), " $");
    EXPECT_STREQ(Text(TextGroup::DialogFragments, DialogText::HospitalBill), "You go to Hospital. Bill: $");
    EXPECT_STREQ(Text(TextGroup::DialogFragments, DialogText::Wins), " wins!");
    EXPECT_STREQ(Text(TextGroup::MortgageTexts, MortgageText::DaysLeft), " day(s) left to pay off");
    EXPECT_STREQ(Text(TextGroup::StreetInfo, StreetInfoText::RentDollar), "P$");
    EXPECT_STREQ(Text(TextGroup::TitleDeed, TitleDeedText::Confidential), "CONFIDENTIAL");
    EXPECT_STREQ(Text(TextGroup::GameButtons, GameButtonText::ThrowDice), "Throw Dice <SPACE>");
    EXPECT_STREQ(Text(TextGroup::ShellDialogs, ShellText::InitialCash), "Initial Cash:");
    EXPECT_STREQ(Text(TextGroup::ShellDialogs, ShellText::Empty), "");
    EXPECT_STREQ(Text(TextGroup::EditorMore, EditorMoreText::Debt), "Debt: $");
    EXPECT_STREQ(Text(TextGroup::MainMenu, MainMenuText::Quit), "Quit");
    EXPECT_STREQ(Text(TextGroup::LongMessages, LongText::FileExists),
                 "File already exist. Do you want to replace it?");
    EXPECT_STREQ(Text(TextGroup::LongestMessages, LongestText::FourWeeks),
                 "(You have four weeks to pay off the mortgage before it will be seized)");
}

TEST_F(TextsTest, SlotWidthsByGroup)
{
    EXPECT_EQ(TextSlotSize(TextGroup::OwnerNames), 32);
    EXPECT_EQ(TextSlotSize(TextGroup::EditorMore), 32);
    EXPECT_EQ(TextSlotSize(TextGroup::LongMessages), 64);
    EXPECT_EQ(TextSlotSize(TextGroup::LongestMessages), 128);
    EXPECT_EQ(TextCount(TextGroup::LongMessages), 6);
    EXPECT_EQ(TextCount(TextGroup::LongestMessages), 2);
}

TEST_F(TextsTest, StreetValueLevelIsCappedAtHighest)
{
    EXPECT_STREQ(Text(TextGroup::StreetValueLevels, StreetValueLevel(0)), "Lowest");
    EXPECT_STREQ(Text(TextGroup::StreetValueLevels, StreetValueLevel(2)), "Lowest");
    EXPECT_STREQ(Text(TextGroup::StreetValueLevels, StreetValueLevel(3)), "Very low");
    EXPECT_STREQ(Text(TextGroup::StreetValueLevels, StreetValueLevel(27)), "Highest");
    EXPECT_STREQ(Text(TextGroup::StreetValueLevels, StreetValueLevel(30)), "Highest");
    EXPECT_STREQ(Text(TextGroup::StreetValueLevels, StreetValueLevel(31)), "Highest");
}

TEST_F(TextsTest, NamesAreCutToTheirSlot)
{
    const std::string thirtyOne(31, 'a');
    SetPlayerName(2, thirtyOne);
    EXPECT_EQ(std::string(PlayerName(2)), thirtyOne);

    SetPlayerName(2, thirtyOne + "bcd");
    EXPECT_EQ(std::string(PlayerName(2)), thirtyOne);
    // Neighbouring slots are untouched.
    EXPECT_STREQ(PlayerName(1), "Player 2");
    EXPECT_STREQ(PlayerName(3), "Player 4");

    SetPlayerName(2, "Bo");
    EXPECT_STREQ(PlayerName(2), "Bo");
    // Cut between letters: byte 31 would be the second half of "Ö".
    SetPlayerName(2, "Zoë Ångström-Müller, Åsa Öberg");
    EXPECT_STREQ(PlayerName(2), "Zoë Ångström-Müller, Åsa ");
    SetPlayerName(2, "Zoë Ångström-Müller");
    EXPECT_STREQ(PlayerName(2), "Zoë Ångström-Müller");

    const std::string long70(70, 'x');
    SetText(TextGroup::LongMessages, LongText::Version, long70);
    EXPECT_EQ(std::string(Text(TextGroup::LongMessages, LongText::Version)), long70.substr(0, 63));
    EXPECT_STREQ(Text(TextGroup::LongMessages, LongText::MustMortgage), "You must mortgage a property");
}

TEST_F(TextsTest, OutOfRangeIndexesAreHarmless)
{
    EXPECT_STREQ(Text(TextGroup::JobNames, 8), "");
    EXPECT_STREQ(Text(TextGroup::JobNames, -1), "");
    SetText(TextGroup::JobNames, 8, "Pirate");
    SetText(TextGroup::JobNames, -1, "Pirate");
    // The next group's first slot is not overwritten by an index past the end.
    EXPECT_STREQ(Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::Salary), "Salary: ");
}

TEST_F(TextsTest, ResetBringsBackTheTable)
{
    SetPlayerName(0, "Alice");
    SetText(TextGroup::LongestMessages, LongestText::CannotRead, "gone");
    ResetTexts();
    EXPECT_STREQ(PlayerName(0), "Player 1");
    EXPECT_STREQ(Text(TextGroup::LongestMessages, LongestText::CannotRead),
                 " does not exist or cannot be read. Please check the file name and access privileges.");
}

} // namespace
