// Drawing kit shared by every picture of mkres: pictures and sheets, the key-colour rule, isometric
// boxes, text, seeded noise and a few recurring shapes.
#pragma once

#include "Palette.h"
#include "graphics/PictureCatalog.h"

#include <cairo.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Art {

using Palette::Rgb;

// A finished picture: 24-bit pixels (0x00RRGGBB, rows top-down) plus the frame layout it is cut by.
struct Picture
{
    std::string Name;
    int Layout = 0; // 0 whole, 1 sheet of 8 across with gutters, 3 vertical strip, 4 grid without gutters
    int FrameWidth = 0;
    int FrameHeight = 0;
    int FrameCount = 1;
    int Columns = 1; // layout 4 only
    bool Transparent = false;
    bool StoreAsPcx = false;
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// Top-left corner of frame n in a picture of the given layout.
struct FramePos
{
    int X = 0;
    int Y = 0;
};
FramePos FrameOrigin(const Picture& p, int n);

using FrameFn = std::function<void(cairo_t*)>;

// Builds a picture of the catalogue frame by frame. Each frame is drawn on its own transparent ARGB
// surface of the frame's size; transparent pictures are then hardened against a matte colour (see
// Harden), opaque ones are flattened over black.
class SheetBuilder
{
public:
    explicit SheetBuilder(const PictureInfo& item);
    void Frame(int n, const FrameFn& draw, const Rgb& matte = Palette::Grass);
    Picture Finish();

private:
    Picture P;
};

// A whole picture (layout 0) of the catalogue drawn in one go.
Picture Whole(const PictureInfo& item, const FrameFn& draw);

// The key-colour rule: pixels of coverage below one half become (0, 0, 0); the others become fully
// opaque, their missing coverage filled with the matte colour (the colour they usually stand on),
// and none of them is exactly black.
void Harden(cairo_surface_t* surface, const Rgb& matte);

// Keeps only the pixels whose centre lies inside the cell diamond whose top vertex is at row top
// (diamond 144 x 96), so that neighbouring tiles meet without gap or overlap.
void ClipToDiamond(cairo_surface_t* surface, int top);
bool InsideDiamond(int x, int y, int top);

// Colour helpers.
void SetColour(cairo_t* cr, const Rgb& c, double alpha = 1.0);
void FillStroke(cairo_t* cr, const Rgb& fill, const Rgb& line = Palette::Outline, double width = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void LinearFill(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgb& a, const Rgb& b);

// Seeded randomness: the same seed always gives the same sequence.
class Random
{
public:
    explicit Random(std::uint64_t seed) : State(seed) {}
    std::uint64_t Next();
    double Uniform(); // [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

private:
    std::uint64_t State;
};
std::uint64_t Hash(std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0);
double HashUnit(std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0);

// Smooth noise in [0, 1] on the lattice of board cells: the value at pixel (x, y) equals the value
// at (x + 144, y) and at (x + 72, y + 48), so ground drawn with it tiles without seams.
double CellNoise(double x, double y, int octave, std::uint64_t seed);
// Per-pixel grain with the same periodicity.
double CellGrain(int x, int y, std::uint64_t seed);

// Fills the surface with a textured ground colour (periodic on the board lattice); rows are taken
// as board rows shifted by top (9 for the taller sheet).
enum class Ground
{
    Grass,
    Earth,
    Water,
    Pavement,
    Plaza,
    Asphalt,
    Sand,
};
// A frame-sized ARGB surface filled with ground texture (caller destroys it).
cairo_surface_t* GroundSurface(Ground g, int width, int height, int top);
Rgb GroundColour(Ground g, int x, int y);
void PaintGround(cairo_surface_t* surface, Ground g, int top);

// Isometric drawing in cell coordinates: gx to the lower right, gy to the lower left, both 0..1
// over the cell, z in pixels upward. top is the frame row of the diamond's top vertex.
class Iso
{
public:
    Iso(cairo_t* cr, double top) : Cr(cr), Top(top) {}
    double Sx(double gx, double gy) const { return 72.0 + 72.0 * (gx - gy); }
    double Sy(double gx, double gy, double z = 0) const { return Top + 48.0 * (gx + gy) - z; }
    void MoveTo(double gx, double gy, double z = 0) const;
    void LineTo(double gx, double gy, double z = 0) const;
    // Cairo matrix mapping cell coordinates at height z to frame pixels.
    void GroundMatrix(double z = 0) const;
    // Ground polygon of a rectangle in cell coordinates.
    void GroundRect(double x0, double y0, double x1, double y1, double z = 0) const;
    void Ellipse(double gx, double gy, double rx, double ry, double z = 0) const;

    // A box: left face (gy = y1) in wall, right face (gx = x1) darker, top in roof; outlined.
    void Box(double x0, double y0, double x1, double y1, double z0, double h, const Rgb& wall,
             const Rgb& roof) const;
    // A parallelogram on the left face plane gy = face, gx from a to b, z from za to zb.
    void QuadL(double face, double a, double b, double za, double zb, const Rgb& c,
               bool outline = false) const;
    // The same on the right face plane gx = face, gy from a to b.
    void QuadR(double face, double a, double b, double za, double zb, const Rgb& c,
               bool outline = false) const;
    // Rows and columns of windows on both visible faces of a box.
    void WindowsL(double face, double a, double b, double z0, double z1, int cols, int rows, const Rgb& c,
                  double fill = 0.55) const;
    void WindowsR(double face, double a, double b, double z0, double z1, int cols, int rows, const Rgb& c,
                  double fill = 0.55) const;
    // A gabled roof over the rectangle, ridge along gx (alongX) or gy, ridge height rh above z.
    void GableRoof(double x0, double y0, double x1, double y1, double z, double rh, bool alongX,
                   const Rgb& roof, const Rgb& gable) const;
    // A pyramid roof.
    void HipRoof(double x0, double y0, double x1, double y1, double z, double rh, const Rgb& roof) const;
    // A round tree: trunk and a lit crown.
    void Tree(double gx, double gy, double size, const Rgb& leaves = Palette::Foliage) const;
    // Cairo matrix for drawing flat on a face: origin at cell point (gx, gy, z), x along the face
    // in screen pixels (left to right as seen), y downward. L: the face gy = const; R: gx = const.
    void FaceL(double gx, double gy, double z) const;
    void FaceR(double gx, double gy, double z) const;
    // A soft shadow patch on the ground under a box (opaque, darkened ground).
    void ShadowRect(double x0, double y0, double x1, double y1, double reach) const;

    cairo_t* Cr;
    double Top;
};

// Text with Pango (Liberation or DejaVu through fontconfig).
struct TextStyle
{
    std::string Family = "Liberation Sans";
    bool Bold = true;
    bool Italic = false;
    double Size = 12; // pixels
    Rgb Colour = Palette::Ink;
};
// Draws text centred on (cx, cy); returns its width in pixels.
double DrawText(cairo_t* cr, const std::string& text, const TextStyle& style, double cx, double cy);
// Draws text starting at x, vertically centred on cy; returns its width in pixels.
double DrawTextLeft(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double cy);
// Adds the text's outline to the current path, centred on (cx, cy).
void TextPath(cairo_t* cr, const std::string& text, const TextStyle& style, double cx, double cy);

// A round player badge with the slot digit (1 to 6).
void SlotBadge(cairo_t* cr, int player, double cx, double cy, double radius);

} // namespace Art
