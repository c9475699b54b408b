// TTryItDlg: "Try it": computer players play a batch of games on a copy of the editor's board in
// the background of the dialog (a progress bar, cancellable), then the dialog reports how long the
// games last, how often each player wins and which lots earn the most rent.
#pragma once

#include "board/Board.h"
#include "controls/SButton.h"
#include "dialogs/ModalDialog.h"
#include "platform/Timer.h"
#include "rules/GameSetup.h"
#include "sim/SimBatch.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// The report of a batch, as the dialog writes it: a column of figures and one of lots.
struct TryItReport
{
    std::vector<std::string> Figures;
    std::vector<std::string> Lots;
};
TryItReport MakeTryItReport(const SimSummary& summary, const GameSetup& setup);

// The players of the games: the slots the next new game would have (at least two: else the first
// three), all of them computers, with the current initial cash.
GameSetup TryItSetup();

class TTryItDlg : public TModalDialog
{
    CONTROL_CLASS(TTryItDlg, TModalDialog);
    explicit TTryItDlg(WinControl& owner);
    // Stops and waits for games still being played.
    ~TTryItDlg() override;

    // Games a batch plays.
    std::int32_t Games = 200;

    // "&Cancel" while the games are played (it stops them), "&Ok" once the report is shown.
    TSButton OkButton;
    TSButton CancelButton;
    GameSetup Setup;

    // Plays the games on a copy of board while the dialog is shown; returns its modal result.
    // Whatever closes the dialog stops the games still being played.
    int Run(const Board& board);
    // The progress bar, or the report when the games are over.
    void ShowContent() override;
    // Looks at the games on the dialog's own timer: the bar follows, and the report comes when they
    // are over. The games' thread touches nothing of the dialog's but these figures.
    void Poll();

    bool Playing() const { return Worker.joinable(); }
    std::int32_t GamesDone() const { return Done.load(); }
    // The figures of the last batch, once it is over.
    const SimSummary& Summary() const { return Result; }
    bool Finished() const { return Over; }

private:
    void Stop();
    void DrawProgress();
    void DrawReport();
    void ShowResultButtons();

    ::Timer PollTimer;
    std::thread Worker;
    std::atomic<bool> CancelFlag = false;
    std::atomic<std::int32_t> Done = 0;
    std::atomic<bool> WorkerDone = false;
    ::Board Copy;
    SimSummary Result;
    bool Over = false;
};
