// GameDialogScene: the game screen's three dialogs over a recording screen, on a small board with a
// lot between four roads, a building beside no road, a lot beside one road and the prison with its
// zone; the players have long names. Dialogs are answered through the modal hook, and every text
// they draw is recorded with its box.
#pragma once

#include "board/BoardText.h"
#include "dialogs/GameDialogsHost.h"
#include "rules/GameState.h"
#include "support/ShellScene.h"
#include "texts/Options.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// A text recorded on a dialog: on its Buffer (client pixels), or on its window's pixels (frame,
// caption and native widgets; pixels of the whole window).
struct RecordedText
{
    DrawnText Drawn;
    bool OnWindow = false;
};

// Rectangles in failure messages and tests of texts against boxes.
inline bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

inline bool Overlap(const Rect& a, const Rect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

inline std::string Describe(const Rect& r)
{
    std::ostringstream out;
    out << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
    return out.str();
}

class GameDialogScene : public ShellScene
{
protected:
    // The lot between four roads: up street 30, right 31, down 27, left 2.
    static constexpr std::int32_t CrossX = 2, CrossY = 2;
    // A courthouse with no road beside it.
    static constexpr std::int32_t LoneX = 6, LoneY = 2;
    // A lot with one road, on its right (street 9).
    static constexpr std::int32_t OneRoadX = 4, OneRoadY = 4;
    static constexpr std::int32_t PrisonX = 4, PrisonY = 5;
    static constexpr std::int32_t ZoneX = 4, ZoneY = 6;
    static constexpr std::int32_t UpRoadX = 2, UpRoadY = 1;

    void SetUp() override
    {
        ShellScene::SetUp();
        MakeScene();
    }
    void TearDown() override
    {
        Dialogs.reset();
        SoundEffects = 1;
        ShellScene::TearDown();
    }

    void MakeScene()
    {
        std::string error;
        std::optional<Board> made = BoardFromText(
            BoardText{
                .Map = {"..........", "..#.......", ".#o#..C...", "..#.......", "....o#....", "....J.....",
                        "....Z.....", "....#.....", ".........."},
                .Streets = {"..........", "..U.......", ".2.V......", "..R.......", ".....9....",
                            "..........", "..........", "....0.....", ".........."},
                .StreetNames = {},
                .StartX = 2,
                .StartY = 1,
                .Pieces = {},
            },
            &error);
        if (!made)
            throw std::invalid_argument(error);
        TheBoard = *made;
        const std::pair<int, const char*> streetNames[] = {{2, "Wilhelmina Lane"},
                                                           {9, "Wellington Mews"},
                                                           {27, "Maximilian Road"},
                                                           {30, "Grand Boulevard"},
                                                           {31, "Mount Wimbledon"}};
        for (const auto& [street, name] : streetNames)
            TheBoard.SetStreetName(street, name);
        const char* names[PlayerSlots] = {"Wilhelmina Moss", "Bartholomew Kid", "Maximilian Wolf",
                                          "Wendy McMurdo",   "HAL 9000 Deluxe", "Player 6"};
        for (std::int32_t slot = 0; slot < PlayerSlots; ++slot) {
            Player& p = State.Players[static_cast<std::size_t>(slot)];
            p.SetName(names[slot]);
            p.State = slot < 5 ? PlayerState::InPlay : PlayerState::Out;
            p.Human = 1;
            p.Salary = Wages[0];
        }
        State.Current = 0;
        State.Running = true;
        Tiles = GamePicture(Pictures::Table1);
        GameDialogScreen screen;
        screen.RedrawBoard = [this] { ++Redraws; };
        screen.SelectedCellPoint = [this] { return CellPoint; };
        screen.PlaySound = [this](const char* name) { Sounds.push_back(name); };
        screen.Tiles = &Tiles;
        Dialogs = std::make_unique<GameDialogsHost>(*Screen, State, TheBoard, screen);
        for (TModalDialog* dialog : AllDialogs())
            dialog->TextObserver = [this](const DrawnText& drawn) { Texts.push_back({drawn, false}); };
    }

    std::vector<TModalDialog*> AllDialogs()
    {
        return {&Dialogs->DialogOk, &Dialogs->DialogYesNo, &Dialogs->DialogMortgage};
    }

    // Gives slot the lot at (x, y) with structure s, mortgaged when days is not 0.
    void Own(std::int32_t slot, std::int32_t x, std::int32_t y, std::int32_t structure, std::int32_t days = 0)
    {
        Cell& cell = TheBoard.At(x, y);
        cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + structure);
        cell.Owner = static_cast<std::uint8_t>(slot + 1);
        cell.Street = static_cast<std::uint8_t>(days);
        Player& p = State.Players[static_cast<std::size_t>(slot)];
        p.Properties[static_cast<std::size_t>(p.PropertyCount++)] = PropertyEntry{x, y};
        p.MortgageCount += days != 0 ? 1 : 0;
    }
    void Select(std::int32_t x, std::int32_t y)
    {
        TheBoard.CursorX = x;
        TheBoard.CursorY = y;
    }

    // Runs show, which opens dialogs. At each dialog's first turn the screen is brought up to date,
    // the window's own texts (caption, list lines) are recorded too, and look is called; a dialog
    // still open a few turns later (after the keys look sent) is answered with result. Returns how
    // many dialogs were shown.
    int WhileShown(const std::function<void()>& show, const std::function<void(Window&)>& look = nullptr,
                   int result = ModalResult::Ok)
    {
        Texts.clear();
        int shown = 0;
        int turns = 0;
        Window* current = nullptr;
        TestHooks::SetModalHook(*App, [&](Window& window) {
            if (current != &window) {
                current = &window;
                turns = 0;
                ++shown;
                Pump();
                if (Surface* pixels = window.Pixels()) {
                    pixels->TextObserver = [this](const DrawnText& drawn) { Texts.push_back({drawn, true}); };
                    window.SetCaption(window.Caption());
                    window.Invalidate();
                    Pump();
                    pixels->TextObserver = nullptr;
                }
                if (look)
                    look(window);
            } else if (window.ModalResult == 0 && ++turns >= 5) {
                window.ModalResult = result;
            }
            if (window.ModalResult != 0)
                current = nullptr;
        });
        show();
        TestHooks::SetModalHook(*App, nullptr);
        return shown;
    }

    // The recorded texts equal to text.
    std::vector<DrawnText> Find(const std::string& text) const
    {
        std::vector<DrawnText> found;
        for (const RecordedText& r : Texts)
            if (r.Drawn.Text == text)
                found.push_back(r.Drawn);
        return found;
    }
    // Texts written onto the dialog itself (not in a control's box), in the order written, each once.
    std::vector<DrawnText> Written() const
    {
        std::vector<DrawnText> found;
        for (const RecordedText& r : Texts)
            if (!r.OnWindow && (r.Drawn.Format & TextFormat::NoClip) != 0)
                found.push_back(r.Drawn);
        return found;
    }

    // What the dialog drew while it was up must fit; what names the case in a failure.
    void ExpectFits(TModalDialog& dialog, const std::string& what)
    {
        SCOPED_TRACE(what);
        // A box drawn again (a repaint, a label given another text) holds what was drawn last.
        std::vector<RecordedText> texts;
        for (const RecordedText& r : Texts) {
            const auto same = std::find_if(texts.begin(), texts.end(), [&](const RecordedText& t) {
                return t.OnWindow == r.OnWindow && t.Drawn.Box == r.Drawn.Box;
            });
            if (same != texts.end())
                texts.erase(same);
            if (!r.Drawn.Text.empty())
                texts.push_back(r);
        }
        ASSERT_FALSE(texts.empty());
        // The client area less the skin's edge.
        const Rect client{2, 2, dialog.Width() - 2, dialog.Height() - 2};
        // The controls: a text must keep clear of every one but its own (a label's or a button's box).
        std::vector<std::pair<std::string, Rect>> controls;
        for (Control* child : dialog.Controls()) {
            if (!child->Visible())
                continue;
            const Rect r{child->Left(), child->Top(), child->Left() + child->Width(),
                         child->Top() + child->Height()};
            controls.emplace_back(
                child->Caption().empty() ? std::string(child->ClassName()) : child->Caption(), r);
        }
        for (const RecordedText& r : texts) {
            const DrawnText& d = r.Drawn;
            const bool free = (d.Format & TextFormat::NoClip) != 0;
            if (!free) {
                EXPECT_TRUE(Inside(d.Ink, d.Box)) << '"' << d.Text << "\" needs " << Describe(d.Ink)
                                                  << " but its box is " << Describe(d.Box);
            }
            if (r.OnWindow)
                continue;
            EXPECT_TRUE(Inside(d.Ink, client))
                << '"' << d.Text << "\" at " << Describe(d.Ink) << " leaves the dialog " << Describe(client);
            for (const auto& [name, area] : controls) {
                if (!free && d.Box == area)
                    continue;
                EXPECT_FALSE(Overlap(d.Ink, area)) << '"' << d.Text << "\" at " << Describe(d.Ink)
                                                   << " runs into " << name << " at " << Describe(area);
            }
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                const DrawnText& a = texts[i].Drawn;
                const DrawnText& b = texts[j].Drawn;
                if (texts[i].OnWindow != texts[j].OnWindow)
                    continue;
                EXPECT_FALSE(Overlap(a.Ink, b.Ink)) << '"' << a.Text << "\" " << Describe(a.Ink) << " and \""
                                                    << b.Text << "\" " << Describe(b.Ink) << " overlap";
            }
        }
    }

    Board TheBoard;
    GameState State;
    SurfaceSlot Tiles;
    std::unique_ptr<GameDialogsHost> Dialogs;
    RelPoint CellPoint{0.5f, 0.5f};
    int Redraws = 0;
    std::vector<std::string> Sounds;
    std::vector<RecordedText> Texts;
};
