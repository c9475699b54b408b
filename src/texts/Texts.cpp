// The text table's contents and its fixed-width writable slots.
#include "texts/Texts.h"

#include "archive/Utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace {

struct GroupSpec
{
    TextGroup Group;
    int SlotSize;
    std::span<const std::string_view> Texts;
};

// The table, group by group, in order. These are the game's own texts, spelling included.
constexpr std::string_view OwnerNamesTexts[] = {"Governor", "Player 1", "Player 2", "Player 3", "Player 4",
                                                "Player 5", "Player 6", "",         ""};
constexpr std::string_view MainMenuTexts[] = {"New Game", "Load Game", "Save Game", "Restore", "Options",
                                              "Help",     "Credits",   "Quit",      "----",    "----"};
constexpr std::string_view PlayerInfoTexts[] = {"Week: ", "Throw", "Cash: $", "Education: "};
constexpr std::string_view EducationNamesTexts[] = {"None", "School", "High school", "Graduate"};
constexpr std::string_view OccupationTexts[] = {"Occupation: "};
constexpr std::string_view JobNamesTexts[] = {"Unemployed", "Laborer",       "Merchant",    "Administrative",
                                              "Executive",  "President Co.", "Stockbroker", "Richman"};
constexpr std::string_view PlayerInfoMoreTexts[] = {
    "Salary: ", "Properties: ", "Mortgages: ", "No properties"};
constexpr std::string_view DialogButtonsTexts[] = {"&Ok", "&Cancel", "&Yes", "&No"};
constexpr std::string_view KindNamesTexts[] = {
    "LOT",       "GOVERNOR",   "EMPLOYMENT OF.", "UNIVERSITY",  "POLICE", "PRISION",
    "HOSPITAL",  "COURTHOUSE", "PRISION Z.",     "None",        "LOT",    "HOUSES",
    "APARTMENT", "SKYSCRAPER", "STORES",         "SHOPPING C.", "HOTEL"};
constexpr std::string_view StructureNamesTexts[] = {"lot",    "houses",      "apartment", "skyscraper",
                                                    "stores", "shopping c.", "hotel"};
constexpr std::string_view ValueLabelsTexts[] = {
    "Lot value:", "Houses:", "Apartment:", "Skyscraper:", "Stores:", "Shopping C:", "Hotel:"};
constexpr std::string_view EventTitlesTexts[] = {"About",
                                                 "Street information",
                                                 "Structure information",
                                                 "Player Information",
                                                 "Pay others players",
                                                 "Treasury Department",
                                                 "Police Department",
                                                 "Prision",
                                                 "Hospital",
                                                 "Courthouse",
                                                 "Seizure",
                                                 "Game Over",
                                                 "Winner",
                                                 "Warning"};
constexpr std::string_view MortgageTextsTexts[] = {"Mortgage value:", "Mortgage $",
                                                   " day(s) left to pay off"};
constexpr std::string_view DecisionTitlesTexts[] = {"To buy or not to buy?", "To build or not to build?",
                                                    "Employment Office", "School-University"};
constexpr std::string_view DialogFragmentsTexts[] = {"$",
                                                     "Pay ",
                                                     " $",
                                                     "Do you buy lot for $",
                                                     "Do you build ",
                                                     " for $",
                                                     "Job Openings:",
                                                     ", Wages: $",
                                                     "Current Job: ",
                                                     " for School tuition",
                                                     "Drop out ",
                                                     " turn(s)",
                                                     "Receive $",
                                                     "Pay $",
                                                     "Treasury Dp.",
                                                     "Fine: $",
                                                     "Police Dp.",
                                                     "Go and see family in jail",
                                                     "You go to Hospital. Bill: $",
                                                     "Put in prison",
                                                     "Out 5 turns",
                                                     " lost mortgaged property",
                                                     " is ruined!",
                                                     " wins!",
                                                     "Nobody wins!"};
constexpr std::string_view StreetInfoTexts[] = {
    "Streets:", "Owner:", "Land value:", "Current payment:", "Street Value: ", "P$"};
constexpr std::string_view StreetValueLevelsTexts[] = {"Lowest",    "Very low", "Low",           "Low-Medium",
                                                       "Medium",    "Average",  "Above average", "High",
                                                       "Very High", "Highest"};
constexpr std::string_view TitleDeedTexts[] = {"Title Deed #", "?", "CONFIDENTIAL", "Name:"};
constexpr std::string_view WeekdaysTexts[] = {"Sunday, ",   "Monday, ", "Tuesday, ", "Wednesday, ",
                                              "Thursday, ", "Friday, ", "Saturday, "};
constexpr std::string_view NewsFragmentsTexts[] = {"ARE YOU READY TO GAMBLE?",
                                                   "TURN ",
                                                   " THROWS ",
                                                   " buy lot for $",
                                                   " build ",
                                                   " for $",
                                                   " pays $",
                                                   " to ",
                                                   " accept job as ",
                                                   " reject job as ",
                                                   " is arrested by the police!",
                                                   " goes and see family in jail",
                                                   " goes to hospital",
                                                   " goes to jail!",
                                                   " pays off mortgage $",
                                                   " mortgages terrain $",
                                                   " receives $",
                                                   " from Treasury Dp.",
                                                   " to Treasury Dp.",
                                                   "TOMORROW BE PAY DAY!",
                                                   "AUTOSAVE FAILED!"};
constexpr std::string_view GameButtonsTexts[] = {
    "Minimize <F10>",    "Quit <Esc>",    "Help <F1>",      "Main Menu <ENTER>", "Throw Dice <SPACE>",
    "Previous property", "Next property", "Go to property", "Pay off mortgage"};
constexpr std::string_view ShellDialogsTexts[] = {"&New",
                                                  "&Load",
                                                  "&Save",
                                                  "New Game",
                                                  "Load Game",
                                                  "Save Game",
                                                  "Options",
                                                  "Credits",
                                                  "Exit",
                                                  "Error",
                                                  "Name:",
                                                  "Files:",
                                                  "The file ",
                                                  "Board:",
                                                  "Human",
                                                  "Computer",
                                                  "Sound Effects",
                                                  "Auto-Move",
                                                  "Initial Cash:",
                                                  "",
                                                  "Computers play by themselves",
                                                  "Computer speed:",
                                                  "Normal",
                                                  "Fast",
                                                  "Autosave"};
constexpr std::string_view EditorTexts[] = {"Editor", "New", "Load", "Save"};
constexpr std::string_view EditorToolsTexts[] = {"Select",  "Start",   "Board", "Street",
                                                 "GStruct", "PStruct", "Flow",  "StNames"};
constexpr std::string_view EditorMoreTexts[] = {
    "Last",        "Next",          "Player ",  "Edit",
    "Change Name", "Street Names:", "MainMenu", "Edit Street Names",
    "New Board",   "Width:",        "Height:",  "Debt: $"};
constexpr std::string_view LongMessagesTexts[] = {
    "Are you really sure you want to exit?", "File already exist. Do you want to replace it?",
    "Velmar Tarnhollow Version 3.0",         "You must mortgage a property",
    ". Choose a property to mortgage",       "you must select at least two players"};
constexpr std::string_view LongestMessagesTexts[] = {
    " does not exist or cannot be read. Please check the file name and access privileges.",
    "(You have four weeks to pay off the mortgage before it will be seized)"};
// The file dialog's refusals of a typed name, the further lines of the credits, and a new game
// without any board.
constexpr std::string_view MenuMessagesTexts[] = {
    "A file name cannot contain / or \\.",
    "A file name cannot begin with a full stop.",
    "A file name cannot contain control characters such as tabs or line breaks.",
    "A file name can have at most 64 characters.",
    "Every picture and sound of the game is drawn and played by its own code.",
    "The game cannot start: neither the chosen board nor the game's own board can be read."};
// The report of a game: headings, buttons, standings and the rows of its figures.
constexpr std::string_view ReportTexts[] = {"Report of the game",
                                            "Ranking",
                                            "Net worth",
                                            "Figures",
                                            "History",
                                            "&History",
                                            "&Report",
                                            "&Save report",
                                            "winner",
                                            "in play",
                                            "ruined ",
                                            "Player",
                                            "Cash",
                                            "Property value",
                                            "Mortgages",
                                            "Net worth",
                                            "Rent collected",
                                            "Rent paid",
                                            "Salaries",
                                            "From the Treasury",
                                            "Taxes",
                                            "Fines",
                                            "Hospital bills",
                                            "School tuition",
                                            "Bought and built for",
                                            "Lots bought",
                                            "Structures built",
                                            "Days held",
                                            "Mortgages taken",
                                            "Mortgages paid off",
                                            "Lots seized",
                                            "Most rent earned: lot at ",
                                            " on ",
                                            "Days",
                                            "Throws: ",
                                            "Pay day: salaries are paid",
                                            " more lines were not kept",
                                            "Report saved as ",
                                            "When",
                                            "What",
                                            "No rent has been paid yet",
                                            "The report cannot be saved: "};

constexpr std::string_view EditorReportTexts[] = {
    "Check",
    "Board Check",
    "Ready to play",
    "Problems found: ",
    "&Try it",
    "Try It",
    "Computer players are trying the board: ",
    "Computer players have tried the board: ",
    " of ",
    " games",
    "Stopped: only the games played so far count.",
    "Games played: ",
    " computer players",
    "Throws a game: mean ",
    ", median ",
    ", longest ",
    "Days a game: about ",
    "Stopped at the turn limit without a winner: ",
    "Ended with nobody left: ",
    "Wins:",
    "Lots that earned the most rent:",
    " a game",
    "No lot earned any rent.",
    " is not a board file that can be read. The default board is shown instead.",
    "Neither that file nor the default board could be read: the board is unchanged.",
    " could not be written. Please check the file name and access privileges.",
    "Load Board",
    "Save Board"};

constexpr GroupSpec Groups[] = {
    {TextGroup::OwnerNames, 32, OwnerNamesTexts},
    {TextGroup::MainMenu, 32, MainMenuTexts},
    {TextGroup::PlayerInfo, 32, PlayerInfoTexts},
    {TextGroup::EducationNames, 32, EducationNamesTexts},
    {TextGroup::Occupation, 32, OccupationTexts},
    {TextGroup::JobNames, 32, JobNamesTexts},
    {TextGroup::PlayerInfoMore, 32, PlayerInfoMoreTexts},
    {TextGroup::DialogButtons, 32, DialogButtonsTexts},
    {TextGroup::KindNames, 32, KindNamesTexts},
    {TextGroup::StructureNames, 32, StructureNamesTexts},
    {TextGroup::ValueLabels, 32, ValueLabelsTexts},
    {TextGroup::EventTitles, 32, EventTitlesTexts},
    {TextGroup::MortgageTexts, 32, MortgageTextsTexts},
    {TextGroup::DecisionTitles, 32, DecisionTitlesTexts},
    {TextGroup::DialogFragments, 32, DialogFragmentsTexts},
    {TextGroup::StreetInfo, 32, StreetInfoTexts},
    {TextGroup::StreetValueLevels, 32, StreetValueLevelsTexts},
    {TextGroup::TitleDeed, 32, TitleDeedTexts},
    {TextGroup::Weekdays, 32, WeekdaysTexts},
    {TextGroup::NewsFragments, 32, NewsFragmentsTexts},
    {TextGroup::GameButtons, 32, GameButtonsTexts},
    {TextGroup::ShellDialogs, 32, ShellDialogsTexts},
    {TextGroup::Editor, 32, EditorTexts},
    {TextGroup::EditorTools, 32, EditorToolsTexts},
    {TextGroup::EditorMore, 32, EditorMoreTexts},
    {TextGroup::LongMessages, 64, LongMessagesTexts},
    {TextGroup::LongestMessages, 128, LongestMessagesTexts},
    {TextGroup::MenuMessages, 128, MenuMessagesTexts},
    {TextGroup::EditorReport, 128, EditorReportTexts},
    {TextGroup::Report, 32, ReportTexts},
};

constexpr std::size_t GroupCount = std::size(Groups);

constexpr bool GroupsInOrderAndFitting()
{
    for (std::size_t g = 0; g < GroupCount; ++g) {
        if (static_cast<std::size_t>(Groups[g].Group) != g) {
            return false;
        }
        for (std::string_view text : Groups[g].Texts) {
            if (text.size() >= static_cast<std::size_t>(Groups[g].SlotSize)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(GroupsInOrderAndFitting(), "every group in enum order, every text shorter than its slot");

template <int Size> constexpr std::size_t SlotsOfSize()
{
    std::size_t count = 0;
    for (const GroupSpec& spec : Groups) {
        if (spec.SlotSize == Size) {
            count += spec.Texts.size();
        }
    }
    return count;
}

template <int Size> using SlotArray = std::array<std::array<char, Size>, SlotsOfSize<Size>()>;

// The table proper: writable slots of 32, 64 and 128 bytes, filled with the texts above before
// the program starts.
template <int Size> constexpr SlotArray<Size> DefaultSlots()
{
    SlotArray<Size> slots{};
    std::size_t at = 0;
    for (const GroupSpec& spec : Groups) {
        if (spec.SlotSize != Size) {
            continue;
        }
        for (std::string_view text : spec.Texts) {
            std::copy(text.begin(), text.end(), slots[at].begin());
            ++at;
        }
    }
    return slots;
}

SlotArray<32> Ordinary = DefaultSlots<32>();
SlotArray<64> Long = DefaultSlots<64>();
SlotArray<128> Longest = DefaultSlots<128>();

// First slot of each group within the slots of its size.
constexpr std::array<int, GroupCount> FirstSlots()
{
    std::array<int, GroupCount> first{};
    int at32 = 0;
    int at64 = 0;
    int at128 = 0;
    for (std::size_t g = 0; g < GroupCount; ++g) {
        int& at = Groups[g].SlotSize == 32 ? at32 : Groups[g].SlotSize == 64 ? at64 : at128;
        first[g] = at;
        at += static_cast<int>(Groups[g].Texts.size());
    }
    return first;
}
constexpr std::array<int, GroupCount> First = FirstSlots();

char* Slot(TextGroup group, int index)
{
    const auto g = static_cast<std::size_t>(group);
    if (g >= GroupCount || index < 0 || index >= static_cast<int>(Groups[g].Texts.size())) {
        return nullptr;
    }
    const auto at = static_cast<std::size_t>(First[g] + index);
    switch (Groups[g].SlotSize) {
    case 32:
        return Ordinary[at].data();
    case 64:
        return Long[at].data();
    default:
        return Longest[at].data();
    }
}

} // namespace

const char* Text(TextGroup group, int index)
{
    const char* slot = Slot(group, index);
    return slot != nullptr ? slot : "";
}

int TextCount(TextGroup group)
{
    const auto g = static_cast<std::size_t>(group);
    return g < GroupCount ? static_cast<int>(Groups[g].Texts.size()) : 0;
}

int TextSlotSize(TextGroup group)
{
    const auto g = static_cast<std::size_t>(group);
    return g < GroupCount ? Groups[g].SlotSize : 0;
}

void SetText(TextGroup group, int index, std::string_view text)
{
    char* slot = Slot(group, index);
    if (slot == nullptr) {
        return;
    }
    const auto size = static_cast<std::size_t>(TextSlotSize(group));
    // A zero inside the text ends it, as it would in the slot.
    text = Utf8Prefix(text.substr(0, text.find('\0')), size - 1);
    std::fill_n(slot, size, '\0');
    std::copy(text.begin(), text.end(), slot);
}

void ResetTexts()
{
    Ordinary = DefaultSlots<32>();
    Long = DefaultSlots<64>();
    Longest = DefaultSlots<128>();
}
