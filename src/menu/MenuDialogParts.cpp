// The pieces the main menu's dialogs share: buttons, fields, message labels and the start folder.
#include "menu/MenuDialogParts.h"

#include "controls/SButton.h"
#include "controls/SLabel.h"
#include "dialogs/ModalDialog.h"
#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "shell/MainWnd.h"

#include <algorithm>
#include <filesystem>

void SetupDialogButton(TSButton& button, float left, float top, std::int32_t id, std::string_view caption)
{
    button.Setup(nullptr, MakeRelRect(left, top, MenuDialog::ButtonWidth, MenuDialog::ButtonHeight), 0, id,
                 caption, DialogButtonSkin.get());
    button.SetCursor(CursorId::Hand);
}

void PlaceField(WinControl& field, WinControl& dialog, const RelRect& area)
{
    field.SetParent(&dialog);
    const Rect r = ScreenRect(area);
    field.SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

RelRect KeepProportions(const RelRect& box, std::int32_t width, std::int32_t height)
{
    if (width <= 0 || height <= 0 || ScreenSize.Width <= 0 || ScreenSize.Height <= 0)
        return box;
    const double screenWidth = ScreenSize.Width;
    const double screenHeight = ScreenSize.Height;
    const double boxWidth = (static_cast<double>(box.Right) - box.Left) * screenWidth;
    const double boxHeight = (static_cast<double>(box.Bottom) - box.Top) * screenHeight;
    const double aspect = static_cast<double>(width) / height;
    const double w = std::min(boxWidth, boxHeight * aspect) / screenWidth;
    const double h = std::min(boxHeight, boxWidth / aspect) / screenHeight;
    const double left = box.Left + ((static_cast<double>(box.Right) - box.Left) - w) / 2;
    const double top = box.Top + ((static_cast<double>(box.Bottom) - box.Top) - h) / 2;
    return RelRect{static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + w),
                   static_cast<float>(top + h)};
}

void SetupMessageLabel(TSLabel& label, const RelRect& area)
{
    label.Setup(nullptr, area, 0, 0, "", nullptr);
    label.WordBreak = 1;
    label.Alignment = 2;
}

float ExtraHeightFor(std::string_view text, const Font* font, const RelRect& area)
{
    if (font == nullptr || ScreenSize.Height <= 0)
        return 0;
    const Rect pixels = ScreenRect(area);
    Rect measured{0, 0, pixels.Width(), 0};
    Surface measure;
    measure.DrawTextInRect(
        measured, text,
        TextFormat::WordBreak | TextFormat::Center | TextFormat::CalcRect | TextFormat::NoPrefix, 0, font);
    const std::int32_t missing = measured.Height() - pixels.Height();
    // One pixel more than the text, so that Round never takes its last row off.
    return missing > 0 ? static_cast<float>(missing + 1) / static_cast<float>(ScreenSize.Height) : 0.0f;
}

void FitMessage(TModalDialog& dialog, const RelRect& placement, TSLabel& label, const RelRect& labelArea,
                std::initializer_list<MessageButton> buttons, std::string_view text)
{
    // The dialog never grows beyond the screen.
    const float room = 1.0f - (placement.Bottom - placement.Top);
    const float extra = std::min(ExtraHeightFor(text, label.GetFont(), labelArea), room);
    const float top = std::max(0.0f, placement.Top - extra / 2);
    dialog.SetPlacement(
        RelRect{placement.Left, top, placement.Right, top + placement.Bottom - placement.Top + extra});
    label.SetArea(RelRect{labelArea.Left, labelArea.Top, labelArea.Right, labelArea.Bottom + extra});
    for (const MessageButton& b : buttons)
        b.Button->SetArea(OffsetRelRect(b.Area, 0, extra));
    // The label draws its caption with accelerator letters; a message has none.
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        shown.push_back(c);
        if (c == '&')
            shown.push_back('&');
    }
    label.SetCaption(std::move(shown));
}

std::string StartFolderOf(const Control& control)
{
    if (const Application* app = control.App()) {
        if (const auto* main = dynamic_cast<const TMainWnd*>(app->MainWindow()))
            return main->StartDir;
    }
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}
