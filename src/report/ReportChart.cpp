// The net-worth chart: ranges with steps of 1, 2 or 5, ticks, the players' lines and their thinning.
#include "report/ReportChart.h"

#include "texts/Texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// The lowest and highest point of each column, in their order, and the first and last point.
std::vector<ChartPoint> Thin(const std::vector<ChartPoint>& points, const ReportChart& chart,
                             std::int32_t columns)
{
    if (points.size() <= 2 * static_cast<std::size_t>(columns) + 2) {
        return points;
    }
    std::vector<ChartPoint> kept;
    kept.push_back(points.front());
    const double span = chart.LastDay - chart.FirstDay;
    std::size_t i = 1;
    const std::size_t last = points.size() - 1;
    while (i < last) {
        const auto column = static_cast<std::int64_t>((points[i].Day - chart.FirstDay) / span * columns);
        std::size_t low = i;
        std::size_t high = i;
        std::size_t j = i;
        for (; j < last &&
               static_cast<std::int64_t>((points[j].Day - chart.FirstDay) / span * columns) == column;
             ++j) {
            low = points[j].Value < points[low].Value ? j : low;
            high = points[j].Value > points[high].Value ? j : high;
        }
        kept.push_back(points[std::min(low, high)]);
        if (low != high) {
            kept.push_back(points[std::max(low, high)]);
        }
        i = j;
    }
    kept.push_back(points.back());
    return kept;
}

std::vector<ChartTick> Ticks(double from, double to, double step,
                             const std::function<std::string(double)>& label)
{
    std::vector<ChartTick> ticks;
    const double first = std::ceil(from / step - 1e-9);
    for (double k = first; k * step <= to + step * 1e-9; k += 1) {
        ticks.push_back(ChartTick{k * step, label(k * step)});
    }
    return ticks;
}

} // namespace

double NiceStep(double span, std::int32_t maxTicks)
{
    if (!(span > 0) || !std::isfinite(span)) {
        return 1;
    }
    const double raw = span / std::max(1, maxTicks);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw * (1 - 1e-12)) {
            return m * magnitude;
        }
    }
    return 10 * magnitude;
}

std::string ShortDollars(double value, double step, double largest)
{
    struct Unit
    {
        double Size;
        const char* Suffix;
    };
    static constexpr Unit Units[] = {{1e9, "G"}, {1e6, "M"}, {1e3, "k"}, {1, ""}};
    Unit unit = Units[3];
    for (const Unit& u : Units) {
        if (std::fabs(largest) >= u.Size) {
            unit = u;
            break;
        }
    }
    int decimals = 0;
    if (step > 0 && step < unit.Size) {
        decimals = std::min(3, static_cast<int>(std::ceil(-std::log10(step / unit.Size) - 1e-9)));
    }
    // Zero is "$0" in any unit (and a tick at zero computed as a tiny negative number no "-0").
    if (std::fabs(value) < std::fabs(step) * 1e-6) {
        return Text(TextGroup::DialogFragments, DialogText::Dollar) + std::string("0");
    }
    char number[64];
    std::snprintf(number, sizeof number, "%.*f", decimals, value / unit.Size);
    return Text(TextGroup::DialogFragments, DialogText::Dollar) + std::string(number) + unit.Suffix;
}

ReportChart MakeReportChart(const GameReport& report, std::int32_t columns)
{
    columns = std::max(1, columns);
    ReportChart chart;
    // Every point in order of days: the record's, then the worth now within the current day.
    std::vector<std::pair<double, const DayPoint*>> points;
    for (const DayPoint& point : report.Points) {
        points.emplace_back(point.DaysGone(), &point);
    }
    points.emplace_back(report.Now.DaysGone() + 0.5, &report.Now);
    // From the whole day the first point falls in, and over one day at least.
    chart.FirstDay = std::floor(points.front().first);
    chart.LastDay = std::max(points.back().first, chart.FirstDay + 1);

    double low = 0;
    double high = 0;
    for (std::int32_t slot = 0; slot < RecordSlots; ++slot) {
        if ((report.TakingPart & 1u << slot) == 0) {
            continue;
        }
        const auto i = static_cast<std::size_t>(slot);
        const PlayerFigures& figures = report.Figures[i];
        const bool ruined = figures.RuinOrder != 0;
        const double ruinDay = (figures.RuinWeek - 1) * 7.0 + figures.RuinDay - 1;
        ChartLine line;
        line.Slot = slot;
        for (const auto& [day, point] : points) {
            const double value = static_cast<double>(point->Players[i].NetWorth());
            line.Points.push_back(ChartPoint{day, value});
            low = std::min(low, value);
            high = std::max(high, value);
            if (ruined && day > ruinDay) {
                break;
            }
        }
        chart.Lines.push_back(std::move(line));
    }
    const double step = NiceStep(high - low, 5);
    // A step of room above the highest line, so that no line runs along the top edge.
    chart.Low = std::floor(low / step) * step;
    chart.High = std::max((std::floor(high / step) + 1) * step, chart.Low + step);
    const double largest = std::max(std::fabs(chart.Low), std::fabs(chart.High));
    chart.ValueTicks =
        Ticks(chart.Low, chart.High, step, [&](double v) { return ShortDollars(v, step, largest); });
    const double dayStep = std::max(1.0, NiceStep(chart.LastDay - chart.FirstDay, 8));
    chart.DayTicks = Ticks(chart.FirstDay, chart.LastDay, dayStep, [](double d) {
        return std::to_string(static_cast<std::int64_t>(std::llround(d)));
    });
    for (ChartLine& line : chart.Lines) {
        line.Points = Thin(line.Points, chart, columns);
    }
    return chart;
}

std::vector<ChartMark> ChartMarks(const ReportChart& chart, double left, double top, double width,
                                  double height, double radius)
{
    std::vector<ChartMark> marks;
    for (const ChartLine& line : chart.Lines) {
        if (line.Points.empty()) {
            continue;
        }
        const ChartPoint& end = line.Points.back();
        marks.push_back(ChartMark{line.Slot, chart.X(end.Day, left, width), chart.Y(end.Value, top, height)});
    }
    // Marks that would overlap are pushed apart downwards in the order of their height, then the
    // column is moved back up as far as it ran past the area's bottom.
    std::sort(marks.begin(), marks.end(), [](const ChartMark& a, const ChartMark& b) {
        return a.Y != b.Y ? a.Y < b.Y : a.Slot < b.Slot;
    });
    const double gap = 2 * radius + 1;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        marks[i].Y = std::clamp(marks[i].Y, top + radius, std::max(top + radius, top + height - radius));
        for (std::size_t j = 0; j < i; ++j) {
            if (std::fabs(marks[i].X - marks[j].X) < gap && marks[i].Y - marks[j].Y < gap) {
                marks[i].Y = marks[j].Y + gap;
            }
        }
    }
    const double bottom = top + height - radius;
    for (std::size_t i = marks.size(); i-- > 0;) {
        if (marks[i].Y > bottom) {
            const double shift = marks[i].Y - bottom;
            for (std::size_t j = 0; j <= i; ++j) {
                if (std::fabs(marks[i].X - marks[j].X) < gap) {
                    marks[j].Y -= shift;
                }
            }
        }
    }
    std::sort(marks.begin(), marks.end(),
              [](const ChartMark& a, const ChartMark& b) { return a.Slot < b.Slot; });
    return marks;
}
