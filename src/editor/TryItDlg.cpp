// "Try it": the batch of computer games on its own thread, the progress bar polled on the dialog's
// timer, and the report of the games.
#include "editor/TryItDlg.h"

#include "game/GameSetupCopy.h"
#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "menu/MenuDialogParts.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float DialogWidth = 0.5f;
constexpr float DialogHeight = 0.42f;
// Left, top, right, bottom from the dialog's top-left corner. The columns hold fourteen lines.
constexpr RelRect StatusArea{0.02f, 0.012f, 0.48f, 0.04f};
constexpr RelRect BarArea{0.02f, 0.045f, 0.48f, 0.067f};
constexpr RelRect FiguresArea{0.02f, 0.085f, 0.29f, 0.37f};
constexpr RelRect LotsArea{0.3f, 0.085f, 0.48f, 0.37f};
// The bar's fill: the gold of the menu's captions (red 215, green 177, blue 91).
constexpr Colour BarFill = 0x005BB1D7;
constexpr Colour Ink = 0;
// The games' threads: the machine's cores, at most two (the interface keeps running beside them).
constexpr unsigned MaxJobs = 2;

std::string Say(int index)
{
    return Text(TextGroup::EditorReport, index);
}

std::string Percent(std::int64_t part, std::int64_t whole)
{
    return whole > 0
               ? std::to_string(std::llround(100.0 * static_cast<double>(part) / static_cast<double>(whole)))
               : std::string("0");
}

} // namespace

GameSetup TryItSetup()
{
    GameSetup setup = CurrentGameSetup();
    const auto inGame = std::count(setup.InGame.begin(), setup.InGame.end(), true);
    if (inGame < 2)
        setup.InGame = GameSetup{}.InGame;
    setup.Human.fill(false);
    return setup;
}

TryItReport MakeTryItReport(const SimSummary& summary, const GameSetup& setup)
{
    TryItReport report;
    std::vector<std::string>& out = report.Figures;
    const auto players = std::count(setup.InGame.begin(), setup.InGame.end(), true);
    if (summary.Cancelled)
        out.push_back(Say(EditorReportText::Cancelled));
    out.push_back(Say(EditorReportText::GamesPlayed) + std::to_string(summary.Games) + " (" +
                  std::to_string(players) + Say(EditorReportText::Players) + ")");
    out.push_back(Say(EditorReportText::Throws) + std::to_string(std::llround(summary.ThrowsMean())) +
                  Say(EditorReportText::Median) + std::to_string(std::llround(summary.ThrowsMedian)) +
                  Say(EditorReportText::Longest) + std::to_string(summary.ThrowsMax));
    // A day ends when the turn has gone round every player still in the game.
    if (players > 0)
        out.push_back(Say(EditorReportText::Days) +
                      std::to_string(std::llround(summary.ThrowsMean() / static_cast<double>(players))));
    out.push_back(Say(EditorReportText::TurnLimit) + std::to_string(summary.TurnLimitGames));
    if (summary.NoWinner > 0)
        out.push_back(Say(EditorReportText::NobodyWon) + std::to_string(summary.NoWinner));
    out.emplace_back();
    out.push_back(Say(EditorReportText::Wins));
    for (std::int32_t slot = 0; slot < PlayerSlots; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!setup.InGame[s])
            continue;
        const std::string name = setup.Names[s].empty() ? PlayerName(slot) : setup.Names[s];
        out.push_back(name + ": " + std::to_string(summary.Wins[s]) + " (" +
                      Percent(summary.Wins[s], summary.Games) + "%)");
    }

    report.Lots.push_back(Say(EditorReportText::TopLots));
    if (summary.TopLots.empty())
        report.Lots.push_back(Say(EditorReportText::NoRent));
    for (const LotRent& lot : summary.TopLots) {
        const std::int64_t perGame = summary.Games > 0 ? lot.Rent / summary.Games : lot.Rent;
        // Built by appending: GCC 12 warns falsely on a chain starting with a literal.
        std::string text(1, '(');
        text.append(std::to_string(lot.X)).append(", ").append(std::to_string(lot.Y)).append("): ");
        text.append(Text(TextGroup::DialogFragments, DialogText::Dollar)).append(std::to_string(perGame));
        report.Lots.push_back(text + Say(EditorReportText::AGame));
    }
    return report;
}

TTryItDlg::TTryItDlg(WinControl& owner)
    : TModalDialog(owner), OkButton(this), CancelButton(this), PollTimer(*App())
{
    SetCaption(Say(EditorReportText::TryItCaption));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.25f, 0.26f, DialogWidth, DialogHeight));
    // One place for both: Cancel while the games are played, Ok once they are over.
    const float left = (DialogWidth - MenuDialog::ButtonWidth) / 2;
    SetupDialogButton(OkButton, left, 0.38f, ModalResult::Ok, Text(TextGroup::DialogButtons, ButtonText::Ok));
    SetupDialogButton(CancelButton, left, 0.38f, ModalResult::Cancel,
                      Text(TextGroup::DialogButtons, ButtonText::Cancel));
    PollTimer.SetInterval(40);
    PollTimer.OnTimer = [this] { Poll(); };
}

TTryItDlg::~TTryItDlg()
{
    PollTimer.SetEnabled(false);
    Stop();
}

int TTryItDlg::Run(const Board& board)
{
    Stop();
    Copy = board;
    // The copy is played on another thread: it must not ask the editor's view to draw it.
    Copy.OnRedraw = nullptr;
    Copy.CursorX = -1;
    Copy.EditMode = false;
    Setup = TryItSetup();
    Result = SimSummary{};
    Over = false;
    Done = 0;
    CancelFlag = false;
    WorkerDone = false;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    Worker = std::thread([this, jobs = static_cast<std::int32_t>(std::min(cores, MaxJobs))] {
        SimBatchOptions batch;
        batch.Games = Games;
        batch.Jobs = jobs;
        batch.Cancel = &CancelFlag;
        batch.Progress = [this](std::int32_t done, std::int32_t) {
            // Several threads report; the count only grows.
            std::int32_t seen = Done.load();
            while (seen < done && !Done.compare_exchange_weak(seen, done)) {
            }
        };
        SimSummary summary;
        RunSimBatch(Copy, Setup, SimGameOptions{}, batch, summary);
        Result = summary;
        WorkerDone.store(true, std::memory_order_release);
    });
    PollTimer.SetEnabled(true);
    const int result = ShowModal();
    PollTimer.SetEnabled(false);
    Stop();
    return result;
}

void TTryItDlg::Stop()
{
    if (!Worker.joinable())
        return;
    CancelFlag = true;
    Worker.join();
}

void TTryItDlg::ShowContent()
{
    OkButton.SetVisible(false);
    CancelButton.SetVisible(true);
    CancelButton.SetFocus();
    DrawProgress();
    Poll();
}

void TTryItDlg::Poll()
{
    if (Over || Buffer == nullptr)
        return;
    if (!WorkerDone.load(std::memory_order_acquire)) {
        DrawProgress();
        return;
    }
    Worker.join();
    Over = true;
    PollTimer.SetEnabled(false);
    DrawProgress();
    DrawReport();
    ShowResultButtons();
}

void TTryItDlg::DrawProgress()
{
    if (Buffer == nullptr)
        return;
    const RelRect whole{0, 0, DialogWidth, DialogHeight};
    const std::int32_t done = Over ? Result.Games : Done.load();
    DrawBackgroundPart(*Buffer, StatusArea, whole, Background);
    Rect status = ScreenRect(StatusArea);
    Buffer->DrawTextInRect(status,
                           Say(Over ? EditorReportText::Played : EditorReportText::Playing) +
                               std::to_string(done) + Say(EditorReportText::Of) + std::to_string(Games) +
                               Say(EditorReportText::Games),
                           TextFormat::Left | TextFormat::VCenter | TextFormat::SingleLine, Ink, GetFont());
    const Rect bar = ScreenRect(BarArea);
    Buffer->FillRect(bar, 0x00FFFFFF);
    const std::int32_t filled = bar.Width() * std::clamp(done, 0, Games) / Games;
    Buffer->FillRect(Rect{bar.Left, bar.Top, bar.Left + filled, bar.Bottom}, BarFill);
    Buffer->FrameRect(bar, Ink);
    ShowRect(Rect{status.Left, status.Top, bar.Right, bar.Bottom});
}

void TTryItDlg::DrawReport()
{
    if (Buffer == nullptr)
        return;
    const TryItReport report = MakeTryItReport(Result, Setup);
    const std::int32_t line = GetFont() != nullptr ? GetFont()->PixelHeight() * 5 / 4 : 16;
    auto column = [&](const RelRect& area, const std::vector<std::string>& lines) {
        const Rect box = ScreenRect(area);
        std::int32_t top = box.Top;
        for (const std::string& text : lines) {
            if (top + line > box.Bottom)
                break;
            Rect r{box.Left, top, box.Right, top + line};
            Buffer->DrawTextInRect(r, text,
                                   TextFormat::Left | TextFormat::VCenter | TextFormat::SingleLine |
                                       TextFormat::NoPrefix,
                                   Ink, GetFont());
            top += line;
        }
        ShowRect(box);
    };
    column(FiguresArea, report.Figures);
    column(LotsArea, report.Lots);
}

void TTryItDlg::ShowResultButtons()
{
    CancelButton.SetVisible(false);
    OkButton.SetVisible(true);
    OkButton.SetFocus();
    OkButton.Paint();
}
