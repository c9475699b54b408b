// tarnhollow-sim's command line: its options, the set-up of its games, running them and the
// summary it prints. The games themselves and the trace format are sim/SimGame.h.
#pragma once

#include "rules/GameSetup.h"
#include "sim/SimBatch.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

struct SimCommand
{
    std::string BoardFile = "Board1.brd";
    std::string Players = "111000";
    std::string Humans = "000000"; // of the slots taking part, those that are scripted humans
    std::uint32_t Answers = 1;     // seed of the humans' answers
    std::int32_t AnswersDrawn = 0; // answers drawn before the game goes on (after --load)
    std::uint32_t Seed = 1;
    std::int32_t Cash = 100000;
    std::int32_t MaxTurns = 20000;
    std::int32_t Games = 1;
    std::int32_t Jobs = 1; // threads the games of a batch are spread over
    bool Trace = false;
    bool Check = false;
    std::int32_t SaveAt = -1; // throw after which the game is saved to SaveFile
    std::string SaveFile;
    std::string LoadFile;   // start from this saved game instead of a new game
    std::string ReportFile; // the report of the game, as an HTML page
};

// Reads the command line (without the program name). Returns the options, or the reason the
// command line is not understood.
std::optional<SimCommand> ParseSimCommand(const std::vector<std::string>& args, std::string& error);
extern const char* const SimUsage;

// The set-up of a new game of the command: the slots of --players, those of --humans human and
// the others computers, the text table's player names and --cash.
GameSetup SimGameSetup(const SimCommand& command);

// Runs the whole command: loads the board, plays the games (on command.Jobs threads), writes the
// trace or the summary (with the time taken) to out. The output is the same for any number of
// threads: traces come in game order, and a failing game stops the output after its trace.
// Returns the exit status and the message for standard error.
SimStatus RunSimCommand(const SimCommand& command, std::FILE* out);

// The summary of a batch (without timing).
std::string FormatSummary(const SimSummary& summary);
