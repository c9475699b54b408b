// The file dialog: the list of files, the typed name and its checks, the replace question and
// the missing-file error.
#include "menu/FileDlg.h"

#include "archive/UtilsPath.h"
#include "graphics/Surface.h"
#include "menu/AskDlg.h"
#include "menu/ErrorDlg.h"
#include "menu/MenuDialogParts.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <filesystem>
#include <system_error>

namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A control character of the first 32, delete, or one of the 32 controls after it (U+0080 to
// U+009F, two bytes in UTF-8).
bool IsControlAt(std::string_view name, std::size_t i)
{
    const auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || c == 0x7F)
        return true;
    return c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
           static_cast<unsigned char>(name[i + 1]) <= 0x9F;
}

void ReportError(const std::string& text)
{
    if (ErrorDlg != nullptr)
        ErrorDlg->ShowError(text);
}

} // namespace

int FileNameProblem(std::string_view name)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '/' || name[i] == '\\')
            return MenuText::NameHasSeparator;
        if (IsControlAt(name, i))
            return MenuText::NameHasControlCharacter;
        characters += IsContinuation(name[i]) ? 0 : 1;
    }
    if (!name.empty() && name.front() == '.')
        return MenuText::NameStartsWithDot;
    if (characters > MaxFileNameCharacters)
        return MenuText::NameTooLong;
    return -1;
}

TFileDlg::TFileDlg(WinControl& owner)
    : TModalDialog(owner), ConfirmButton(this), CancelButton(this), FileList(this), NameEdit(this)
{
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.39f, 0.2f, 0.22f, 0.4f));
    SetupDialogButton(ConfirmButton, 0.025f, 0.35f, CommandId::ConfirmFile,
                      Text(TextGroup::ShellDialogs, ShellText::LoadButton));
    SetupDialogButton(CancelButton, 0.117f, 0.35f, ModalResult::Cancel,
                      Text(TextGroup::DialogButtons, ButtonText::Cancel));
    FileList.Color = MenuDialog::FieldColour;
    PlaceField(FileList, *this, MakeRelRect(0.025f, 0.09f, 0.17f, 0.24f));
    NameEdit.Color = MenuDialog::FieldColour;
    PlaceField(NameEdit, *this, MakeRelRect(0.025f, 0.04f, 0.17f, 0.024f));
    FileList.Clicked = [this] {
        if (FileList.ItemIndex() >= 0)
            NameEdit.SetText(FileList.ItemText(FileList.ItemIndex()));
    };
    FileList.DoubleClicked = [this] { Confirm(); };
    NameEdit.ReturnPressed = [this] { Confirm(); };
}

void TFileDlg::Open(std::int32_t mode, std::string_view folder, std::string_view extension, float centreX,
                    float centreY, std::string_view title)
{
    const float width = Placement.Right - Placement.Left;
    const float height = Placement.Bottom - Placement.Top;
    MoveTo(centreX - width / 2, centreY - height / 2);
    SaveMode = mode;
    // "\SAVES\" and "SAVES" name the same folder; the separators at either end are dropped.
    std::string path(folder);
    for (char& c : path)
        c = c == '\\' ? '/' : c;
    const std::size_t first = path.find_first_not_of('/');
    const std::size_t last = path.find_last_not_of('/');
    Folder = first == std::string::npos ? std::string() : path.substr(first, last - first + 1);
    Extension = std::string(extension);
    Title = std::string(title);
}

std::string TFileDlg::FolderPath() const
{
    const std::string start = StartFolderOf(*this);
    return Folder.empty() ? start : start + "/" + Folder;
}

void TFileDlg::ShowContent()
{
    ConfirmButton.SetFocus();
    NameEdit.SetText("");
    const bool save = SaveMode == FileMode::Save;
    ConfirmButton.SetCaption(
        Text(TextGroup::ShellDialogs, save ? ShellText::SaveButton : ShellText::LoadButton));
    ConfirmButton.ParseShortcut();
    SetCaption(!Title.empty()
                   ? Title
                   : Text(TextGroup::ShellDialogs, save ? ShellText::SaveGame : ShellText::LoadGame));
    const ::Font* font = GetFont();
    Buffer->DrawTextAt(Text(TextGroup::ShellDialogs, ShellText::Name), font, 0.025f, 0.02f, 0);
    Buffer->DrawTextAt(Text(TextGroup::ShellDialogs, ShellText::Files), font, 0.025f, 0.07f, 0);
    FileList.Clear();
    // Names the dialog would refuse are not offered.
    for (std::string& name : FileNamesWithExtension(FolderPath(), Extension)) {
        if (FileNameProblem(name) < 0)
            FileList.AddItem(std::move(name));
    }
}

void TFileDlg::ButtonCommand(std::int32_t id)
{
    if (id == CommandId::ConfirmFile)
        Confirm();
}

void TFileDlg::Confirm()
{
    const std::string name = NameEdit.Text();
    if (name.empty())
        return;
    if (const int problem = FileNameProblem(name); problem >= 0) {
        ReportError(Text(TextGroup::MenuMessages, problem));
        return;
    }
    Path = FolderPath() + "/" + name + "." + Extension;
    // A file whose name differs only in letter case is the same file to the user.
    const std::string existing = ResolveFileName(Path);
    std::error_code ec;
    if (SaveMode == FileMode::Save) {
        if (std::filesystem::exists(existing, ec)) {
            if (AskDlg == nullptr ||
                AskDlg->Ask(Text(TextGroup::LongMessages, LongText::FileExists)) != ModalResult::Yes)
                return;
            Path = existing;
        }
        ModalResult = ModalResult::Ok;
        return;
    }
    if (std::filesystem::is_regular_file(existing, ec)) {
        Path = existing;
        ModalResult = ModalResult::Ok;
        return;
    }
    ReportError(Text(TextGroup::ShellDialogs, ShellText::TheFile) + Path +
                Text(TextGroup::LongestMessages, LongestText::CannotRead));
}
