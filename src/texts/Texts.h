// The text table: every text the user sees, in fixed-width writable slots looked up by group and index.
#pragma once

#include <string_view>

// Runs of slots, in table order. Groups indexed by a number (player slot, education, job, cell
// kind, structure, event or decision code, street level, weekday, editor tool) hold their entries
// in that number's order; the others are named by the index enums below.
enum class TextGroup
{
    OwnerNames,        // 0 the government, 1..6 player slot + 1, then two empty slots
    MainMenu,          // MainMenuText
    PlayerInfo,        // PlayerInfoText
    EducationNames,    // by Education 0..3
    Occupation,        // one text
    JobNames,          // by Job 0..7
    PlayerInfoMore,    // PlayerInfoMoreText
    DialogButtons,     // ButtonText
    KindNames,         // by cell Kind - 64 (64..80)
    StructureNames,    // by structure 0..6
    ValueLabels,       // by structure 0..6
    EventTitles,       // by event dialog code 0..12, then the question dialog's title
    MortgageTexts,     // MortgageText
    DecisionTitles,    // by decision dialog code 0..3
    DialogFragments,   // DialogText
    StreetInfo,        // StreetInfoText
    StreetValueLevels, // by StreetValueLevel(street)
    TitleDeed,         // TitleDeedText
    Weekdays,          // by Day 0..6
    NewsFragments,     // NewsText
    GameButtons,       // GameButtonText
    ShellDialogs,      // ShellText
    Editor,            // EditorText
    EditorTools,       // by editor tool 0..7
    EditorMore,        // EditorMoreText
    LongMessages,      // LongText, 64-byte slots
    LongestMessages,   // LongestText, 128-byte slots
    MenuMessages,      // MenuText, 128-byte slots
    EditorReport,      // EditorReportText, 128-byte slots: board files, the board checker, "Try it"
    Report,            // ReportText: the game's report, on screen and exported
};

namespace MainMenuText {
enum : int
{
    NewGame,
    LoadGame,
    SaveGame,
    Restore,
    Options,
    Help,
    Credits,
    Quit,
    Separator1,
    Separator2
};
}
namespace PlayerInfoText {
enum : int
{
    Week,
    Throw,
    Cash,
    Education
};
}
namespace PlayerInfoMoreText {
enum : int
{
    Salary,
    Properties,
    Mortgages,
    NoProperties
};
}
namespace ButtonText {
enum : int
{
    Ok,
    Cancel,
    Yes,
    No
};
}
namespace MortgageText {
enum : int
{
    MortgageValue,
    MortgageDollar,
    DaysLeft
};
}
namespace DialogText {
enum : int
{
    Dollar,
    Pay,
    SpaceDollar,
    BuyLotFor,
    DoYouBuild,
    ForDollar,
    JobOpenings,
    Wages,
    CurrentJob,
    ForSchoolTuition,
    DropOut,
    Turns,
    Receive,
    PayDollar,
    TreasuryDp,
    Fine,
    PoliceDp,
    SeeFamily,
    HospitalBill,
    PutInPrison,
    OutFiveTurns,
    LostMortgaged,
    IsRuined,
    Wins,
    NobodyWins, // the game over without anybody left in play
};
}
namespace StreetInfoText {
enum : int
{
    Streets,
    Owner,
    LandValue,
    CurrentPayment,
    StreetValue,
    RentDollar
};
}
namespace TitleDeedText {
enum : int
{
    TitleDeed,
    Unknown,
    Confidential,
    Name
};
}
namespace NewsText {
enum : int
{
    Ready,
    Turn,
    Throws,
    BuyLotFor,
    Build,
    ForDollar,
    Pays,
    To,
    AcceptJob,
    RejectJob,
    Arrested,
    SeeFamily,
    GoesToHospital,
    GoesToJail,
    PaysOffMortgage,
    MortgagesTerrain,
    Receives,
    FromTreasury,
    ToTreasury,
    PayDayTomorrow,
    AutosaveFailed,
};
}
namespace GameButtonText {
enum : int
{
    Minimize,
    Quit,
    Help,
    MainMenu,
    ThrowDice,
    PreviousProperty,
    NextProperty,
    GoToProperty,
    PayOffMortgage
};
}
namespace ShellText {
enum : int
{
    NewButton,
    LoadButton,
    SaveButton,
    NewGame,
    LoadGame,
    SaveGame,
    Options,
    Credits,
    Exit,
    Error,
    Name,
    Files,
    TheFile,
    Board,
    Human,
    Computer,
    SoundEffects,
    AutoMove,
    InitialCash,
    Empty,
    ComputersPlay,
    ComputerSpeed,
    SpeedNormal,
    SpeedFast,
    Autosave,
};
}
namespace EditorText {
enum : int
{
    Editor,
    New,
    Load,
    Save
};
}
namespace EditorMoreText {
enum : int
{
    Last,
    Next,
    Player,
    Edit,
    ChangeName,
    StreetNames,
    MainMenu,
    EditStreetNames,
    NewBoard,
    Width,
    Height,
    Debt
};
}
namespace LongText {
enum : int
{
    ReallyExit,
    FileExists,
    Version,
    MustMortgage,
    ChooseProperty,
    SelectTwoPlayers
};
}
namespace LongestText {
enum : int
{
    CannotRead,
    FourWeeks
};
}

namespace MenuText {
enum : int
{
    NameHasSeparator,
    NameStartsWithDot,
    NameHasControlCharacter,
    NameTooLong,
    CreditsMore,
    NoBoard
};
}

namespace EditorReportText {
enum : int
{
    Check,
    BoardCheck,
    ReadyToPlay,
    ProblemsFound,
    TryIt,
    TryItCaption,
    Playing,
    Played,
    Of,
    Games,
    Cancelled,
    GamesPlayed,
    Players,
    Throws,
    Median,
    Longest,
    Days,
    TurnLimit,
    NobodyWon,
    Wins,
    TopLots,
    AGame,
    NoRent,
    NotABoard,
    NoBoard,
    NotWritten,
    LoadBoard,
    SaveBoard,
};
}

namespace ReportText {
enum : int
{
    Title,
    Ranking,
    NetWorthChart,
    Figures,
    History,
    HistoryButton,
    FiguresButton,
    SaveButton,
    Winner,
    InPlay,
    Ruined,
    Player,
    Cash,
    PropertyValue,
    Mortgages,
    NetWorth,
    RentCollected,
    RentPaid,
    Salaries,
    TreasuryReceived,
    Taxes,
    Fines,
    Bills,
    Tuition,
    Invested,
    LotsBought,
    StructuresBuilt,
    DaysHeld,
    MortgagesTaken,
    MortgagesPaidOff,
    LotsSeized,
    MostRent,
    On,
    Days,
    Throws,
    PayDay,
    LinesNotKept,
    Saved,
    When,
    What,
    NoRent,
    NotSaved,
};
}

// The text in slot `index` of `group`, zero-terminated; "" for an index outside the group.
const char* Text(TextGroup group, int index);
// Slots in the group, and the bytes of each slot (the longest text is one less).
int TextCount(TextGroup group);
int TextSlotSize(TextGroup group);
// Overwrites a slot, cutting the text to fit it at a character boundary; an index outside the
// group changes nothing.
void SetText(TextGroup group, int index, std::string_view text);
// Puts every slot back to the table's own text (the player names typed by the user are lost).
void ResetTexts();

// The name of player slot 0..5 (the owner name slot + 1), as the new game dialog typed it.
inline const char* PlayerName(int slot)
{
    return Text(TextGroup::OwnerNames, slot + 1);
}
inline void SetPlayerName(int slot, std::string_view name)
{
    SetText(TextGroup::OwnerNames, slot + 1, name);
}

// The street value level of a street number: street / 3, at most 9.
inline int StreetValueLevel(int street)
{
    const int level = street / 3;
    return level < 0 ? 0 : level > 9 ? 9 : level;
}
