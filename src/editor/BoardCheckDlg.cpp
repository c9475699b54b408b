// The board checker's dialog: the findings in a list, the chosen one on the board, and "Try it".
#include "editor/BoardCheckDlg.h"

#include "editor/TryItDlg.h"
#include "graphics/Surface.h"
#include "menu/MenuDialogParts.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <algorithm>
#include <string>

namespace {

constexpr float DialogWidth = 0.4f;
constexpr float DialogHeight = 0.46f;
// Without findings the dialog holds only its heading and buttons.
constexpr float ReadyHeight = 0.1f;
constexpr float ButtonsTop = 0.415f;
constexpr float ReadyButtonsTop = 0.055f;
// The whole text of the chosen finding, below the list (left, top, right, bottom).
constexpr RelRect DetailArea{0.02f, 0.3f, 0.38f, 0.4f};

} // namespace

TBoardCheckDlg::TBoardCheckDlg(WinControl& owner, Board& board, TTryItDlg& tryIt)
    : TModalDialog(owner), OkButton(this), TryButton(this), ProblemList(this), EditorBoard(board),
      TryIt(tryIt)
{
    SetCaption(Text(TextGroup::EditorReport, EditorReportText::BoardCheck));
    Background = DialogSkin.get();
    SetPlacement(MakeRelRect(0.56f, 0.08f, DialogWidth, DialogHeight));
    ProblemList.Color = MenuDialog::FieldColour;
    PlaceField(ProblemList, *this, MakeRelRect(0.02f, 0.05f, 0.36f, 0.24f));
    ProblemList.Clicked = [this] { ShowChosenProblem(); };
    ProblemList.DoubleClicked = [this] { ShowChosenProblem(); };
    SetupDialogButton(OkButton, 0.02f, ButtonsTop, ModalResult::Ok,
                      Text(TextGroup::DialogButtons, ButtonText::Ok));
    SetupDialogButton(TryButton, 0.11f, ButtonsTop, CommandId::TryBoard,
                      Text(TextGroup::EditorReport, EditorReportText::TryIt));
}

int TBoardCheckDlg::Run()
{
    Problems = EditorBoard.Check();
    const bool ready = Problems.empty();
    // Right of the middle, so that a finding's cell stays in sight in the middle of the board.
    SetPlacement(MakeRelRect(0.56f, 0.08f, DialogWidth, ready ? ReadyHeight : DialogHeight));
    const float top = ready ? ReadyButtonsTop : ButtonsTop;
    OkButton.SetArea(MakeRelRect(0.02f, top, MenuDialog::ButtonWidth, MenuDialog::ButtonHeight));
    TryButton.SetArea(MakeRelRect(0.11f, top, MenuDialog::ButtonWidth, MenuDialog::ButtonHeight));
    return ShowModal();
}

TBoardCheckDlg::~TBoardCheckDlg() = default;

void TBoardCheckDlg::ShowContent()
{
    OkButton.SetFocus();
    std::vector<std::string> items;
    for (const BoardProblem& problem : Problems)
        items.push_back(problem.Text);
    ProblemList.SetItems(std::move(items));
    ProblemList.SetVisible(!Problems.empty());
    std::string heading = Text(TextGroup::EditorReport, EditorReportText::ReadyToPlay);
    if (!Problems.empty())
        heading =
            Text(TextGroup::EditorReport, EditorReportText::ProblemsFound) + std::to_string(Problems.size());
    if (Buffer != nullptr)
        Buffer->DrawTextAt(heading, GetFont(), 0.02f, 0.015f, 0);
    if (!Problems.empty()) {
        ProblemList.SetItemIndex(0);
        ShowChosenProblem();
    }
}

void TBoardCheckDlg::ButtonCommand(std::int32_t id)
{
    if (id == CommandId::TryBoard)
        TryIt.Run(EditorBoard);
}

void TBoardCheckDlg::ShowChosenProblem()
{
    const std::int32_t chosen = ProblemList.ItemIndex();
    if (chosen < 0 || chosen >= static_cast<std::int32_t>(Problems.size()))
        return;
    const BoardProblem& problem = Problems[static_cast<std::size_t>(chosen)];
    DrawDetail(problem.Text);
    // The cell in the middle of the view; selected when a click could select it too.
    if (!EditorBoard.Inside(problem.X, problem.Y))
        return;
    EditorBoard.CenterX = std::clamp(problem.X, 1, std::max(1, EditorBoard.Width() - 2));
    EditorBoard.CenterY = std::clamp(problem.Y, 1, std::max(1, EditorBoard.Height() - 2));
    const bool inner = problem.X > 0 && problem.Y > 0 && problem.X < EditorBoard.Width() - 1 &&
                       problem.Y < EditorBoard.Height() - 1;
    EditorBoard.CursorX = inner ? problem.X : -1;
    EditorBoard.CursorY = inner ? problem.Y : 0;
    if (EditorBoard.OnRedraw)
        EditorBoard.OnRedraw();
}

void TBoardCheckDlg::DrawDetail(const std::string& text)
{
    if (Buffer == nullptr)
        return;
    DrawBackgroundPart(*Buffer, DetailArea, RelRect{0, 0, DialogWidth, DialogHeight}, Background);
    Rect box = ScreenRect(DetailArea);
    Buffer->DrawTextInRect(box, text, TextFormat::Left | TextFormat::WordBreak | TextFormat::NoPrefix, 0,
                           GetFont());
    ShowRect(ScreenRect(DetailArea));
}
