// The game's pictures the help shows, loaded from res00.dat with the layouts the game uses, and
// the writing of frames, canvases and scenes as PNG files.
#pragma once

#include "graphics/Surface.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class Board;

// Every picture the help uses, loaded once.
struct HelpArt
{
    Surface Blank, Table0, Table1, Dice;
    Surface MenuBack, MenuButton, PanelEditor, DialogButton, ComboFace;
    Surface ScoresBack, ScoreCards, InfoBack, Humans, Computers, CardOpen, NewsBack, ButtonsBack;
    Surface ToolFace, ThrowFace, ToolIcons, CardLast, CardNext, CardView, CardPay;

    // Loads every picture from archive; on failure names the first item that is missing.
    bool Load(const std::string& archive, std::string& missing);
};

// Frame n of sheet as a transparent picture of its own, cut to what is drawn (plus a small
// margin) when crop is set.
bool WriteFrame(const Surface& sheet, std::int32_t n, bool crop, const std::filesystem::path& file);
// A canvas as it is.
bool WriteCanvas(const Surface& canvas, const std::filesystem::path& file);
// A copy of part of a canvas.
std::unique_ptr<Surface> CanvasPart(const Surface& canvas, const Rect& part);

// A game in progress for the scenes: the junction nearest the board's middle, three pawns near
// it, the seven lots nearest it built up to the seven structures and owned in turn by players
// 1, 2 and 3. Properties are the first player's, in order of purchase.
struct PlayScene
{
    std::int32_t CentreX = 0;
    std::int32_t CentreY = 0;
    std::vector<Point> Properties;
};
PlayScene SetUpPlay(Board& board);

// Scenes composed from the game's pictures (HelpScenes.cpp). Each sets ScreenSize to its own
// size, so every fraction of the game's layouts is taken of the picture.
std::unique_ptr<Surface> ToolButtonPicture(const HelpArt& art, const Surface& face, std::int32_t column);
std::unique_ptr<Surface> MainMenuPicture(const HelpArt& art, std::int32_t width, std::int32_t height);
std::unique_ptr<Surface> GameScreenPicture(const HelpArt& art, Board& board, const PlayScene& scene,
                                           std::int32_t width, std::int32_t height);
// The editor's tool strip on a screen of width x height, with "PStruct" chosen.
std::unique_ptr<Surface> EditorStripPicture(const HelpArt& art, const Board& board, std::int32_t width,
                                            std::int32_t height);
// A piece of the board around (centreX, centreY): as the game shows it, or as the editor shows
// it with its walking directions or street names.
enum class BoardLook
{
    Game,
    Directions,
    StreetNames,
};
std::unique_ptr<Surface> BoardPicture(const HelpArt& art, Board& board, BoardLook look, std::int32_t centreX,
                                      std::int32_t centreY, std::int32_t width, std::int32_t height);
