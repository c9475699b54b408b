// uishot's shots of the game's dialogs: every kind of the event dialog, every question of the
// decision dialog and the mortgage dialog, over the board of a game in progress.
#include "BoardScreen.h"
#include "MidGame.h"
#include "Shots.h"
#include "board/Board.h"
#include "dialogs/GameDialogsHost.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "platform/Window.h"
#include "rules/RulesHost.h"

#include <functional>
#include <stdexcept>

namespace {

// The game in progress on the board screen, with the game screen's three dialogs.
struct DialogScene
{
    explicit DialogScene(ShotContext& context)
    {
        std::string error;
        if (!MakeMidGame(context.GameDir, Game, error))
            throw std::runtime_error(error);
        Screen = std::make_unique<BoardScreen>(context.Main, Game.Board,
                                               (context.GameDir / Pictures::Archive).string());
        Screen->Activate();
        GameDialogScreen services;
        services.RedrawBoard = [this] { Screen->View.Redraw(); };
        services.SelectedCellPoint = [this] { return Screen->View.CursorPoint(); };
        services.Tiles = &Screen->Table1;
        Dialogs = std::make_unique<GameDialogsHost>(*Screen, Game.State, Game.Board, services);
    }
    ~DialogScene()
    {
        Dialogs.reset();
        Screen.reset();
    }
    // Selects the cell and brings it into view, as the game does with the cell beside the pawn.
    void Select(std::int32_t x, std::int32_t y)
    {
        Game.Board.CursorX = x;
        Game.Board.CursorY = y;
        Game.Board.CenterX = x;
        Game.Board.CenterY = y;
    }

    MidGame Game;
    std::unique_ptr<BoardScreen> Screen;
    std::unique_ptr<GameDialogsHost> Dialogs;
};

// A shot of the event dialog: prepare sets the scene, then the dialog of kind is shown.
Shot Event(std::string name, std::int32_t kind, std::function<void(DialogScene&)> prepare)
{
    return Shot{"event-" + std::move(name), [kind, prepare](ShotContext& context) {
                    DialogScene scene(context);
                    prepare(scene);
                    context.CaptureModal([&] { scene.Dialogs->ShowEvent(kind); }, ModalResult::Ok);
                }};
}

Shot Decision(std::string name, std::int32_t kind, std::function<void(DialogScene&)> prepare)
{
    return Shot{"decision-" + std::move(name), [kind, prepare](ShotContext& context) {
                    DialogScene scene(context);
                    prepare(scene);
                    context.CaptureModal([&] { scene.Dialogs->AskDecision(kind); }, ModalResult::No);
                }};
}

// Selects the first property of slot with the structure.
void SelectProperty(DialogScene& scene, std::int32_t slot, std::int32_t structure)
{
    std::int32_t x = -1;
    std::int32_t y = -1;
    if (!scene.Game.FindProperty(slot, structure, x, y))
        throw std::runtime_error("the game has no such property");
    scene.Select(x, y);
}

void SelectKind(DialogScene& scene, std::uint8_t kind)
{
    std::int32_t x = -1;
    std::int32_t y = -1;
    if (!scene.Game.FindKind(kind, x, y))
        throw std::runtime_error("the board has no such building");
    scene.Select(x, y);
}

void Amounts(DialogScene& scene, std::int32_t amount, std::int32_t arg)
{
    scene.Game.State.EventAmount = amount;
    scene.Game.State.EventArg = arg;
}

// The events of the public buildings, a ruin and the game's end come with no cell selected.
void Unselected(DialogScene& scene, std::int32_t amount = 0, std::int32_t arg = 0)
{
    scene.Game.Board.CursorX = -1;
    Amounts(scene, amount, arg);
}

const bool Added = AddShots({
    Event("01-street", EventCode::StreetInfo,
          [](DialogScene& s) {
              std::int32_t x = -1;
              std::int32_t y = -1;
              s.Game.FindLongestStreet(x, y);
              s.Select(x, y);
          }),
    Event("02-structure-hotel", EventCode::StructureInfo, [](DialogScene& s) { SelectProperty(s, 0, 6); }),
    Event("02-structure-governor", EventCode::StructureInfo,
          [](DialogScene& s) { SelectKind(s, CellKind::Governor); }),
    Event("02-structure-prison-zone", EventCode::StructureInfo,
          [](DialogScene& s) { SelectKind(s, CellKind::PrisonZone); }),
    Event("04-rent", EventCode::Rent,
          [](DialogScene& s) {
              SelectProperty(s, 1, 5);
              Amounts(s, s.Game.Board.Rent(0, s.Game.Board.CursorX, s.Game.Board.CursorY), 1);
          }),
    Event("05-treasury-receive", EventCode::Treasury, [](DialogScene& s) { Unselected(s, 4900, 1); }),
    Event("05-treasury-pay", EventCode::Treasury, [](DialogScene& s) { Unselected(s, 5000, 0); }),
    Event("06-police", EventCode::Police, [](DialogScene& s) { Unselected(s, 1000, 2); }),
    Event("07-prison", EventCode::Jail, [](DialogScene& s) { Unselected(s, 0, 1); }),
    Event("08-hospital", EventCode::Hospital, [](DialogScene& s) { Unselected(s, 600, 3); }),
    Event("09-courthouse", EventCode::Courthouse, [](DialogScene& s) { Unselected(s, 0, 5); }),
    Event("10-seizure", EventCode::Seizure,
          [](DialogScene& s) {
              SelectProperty(s, 2, 3);
              Amounts(s, 3, 2);
          }),
    Event("11-ruined", EventCode::Ruined,
          [](DialogScene& s) {
              Unselected(s);
              s.Game.State.Current = 2;
              s.Game.State.Players[2].State = PlayerState::Out;
          }),
    Event("12-winner", EventCode::GameOver,
          [](DialogScene& s) {
              Unselected(s);
              for (std::int32_t slot = 0; slot < PlayerSlots; ++slot)
                  s.Game.State.Players[static_cast<std::size_t>(slot)].State =
                      slot == 1 ? PlayerState::InPlay : PlayerState::Out;
          }),
    Event("12-no-winner", EventCode::GameOver,
          [](DialogScene& s) {
              Unselected(s);
              for (Player& player : s.Game.State.Players)
                  player.State = PlayerState::Out;
          }),
    Decision("00-buy", DecisionCode::Buy,
             [](DialogScene& s) {
                 SelectKind(s, CellKind::LotForSale);
                 Amounts(s, s.Game.Board.Price(0, s.Game.Board.CursorX, s.Game.Board.CursorY), 0);
             }),
    Decision("01-build", DecisionCode::Build,
             [](DialogScene& s) {
                 SelectProperty(s, 0, 4);
                 Amounts(s, s.Game.Board.Price(5, s.Game.Board.CursorX, s.Game.Board.CursorY), 0);
             }),
    Decision("02-job", DecisionCode::Job, [](DialogScene& s) { Unselected(s, Wages[6], 6); }),
    Decision("03-school", DecisionCode::School, [](DialogScene& s) { Unselected(s, 3000, 3); }),
    Shot{"mortgage",
         [](ShotContext& context) {
             DialogScene scene(context);
             std::int32_t x = -1;
             std::int32_t y = -1;
             context.CaptureModal([&] { scene.Dialogs->ChooseMortgage(12345, x, y); }, ModalResult::Ok);
         }},
});

} // namespace
