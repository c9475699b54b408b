// Drawing of the native widgets: their shared colours, and a painter that draws in a control's
// client coordinates straight into the window's pixels, clipped to the part being painted.
#pragma once

#include "graphics/Geometry.h"
#include "platform/Control.h"

#include <cstdint>
#include <string_view>

class Font;
class Surface;

namespace WidgetLook {
// 0x00BBGGRR. A dark walnut border and selection, as the dialog frames, with cream text on it;
// without the focus a light tan selection under the usual text.
constexpr Colour Border = 0x00213449;
constexpr Colour Selection = 0x00304E6E;
constexpr Colour SelectionText = 0x00E6F4FA;
constexpr Colour SelectionUnfocused = 0x00A8C3D6;
constexpr Colour ButtonFace = 0x00A9BBCB;
constexpr Colour ButtonPressed = 0x008CA0B3;
constexpr Colour ButtonMark = 0x00182430;
constexpr Colour Track = 0x00C8D5DF;
} // namespace WidgetLook

// Valid for one Paint: restores the surface's clip and reports the painted part when it goes.
class WidgetCanvas
{
public:
    explicit WidgetCanvas(Control& control);
    ~WidgetCanvas();
    WidgetCanvas(const WidgetCanvas&) = delete;
    WidgetCanvas& operator=(const WidgetCanvas&) = delete;

    // False when there is nothing to draw on (no window pixels, nothing visible).
    bool Ok() const { return Pixels != nullptr; }

    // Limits the drawing that follows to client (within the paint clip); null = the paint clip again.
    void ClipTo(const Rect* client);

    void Fill(const Rect& client, Colour colour);
    void Frame(const Rect& client, Colour colour);
    // A solid triangle pointing up or down, centred in client.
    void Arrow(const Rect& client, bool up, Colour colour);
    // Text on one line, vertically centred, "&" drawn as it is; clipped to client.
    void Text(const Rect& client, std::string_view text, std::uint32_t align, Colour colour,
              const Font* font);
    // Width in pixels of text drawn by Text.
    static std::int32_t TextWidth(std::string_view text, const Font* font);

private:
    Rect ToSurface(const Rect& client) const;

    Control& Owner;
    Surface* Pixels = nullptr;
    Point Origin;
    Rect Clip;
    Rect SavedClip;
};
