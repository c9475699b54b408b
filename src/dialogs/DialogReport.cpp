// The report dialog: its layout, the ranking, the chart drawn with Cairo, the figures table, the
// history list and saving the page.
#include "dialogs/DialogReport.h"

#include "dialogs/GameDialogParts.h"
#include "graphics/Surface.h"
#include "platform/Keys.h"
#include "platform/WidgetCanvas.h"
#include "report/PlayerColours.h"
#include "report/ReportChart.h"
#include "report/ReportHtml.h"
#include "rules/GameState.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <algorithm>
#include <cairo.h>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>

namespace {

// The paper the chart and the figures are drawn on, its lines and the ink of small print.
constexpr Colour Paper = 0xF0F8FB;
constexpr Colour PaperShade = 0xE2ECF1;
constexpr Colour PaperEdge = 0xA0B0B8;
constexpr Colour GridLine = 0xC8D6DD;
constexpr Colour Ink = 0x181A1E;
constexpr Colour FaintInk = 0x48525A;

std::string Words(int index)
{
    return Text(TextGroup::Report, index);
}

void SetColour(cairo_t* cr, Colour c)
{
    cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, (c >> 8 & 0xFF) / 255.0, (c >> 16 & 0xFF) / 255.0);
}

std::size_t SlotIndex(std::int32_t slot)
{
    return static_cast<std::size_t>(slot) % PlayerColours.size();
}

std::int32_t LineHeight(const ::Font& font)
{
    return font.PixelHeight() * 13 / 10 + 1;
}

} // namespace

TDialogReport::TDialogReport(WinControl& owner, const GameState& state, const Board& board,
                             ReportDialogScreen screen)
    : TModalDialog(owner), HistoryButton(this), SaveButton(this), OkButton(this), HistoryList(this),
      State(state), TheBoard(board), Screen(std::move(screen))
{
    Background = DialogSkin.get();
    HistoryButton.Setup(nullptr, GameButtonSize(), 0, CommandId::ReportHistory,
                        Words(ReportText::HistoryButton), DialogButtonSkin.get());
    SaveButton.Setup(nullptr, GameButtonSize(), 0, CommandId::SaveReport, Words(ReportText::SaveButton),
                     DialogButtonSkin.get());
    OkButton.Setup(nullptr, GameButtonSize(), 0, ModalResult::Ok,
                   Text(TextGroup::DialogButtons, ButtonText::Ok), DialogButtonSkin.get());
    for (TSButton* button : {&HistoryButton, &SaveButton, &OkButton})
        button->SetCursor(1);
    HistoryList.SetParent(this);
    HistoryList.Color = Paper;
    HistoryList.SetVisible(false);
}

TDialogReport::~TDialogReport() = default;

void TDialogReport::MakeFonts()
{
    HeadingFont = MakeFont("Times New Roman", 700, 21, 0);
    TextFont = MakeFont("Arial", 400, 15, 0);
    BoldFont = MakeFont("Arial", 700, 15, 0);
    SmallFont = MakeFont("Arial", 400, 13, 0);
    DigitFont = MakeFont("Arial", 700, 13, 0);
    for (::Font* font : {HeadingFont.get(), TextFont.get(), BoldFont.get(), SmallFont.get()})
        font->Color = Ink;
    FontsScreen = ScreenSize;
}

void TDialogReport::PlaceControls()
{
    SetPlacement(MakeRelRect(0.03f, 0.05f, 0.94f, 0.86f));
    const std::int32_t w = Width();
    const std::int32_t h = Height();
    const std::int32_t margin = std::max(6, Round(0.008 * ScreenSize.Width));
    const std::int32_t buttonHeight = Round(0.03 * ScreenSize.Height);
    const std::int32_t buttonTop = h - margin - buttonHeight;
    std::int32_t x = margin;
    for (auto [button, width] : {std::pair{&HistoryButton, 0.09}, std::pair{&SaveButton, 0.11}}) {
        const std::int32_t bw = Round(width * ScreenSize.Width);
        PlaceButton(*button, Rect{x, buttonTop, x + bw, buttonTop + buttonHeight});
        x += bw + margin;
    }
    const std::int32_t okWidth = Round(0.078 * ScreenSize.Width);
    PlaceButton(OkButton, Rect{w - margin - okWidth, buttonTop, w - margin, buttonTop + buttonHeight});
    Status = Rect{x, buttonTop, w - 2 * margin - okWidth, buttonTop + buttonHeight};

    // The figures table takes a header, a row a figure and the line of the lot that earned most;
    // the ranking and the chart share what is left above it.
    const std::int32_t row = LineHeight(*TextFont);
    const auto rows = static_cast<std::int32_t>(std::max<std::size_t>(Report.Rows.size(), 1)) + 1;
    const std::int32_t tableBottom = buttonTop - margin - row;
    Table = Rect{margin, tableBottom - rows * row, w - margin, tableBottom};
    const std::int32_t topBottom = Table.Top - margin;
    Ranking = Rect{margin, margin, margin + Round(0.28 * w), topBottom};
    Chart = Rect{Ranking.Right + margin, margin, w - margin, topBottom};
    HistoryList.SetBounds(margin, margin + LineHeight(*HeadingFont), w - 2 * margin,
                          buttonTop - 2 * margin - LineHeight(*HeadingFont));
    HistoryList.SetFont(TextFont.get());
    HistoryList.TabStop = WidgetCanvas::TextWidth(CalendarText(9999, 3), TextFont.get()) + 2 * margin;
}

void TDialogReport::ShowReport()
{
    const bool resized = FollowScreenSize();
    if (resized || HeadingFont == nullptr || FontsScreen.Width != ScreenSize.Width ||
        FontsScreen.Height != ScreenSize.Height)
        MakeFonts();
    Report = MakeGameReport(State, TheBoard);
    PlaceControls();
    ShowingHistory = false;
    HistoryFilled = false;
    SavedFile.clear();
    HistoryList.Clear();
    HistoryList.SetVisible(false);
    HistoryButton.SetCaption(Words(ReportText::HistoryButton));
    HistoryButton.ParseShortcut();
    SetCaption(Report.Title);
    ShowModal();
    // The history's lines may be many: they go with the dialog.
    HistoryList.Clear();
    HistoryFilled = false;
}

void TDialogReport::ShowContent()
{
    OkButton.SetFocus();
    if (ShowingHistory)
        ShowHistory();
    else
        DrawFigures();
    DrawStatus();
}

void TDialogReport::Write(Rect box, const std::string& text, const ::Font* font, std::uint32_t align)
{
    if (Buffer != nullptr && !text.empty())
        Buffer->DrawTextInRect(box, text,
                               align | TextFormat::SingleLine | TextFormat::VCenter |
                                   TextFormat::ShrinkToFit | TextFormat::NoPrefix,
                               font->Color, font);
}

namespace {

// A player's slot digit on his colour in a circle, as the chart's lines end.
void DrawBadge(Surface& surface, const ::Font* font, double cx, double cy, double radius, std::int32_t slot)
{
    cairo_t* cr = surface.Context();
    const std::size_t i = SlotIndex(slot);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    SetColour(cr, PlayerColours[i]);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::max(1.0, radius / 8));
    SetColour(cr, Ink);
    cairo_stroke(cr);
    cairo_restore(cr);
    const auto r = static_cast<std::int32_t>(std::ceil(radius));
    Rect box{Round(cx) - r, Round(cy) - r, Round(cx) + r, Round(cy) + r};
    surface.DrawTextInRect(box, std::to_string(slot + 1),
                           TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine |
                               TextFormat::NoClip,
                           PlayerInkColours[i], font);
}

} // namespace

void TDialogReport::DrawFigures()
{
    DrawRanking();
    DrawChart();
    DrawTable();
}

void TDialogReport::DrawRanking()
{
    const std::int32_t heading = LineHeight(*HeadingFont);
    const std::int32_t line = LineHeight(*TextFont);
    Write(Rect{Ranking.Left, Ranking.Top, Ranking.Right, Ranking.Top + heading}, Words(ReportText::Ranking),
          HeadingFont.get(), TextFormat::Left);
    std::int32_t y = Ranking.Top + heading;
    Write(Rect{Ranking.Left, y, Ranking.Right, y + line},
          Report.When + " \xE2\x80\x94 " + Words(ReportText::Throws) + std::to_string(Report.Throws),
          SmallFont.get(), TextFormat::Left);
    y += line + line / 3;
    const double radius = line * 0.45;
    const std::int32_t indent = Round(2.6 * radius) + TextFont->PixelHeight();
    std::int32_t place = 1;
    for (const ReportPlayer& p : Report.Ranking) {
        if (y + 2 * line > Ranking.Bottom)
            break;
        std::string number = std::to_string(place++);
        number += '.';
        Write(Rect{Ranking.Left, y, Ranking.Left + indent, y + line}, number, BoldFont.get(),
              TextFormat::Left);
        DrawBadge(*Buffer, DigitFont.get(), Ranking.Left + indent - radius - 3, y + line / 2.0, radius,
                  p.Slot);
        Write(Rect{Ranking.Left + indent + 2, y, Ranking.Right, y + line}, p.Name, BoldFont.get(),
              TextFormat::Left);
        y += line;
        Write(Rect{Ranking.Left + indent + 2, y, Ranking.Right, y + line},
              p.Standing + " \xE2\x80\x94 " + ReportDollars(p.Worth.NetWorth()), TextFont.get(),
              TextFormat::Left);
        y += line + line / 4;
    }
}

void TDialogReport::DrawChart()
{
    if (Buffer == nullptr)
        return;
    const std::int32_t heading = LineHeight(*HeadingFont);
    const std::int32_t small = LineHeight(*SmallFont);
    Write(Rect{Chart.Left, Chart.Top, Chart.Right, Chart.Top + heading}, Words(ReportText::NetWorthChart),
          HeadingFont.get(), TextFormat::Left);
    const double radius = small * 0.5;
    // Room for the amounts on the left, the digits on the right, the days and their caption below.
    const std::int32_t labels = WidgetCanvas::TextWidth(ShortDollars(-8.5e9, 5e8, 9e9), SmallFont.get()) + 6;
    const Rect plot{Chart.Left + labels, Chart.Top + heading + small / 2, Chart.Right - Round(2.5 * radius),
                    Chart.Bottom - 2 * small};
    if (plot.Width() < 20 || plot.Height() < 20)
        return;
    const ReportChart chart = MakeReportChart(Report, plot.Width());
    Buffer->FillRect(plot, Paper);
    Buffer->FrameRect(plot, PaperEdge);

    cairo_t* cr = Buffer->Context();
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, GridLine);
    for (const ChartTick& tick : chart.ValueTicks) {
        const double y = std::floor(chart.Y(tick.At, plot.Top, plot.Height() - 1)) + 0.5;
        cairo_move_to(cr, plot.Left + 1, y);
        cairo_line_to(cr, plot.Right - 1, y);
    }
    cairo_stroke(cr);
    SetColour(cr, FaintInk);
    for (const ChartTick& tick : chart.DayTicks) {
        const double x = std::floor(chart.X(tick.At, plot.Left, plot.Width() - 1)) + 0.5;
        cairo_move_to(cr, x, plot.Bottom);
        cairo_line_to(cr, x, plot.Bottom + small / 4.0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    for (const ChartTick& tick : chart.ValueTicks) {
        const std::int32_t y = Round(chart.Y(tick.At, plot.Top, plot.Height() - 1));
        Write(Rect{Chart.Left, y - small / 2, plot.Left - 4, y + small / 2}, tick.Label, SmallFont.get(),
              TextFormat::Right);
    }
    const std::int32_t tickWidth = WidgetCanvas::TextWidth("000000", SmallFont.get());
    for (const ChartTick& tick : chart.DayTicks) {
        const std::int32_t x = Round(chart.X(tick.At, plot.Left, plot.Width() - 1));
        const std::int32_t left = std::clamp(x - tickWidth / 2, Chart.Left, Chart.Right - tickWidth);
        Write(Rect{left, plot.Bottom + small / 4, left + tickWidth, plot.Bottom + small / 4 + small},
              tick.Label, SmallFont.get(), TextFormat::Center);
    }
    Write(Rect{plot.Left, Chart.Bottom - small, plot.Right, Chart.Bottom}, Words(ReportText::Days),
          SmallFont.get(), TextFormat::Center);

    // The lines, inside the plot, then the digits at their ends.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, plot.Left + 1, plot.Top + 1, plot.Width() - 2, plot.Height() - 2);
    cairo_clip(cr);
    cairo_set_line_width(cr, std::max(1.5, ScreenSize.Height / 420.0));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const ChartLine& line : chart.Lines) {
        cairo_new_path(cr);
        for (const ChartPoint& p : line.Points)
            cairo_line_to(cr, chart.X(p.Day, plot.Left, plot.Width() - 1),
                          chart.Y(p.Value, plot.Top, plot.Height() - 1));
        SetColour(cr, PlayerColours[SlotIndex(line.Slot)]);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    for (const ChartMark& mark :
         ChartMarks(chart, plot.Left, plot.Top, plot.Width() - 1, plot.Height() - 1, radius))
        DrawBadge(*Buffer, DigitFont.get(), mark.X, mark.Y, radius, mark.Slot);
}

void TDialogReport::DrawTable()
{
    if (Buffer == nullptr)
        return;
    const std::int32_t row = LineHeight(*TextFont);
    const std::int32_t pad = std::max(3, row / 4);
    std::int32_t labelWidth = WidgetCanvas::TextWidth(Words(ReportText::Figures), BoldFont.get());
    for (const ReportRow& r : Report.Rows)
        labelWidth = std::max(labelWidth, WidgetCanvas::TextWidth(r.Label, BoldFont.get()));
    labelWidth = std::min(labelWidth + 2 * pad, Table.Width() / 4);
    const auto players = static_cast<std::int32_t>(std::max<std::size_t>(Report.Ranking.size(), 1));
    // Columns no wider than needed for a name or a large sum, so that few players are not spread
    // over the whole width.
    const std::int32_t column =
        std::min((Table.Width() - labelWidth) / players, Round(0.16 * ScreenSize.Width));
    const Rect whole{Table.Left, Table.Top, Table.Left + labelWidth + column * players, Table.Bottom};
    Buffer->FillRect(whole, Paper);
    for (std::size_t i = 0; i < Report.Rows.size(); ++i) {
        if (i % 2 == 0) {
            const std::int32_t top = Table.Top + static_cast<std::int32_t>(i + 1) * row;
            Buffer->FillRect(Rect{whole.Left, top, whole.Right, top + row}, PaperShade);
        }
    }
    Buffer->FrameRect(whole, PaperEdge);
    Buffer->FillRect(Rect{whole.Left, Table.Top + row - 1, whole.Right, Table.Top + row}, PaperEdge);

    // The header: the players in the order of the ranking, each with his digit.
    Write(Rect{whole.Left + pad, Table.Top, whole.Left + labelWidth - pad, Table.Top + row},
          Words(ReportText::Figures), BoldFont.get(), TextFormat::Left);
    const double radius = row * 0.4;
    for (std::size_t k = 0; k < Report.Ranking.size(); ++k) {
        // The name at the column's right, as the numbers below it, and its digit just before it.
        const std::int32_t left = whole.Left + labelWidth + static_cast<std::int32_t>(k) * column;
        const std::int32_t nameLeft = left + pad + Round(2 * radius) + 3;
        const std::int32_t nameWidth = std::min(
            WidgetCanvas::TextWidth(Report.Ranking[k].Name, BoldFont.get()), left + column - pad - nameLeft);
        DrawBadge(*Buffer, DigitFont.get(), left + column - pad - nameWidth - 3 - radius,
                  Table.Top + row / 2.0, radius, Report.Ranking[k].Slot);
        Write(Rect{nameLeft, Table.Top, left + column - pad, Table.Top + row}, Report.Ranking[k].Name,
              BoldFont.get(), TextFormat::Right);
    }
    for (std::size_t i = 0; i < Report.Rows.size(); ++i) {
        const ReportRow& r = Report.Rows[i];
        const std::int32_t top = Table.Top + static_cast<std::int32_t>(i + 1) * row;
        Write(Rect{whole.Left + pad, top, whole.Left + labelWidth - pad, top + row}, r.Label, BoldFont.get(),
              TextFormat::Left);
        for (std::size_t k = 0; k < r.Cells.size(); ++k) {
            const std::int32_t left = whole.Left + labelWidth + static_cast<std::int32_t>(k) * column;
            Write(Rect{left + pad, top, left + column - pad, top + row}, r.Cells[k], TextFont.get(),
                  TextFormat::Right);
        }
    }
    Write(Rect{Table.Left, Table.Bottom, Table.Right, Table.Bottom + row}, Report.MostRent, TextFont.get(),
          TextFormat::Left);
}

void TDialogReport::DrawStatus()
{
    if (!SavedFile.empty())
        Write(Status, Words(ReportText::Saved) + SavedFile, SmallFont.get(), TextFormat::Left);
}

void TDialogReport::ShowHistory()
{
    const std::int32_t heading = LineHeight(*HeadingFont);
    const Rect list = HistoryList.BoundsRect();
    Write(Rect{list.Left, list.Top - heading, list.Right, list.Top}, Words(ReportText::History),
          HeadingFont.get(), TextFormat::Left);
    if (!HistoryFilled) {
        std::vector<std::string> lines;
        lines.reserve(Report.History.size() + 1);
        for (std::size_t i = 0; i < Report.History.size(); ++i)
            lines.push_back(Report.HistoryWhen(i) + "\t" + Report.HistoryWhat(i));
        if (Report.LinesNotKept > 0) {
            std::string more(1, '\t');
            more += std::to_string(Report.LinesNotKept);
            more += Words(ReportText::LinesNotKept);
            lines.push_back(std::move(more));
        }
        HistoryList.SetItems(std::move(lines));
        HistoryFilled = true;
        // The newest lines first in view, as they are the last.
        HistoryList.SetTopIndex(HistoryList.Count());
    }
    HistoryList.SetVisible(true);
    HistoryList.SetFocus();
}

void TDialogReport::ToggleHistory()
{
    if (Buffer == nullptr)
        return;
    ShowingHistory = !ShowingHistory;
    HistoryButton.SetCaption(Words(ShowingHistory ? ReportText::FiguresButton : ReportText::HistoryButton));
    HistoryButton.ParseShortcut();
    HistoryButton.Invalidate();
    // The background again above the buttons, then the other view.
    const Rect content{0, 0, Width(), Status.Top};
    if (Background != nullptr && !Background->IsEmpty()) {
        Buffer->SetClip(&content);
        Surface::StretchBlit(*Buffer, ClientRect(), *Background, true,
                             Rect{0, 0, Background->Width, Background->Height});
        Buffer->SetClip(nullptr);
    }
    if (ShowingHistory) {
        ShowHistory();
    } else {
        HistoryList.SetVisible(false);
        OkButton.SetFocus();
        DrawFigures();
    }
    Invalidate();
}

bool TDialogReport::SaveReportPage()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    const std::filesystem::path file = std::filesystem::path(Folder) / ReportFileName(GameName, local);
    const SavedGameResult saved = SaveReport(file, Report);
    if (!saved.Ok) {
        if (Screen.ShowError)
            Screen.ShowError(Words(ReportText::NotSaved) + saved.Reason);
        return false;
    }
    SavedFile = file.string();
    if (Buffer != nullptr && Background != nullptr && !Background->IsEmpty()) {
        Buffer->SetClip(&Status);
        Surface::StretchBlit(*Buffer, ClientRect(), *Background, true,
                             Rect{0, 0, Background->Width, Background->Height});
        Buffer->SetClip(nullptr);
    }
    DrawStatus();
    Invalidate();
    return true;
}

void TDialogReport::ButtonCommand(std::int32_t id)
{
    if (id == CommandId::ReportHistory)
        ToggleHistory();
    else if (id == CommandId::SaveReport)
        SaveReportPage();
}

bool TDialogReport::OnKeyDown(KeyCode key, ShiftState shift)
{
    if (key == Key::Escape) {
        ModalResult = ::ModalResult::Ok;
        return true;
    }
    return TModalDialog::OnKeyDown(key, shift);
}
