// The main menu screen: its buttons and their places, the background, its keys, and the commands
// that start, load, save and resume games through the game screen.
#include "menu/MainMenuProc.h"

#include "game/GameProc.h"
#include "graphics/Font.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "menu/ErrorDlg.h"
#include "platform/Application.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <filesystem>
#include <functional>
#include <string>

namespace {

// Every button of the two columns is this big; the editor's, below them, is lower.
constexpr float ButtonWidth = 0.26f;
constexpr float ButtonHeight = 0.13f;
constexpr float LeftColumn = 0.2f;
constexpr float RightColumn = 0.54f;
constexpr float EditorButtonHeight = 0.09f;

constexpr RelRect Place(float left, float top, float height = ButtonHeight)
{
    return RelRect{left, top, left + ButtonWidth, top + height};
}

// The board file of a new game: the chosen board's name in the start folder. An empty name (no
// boards to choose from) names no file, and the game takes the built-in board.
std::filesystem::path BoardFile(const std::string& startDir)
{
    return std::filesystem::path(startDir) / (BoardName + ".brd");
}

} // namespace

const std::array<MainMenuButtonPlace, MainMenuLayout::ButtonCount>& MainMenuLayout::Buttons()
{
    static const std::array<MainMenuButtonPlace, ButtonCount> buttons = {{
        {MainMenuText::NewGame, CommandId::New, Place(LeftColumn, 0.24f)},
        {MainMenuText::LoadGame, CommandId::Load, Place(LeftColumn, 0.40f)},
        {MainMenuText::SaveGame, CommandId::Save, Place(LeftColumn, 0.56f)},
        {MainMenuText::Restore, CommandId::Restore, Place(LeftColumn, 0.72f)},
        {MainMenuText::Options, CommandId::Options, Place(RightColumn, 0.24f)},
        {MainMenuText::Help, CommandId::Help, Place(RightColumn, 0.40f)},
        {MainMenuText::Credits, CommandId::Credits, Place(RightColumn, 0.56f)},
        {MainMenuText::Quit, CommandId::Quit, Place(RightColumn, 0.72f)},
        {EditorText::Editor, CommandId::Editor, Place(0.37f, 0.87f, EditorButtonHeight)},
    }};
    return buttons;
}

MainMenuProc::MainMenuProc(TMainWnd& owner)
    : TWinProcedure(owner), NewGameButton(this), LoadButton(this), SaveButton(this), RestoreButton(this),
      OptionsButton(this), HelpButton(this), CreditsButton(this), QuitButton(this), EditorButton(this),
      NewGameDialog(*this), FileDialog(*this), OptionsDialog(*this), AboutDialog(*this)
{
    const auto buttons = AllButtons();
    const auto& places = MainMenuLayout::Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TSMMButton& button = *buttons[i];
        const MainMenuButtonPlace& place = places[i];
        const TextGroup group = place.Id == CommandId::Editor ? TextGroup::Editor : TextGroup::MainMenu;
        button.Image = &ButtonStrip;
        button.Setup(nullptr, place.Area, 0, place.Id, Text(group, place.Caption), nullptr);
        button.SetCursor(CursorId::Hand);
    }
    SaveButton.SetEnabled(false);
    RestoreButton.SetEnabled(false);
    MenuFont = MakeFont("Impact", 700, 48, 14);
    SetFont(MenuFont.get());
}

MainMenuProc::~MainMenuProc()
{
    // The buttons outlive the font in the members' order; they must not reach for it.
    SetFont(nullptr);
}

std::array<TSMMButton*, MainMenuLayout::ButtonCount> MainMenuProc::AllButtons()
{
    return {&NewGameButton, &LoadButton,    &SaveButton, &RestoreButton, &OptionsButton,
            &HelpButton,    &CreditsButton, &QuitButton, &EditorButton};
}

void MainMenuProc::UpdateButtons()
{
    const bool running = GameScreen != nullptr && GameScreen->Running();
    for (TSMMButton* button : {&SaveButton, &RestoreButton}) {
        if (button->Enabled() == running)
            continue;
        button->SetEnabled(running);
        Repaint(*button);
    }
}

void MainMenuProc::Repaint(TSMMButton& button)
{
    if (Visible() && button.Visible() && ButtonStrip != nullptr)
        button.Paint();
}

void MainMenuProc::KeyAction(KeyCode key, ShiftState)
{
    switch (key) {
    case Key::Return:
        if (RestoreButton.Enabled())
            RestoreButton.Select();
        break;
    case Key::Escape:
        MainWnd().Close();
        break;
    case Key::F1:
        OpenHelp();
        break;
    default:
        break;
    }
}

int MainMenuProc::Command(int, int code)
{
    if (CommandId::IsToggleKind(code)) {
        NewGameDialog.ToggleKind(code - CommandId::ToggleKind);
        return code;
    }
    switch (code) {
    case CommandId::New:
        StartNewGame();
        break;
    case CommandId::Load:
        LoadSavedGame();
        break;
    case CommandId::Save:
        SaveRunningGame();
        break;
    case CommandId::Restore:
        if (GameScreen != nullptr && GameScreen->Running())
            MainWnd().RequestedState = ShellState::InGame;
        break;
    case CommandId::Options:
        if (OptionsDialog.ShowModal() == ModalResult::Ok)
            OptionsDialog.Apply();
        break;
    case CommandId::Help:
        OpenHelp();
        break;
    case CommandId::Credits:
        AboutDialog.ShowModal();
        break;
    case CommandId::Quit:
        App()->Terminate();
        break;
    case CommandId::Editor:
        MainWnd().RequestedState = ShellState::InEditor;
        break;
    default:
        break;
    }
    return code;
}

void MainMenuProc::StartNewGame()
{
    if (NewGameDialog.ShowModal() != ModalResult::Ok || NewGameDialog.Validate())
        return;
    if (GameScreen == nullptr)
        return;
    if (GameScreen->NewGame(BoardFile(MainWnd().StartDir)))
        MainWnd().RequestedState = ShellState::InGame;
    else if (ErrorDlg != nullptr)
        ErrorDlg->ShowError(Text(TextGroup::MenuMessages, MenuText::NoBoard));
}

void MainMenuProc::LoadSavedGame()
{
    if (GameScreen == nullptr)
        return;
    // A file that is refused leaves the game that was running as it was.
    ThroughFileDialog(FileMode::Load,
                      [](const std::filesystem::path& file) { return GameScreen->LoadGame(file); });
}

void MainMenuProc::SaveRunningGame()
{
    if (GameScreen == nullptr || !GameScreen->Running())
        return;
    ThroughFileDialog(FileMode::Save,
                      [](const std::filesystem::path& file) { return GameScreen->SaveGame(file); });
}

void MainMenuProc::ThroughFileDialog(std::int32_t mode,
                                     const std::function<std::string(const std::filesystem::path&)>& act)
{
    FileDialog.Open(mode, SavedGames::Folder, SavedGames::Extension, 0.5f, 0.5f);
    if (FileDialog.ShowModal() != ModalResult::Ok)
        return;
    const std::string problem = act(FileDialog.Path);
    if (problem.empty()) {
        MainWnd().RequestedState = ShellState::InGame;
        return;
    }
    // The menu stays, so that the player can choose another file.
    if (ErrorDlg != nullptr)
        ErrorDlg->ShowError(problem);
}

void MainMenuProc::OpenHelp()
{
    const std::string& page = App()->HelpFile();
    App()->OpenHelp(!page.empty() ? page : MainWnd().DataDir + "/Tarnhollow.html");
}

void MainMenuProc::Redraw()
{
    Surface* back = MainWnd().BackBuffer.get();
    if (back == nullptr)
        return;
    const Rect whole = ScreenRect(RelRect{0, 0, 1, 1});
    if (Background != nullptr && !Background->IsEmpty())
        Surface::StretchBlit(*back, whole, *Background, true,
                             Rect{0, 0, Background->Width, Background->Height});
    else
        back->Clear(0);
    // The background covered the buttons in the back buffer; they go back on before it is shown.
    for (TSMMButton* button : AllButtons()) {
        if (button->Visible())
            button->DrawContent();
    }
    Show(nullptr);
}

void MainMenuProc::Enter()
{
    Background = LoadPicture(Pictures::MMBack);
    ButtonStrip = LoadPicture(Pictures::MMBackButton);
    HumanPictures = LoadPicture(Pictures::PPlayerH);
    ComputerPictures = LoadPicture(Pictures::PPlayerC);
    UpdateButtons();
}

void MainMenuProc::Leave()
{
    Background.reset();
    ButtonStrip.reset();
    HumanPictures.reset();
    ComputerPictures.reset();
}
