// Scenes for the help composed from the game's pictures at the places of the game's layouts: a
// tool button, the main menu, the game screen, the editor's tool strip and pieces of the board.
#include "HelpArt.h"
#include "board/Board.h"
#include "boardview/BoardView.h"
#include "graphics/Font.h"
#include "texts/Texts.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr Colour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

constexpr std::uint32_t CentredLine = TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine;

std::unique_ptr<Surface> NewCanvas(std::int32_t width, std::int32_t height)
{
    ScreenSize = {width, height};
    return Surface::CreateCanvas(nullptr, width, height);
}

// Frame n of sprite stretched into relRect, measured from panel's top-left corner.
void Put(Surface& dest, const Surface& sprite, std::int32_t n, const RelRect& relRect,
         const RelRect& panel = RelRect{})
{
    auto scratch = Surface::CreateCanvas(&dest, 1, 1);
    DrawSpriteButton(dest, relRect, &sprite, *scratch, nullptr, panel, n);
}

// A speed button of the "DlgButton" skin with its caption; selected ones are drawn pressed.
void SpeedButton(Surface& dest, const HelpArt& art, const RelRect& area, const std::string& caption,
                 const Font& font, bool selected = false)
{
    Put(dest, art.DialogButton, selected ? 2 : 0, area);
    Rect r = ScreenRect(area);
    if (selected) {
        r = Rect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    }
    dest.DrawTextInRect(r, caption, CentredLine, font.Color, &font);
}

std::string Money(std::int32_t amount)
{
    return Text(TextGroup::DialogFragments, DialogText::Dollar) + std::to_string(amount);
}

std::int32_t Distance(std::int32_t x, std::int32_t y, const Point& to)
{
    return std::abs(x - to.X) + std::abs(y - to.Y);
}

// Cells of board for which keep is true, nearest to centre first (row order among equals).
template <class Keep> std::vector<Point> CellsNear(const Board& board, const Point& centre, Keep keep)
{
    std::vector<Point> cells;
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            if (keep(board.At(x, y))) {
                cells.push_back(Point{x, y});
            }
        }
    }
    std::stable_sort(cells.begin(), cells.end(), [&centre](const Point& a, const Point& b) {
        return Distance(a.X, a.Y, centre) < Distance(b.X, b.Y, centre);
    });
    return cells;
}

// The news panel's box: the sentence wrapped in the item font on light grey, grown to fit.
void NewsBox(Surface& dest, const std::string& text, float left, float top, const Font& font)
{
    const Rect place = ScreenRect(MakeRelRect(left, top, 0.096f, 0));
    Rect r = place;
    dest.DrawTextInRect(r, text, TextFormat::WordBreak | TextFormat::Center | TextFormat::CalcRect, 0, &font);
    r.Left = place.Left;
    r.Right = place.Right;
    dest.FillRect(r, Rgb(0xEA, 0xEA, 0xEA));
    dest.DrawTextInRect(r, text,
                        TextFormat::WordBreak | TextFormat::Center | TextFormat::VCenter | TextFormat::NoClip,
                        0, &font);
}

} // namespace

PlayScene SetUpPlay(Board& board)
{
    PlayScene scene;
    const Point middle{board.Width() / 2, board.Height() / 2};
    const std::vector<Point> junctions =
        CellsNear(board, middle, [](const Cell& c) { return c.Direction >= 5; });
    const Point centre = junctions.empty() ? middle : junctions.front();
    scene.CentreX = centre.X;
    scene.CentreY = centre.Y;

    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            board.At(x, y).Pawns = 0;
        }
    }
    // Three players: the first walking alone, the other two sharing a cell.
    const std::vector<Point> roads = CellsNear(board, centre, [](const Cell& c) {
        return IsRoadPiece(c.Kind) && c.Direction >= 1 && c.Direction <= 4;
    });
    for (std::int32_t player = 0; player < 3 && roads.size() > 3; ++player) {
        Point at = roads[player == 0 ? 1 : 3];
        board.MovePawn(player, at.X, at.Y, at.X, at.Y);
    }
    // The seven lots nearest the junction carry the seven structures, owned in turn by the three.
    const std::vector<Point> lots =
        CellsNear(board, centre, [](const Cell& c) { return c.Kind == CellKind::LotForSale; });
    for (std::size_t i = 0; i < lots.size() && i < 7; ++i) {
        Cell& cell = board.At(lots[i].X, lots[i].Y);
        cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + i);
        cell.Owner = static_cast<std::uint8_t>(1 + i % 3);
        if (i % 3 == 0) {
            scene.Properties.push_back(lots[i]);
        }
    }
    std::uint32_t next = 0;
    board.ChooseJunctionExits([&next] { return next++; });
    return scene;
}

std::unique_ptr<Surface> ToolButtonPicture(const HelpArt& art, const Surface& face, std::int32_t column)
{
    auto button = Surface::CreateCanvas(nullptr, face.FrameWidth, face.FrameHeight);
    Surface::DrawFrame(*button, 0, 0, 0, face);
    Surface::DrawFrame(*button, (face.FrameWidth - art.ToolIcons.FrameWidth) / 2,
                       (face.FrameHeight - art.ToolIcons.FrameHeight) / 2, column, art.ToolIcons);
    return button;
}

std::unique_ptr<Surface> MainMenuPicture(const HelpArt& art, std::int32_t width, std::int32_t height)
{
    auto menu = NewCanvas(width, height);
    Put(*menu, art.MenuBack, 0, MakeRelRect(0, 0, 1, 1));
    struct MenuButton
    {
        std::string Caption;
        float Left, Top, Width, Height;
    };
    std::vector<MenuButton> buttons;
    for (int i = MainMenuText::NewGame; i <= MainMenuText::Quit; ++i) {
        buttons.push_back({Text(TextGroup::MainMenu, i), i < 4 ? 0.2f : 0.54f,
                           0.24f + 0.16f * static_cast<float>(i % 4), 0.26f, 0.13f});
    }
    buttons.push_back({Text(TextGroup::Editor, 0), 0.37f, 0.87f, 0.26f, 0.09f});
    const auto font = MakeFont("Impact", 700, 48, 14);
    for (const MenuButton& button : buttons) {
        const RelRect area = MakeRelRect(button.Left, button.Top, button.Width, button.Height);
        Put(*menu, art.MenuButton, 0, area);
        // An engraved caption: a dark shadow below and right of the light face.
        const Rect r = ScreenRect(area);
        for (const auto& [offset, colour] : {std::pair{0, Rgb(128, 94, 36)}, std::pair{3, Rgb(128, 94, 36)},
                                             std::pair{1, Rgb(246, 218, 140)}}) {
            Rect pass{r.Left + offset, r.Top + offset, r.Right + offset, r.Bottom + offset};
            menu->DrawTextInRect(pass, button.Caption, CentredLine, colour, font.get());
        }
    }
    return menu;
}

std::unique_ptr<Surface> GameScreenPicture(const HelpArt& art, Board& board, const PlayScene& scene,
                                           std::int32_t width, std::int32_t height)
{
    auto screen = NewCanvas(width, height);
    board.CenterX = scene.CentreX;
    board.CenterY = scene.CentreY;
    {
        BoardView view(
            board, [&screen] { return screen.get(); }, [](const Rect&) {});
        view.Sheets = {&art.Blank, &art.Table0, &art.Table1, &art.Dice};
        view.Create(MakeRelRect(0, 0.16f, 1, 0.84f));
        view.Redraw();
    }
    const auto normal = MakeFont("Arial", 400, 16, 5);
    const auto bold = MakeFont("Arial", 700, 16, 5);
    const auto scoresFont = MakeFont("Arial", 400, 17, 4);
    const float line = static_cast<float>(normal->PixelHeight() - 1) / static_cast<float>(height);
    // What the three players hold in this game, as the panels would show it.
    const std::int32_t cash[3] = {41250, 18400, 67900};

    // Scores: a card for every player in the game.
    const RelRect scores = MakeRelRect(0, 0, 0.2f, 0.16f);
    Put(*screen, art.ScoresBack, 0, scores);
    for (std::int32_t i = 0; i < 3; ++i) {
        const float left = i % 2 == 0 ? 0 : 0.1f;
        const float top = 0.053f * static_cast<float>(i / 2);
        Put(*screen, art.ScoreCards, i, MakeRelRect(left, top, 0.1f, 0.052f));
        screen->DrawTextAt(std::string(PlayerName(i)), scoresFont.get(), left + 0.061f, top + 0.008f, 2);
        screen->DrawTextAt(Text(TextGroup::PlayerInfo, PlayerInfoText::Cash) + std::to_string(cash[i]),
                           scoresFont.get(), left + 0.061f, top + 0.027f, 2);
    }

    // The current player: the first, a human.
    const float L = 0.2f;
    Put(*screen, art.InfoBack, 0, MakeRelRect(L, 0, 0.18f, 0.16f));
    Put(*screen, art.Humans, 0, MakeRelRect(L + 0.008f, 0.015f, 0.05f, 0.07f));
    struct Info
    {
        std::string Label, Value;
        float X, Y;
        bool Below;
        float ValueX;
    };
    const Info infos[] = {
        {Text(TextGroup::TitleDeed, TitleDeedText::Name), std::string(PlayerName(0)), L + 0.092f, 0.015f,
         true, 0},
        {Text(TextGroup::PlayerInfo, PlayerInfoText::Education), Text(TextGroup::EducationNames, 1),
         L + 0.092f, 0.05f, true, 0},
        {Text(TextGroup::Occupation, 0), Text(TextGroup::JobNames, 1), L + 0.01f, 0.09f, true, 0},
        {Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::Salary), Money(1180), L + 0.092f, 0.09f, true,
         0},
        {Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::Properties),
         std::to_string(scene.Properties.size()), L + 0.01f, 0.125f, false, L + 0.07f},
        {Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::Mortgages), "0", L + 0.092f, 0.125f, false,
         L + 0.155f},
    };
    for (const Info& info : infos) {
        screen->DrawTextAt(info.Label, normal.get(), info.X, info.Y, 0);
        screen->DrawTextAt(info.Value, info.Below ? bold.get() : normal.get(),
                           info.Below ? info.X : info.ValueX, info.Below ? info.Y + line : info.Y, 0);
    }

    // The title deed of the current player's second property, with the buttons around it.
    const RelRect cards = MakeRelRect(0.38f, 0, 0.34f, 0.16f);
    Put(*screen, art.CardOpen, 0, cards);
    if (scene.Properties.size() >= 2) {
        const std::int32_t index = 1;
        const Point deed = scene.Properties[index];
        const Cell cell = board.At(deed.X, deed.Y);
        const std::int32_t structure = cell.Kind - CellKind::OwnedLot;
        const float C = cards.Left;
        screen->DrawTextAt(Text(TextGroup::TitleDeed, TitleDeedText::TitleDeed) + std::to_string(index + 1),
                           bold.get(), C + 0.075f, 0.005f, 2);
        Put(*screen, art.Table1, 8 + cell.Kind - 58, FitAspect(MakeRelRect(0.01f, 0.022f, 0.06f, 0.064f)),
            cards);
        screen->DrawTextAt(Text(TextGroup::KindNames, cell.Kind - CellKind::LotForSale), normal.get(),
                           C + 0.04f, 0.086f, 2);
        screen->DrawTextAt(Text(TextGroup::StreetInfo, StreetInfoText::Streets), normal.get(), C + 0.08f,
                           0.025f, 0);
        float y = 0.045f;
        for (const auto& [dx, dy] : {std::pair{0, -1}, std::pair{1, 0}, std::pair{0, 1}, std::pair{-1, 0}}) {
            const Cell side = board.CellAt(deed.X + dx, deed.Y + dy);
            if (CountsAsRoad(side.Kind)) {
                screen->DrawTextAt(board.GetStreetName(side.Street), normal.get(), C + 0.08f, y, 0);
                y += 0.017f;
            }
        }
        for (std::int32_t j = 0; j < 7; ++j) {
            normal->Color = j == structure ? Rgb(255, 0, 0) : 0;
            const float rowY = 0.01f + 0.016f * static_cast<float>(j);
            screen->DrawTextAt(Text(TextGroup::ValueLabels, j), normal.get(), C + 0.18f, rowY, 0);
            screen->DrawTextAt(Money(board.Price(j, deed.X, deed.Y)), normal.get(), C + 0.25f, rowY, 0);
            screen->DrawTextAt(Text(TextGroup::StreetInfo, StreetInfoText::RentDollar) +
                                   std::to_string(board.Rent(j + 1, deed.X, deed.Y)),
                               normal.get(), C + 0.29f, rowY, 0);
        }
        normal->Color = 0;
        Put(*screen, art.CardLast, 0, MakeRelRect(0.0033f, 0.124f, 0.028f, 0.03f), cards);
        Put(*screen, art.CardView, 0, MakeRelRect(0.032f, 0.12f, 0.025f, 0.03f), cards);
        if (scene.Properties.size() > 2) {
            Put(*screen, art.CardNext, 0, MakeRelRect(0.308f, 0.124f, 0.028f, 0.03f), cards);
        }
    }

    // News: the date, the throw as the headline and two sentences below it.
    const float N = 0.72f;
    Put(*screen, art.NewsBack, 0, MakeRelRect(N, 0, 0.2f, 0.16f));
    const auto newsFont = MakeFont("Times New Roman", 400, 15, 5);
    const auto headlineFont = MakeFont("Times New Roman", 700, 17, 5);
    const auto itemFont = MakeFont("Times New Roman", 700, 15, 5);
    screen->DrawTextAt(std::string(Text(TextGroup::Weekdays, 1)) +
                           Text(TextGroup::PlayerInfo, PlayerInfoText::Week) + "3",
                       newsFont.get(), N + 0.01f, 0.026f, 0);
    Rect headline = ScreenRect(MakeRelRect(N + 0.005f, 0.043f, 0.19f, 0));
    headline.Bottom = headline.Top + headlineFont->PixelHeight();
    screen->DrawTextInRect(
        headline, std::string(PlayerName(0)) + Text(TextGroup::NewsFragments, NewsText::Throws) + "4!",
        CentredLine, 0, headlineFont.get());
    if (!scene.Properties.empty()) {
        const Point lot = scene.Properties.front();
        NewsBox(*screen,
                std::string(PlayerName(1)) + Text(TextGroup::NewsFragments, NewsText::Pays) +
                    std::to_string(board.Rent(0, lot.X, lot.Y)) +
                    Text(TextGroup::NewsFragments, NewsText::To) + std::string(PlayerName(0)),
                N + 0.003f, 0.062f, *itemFont);
        NewsBox(*screen,
                std::string(PlayerName(2)) + Text(TextGroup::NewsFragments, NewsText::AcceptJob) +
                    Text(TextGroup::JobNames, 2),
                N + 0.101f, 0.062f, *itemFont);
    }

    // The five tool buttons.
    const RelRect buttons = MakeRelRect(0.92f, 0, 0.08f, 0.16f);
    Put(*screen, art.ButtonsBack, 0, buttons);
    const struct
    {
        float Left, Top, Width, Height;
        const Surface* Face;
    } tools[] = {{0.001f, 0.001f, 0.038f, 0.048f, &art.ToolFace},
                 {0.041f, 0.001f, 0.038f, 0.048f, &art.ToolFace},
                 {0.001f, 0.051f, 0.038f, 0.048f, &art.ToolFace},
                 {0.041f, 0.051f, 0.038f, 0.048f, &art.ToolFace},
                 {0.001f, 0.1f, 0.078f, 0.058f, &art.ThrowFace}};
    for (std::int32_t column = 0; column < 5; ++column) {
        const auto& tool = tools[column];
        const auto button = ToolButtonPicture(art, *tool.Face, column);
        Surface::StretchBlit(
            *screen, ScreenRect(MakeRelRect(buttons.Left + tool.Left, tool.Top, tool.Width, tool.Height)),
            *button, true, Rect{0, 0, button->Width, button->Height});
    }
    return screen;
}

std::unique_ptr<Surface> EditorStripPicture(const HelpArt& art, const Board& board, std::int32_t width,
                                            std::int32_t height)
{
    auto strip = NewCanvas(width, height);
    const auto font = MakeFont("Arial", 400, 16, 5);
    // The buttons' captions, as the editor draws them: smaller and narrower than the strip's font.
    const auto captions = MakeFont("Arial", 400, 15, 4);
    Put(*strip, art.PanelEditor, 0, MakeRelRect(0, 0, 1, 0.05f));
    for (int i = 0; i < 3; ++i) {
        SpeedButton(*strip, art, MakeRelRect(0.01f + 0.06f * static_cast<float>(i), 0.01f, 0.06f, 0.03f),
                    Text(TextGroup::Editor, i + 1), *captions);
    }
    strip->DrawTextAt(std::to_string(board.Width()) + "x" + std::to_string(board.Height()), font.get(), 0.2f,
                      0.02f, 0);
    // "PStruct" chosen: its value (a hotel of player 1) in the preview, "Last", "Next" and the owner.
    constexpr int chosen = 5;
    for (int i = 0; i < 8; ++i) {
        SpeedButton(*strip, art, MakeRelRect(0.24f + 0.04f * static_cast<float>(i), 0.01f, 0.04f, 0.03f),
                    Text(TextGroup::EditorTools, i), *captions, i == chosen);
    }
    Put(*strip, art.Table1, 7 + 8 * 1 + 15, MakeRelRect(0.57f, 0.002f, 0.05f, 0.046f));
    SpeedButton(*strip, art, MakeRelRect(0.63f, 0.01f, 0.03f, 0.03f), Text(TextGroup::EditorMore, 0),
                *captions);
    SpeedButton(*strip, art, MakeRelRect(0.66f, 0.01f, 0.03f, 0.03f), Text(TextGroup::EditorMore, 1),
                *captions);
    SpeedButton(*strip, art, MakeRelRect(0.70f, 0.01f, 0.04f, 0.03f),
                std::string(Text(TextGroup::EditorMore, 2)) + "1", *captions);
    const RelRect combo = MakeRelRect(0.75f, 0.01f, 0.1f, 0.024f);
    Put(*strip, art.ComboFace, 0, combo);
    Rect face = ScreenRect(combo);
    face.Left += Round(width * 0.1 * 0.02);
    strip->DrawTextInRect(face, "1- " + board.GetStreetName(0),
                          TextFormat::Left | TextFormat::VCenter | TextFormat::SingleLine |
                              TextFormat::NoPrefix,
                          0, captions.get());
    SpeedButton(*strip, art, MakeRelRect(0.852f, 0.01f, 0.03f, 0.024f), Text(TextGroup::EditorMore, 3),
                *captions);
    SpeedButton(*strip, art, MakeRelRect(0.9f, 0.01f, 0.06f, 0.03f), Text(TextGroup::EditorMore, 6),
                *captions);
    SpeedButton(*strip, art, MakeRelRect(0.962f, 0.01f, 0.034f, 0.03f),
                Text(TextGroup::EditorReport, EditorReportText::Check), *captions);

    return CanvasPart(*strip, Rect{0, 0, width, Round(height * 0.05)});
}

std::unique_ptr<Surface> BoardPicture(const HelpArt& art, Board& board, BoardLook look, std::int32_t centreX,
                                      std::int32_t centreY, std::int32_t width, std::int32_t height)
{
    auto picture = NewCanvas(width, height);
    board.EditMode = look != BoardLook::Game;
    board.ShowDirections = look == BoardLook::Directions;
    board.ShowStreetNames = look == BoardLook::StreetNames;
    board.ShowStart = false;
    board.CursorX = -1;
    board.CenterX = centreX;
    board.CenterY = centreY;
    // The main window's font, which the editor writes street names in.
    const Font streetFont("MS Sans Serif", 400, 13, 0);
    BoardView view(
        board, [&picture] { return picture.get(); }, [](const Rect&) {});
    view.Sheets = {&art.Blank, &art.Table0, &art.Table1, &art.Dice};
    view.StreetNameFont = &streetFont;
    view.Create(MakeRelRect(0, 0, 1, 1));
    view.Redraw();
    return picture;
}
