// The board editor screen: the strip's controls, the tools acting on the board, the value buttons,
// edge scrolling, and the commands of the strip and its dialogs.
#include "editor/EditorProc.h"

#include "archive/UtilsPath.h"
#include "boardview/BoardView.h"
#include "editor/BoardCheckDlg.h"
#include "editor/EditorPanel.h"
#include "editor/NewBoardDlg.h"
#include "editor/StNamesDlg.h"
#include "editor/TryItDlg.h"
#include "graphics/Font.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "menu/ErrorDlg.h"
#include "menu/FileDlg.h"
#include "menu/MenuDialogParts.h"
#include "platform/Application.h"
#include "platform/DropDownList.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <filesystem>

namespace {

constexpr std::int32_t StreetRows = Board::StreetCount;
// The board fills the screen below the strip.
constexpr RelRect BoardArea{0, 0.05f, 1, 1};
constexpr const char* StartBoard = "board1.brd";
// Board files: in the start folder itself, with their extension; the file dialog's centre.
constexpr const char* BoardFolder = "";
constexpr const char* BoardExtension = "brd";
constexpr float FileDialogX = 0.2f;
constexpr float FileDialogY = 0.3f;

} // namespace

ToolValueRange ValueRangeOf(std::int32_t tool)
{
    switch (tool) {
    case EditorTool::Street:
        return {9, CellKind::LastRoadPiece};
    case EditorTool::GStruct:
        return {1, 8};
    case EditorTool::PStruct:
        return {1, 7};
    case EditorTool::Flow:
        return {1, 5};
    default:
        return {};
    }
}

std::int32_t StepToolValue(const ToolValueRange& range, std::int32_t value, std::int32_t step)
{
    if (range.Min > range.Max)
        return value;
    value += step;
    if (value < range.Min)
        return range.Max;
    if (value > range.Max)
        return range.Min;
    return value;
}

EditorProc::EditorProc(TMainWnd& owner)
    : TWinProcedure(owner), NewButton(this), LoadButton(this), SaveButton(this), LastButton(this),
      NextButton(this), OwnerButton(this), StreetList(this), EditButton(this), MainMenuButton(this),
      CheckButton(this)
{
    ToolPanel = std::make_unique<TEditorPanel>(*this);
    TEditorPanel* strip = ToolPanel.get();
    const Font* stripFont = strip->CaptionFont.get();
    auto place = [&](TSSpeedButton& button, float left, float top, float width, float height, std::int32_t id,
                     const std::string& caption) {
        button.SetFont(stripFont);
        button.SetCursor(CursorId::Hand);
        button.Setup(strip, MakeRelRect(left, top, width, height), 0, id, caption, &DialogButtonSkin);
    };
    place(NewButton, 0.01f, 0.01f, 0.06f, 0.03f, CommandId::New, Text(TextGroup::Editor, EditorText::New));
    place(LoadButton, 0.07f, 0.01f, 0.06f, 0.03f, CommandId::Load, Text(TextGroup::Editor, EditorText::Load));
    place(SaveButton, 0.13f, 0.01f, 0.06f, 0.03f, CommandId::Save, Text(TextGroup::Editor, EditorText::Save));
    for (std::int32_t i = 0; i < EditorTool::Count; ++i) {
        auto button = std::make_unique<TSSpeedButton>(this);
        button->Group = 1;
        place(*button, 0.24f + 0.04f * static_cast<float>(i), 0.01f, 0.04f, 0.03f, CommandId::ChooseTool,
              Text(TextGroup::EditorTools, i));
        ToolButtons[static_cast<std::size_t>(i)] = std::move(button);
    }
    ToolButtons[0]->Selected = 1;
    place(LastButton, 0.63f, 0.01f, 0.03f, 0.03f, CommandId::PreviousValue,
          Text(TextGroup::EditorMore, EditorMoreText::Last));
    place(NextButton, 0.66f, 0.01f, 0.03f, 0.03f, CommandId::NextValue,
          Text(TextGroup::EditorMore, EditorMoreText::Next));
    place(OwnerButton, 0.70f, 0.01f, 0.04f, 0.03f, CommandId::NextOwner,
          std::string(Text(TextGroup::EditorMore, EditorMoreText::Player)) + std::to_string(LotOwner));
    StreetList.SetFont(stripFont);
    StreetList.List->SetFont(stripFont);
    StreetList.List->Color = MenuDialog::FieldColour;
    StreetList.List->DropDownCount = StreetRows;
    StreetList.SetCursor(CursorId::Hand);
    StreetList.Setup(strip, MakeRelRect(0.75f, 0.01f, 0.1f, 0.024f), 0, CommandId::None, "",
                     ComboBoxSkin.get());
    StreetList.TabStop = false;
    place(EditButton, 0.852f, 0.01f, 0.03f, 0.024f, CommandId::StreetNames,
          Text(TextGroup::EditorMore, EditorMoreText::Edit));
    place(MainMenuButton, 0.9f, 0.01f, 0.06f, 0.03f, CommandId::MainMenu,
          Text(TextGroup::EditorMore, EditorMoreText::MainMenu));
    place(CheckButton, 0.962f, 0.01f, 0.034f, 0.03f, CommandId::CheckBoard,
          Text(TextGroup::EditorReport, EditorReportText::Check));
    SetValueButtons(false);
    SetOwnerButton(false);

    StreetNameFont = std::make_unique<::Font>("MS Sans Serif", 400, 13, 0);
    View = std::make_unique<BoardView>(
        Board, [this] { return MainWnd().BackBuffer.get(); }, [this](const Rect& r) { Show(&r); });
    View->StreetNameFont = StreetNameFont.get();
    View->Create(BoardArea);
    Board.EditMode = true;
    Board.ShowDirections = false;
    LoadBoard((std::filesystem::path(MainWnd().StartDir) / StartBoard).string(), true);

    NewBoardDialog = std::make_unique<TNewBoardDlg>(*this, Board);
    StreetNamesDialog = std::make_unique<TStNamesDlg>(*this, Board);
    FileDialog = std::make_unique<TFileDlg>(*this);
    TryItDialog = std::make_unique<TTryItDlg>(*this);
    CheckDialog = std::make_unique<TBoardCheckDlg>(*this, Board, *TryItDialog);
    RebuildStreetList();
}

EditorProc::~EditorProc()
{
    // The view goes before the board it draws; the dialogs before the controls they may name.
    View.reset();
    CheckDialog.reset();
    TryItDialog.reset();
    FileDialog.reset();
    StreetNamesDialog.reset();
    NewBoardDialog.reset();
}

void EditorProc::SetValueButtons(bool shown)
{
    for (TSSpeedButton* button : {&LastButton, &NextButton}) {
        button->SetVisible(shown);
        button->SetEnabled(shown);
        if (shown)
            SyncHover(*button);
    }
}

void EditorProc::SetOwnerButton(bool shown)
{
    OwnerButton.SetVisible(shown);
    OwnerButton.SetEnabled(shown);
    if (shown)
        SyncHover(OwnerButton);
}

void EditorProc::SyncHover(TSSpeedButton& button)
{
    if (Application* app = App()) {
        const Point p = button.ScreenToClient(app->PointerPos());
        button.HandleMouseMove(0, p.X, p.Y);
    }
}

void EditorProc::ChooseTool()
{
    for (std::int32_t i = 0; i < EditorTool::Count; ++i) {
        if (ToolButtons[static_cast<std::size_t>(i)]->Selected == 1) {
            Tool = i;
            break;
        }
    }
    Board.ShowStart = Tool == EditorTool::Start;
    SetValueButtons(Tool >= EditorTool::FirstWithValue);
    SetOwnerButton(Tool == EditorTool::PStruct);
    Board.ShowDirections = Tool == EditorTool::Flow;
    Board.ShowStreetNames = Tool == EditorTool::StNames;
    Redraw();
}

void EditorProc::RebuildStreetList()
{
    std::vector<std::string> items;
    items.reserve(StreetRows);
    for (std::int32_t street = 0; street < StreetRows; ++street)
        items.push_back(std::to_string(street + 1) + "- " + Board.GetStreetName(street));
    StreetList.List->SetItems(std::move(items));
    StreetList.List->SetItemIndex(0);
    StreetList.SetCaption(StreetList.List->Text());
}

std::int32_t EditorProc::ToolValue() const
{
    switch (Tool) {
    case EditorTool::Street:
        return RoadPiece;
    case EditorTool::GStruct:
        return Building;
    case EditorTool::PStruct:
        return Level;
    case EditorTool::Flow:
        return Flow;
    default:
        return 0;
    }
}

void EditorProc::ApplyTool()
{
    switch (Tool) {
    case EditorTool::PStruct:
        Board.Edit(EditTool::Lot, Level, LotOwner);
        break;
    case EditorTool::StNames:
        // Nothing when no street is chosen in the list.
        if (StreetList.List->ItemIndex() >= 0)
            Board.Edit(EditTool::Street, StreetList.List->ItemIndex());
        break;
    default:
        Board.Edit(static_cast<EditTool>(Tool), ToolValue());
        break;
    }
}

void EditorProc::MouseAction(int button, ShiftState, std::int32_t x, std::int32_t y)
{
    if (button == Mouse::Left) {
        const Rect& area = View->PixelArea;
        if (x <= area.Left || x >= area.Right || y <= area.Top || y >= area.Bottom)
            return;
        SetFocus();
        // A click on the border ring or beyond the map selects nothing, and then changes nothing
        // either: the cell selected before is not the one clicked.
        const Point cell = View->CellAtViewPixel(View->ScreenToView(x, y).X, View->ScreenToView(x, y).Y);
        if (cell.X <= 0 || cell.Y <= 0 || cell.X >= Board.Width() - 1 || cell.Y >= Board.Height() - 1)
            return;
        View->SelectAt(x, y);
        if (Board.CursorX < 0)
            return;
        ApplyTool();
    } else if (button == Mouse::Right) {
        if (Tool >= EditorTool::FirstWithValue) {
            NextButton.Select();
            // Select leaves a button without a group drawn pressed; this one was only pressed once.
            NextButton.Selected = 0;
            if (NextButton.Visible())
                NextButton.Paint();
        } else {
            Board.CursorX = -1;
            View->Redraw();
        }
    }
}

void EditorProc::KeyAction(KeyCode key, ShiftState)
{
    if (key == Key::Escape)
        MainWnd().Close();
}

void EditorProc::Tick()
{
    if (!PendingError.empty()) {
        const std::string text = std::move(PendingError);
        PendingError.clear();
        ShowError(text);
        return;
    }
    Application* app = App();
    if (app == nullptr)
        return;
    const Point p = app->PointerPos();
    if (p.X == 0)
        View->Scroll(0);
    else if (p.Y == 0)
        View->Scroll(1);
    else if (p.X >= ScreenSize.Width - 1)
        View->Scroll(2);
    else if (p.Y >= ScreenSize.Height - 1)
        View->Scroll(3);
}

int EditorProc::Command(int, int code)
{
    switch (code) {
    case CommandId::MainMenu:
        MainWnd().RequestedState = ShellState::InMainMenu;
        break;
    case CommandId::New:
        if (NewBoardDialog->ShowModal() == ModalResult::Ok) {
            NewBoardDialog->ReadSize();
            Board.New(NewBoardDialog->BoardWidth, NewBoardDialog->BoardHeight);
            Board.SetDerivedFields();
            Board.CursorX = -1;
            RebuildStreetList();
            Redraw();
        }
        break;
    case CommandId::Load:
        if (const std::string path = ChooseBoardFile(false); !path.empty()) {
            LoadBoard(path, false);
            RebuildStreetList();
            Redraw();
        }
        break;
    case CommandId::Save:
        if (const std::string path = ChooseBoardFile(true); !path.empty())
            SaveBoard(path);
        break;
    case CommandId::ChooseTool:
        ChooseTool();
        break;
    case CommandId::NextOwner:
        LotOwner = LotOwner % Board::PlayerCount + 1;
        ToolPanel->RefreshValue();
        break;
    case CommandId::PreviousValue:
    case CommandId::NextValue: {
        const std::int32_t step = code == CommandId::NextValue ? 1 : -1;
        const ToolValueRange range = ValueRangeOf(Tool);
        switch (Tool) {
        case EditorTool::Street:
            RoadPiece = StepToolValue(range, RoadPiece, step);
            break;
        case EditorTool::GStruct:
            Building = StepToolValue(range, Building, step);
            break;
        case EditorTool::PStruct:
            Level = StepToolValue(range, Level, step);
            break;
        case EditorTool::Flow:
            Flow = StepToolValue(range, Flow, step);
            break;
        default:
            break;
        }
        ToolPanel->RefreshValue();
        break;
    }
    case CommandId::StreetNames:
        if (StreetNamesDialog->ShowModal() == ModalResult::Ok) {
            StreetNamesDialog->StoreNames();
            RebuildStreetList();
            Redraw();
        }
        break;
    case CommandId::CheckBoard:
        CheckBoard();
        break;
    default:
        break;
    }
    return code;
}

void EditorProc::Redraw()
{
    ToolPanel->Paint();
    View->Render();
    View->Present();
    Show(nullptr);
}

void EditorProc::Enter()
{
    const std::string archive = (std::filesystem::path(MainWnd().StartDir) / Pictures::Archive).string();
    PanelEditor = LoadPicture(Pictures::PanelEditor, archive);
    BlankSheet = LoadPicture(Pictures::Blank, archive);
    Table0Sheet = LoadPicture(Pictures::Table0, archive);
    Table1Sheet = LoadPicture(Pictures::Table1, archive);
    DiceSheet = LoadPicture(Pictures::Dice, archive);
    View->Sheets = BoardSheets{BlankSheet.get(), Table0Sheet.get(), Table1Sheet.get(), DiceSheet.get()};
}

void EditorProc::Leave()
{
    if (View != nullptr)
        View->Sheets = BoardSheets{};
    if (ToolPanel != nullptr)
        ToolPanel->Background = nullptr;
    PanelEditor.reset();
    BlankSheet.reset();
    Table0Sheet.reset();
    Table1Sheet.reset();
    DiceSheet.reset();
}

void EditorProc::CheckBoard()
{
    CheckDialog->Run();
}

void EditorProc::ShowError(const std::string& text)
{
    if (ErrorDlg != nullptr)
        ErrorDlg->ShowError(text);
}

void EditorProc::LoadBoard(const std::string& path, bool quietWhenMissing)
{
    const bool exists = std::filesystem::exists(ResolveFileName(path));
    const std::string archive = (std::filesystem::path(MainWnd().StartDir) / Board::DefaultArchive).string();
    const BoardSource source = Board.LoadFile(path, archive);
    Board.CursorX = -1;
    std::string message;
    if (source == BoardSource::None) {
        message = Text(TextGroup::EditorReport, EditorReportText::NoBoard);
    } else if (source == BoardSource::DefaultBoard && (exists || !quietWhenMissing)) {
        message = std::string(Text(TextGroup::ShellDialogs, ShellText::TheFile)) + path +
                  Text(TextGroup::EditorReport, EditorReportText::NotABoard);
    }
    if (message.empty())
        return;
    // Before the screen is shown the message waits for the first tick.
    if (CurrentScreen == this)
        ShowError(message);
    else
        PendingError = message;
}

void EditorProc::SaveBoard(const std::string& path)
{
    if (!Board.SaveFile(path)) {
        ShowError(std::string(Text(TextGroup::ShellDialogs, ShellText::TheFile)) + path +
                  Text(TextGroup::EditorReport, EditorReportText::NotWritten));
        return;
    }
    // Saving is never refused; what would spoil a game is shown after it.
    CheckBoard();
}

std::string EditorProc::ChooseBoardFile(bool save)
{
    FileDialog->Open(
        save ? FileMode::Save : FileMode::Load, BoardFolder, BoardExtension, FileDialogX, FileDialogY,
        Text(TextGroup::EditorReport, save ? EditorReportText::SaveBoard : EditorReportText::LoadBoard));
    if (FileDialog->ShowModal() != ModalResult::Ok)
        return {};
    return FileDialog->Path;
}
