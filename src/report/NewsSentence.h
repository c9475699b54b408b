// The sentences of the news lines and of the game's history, composed from the text table.
#pragma once

#include "rules/GameRecord.h"
#include "rules/RulesHost.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct GameState;

// The players' names by slot.
using PlayerNames = std::array<std::string, RecordSlots>;
PlayerNames NamesOf(const GameState& state);

// The sentence of a news line about the player named name; otherName is the player a rent is paid
// to. Codes beyond the news codes give "".
std::string NewsSentence(const NewsLine& line, std::string_view name, std::string_view otherName);

// The sentence of a line of the history with the players' names: the news line's, and for the
// history's own codes the seizure, the ruin and the end of the game.
std::string HistorySentence(const HistoryLine& line, const PlayerNames& names);

// The calendar's words for a day: "Monday, Week: 12".
std::string CalendarText(std::int32_t week, std::int32_t day);
