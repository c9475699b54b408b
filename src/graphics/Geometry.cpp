// Screen-fraction geometry: the screen size, the rounding rule and RelRect conversions.
#include "graphics/Geometry.h"

#include <cmath>
#include <limits>

ScreenSizeRecord ScreenSize;

std::int32_t Round(double x)
{
    if (std::isnan(x)) {
        return 0;
    }
    // The fraction keeps x's sign, so a negative value is never at least 0.5 and always goes down.
    double whole = std::floor(x);
    if (x - std::trunc(x) >= 0.5) {
        whole += 1;
    }
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (whole <= lo) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (whole >= hi) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(whole);
}

RelRect MakeRelRect(float left, float top, float width, float height)
{
    return {left, top, left + width, top + height};
}

RelRect OffsetRelRect(const RelRect& r, float dx, float dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

Rect ScreenRect(const RelRect& r)
{
    const double w = ScreenSize.Width;
    const double h = ScreenSize.Height;
    return {Round(w * r.Left), Round(h * r.Top), Round(w * r.Right), Round(h * r.Bottom)};
}

Point ScreenPoint(float x, float y)
{
    return {Round(static_cast<double>(ScreenSize.Width) * x),
            Round(static_cast<double>(ScreenSize.Height) * y)};
}

namespace {
float Fraction(std::int32_t pixels, std::int32_t extent)
{
    return extent != 0 ? static_cast<float>(static_cast<double>(pixels) / extent) : 0.0f;
}
} // namespace

RelRect ScreenToRel(const Rect& r)
{
    return {Fraction(r.Left, ScreenSize.Width), Fraction(r.Top, ScreenSize.Height),
            Fraction(r.Right, ScreenSize.Width), Fraction(r.Bottom, ScreenSize.Height)};
}

RelPoint ScreenPointToRel(const Point& p)
{
    return {Fraction(p.X, ScreenSize.Width), Fraction(p.Y, ScreenSize.Height)};
}

RelRect FitAspect(const RelRect& r)
{
    if (ScreenSize.Width <= 0 || ScreenSize.Height <= 0) {
        return r;
    }
    const double sw = ScreenSize.Width;
    const double sh = ScreenSize.Height;
    const double w = static_cast<double>(r.Right) - r.Left;
    const double h = static_cast<double>(r.Bottom) - r.Top;
    const double h3 = w * sw * (2.0 / 3.0) / sh;
    RelRect out = r;
    if (h >= h3) {
        const double top = r.Top + (h - h3) / 2;
        out.Top = static_cast<float>(top);
        out.Bottom = static_cast<float>(top + h3);
    } else {
        const double w3 = h * sh * 1.5 / sw;
        const double left = r.Left + (w - w3) / 2;
        out.Left = static_cast<float>(left);
        out.Right = static_cast<float>(left + w3);
    }
    return out;
}
