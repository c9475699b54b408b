// TFileDlg: the dialog in which the user names a file to load or save among the files of one
// extension in one folder of the start folder (saved games in SAVES, boards in the start folder).
#pragma once

#include "controls/SButton.h"
#include "dialogs/ModalDialog.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"
#include "rules/SavedGame.h"

#include <cstdint>
#include <string>
#include <string_view>

// SaveMode of TFileDlg.
namespace FileMode {
constexpr std::int32_t Load = 0;
constexpr std::int32_t Save = 1;
} // namespace FileMode

// The longest name the file dialog takes, in characters.
constexpr std::size_t MaxFileNameCharacters = 64;

// Why a typed name cannot name a file in the dialog's folder, as the index of its message in the
// MenuMessages texts (MenuText), or -1 when it can: a name with "/" or "\" or one starting with a
// full stop would lead out of the folder or to a hidden file, control characters have no place in
// a file name, and longer names than MaxFileNameCharacters are refused.
int FileNameProblem(std::string_view name);

class TFileDlg : public TModalDialog
{
    CONTROL_CLASS(TFileDlg, TModalDialog);
    // Made once by its screen and reused.
    explicit TFileDlg(WinControl& owner);

    std::int32_t SaveMode = FileMode::Load;
    // The full path of the accepted file.
    std::string Path;
    // The folder below the start folder, with "/" between its parts and none at either end; empty
    // for the start folder itself.
    std::string Folder;
    // Without the full stop.
    std::string Extension;
    TSButton ConfirmButton;
    TSButton CancelButton;
    ListBox FileList;
    Edit NameEdit;

    // Prepares the next showing: the mode, the folder below the start folder (its separators may
    // be "/" or "\", as "\SAVES\"; "" or "\" is the start folder itself), the extension, and the
    // dialog's centre (screen fractions). title is the dialog's caption; empty gives "Load Game" or
    // "Save Game".
    void Open(std::int32_t mode, std::string_view folder, std::string_view extension, float centreX,
              float centreY, std::string_view title = {});
    // The confirm button's caption, the captions drawn, and the list of files, each time.
    void ShowContent() override;
    // Only the confirm button's command counts; nothing is passed on to the screen.
    void ButtonCommand(std::int32_t id) override;
    // Takes the typed name when it names a file that may be used: in save mode after asking
    // whether an existing one may be replaced, in load mode when it exists. Otherwise the dialog
    // stays open (a refused name or a missing file is reported in the error dialog).
    void Confirm();

    // The folder the files are listed from.
    std::string FolderPath() const;

private:
    std::string Title;
};
