// The game screen's five panels in a headless scene: the real main window, the game's pictures and
// fonts, the default board and a game state the tests fill in, with helpers to seat players, give
// them lots and read back what the panels drew.
#pragma once

#include "board/Board.h"
#include "controls/SSpeedButton.h"
#include "controls/SToolButton.h"
#include "game/ButtonsPanel.h"
#include "game/CardsPanel.h"
#include "game/GameImages.h"
#include "game/NewsPanel.h"
#include "game/PlayerPanel.h"
#include "game/ScoresPanel.h"
#include "graphics/Font.h"
#include "rules/GameState.h"
#include "support/MidGamePanels.h"
#include "support/ShellScene.h"

#include <memory>
#include <string>
#include <vector>

class PanelScene : public ShellScene
{
protected:
    void SetUp() override { StartPanels(1024, 768); }
    void TearDown() override
    {
        Buttons.reset();
        News.reset();
        Cards.reset();
        Info.reset();
        Scores.reset();
        Images.Free();
        Stop();
    }

    void StartPanels(std::int32_t width, std::int32_t height)
    {
        StartAt(width, height);
        Images.Load("res00.dat");
        ASSERT_TRUE(Images.Loaded());
        ASSERT_EQ(Map.LoadFile("Board1.brd"), BoardSource::File);
        Normal = MakeFont("Arial", 400, 16, 5);
        Bold = MakeFont("Arial", 700, 16, 5);
        Scores = std::make_unique<ScoresPanel>(*Screen, State, Images);
        Info = std::make_unique<PlayerPanel>(*Screen, State, Images, *Normal, *Bold);
        Cards = std::make_unique<CardsPanel>(*Screen, State, Map, Images, *Normal, *Bold);
        News = std::make_unique<NewsPanel>(*Screen, State, Images);
        Buttons = std::make_unique<ButtonsPanel>(*Screen, Images);
        State.Running = true;
        State.Current = 0;
    }

    // Seats slot in the game (held when state is 2 or more).
    Player& Join(std::int32_t slot, const std::string& name, std::int32_t cash, bool human = true,
                 std::int32_t state = PlayerState::InPlay)
    {
        Player& p = State.Players[static_cast<std::size_t>(slot)];
        p = Player{};
        p.SetName(name);
        p.State = state;
        p.Human = human ? 1 : 0;
        p.Cash = cash;
        p.Salary = Wages[0];
        return p;
    }

    // Gives slot the next vacant lot with structure, mortgaged for days (0: not); its cell.
    PropertyEntry Own(std::int32_t slot, std::int32_t structure = 0, std::int32_t days = 0)
    {
        const PropertyEntry lot = VacantLots(Map).at(0);
        GiveLot(State, Map, slot, lot, structure, days);
        return lot;
    }

    // Every panel painted and shown, as the game screen's redraw does.
    void RefreshAll()
    {
        Scores->Refresh();
        Info->Refresh();
        Cards->Refresh();
        News->Refresh();
        Buttons->Refresh();
        Pump();
    }

    // Rectangle r (fractions of the screen) in pixels, shrunk by a pixel on every side so that
    // the smoothing at its edges is not sampled.
    static Rect Inner(const RelRect& r)
    {
        const Rect p = ScreenRect(r);
        return Rect{p.Left + 1, p.Top + 1, p.Right - 1, p.Bottom - 1};
    }
    // Pixels of two captures of one rectangle that differ by more than tolerance.
    static int Differing(const std::vector<Colour>& a, const std::vector<Colour>& b, int tolerance = 24)
    {
        int n = 0;
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            n += ChannelDistance(a[i], b[i]) > tolerance ? 1 : 0;
        return n;
    }
    // Pixels in sub (screen pixels) that differ by more than tolerance from frame of picture
    // stretched over placed; the picture's transparent (black) pixels are not counted.
    int DrawnOverPicture(const Rect& placed, const Surface& picture, std::int32_t frame, const Rect& sub,
                         int tolerance = 60)
    {
        const Rect src =
            picture.FrameLayout != 0 ? picture.FrameSource(frame) : Rect{0, 0, picture.Width, picture.Height};
        int n = 0;
        for (std::int32_t y = sub.Top; y < sub.Bottom; ++y) {
            for (std::int32_t x = sub.Left; x < sub.Right; ++x) {
                const auto px = src.Left + static_cast<std::int32_t>((x - placed.Left + 0.5) * src.Width() /
                                                                     placed.Width());
                const auto py = src.Top + static_cast<std::int32_t>((y - placed.Top + 0.5) * src.Height() /
                                                                    placed.Height());
                const Colour expected = picture.PixelAt(px, py);
                if (picture.Transparent && expected == 0)
                    continue;
                n += ChannelDistance(Pixel(x, y), expected) > tolerance ? 1 : 0;
            }
        }
        return n;
    }
    // Pixels in r that differ from the panel's background picture (something drawn over it).
    int DrawnOver(const Panel& panel, const Surface& background, const Rect& r, int tolerance = 60)
    {
        return DrawnOverPicture(panel.PixelArea, background, 0, r, tolerance);
    }
    // The share of the opaque pixels of frame of picture, stretched over placed, that the screen
    // shows within tolerance (sampled on a 16 x 16 grid).
    double PictureMatch(const Rect& placed, const Surface& picture, std::int32_t frame, int tolerance = 40)
    {
        const Rect src =
            picture.FrameLayout != 0 ? picture.FrameSource(frame) : Rect{0, 0, picture.Width, picture.Height};
        int opaque = 0;
        int same = 0;
        for (int i = 0; i < 16; ++i) {
            for (int j = 0; j < 16; ++j) {
                const double fx = (i + 0.5) / 16;
                const double fy = (j + 0.5) / 16;
                const Colour expected =
                    picture.PixelAt(src.Left + static_cast<std::int32_t>(fx * src.Width()),
                                    src.Top + static_cast<std::int32_t>(fy * src.Height()));
                if (picture.Transparent && expected == 0)
                    continue;
                ++opaque;
                const Colour seen = Pixel(placed.Left + static_cast<std::int32_t>(fx * placed.Width()),
                                          placed.Top + static_cast<std::int32_t>(fy * placed.Height()));
                same += ChannelDistance(seen, expected) <= tolerance ? 1 : 0;
            }
        }
        return opaque > 0 ? static_cast<double>(same) / opaque : 0.0;
    }

    GameImages Images;
    Board Map;
    GameState State;
    std::unique_ptr<::Font> Normal;
    std::unique_ptr<::Font> Bold;
    std::unique_ptr<ScoresPanel> Scores;
    std::unique_ptr<PlayerPanel> Info;
    std::unique_ptr<CardsPanel> Cards;
    std::unique_ptr<NewsPanel> News;
    std::unique_ptr<ButtonsPanel> Buttons;
};
