// The net-worth chart of a report, apart from any drawing: its scales with their ticks and one
// line a player, thinned to the columns it is drawn in. The report dialog draws it with Cairo and
// the HTML export writes it as SVG.
#pragma once

#include "report/GameReport.h"

#include <cstdint>
#include <string>
#include <vector>

struct ChartPoint
{
    double Day = 0; // days gone since the game's start; the worth now is drawn half a day on
    double Value = 0;
};

struct ChartTick
{
    double At = 0;
    std::string Label;
};

struct ChartLine
{
    std::int32_t Slot = 0;
    std::vector<ChartPoint> Points; // in order of days
};

struct ReportChart
{
    // The ranges shown: FirstDay < LastDay and Low < High always, whatever the record holds.
    double FirstDay = 0;
    double LastDay = 1;
    double Low = 0;
    double High = 1;
    std::vector<ChartTick> DayTicks;
    std::vector<ChartTick> ValueTicks;
    // One line for each player who took part, in slot order: his net worth until the first point
    // after his ruin.
    std::vector<ChartLine> Lines;

    // Where a point falls in a plot area of width x height pixels with its top left at (left, top).
    double X(double day, double left, double width) const
    {
        return left + (day - FirstDay) / (LastDay - FirstDay) * width;
    }
    double Y(double value, double top, double height) const
    {
        return top + (High - value) / (High - Low) * height;
    }
};

// The chart of report, each line thinned to about two points per column of columns (at least 1)
// while keeping each column's lowest and highest value, so that 10,000 days draw as fast as 100.
ReportChart MakeReportChart(const GameReport& report, std::int32_t columns);

// Where the slot digits at the ends of the chart's lines go in a plot area, as circles of radius
// pixels: at the end of each line, moved apart where two would overlap and kept inside the area.
struct ChartMark
{
    std::int32_t Slot = 0;
    double X = 0;
    double Y = 0;
};
std::vector<ChartMark> ChartMarks(const ReportChart& chart, double left, double top, double width,
                                  double height, double radius);

// A step of 1, 2 or 5 times a power of ten that cuts span into at most maxTicks parts (at least 1).
double NiceStep(double span, std::int32_t maxTicks);
// The amount of a tick, short, in the unit of the largest tick and with the decimals the step
// needs: "$0", "$750k", "$1.5M", "$2G".
std::string ShortDollars(double value, double step, double largest);
