// Screen-fraction geometry: ScreenSize, RelRect, pixel rectangles and the rounding rule.
#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR (red in the low byte).
using Colour = std::uint32_t;

// A pixel rectangle: left and top inside, right and bottom outside.
struct Rect
{
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool operator==(const Rect&) const = default;
};

struct Point
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const Point&) const = default;
};

// A point in fractions of ScreenSize.
struct RelPoint
{
    float X = 0;
    float Y = 0;
};

// A rectangle in fractions of ScreenSize: x of the width, y of the height.
struct RelRect
{
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
};

struct ScreenSizeRecord
{
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// The screen's size in pixels; set by the main window whenever it rebuilds its back buffer.
extern ScreenSizeRecord ScreenSize;

// Nearest integer with halves going up for non-negative values; negative values always go down.
std::int32_t Round(double x);

// (left, top, left + width, top + height).
RelRect MakeRelRect(float left, float top, float width, float height);
RelRect OffsetRelRect(const RelRect& r, float dx, float dy);

// Fractions to pixels against ScreenSize, and back (no rounding on the way back).
Rect ScreenRect(const RelRect& r);
Point ScreenPoint(float x, float y);
RelRect ScreenToRel(const Rect& r);
RelPoint ScreenPointToRel(const Point& p);

// The largest box of pixel aspect 3:2 centred in r.
RelRect FitAspect(const RelRect& r);
