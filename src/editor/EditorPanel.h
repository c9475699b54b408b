// TEditorPanel: the editor's tool strip across the top of the screen: its background, the board's
// size, a preview of the current tool's value and the strip's buttons drawn again over them.
#pragma once

#include "controls/Panel.h"

class EditorProc;

class TEditorPanel : public Panel
{
public:
    // The strip of editor (Area 0, 0, 1, 0.05; the strip's font: Arial, 16/1000 of the screen's
    // height and 5/1000 of its width, black).
    explicit TEditorPanel(EditorProc& editor);

    void Paint() override;
    // What "Last", "Next" and the owner button change, and nothing else: the preview over its
    // piece of the background and the owner button's caption, each shown. The strip looks as
    // after Refresh, at a fraction of its cost.
    void RefreshValue();

    // The captions of the strip's buttons and the street list: smaller and narrower than the
    // strip's own font, so that the tools' names fit their buttons.
    std::unique_ptr<::Font> CaptionFont;

    // Where the preview of the current value goes, relative to the strip's origin.
    static RelRect PreviewArea();

private:
    void DrawPreview();
    void SetOwnerCaption();
    void DrawPicture(const Surface* sheet, std::int32_t frame, const RelRect& area);

    EditorProc& Editor;
};
