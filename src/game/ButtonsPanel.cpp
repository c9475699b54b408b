// The buttons panel: four square tool buttons and the wide dice button on a walnut background.
#include "game/ButtonsPanel.h"

#include "controls/SToolButton.h"
#include "game/GameImages.h"
#include "platform/Application.h"
#include "shell/Commands.h"
#include "texts/Texts.h"

ButtonsPanel::ButtonsPanel(WinControl& owner, GameImages& images) : Images(images)
{
    Init(owner);
    SetArea(MakeRelRect(0.92f, 0, 0.08f, 0.16f));
    const struct
    {
        std::unique_ptr<TSToolButton>& Button;
        std::int32_t Id;
        RelRect Where;
        SurfaceSlot& Face;
        std::int32_t Column;
        int Hint;
    } buttons[] = {
        {MinimizeButton, CommandId::Minimize, MakeRelRect(0.001f, 0.001f, 0.038f, 0.048f), images.BackButton0,
         0, GameButtonText::Minimize},
        {QuitButton, CommandId::Quit, MakeRelRect(0.041f, 0.001f, 0.038f, 0.048f), images.BackButton0, 1,
         GameButtonText::Quit},
        {HelpButton, CommandId::Help, MakeRelRect(0.001f, 0.051f, 0.038f, 0.048f), images.BackButton0, 2,
         GameButtonText::Help},
        {MainMenuButton, CommandId::MainMenu, MakeRelRect(0.041f, 0.051f, 0.038f, 0.048f), images.BackButton0,
         3, GameButtonText::MainMenu},
        {ThrowButton, CommandId::ThrowDice, MakeRelRect(0.001f, 0.1f, 0.078f, 0.058f), images.BackButton1, 4,
         GameButtonText::ThrowDice},
    };
    for (const auto& b : buttons) {
        b.Button = std::make_unique<TSToolButton>(&owner);
        b.Button->Image = &b.Face;
        b.Button->Column = b.Column;
        b.Button->Setup(this, b.Where, 0, b.Id, "", &images.ButtonImages0);
        b.Button->SetCursor(CursorId::Hand);
        b.Button->Hint = Text(TextGroup::GameButtons, b.Hint);
    }
}

ButtonsPanel::~ButtonsPanel() = default;

void ButtonsPanel::Paint()
{
    Background = Images.BButtons.get();
    DrawBackground();
    for (TSToolButton* b : {MinimizeButton.get(), QuitButton.get(), HelpButton.get(), MainMenuButton.get(),
                            ThrowButton.get()}) {
        if (b->Visible())
            b->DrawContent();
    }
}

void ButtonsPanel::ShowThrowButton(bool shown)
{
    ThrowButton->SetVisible(shown);
    ThrowButton->SetEnabled(shown);
    if (shown)
        ThrowButton->FollowPointer();
    Refresh();
}
