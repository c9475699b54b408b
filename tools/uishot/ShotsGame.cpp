// uishot's shots of the game screen's five panels over the board of a game in progress: a human
// player's turn with every panel filled, a computer player's turn, and the cards halfway through a
// page turn.
#include "BoardScreen.h"
#include "MidGame.h"
#include "Shots.h"
#include "game/ButtonsPanel.h"
#include "game/CardsPanel.h"
#include "game/GameImages.h"
#include "game/NewsPanel.h"
#include "game/PlayerPanel.h"
#include "game/ScoresPanel.h"
#include "graphics/Font.h"
#include "rules/RulesHost.h"

#include <climits>
#include <memory>
#include <stdexcept>

namespace {

// The board screen with the game screen's panels and the news of a busy turn.
struct PanelsScene
{
    explicit PanelsScene(ShotContext& context)
    {
        std::string error;
        if (!MakeMidGame(context.GameDir, Game, error))
            throw std::runtime_error(error);
        Screen =
            std::make_unique<BoardScreen>(context.Main, Game.Board, (context.GameDir / "res00.dat").string());
        Screen->Activate();
        Images.Load((context.GameDir / "res00.dat").string());
        // The game screen's two fonts.
        Normal = MakeFont("Arial", 400, 16, 5);
        Bold = MakeFont("Arial", 700, 16, 5);
        Scores = std::make_unique<ScoresPanel>(*Screen, Game.State, Images);
        Info = std::make_unique<PlayerPanel>(*Screen, Game.State, Images, *Normal, *Bold);
        Cards = std::make_unique<CardsPanel>(*Screen, Game.State, Game.Board, Images, *Normal, *Bold);
        News = std::make_unique<NewsPanel>(*Screen, Game.State, Images);
        Buttons = std::make_unique<ButtonsPanel>(*Screen, Images);
        News->Post(NewsCode::Throw, 6, 0);
        News->Post(NewsCode::Rent, INT32_MAX, 1);
        News->Post(NewsCode::Job, 7, 1);
        News->Post(NewsCode::Mortgage, 2147483, 0);
    }
    ~PanelsScene()
    {
        Buttons.reset();
        News.reset();
        Cards.reset();
        Info.reset();
        Scores.reset();
        Screen.reset();
    }
    // The board, then the panels in the game screen's order.
    void Redraw()
    {
        Screen->Redraw();
        Scores->Refresh();
        Info->Refresh();
        Cards->Refresh();
        News->Refresh();
        Buttons->Refresh();
    }

    MidGame Game;
    std::unique_ptr<BoardScreen> Screen;
    GameImages Images;
    std::unique_ptr<::Font> Normal;
    std::unique_ptr<::Font> Bold;
    std::unique_ptr<ScoresPanel> Scores;
    std::unique_ptr<PlayerPanel> Info;
    std::unique_ptr<CardsPanel> Cards;
    std::unique_ptr<NewsPanel> News;
    std::unique_ptr<ButtonsPanel> Buttons;
};

const bool Added = AddShots({
    {"game-panels",
     [](ShotContext& context) {
         PanelsScene scene(context);
         // The mortgaged apartment, the one card with every button.
         scene.Game.State.Players[0].CardIndex = 2;
         scene.Redraw();
         context.Capture();
     }},
    {"game-panels-computer",
     [](ShotContext& context) {
         PanelsScene scene(context);
         scene.Game.State.Current = 4;
         scene.Game.State.Day = 3;
         scene.Redraw();
         scene.Buttons->ShowThrowButton(false);
         context.Capture();
     }},
    {"game-panels-page-turn",
     [](ShotContext& context) {
         PanelsScene scene(context);
         scene.Redraw();
         scene.Cards->BeginSlide(+1);
         for (std::int32_t step = 1; step <= 3; ++step)
             scene.Cards->SlideStep(step);
         context.Capture();
     }},
});

} // namespace
