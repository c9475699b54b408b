// TNewGameDlg: the set-up of a new game (the board, which of the six player slots take part, each
// player's name and whether a human or the computer plays it), stored by Validate.
#pragma once

#include "controls/SButton.h"
#include "controls/SCheckBox.h"
#include "controls/SComboBox.h"
#include "controls/SImageList.h"
#include "dialogs/ModalDialog.h"
#include "platform/Edit.h"
#include "rules/GameState.h"

#include <array>
#include <cstdint>
#include <memory>

// The players' pictures, a frame per slot, as people ("PPlayerH") and as computers ("PPlayerC"):
// loaded by the main menu while it is shown; the dialog's pictures keep these slots.
extern SurfaceSlot HumanPictures;
extern SurfaceSlot ComputerPictures;

class TNewGameDlg : public TModalDialog
{
    CONTROL_CLASS(TNewGameDlg, TModalDialog);
    // Made with the main menu screen, its owner.
    explicit TNewGameDlg(WinControl& owner);
    ~TNewGameDlg() override;

    TSButton NewButton;
    TSButton CancelButton;
    TSComboBox BoardBox;
    std::array<std::unique_ptr<TSCheckBox>, PlayerSlots> InGameBoxes;
    std::array<std::unique_ptr<Edit>, PlayerSlots> NameEdits;
    std::array<std::unique_ptr<TSImageList>, PlayerSlots> Pictures;
    // Report ToggleKindOf(slot) to the screen, which calls ToggleKind.
    std::array<std::unique_ptr<TSButton>, PlayerSlots> KindButtons;
    // The working copy of PlayerHuman while the dialog is open.
    std::array<std::uint8_t, PlayerSlots> Human{};

    // Each showing starts from the set-up as it is: the boards of the start folder with BoardName
    // chosen, and every slot as PlayerInGame, PlayerHuman and the players' names say.
    void ShowContent() override;
    // Turns slot (0 to 5) between human and computer: its picture and its button follow.
    void ToggleKind(std::int32_t slot);
    // After "&New": fewer than two players taking part is reported in the error dialog and
    // returns true (the game must not start) with nothing stored; otherwise the board, the slots
    // taking part, their kinds and names are stored and it returns false.
    bool Validate();
};
