// The game screen's three dialogs, made in the order event, decision, mortgage.
#include "dialogs/GameDialogsHost.h"

GameDialogsHost::GameDialogsHost(WinControl& owner, GameState& state, Board& board,
                                 const GameDialogScreen& screen)
    : DialogOk(owner, state, board, screen), DialogYesNo(owner, state, board, screen),
      DialogMortgage(owner, state, board, screen)
{
}
