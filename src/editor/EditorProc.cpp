// The board editor screen (placeholder).
#include "editor/EditorProc.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

EditorProc::EditorProc(TMainWnd& owner) : TWinProcedure(owner) {}

EditorProc::~EditorProc() = default;

void EditorProc::Redraw()
{
    Surface* back = MainWnd().BackBuffer.get();
    if (back == nullptr)
        return;
    back->Clear(0);
    const auto font = MakeFont("Arial", 700, 30, 10);
    Rect title = ScreenRect(MakeRelRect(0, 0.45f, 1, 0.1f));
    back->DrawTextInRect(title, Text(TextGroup::Editor, EditorText::Editor),
                         TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine, 0x005BB1D7,
                         font.get());
    Show(nullptr);
}
