// Fonts: a family list, a weight, a pixel height, a horizontal scale and a colour.
#pragma once

#include "graphics/Geometry.h"

#include <memory>
#include <string>

typedef struct _PangoFontDescription PangoFontDescription;
typedef struct _PangoContext PangoContext;

class Font
{
public:
    // face is one of the program's faces ("Arial", "MS Sans Serif", "Times New Roman", "Impact";
    // others draw as "Arial"); weight 400 normal, 700 bold (Impact is always bold); pixelHeight
    // is the character cell height; averageCharWidth 0 keeps the face's own width.
    Font(const std::string& face, int weight, int pixelHeight, int averageCharWidth);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const std::string& Face() const { return FaceName; }
    int Weight() const { return FontWeight; }
    int PixelHeight() const { return Height; }
    // Requested average character width divided by the face's own average width at this height.
    double HorizontalScale() const { return Scale; }
    const PangoFontDescription* Description() const { return Desc; }

    // The colour DrawTextAt uses (black unless set).
    Colour Color = 0;

private:
    std::string FaceName;
    int FontWeight = 400;
    int Height = 0;
    double Scale = 1.0;
    PangoFontDescription* Desc = nullptr;
};

// A font whose cell height is Round(ScreenSize.Height * heightPermille / 1000) pixels and whose
// average character width is Round(ScreenSize.Width * widthPermille / 1000) pixels.
std::unique_ptr<Font> MakeFont(const std::string& face, int weight, double heightPermille,
                               double widthPermille);

// The one Pango context all text is laid out with (grey antialiasing, no hinting).
PangoContext* SharedTextContext();
// Starts loading the font configuration and the game's faces on a worker thread, so that the first
// text drawn is not slow and the loading overlaps other start-up work (opening the window). Every
// use of fonts and text waits for it to finish first.
void StartWarmingFonts();
// Loads the font configuration and the game's faces now.
void WarmFonts();
