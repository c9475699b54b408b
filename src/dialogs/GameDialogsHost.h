// GameDialogsHost: the game screen's three dialogs and the game's side of the rules host's dialog
// operations (show an event, ask a decision, choose a property to mortgage).
//
// Use by the game screen (GameProc):
//   - make one when the screen is made, with the screen as owner, the rules' GameState and the
//     Board, and what the dialogs need of the screen (GameDialogScreen: redraw the board, the
//     selected cell's point on the screen from BoardView::CursorPoint, play a sound, the slot of the
//     "table1" sheet that Enter loads and Leave frees);
//   - forward the screen's RulesHost::ShowEvent, AskDecision and ChooseMortgage to the members of
//     the same names;
//   - for a click on a board cell that is not ground, select the cell (the board's CursorX,
//     CursorY) and call ShowEvent(EventCode::StreetInfo) for a road, else
//     ShowEvent(EventCode::StructureInfo).
// Each call shows its dialog modally and returns when it is closed; the screen's Busy flag is set
// meanwhile. The dialogs read the game state and the board and change only what their answers are
// made of: the board's selection (cleared after the event and decision dialogs, moved by the
// mortgage dialog together with the view's centre) and, after the structure information,
// EventAmount (the cell's current payment). The rules apply the answers.
#pragma once

#include "dialogs/DialogMortgage.h"
#include "dialogs/DialogOk.h"
#include "dialogs/DialogYesNo.h"

#include <cstdint>

class GameDialogsHost
{
public:
    GameDialogsHost(WinControl& owner, GameState& state, Board& board, const GameDialogScreen& screen);

    TDialogOk DialogOk;
    TDialogYesNo DialogYesNo;
    TDialogMortgage DialogMortgage;

    // RulesHost::ShowEvent: the event dialog of code (EventCode), closing by itself after
    // closeAfterTicks ticks unless that is SelfClosing::StaysOpen.
    void ShowEvent(std::int32_t code, std::int32_t closeAfterTicks = SelfClosing::StaysOpen)
    {
        DialogOk.ShowEvent(code, closeAfterTicks);
    }
    // RulesHost::AskDecision: the decision dialog of code (DecisionCode); true for Yes.
    bool AskDecision(std::int32_t code) { return DialogYesNo.AskDecision(code); }
    // RulesHost::ChooseMortgage: the cell of the property chosen, debt dollars still missing.
    void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y)
    {
        DialogMortgage.ChooseMortgage(debt, x, y);
    }
};
