// The report's HTML page: escaping, the SVG chart, the ranking, the figures and the history.
#include "report/ReportHtml.h"

#include "report/PlayerColours.h"
#include "texts/Texts.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD

std::string Words(int index)
{
    return HtmlText(Text(TextGroup::Report, index));
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::size_t SlotIndex(std::int32_t slot)
{
    return static_cast<std::size_t>(slot) % PlayerColours.size();
}

// The slot's digit on its colour, as the chart's lines end.
std::string SlotBadge(std::int32_t slot)
{
    const std::size_t i = SlotIndex(slot);
    return "<span class=\"slot\" style=\"background:" + HtmlColour(PlayerColours[i]) +
           ";color:" + HtmlColour(PlayerInkColours[i]) + "\">" + std::to_string(slot + 1) + "</span>";
}

// The length of the UTF-8 character that starts text, 0 when it is not well-formed.
std::size_t Utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
        code = code << 6 | (byte(i) & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8; U+FFFE and U+FFFF
    // are no characters for XML.
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF || code == 0xFFFE || code == 0xFFFF) {
        return 0;
    }
    return length;
}

} // namespace

std::string HtmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const char c = text.front();
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            out += Replacement;
            text.remove_prefix(1);
            continue;
        }
        if (length == 1) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') || c == 0x7F) {
                    out += Replacement;
                } else {
                    out += c;
                }
            }
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

std::string HtmlColour(std::uint32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFFu, colour >> 8 & 0xFFu,
                  colour >> 16 & 0xFFu);
    return text;
}

std::string ChartSvg(const ReportChart& chart, std::int32_t width, std::int32_t height)
{
    // Room for the amounts on the left, the digits on the right and the days below.
    const double left = 76;
    const double top = 14;
    const double plotWidth = width - left - 30;
    const double plotHeight = height - top - 46;
    constexpr double Radius = 9;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
                      std::to_string(width) + " " + std::to_string(height) + "\" role=\"img\" aria-label=\"" +
                      Words(ReportText::NetWorthChart) + "\">\n";
    svg += "<rect x=\"" + Number(left) + "\" y=\"" + Number(top) + "\" width=\"" + Number(plotWidth) +
           "\" height=\"" + Number(plotHeight) + "\" fill=\"#fbf8f0\" stroke=\"#b8b0a0\"/>\n";
    for (const ChartTick& tick : chart.ValueTicks) {
        const std::string y = Number(chart.Y(tick.At, top, plotHeight));
        svg += "<line x1=\"" + Number(left) + "\" y1=\"" + y + "\" x2=\"" + Number(left + plotWidth) +
               "\" y2=\"" + y + "\" stroke=\"#ddd6c8\"/>";
        svg += "<text x=\"" + Number(left - 6) + "\" y=\"" + y +
               "\" text-anchor=\"end\" dominant-baseline=\"middle\">" + HtmlText(tick.Label) + "</text>\n";
    }
    for (const ChartTick& tick : chart.DayTicks) {
        const std::string x = Number(chart.X(tick.At, left, plotWidth));
        svg += "<line x1=\"" + x + "\" y1=\"" + Number(top + plotHeight) + "\" x2=\"" + x + "\" y2=\"" +
               Number(top + plotHeight + 5) + "\" stroke=\"#8a8070\"/>";
        svg += "<text x=\"" + x + "\" y=\"" + Number(top + plotHeight + 18) + "\" text-anchor=\"middle\">" +
               HtmlText(tick.Label) + "</text>\n";
    }
    svg += "<text x=\"" + Number(left + plotWidth / 2) + "\" y=\"" + Number(height - 6.0) +
           "\" text-anchor=\"middle\">" + Words(ReportText::Days) + "</text>\n";
    for (const ChartLine& line : chart.Lines) {
        std::string points;
        for (const ChartPoint& p : line.Points) {
            points += Number(chart.X(p.Day, left, plotWidth)) + "," +
                      Number(chart.Y(p.Value, top, plotHeight)) + " ";
        }
        if (!points.empty()) {
            points.pop_back();
        }
        svg += "<polyline fill=\"none\" stroke-width=\"2\" stroke-linejoin=\"round\" stroke=\"" +
               HtmlColour(PlayerColours[SlotIndex(line.Slot)]) + "\" points=\"" + points + "\"/>\n";
    }
    for (const ChartMark& mark : ChartMarks(chart, left, top, plotWidth, plotHeight, Radius)) {
        const std::size_t i = SlotIndex(mark.Slot);
        svg += "<circle cx=\"" + Number(mark.X) + "\" cy=\"" + Number(mark.Y) + "\" r=\"" + Number(Radius) +
               "\" fill=\"" + HtmlColour(PlayerColours[i]) + "\" stroke=\"#1e1a18\"/>";
        svg += "<text x=\"" + Number(mark.X) + "\" y=\"" + Number(mark.Y) +
               "\" text-anchor=\"middle\" dominant-baseline=\"central\" font-weight=\"bold\" fill=\"" +
               HtmlColour(PlayerInkColours[i]) + "\">" + std::to_string(mark.Slot + 1) + "</text>\n";
    }
    svg += "</svg>\n";
    return svg;
}

std::string ReportHtml(const GameReport& report)
{
    std::string html;
    html.reserve(4096 + report.History.size() * 96);
    html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
            HtmlText(report.Title) + "</title>\n";
    html += "<style>\n"
            "body{font-family:Liberation Sans,DejaVu Sans,Arial,sans-serif;background:#efe9dc;color:#1e1a18;"
            "margin:2em auto;max-width:70em;padding:0 1em}\n"
            "h1{font-family:Liberation Serif,DejaVu Serif,Times New Roman,serif;margin-bottom:.2em}\n"
            "h2{font-family:Liberation Serif,DejaVu Serif,Times New Roman,serif;border-bottom:1px solid "
            "#b8b0a0}\n"
            "table{border-collapse:collapse;background:#fbf8f0}\n"
            "th,td{border:1px solid #d4ccbc;padding:.2em .6em;text-align:left}\n"
            "td.n{text-align:right;font-variant-numeric:tabular-nums}\n"
            ".slot{display:inline-block;min-width:1.3em;text-align:center;border-radius:50%;font-weight:bold;"
            "margin-right:.4em;border:1px solid #1e1a18}\n"
            ".chart{max-width:100%;height:auto;font-size:12px}\n"
            ".history td:first-child{white-space:nowrap;color:#5a5248}\n"
            "</style>\n</head>\n<body>\n";
    html += "<h1>" + HtmlText(report.Title) + "</h1>\n<p>" + HtmlText(report.When) + " &#8212; " +
            Words(ReportText::Throws) + std::to_string(report.Throws) + "</p>\n";

    html += "<h2>" + Words(ReportText::Ranking) + "</h2>\n<ol class=\"ranking\">\n";
    for (const ReportPlayer& p : report.Ranking) {
        html += "<li>" + SlotBadge(p.Slot) + "<b>" + HtmlText(p.Name) + "</b> &#8212; " +
                HtmlText(p.Standing) + " (" + Words(ReportText::NetWorth) + ": " +
                HtmlText(ReportDollars(p.Worth.NetWorth())) + ")</li>\n";
    }
    html += "</ol>\n";

    html += "<h2>" + Words(ReportText::NetWorthChart) + "</h2>\n";
    html += ChartSvg(MakeReportChart(report, 900), 960, 400);

    html += "<h2>" + Words(ReportText::Figures) + "</h2>\n<table class=\"figures\">\n<tr><th>" +
            Words(ReportText::Player) + "</th>";
    for (const ReportPlayer& p : report.Ranking) {
        html += "<th>" + SlotBadge(p.Slot) + HtmlText(p.Name) + "</th>";
    }
    html += "</tr>\n";
    for (const ReportRow& row : report.Rows) {
        html += "<tr><th>" + HtmlText(row.Label) + "</th>";
        for (const std::string& cell : row.Cells) {
            html += "<td class=\"n\">" + HtmlText(cell) + "</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n<p>" + HtmlText(report.MostRent) + "</p>\n";

    html += "<h2>" + Words(ReportText::History) + "</h2>\n<table class=\"history\">\n<tr><th>" +
            Words(ReportText::When) + "</th><th>" + Words(ReportText::What) + "</th></tr>\n";
    for (std::size_t i = 0; i < report.History.size(); ++i) {
        html += "<tr><td>" + HtmlText(report.HistoryWhen(i)) + "</td><td>" + HtmlText(report.HistoryWhat(i)) +
                "</td></tr>\n";
    }
    html += "</table>\n";
    if (report.LinesNotKept > 0) {
        html += "<p>" + std::to_string(report.LinesNotKept) + Words(ReportText::LinesNotKept) + "</p>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

std::string ReportFileName(std::string_view savedGame, const std::tm& now)
{
    std::string name = std::filesystem::path(std::string(savedGame)).stem().string();
    if (name.empty()) {
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "game-%Y-%m-%d-%H%M", &now);
        name = stamp;
    }
    return name + "-report.html";
}

SavedGameResult SaveReport(const std::filesystem::path& file, const GameReport& report)
{
    const std::string html = ReportHtml(report);
    return WriteWholeFile(file, std::span(reinterpret_cast<const std::uint8_t*>(html.data()), html.size()));
}
