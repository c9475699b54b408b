// The report of a game as one self-contained HTML page: its style inline, the net-worth chart as
// inline SVG, the ranking, the figures table and the whole history, readable in any browser and
// well-formed XML as well.
#pragma once

#include "report/GameReport.h"
#include "report/ReportChart.h"
#include "rules/SavedGame.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Text made safe for HTML and XML: & < > " ' as character references, and bytes that are not
// well-formed UTF-8 and control characters (a name of a damaged file) as U+FFFD.
std::string HtmlText(std::string_view text);

// "#rrggbb" of a 0x00BBGGRR colour.
std::string HtmlColour(std::uint32_t colour);

// The chart as an <svg> element of width x height pixels.
std::string ChartSvg(const ReportChart& chart, std::int32_t width, std::int32_t height);

std::string ReportHtml(const GameReport& report);

// The page's file name: "NAME-report.html" for the saved game NAME (a path or a file name, its folder
// and extension left out), "game-YYYY-MM-DD-HHMM-report.html" of the time now for a game never saved.
std::string ReportFileName(std::string_view savedGame, const std::tm& now);

// Writes the page to file through a temporary file, making its folder when it is missing.
SavedGameResult SaveReport(const std::filesystem::path& file, const GameReport& report);
