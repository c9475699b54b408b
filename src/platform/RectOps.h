// Small pixel-rectangle helpers of the windowing layer.
#pragma once

#include "graphics/Geometry.h"

#include <algorithm>

inline bool IsEmptyRect(const Rect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

inline Rect IntersectRects(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    return IsEmptyRect(r) ? Rect{} : r;
}

inline Rect UnionRects(const Rect& a, const Rect& b)
{
    if (IsEmptyRect(a))
        return b;
    if (IsEmptyRect(b))
        return a;
    return Rect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom)};
}

inline Rect OffsetRect(const Rect& r, std::int32_t dx, std::int32_t dy)
{
    return Rect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

inline bool RectContains(const Rect& r, Point p)
{
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// True when a and b overlap or touch, so that their union adds no pixel of neither.
inline bool RectsTouch(const Rect& a, const Rect& b)
{
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}
