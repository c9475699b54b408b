// The property cards panel: the title deed, its buttons, and the page turn squeezed across the
// spine with parallelogram copies.
#include "game/CardsPanel.h"

#include "board/Board.h"
#include "controls/SSpeedButton.h"
#include "game/GameImages.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "rules/GameState.h"
#include "shell/Commands.h"
#include "texts/Texts.h"

#include <cstdlib>
#include <string>

namespace {

constexpr std::int32_t AlignLeft = 0;
constexpr std::int32_t AlignCentre = 2;
constexpr Colour RedInk = 0x0000FF;

const RelRect PrevArea = MakeRelRect(0.0033f, 0.124f, 0.028f, 0.03f);
const RelRect NextArea = MakeRelRect(0.308f, 0.124f, 0.028f, 0.03f);
const RelRect ViewArea = MakeRelRect(0.032f, 0.12f, 0.025f, 0.03f);
const RelRect PayArea = MakeRelRect(0.06f, 0.12f, 0.025f, 0.03f);

std::string Dollars(std::int32_t amount)
{
    return Text(TextGroup::DialogFragments, DialogText::Dollar) + std::to_string(amount);
}

void SetShown(TSSpeedButton& button, bool shown)
{
    const bool wasShown = button.Visible();
    button.SetVisible(shown);
    button.SetEnabled(shown);
    if (shown && !wasShown)
        button.FollowPointer();
}

} // namespace

CardsPanel::CardsPanel(WinControl& owner, GameState& state, const Board& board, GameImages& images,
                       const ::Font& normal, const ::Font& bold)
    : State(state), Map(board), Images(images), Normal(normal), Bold(bold)
{
    Init(owner);
    SetArea(MakeRelRect(0.38f, 0, 0.34f, 0.16f));
    Red = MakeFont("Arial", 400, 16, 5);
    Red->Color = RedInk;
    MakePages();
    const struct
    {
        std::unique_ptr<TSSpeedButton>& Button;
        std::int32_t Id;
        const RelRect& Where;
        SurfaceSlot& Skin;
        int Hint;
    } buttons[] = {
        {PrevButton, CommandId::PreviousProperty, PrevArea, Images.ButtonLast,
         GameButtonText::PreviousProperty},
        {NextButton, CommandId::NextProperty, NextArea, Images.ButtonNext, GameButtonText::NextProperty},
        {ViewButton, CommandId::GoToProperty, ViewArea, Images.ButtonView, GameButtonText::GoToProperty},
        {PayButton, CommandId::PayOffMortgage, PayArea, Images.ButtonPay, GameButtonText::PayOffMortgage},
    };
    for (const auto& b : buttons) {
        b.Button = std::make_unique<TSSpeedButton>(&owner);
        b.Button->Setup(this, b.Where, 0, b.Id, "", &b.Skin);
        b.Button->SetCursor(CursorId::Hand);
        b.Button->Hint = Text(TextGroup::GameButtons, b.Hint);
        b.Button->SetVisible(false);
        b.Button->SetEnabled(false);
    }
}

CardsPanel::~CardsPanel() = default;

void CardsPanel::MakePages()
{
    const std::int32_t width = PixelArea.Width();
    const std::int32_t height = PixelArea.Height();
    if (PageA == nullptr || PageA->Width != width || PageA->Height != height) {
        PageA = Surface::CreateCanvas(TargetSurface(), width, height);
        PageB = Surface::CreateCanvas(TargetSurface(), width, height);
    }
}

bool CardsPanel::IsMortgaged(std::int32_t index) const
{
    const PropertyEntry& e = State.CurrentPlayer().Properties[static_cast<std::size_t>(index)];
    // On an owned lot the street byte counts the mortgage's days.
    const Cell cell = Map.CellAt(e.X, e.Y);
    return IsOwnedLot(cell.Kind) && cell.Street != 0;
}

bool CardsPanel::CanPayOff(std::int32_t index) const
{
    const PropertyEntry& e = State.CurrentPlayer().Properties[static_cast<std::size_t>(index)];
    return IsMortgaged(index) && State.CurrentPlayer().Cash >= Map.MortgageValue(e.X, e.Y);
}

void CardsPanel::HideButtons()
{
    for (TSSpeedButton* b : {PrevButton.get(), NextButton.get(), ViewButton.get(), PayButton.get()}) {
        b->SetVisible(false);
        b->SetEnabled(false);
    }
}

void CardsPanel::Paint()
{
    Surface* target = TargetSurface();
    const Player* player = State.HasCurrent() ? &State.CurrentPlayer() : nullptr;
    if (player == nullptr || player->Human != 1) {
        Background = Images.BCardCloseC.get();
        DrawBackground();
        HideButtons();
        return;
    }
    if (player->PropertyCount <= 0) {
        Background = Images.BCardCloseH.get();
        DrawBackground();
        if (target != nullptr) {
            target->DrawTextAt(Text(TextGroup::PlayerInfoMore, PlayerInfoMoreText::NoProperties), &Normal,
                               Area.Left + 0.17f, Area.Top + 0.03f, AlignCentre);
        }
        HideButtons();
        return;
    }
    Background = Images.BCardOpen.get();
    SetShown(*ViewButton, true);
    Player& current = State.CurrentPlayer();
    // A seizure may have shortened the list under the card shown.
    if (current.CardIndex < 0 || current.CardIndex >= current.PropertyCount)
        current.CardIndex = 0;
    const std::int32_t index = current.CardIndex;
    MakePages();
    DrawCard(*PageA, index, 0, 0);
    if (target != nullptr)
        Surface::Blit(*target, PixelArea.Left, PixelArea.Top, Rect{0, 0, PageA->Width, PageA->Height},
                      *PageA);
    SetShown(*PrevButton, index >= 1);
    SetShown(*NextButton, index < current.PropertyCount - 1);
    SetShown(*PayButton, CanPayOff(index));
    for (TSSpeedButton* b : {PrevButton.get(), NextButton.get(), ViewButton.get(), PayButton.get()}) {
        if (b->Visible())
            b->DrawContent();
    }
}

void CardsPanel::DrawCard(Surface& surface, std::int32_t index, float top, float left)
{
    if (!State.HasCurrent())
        return;
    const Player& player = State.CurrentPlayer();
    if (index < 0 || index >= player.PropertyCount || index >= MaxProperties)
        return;
    const PropertyEntry& e = player.Properties[static_cast<std::size_t>(index)];
    const Cell cell = Map.CellAt(e.X, e.Y);
    const std::int32_t kind = cell.Kind;
    const std::int32_t structure = IsOwnedLot(cell.Kind) ? kind - CellKind::OwnedLot : -1;
    const float width = Area.Right - Area.Left;
    const float height = Area.Bottom - Area.Top;
    const RelRect card{left, top, left + width, top + height};
    const Surface* open = Images.BCardOpen.get();

    // The card's paper, the background at the panel's size.
    if (const Surface* scaled = ScaledBackground())
        Surface::Blit(surface, Round(left * ScreenSize.Width), Round(top * ScreenSize.Height),
                      Rect{0, 0, scaled->Width, scaled->Height}, *scaled);

    surface.DrawTextAt(Text(TextGroup::TitleDeed, TitleDeedText::TitleDeed) + std::to_string(index + 1),
                       &Bold, left + 0.075f, top + 0.005f, AlignCentre);
    if (structure >= 0)
        DrawLotPicture(surface, card, 8 * (State.Current + 1) + kind - 58);
    // Texts that could run into the next column are narrowed to fit it.
    surface.DrawTextAt(Text(TextGroup::KindNames, kind - CellKind::LotForSale), &Normal, left + 0.04f,
                       top + 0.086f, AlignCentre, 0.075f);

    surface.DrawTextAt(Text(TextGroup::StreetInfo, StreetInfoText::Streets), &Normal, left + 0.08f,
                       top + 0.025f, AlignLeft);
    float streetY = top + 0.045f;
    for (std::int32_t d = 1; d <= 4; ++d) {
        const Cell side = Map.CellAt(e.X + DirectionDx(d), e.Y + DirectionDy(d));
        if (!CountsAsRoad(side.Kind))
            continue;
        surface.DrawTextAt(Map.GetStreetName(side.Street), &Normal, left + 0.08f, streetY, AlignLeft, 0.095f);
        streetY += 0.017f;
    }

    for (std::int32_t j = 0; j < 7; ++j) {
        const ::Font* font = j == structure ? Red.get() : &Normal;
        const float y = top + 0.01f + 0.016f * static_cast<float>(j);
        surface.DrawTextAt(Text(TextGroup::ValueLabels, j), font, left + 0.18f, y, AlignLeft, 0.068f);
        surface.DrawTextAt(Dollars(Map.Price(j, e.X, e.Y)), font, left + 0.25f, y, AlignLeft, 0.038f);
        surface.DrawTextAt(Text(TextGroup::StreetInfo, StreetInfoText::RentDollar) +
                               std::to_string(Map.Rent(j + 1, e.X, e.Y)),
                           font, left + 0.29f, y, AlignLeft, 0.045f);
    }

    const std::int32_t days = structure >= 0 ? cell.Street : 0;
    const std::int32_t mortgage = Map.MortgageValue(e.X, e.Y);
    if (days != 0) {
        surface.DrawTextAt(Text(TextGroup::MortgageTexts, MortgageText::MortgageDollar) +
                               std::to_string(mortgage),
                           Red.get(), left + 0.085f, top + 0.13f, AlignLeft, 0.093f);
        surface.DrawTextAt(std::to_string(days) + Text(TextGroup::MortgageTexts, MortgageText::DaysLeft),
                           Red.get(), left + 0.18f, top + 0.13f, AlignLeft, 0.125f);
    }

    // On a page that turns the buttons are part of the picture, so that they turn with it; the
    // page the panel shows still has the buttons themselves over it.
    if (&surface == TargetSurface() || (&surface == PageA.get() && !Turning))
        return;
    const RelRect page{0, 0, width, height};
    const auto picture = [&](const SurfaceSlot& skin, const RelRect& where) {
        DrawSpriteButton(surface, OffsetRelRect(where, left, top), skin.get(), Scratch(), open, page, 0);
    };
    if (index > 0)
        picture(Images.ButtonLast, PrevArea);
    if (index < player.PropertyCount - 1)
        picture(Images.ButtonNext, NextArea);
    if (days != 0 && player.Cash >= mortgage)
        picture(Images.ButtonPay, PayArea);
    picture(Images.ButtonView, ViewArea);
}

void CardsPanel::DrawLotPicture(Surface& surface, const RelRect& card, std::int32_t frame)
{
    const RelRect where = FitAspect(MakeRelRect(0.01f, 0.022f, 0.06f, 0.064f));
    const Rect place = ScreenRect(where);
    const Rect origin = ScreenRect(RelRect{card.Left, card.Top, card.Left, card.Top});
    const Rect dest{place.Left + origin.Left, place.Top + origin.Top, place.Right + origin.Left,
                    place.Bottom + origin.Top};
    const Surface* sheet = Images.Table1.get();
    const Surface* paper = Images.BCardOpen.get();
    if (sheet != PicturesOf.Sheet || paper != PicturesOf.Paper || dest.Width() != PicturesOf.Size.Width() ||
        dest.Height() != PicturesOf.Size.Height()) {
        LotPictures.clear();
        PicturesOf = {sheet, paper, Rect{0, 0, dest.Width(), dest.Height()}};
    }
    const Rect whole{0, 0, dest.Width(), dest.Height()};
    if (auto found = LotPictures.find(frame); found != LotPictures.end()) {
        Surface::Blit(surface, dest.Left, dest.Top, whole, *found->second);
        return;
    }
    // The board's picture of this lot in this owner's colour on the card's paper, composed once
    // (two smooth stretches) and then copied.
    DrawSpriteButton(surface, where, sheet, Scratch(), paper, card, frame);
    auto kept = Surface::CreateCanvas(&surface, dest.Width(), dest.Height());
    Surface::Blit(*kept, 0, 0, dest, surface);
    LotPictures.emplace(frame, std::move(kept));
}

void CardsPanel::BeginSlide(std::int32_t direction)
{
    if (!State.HasCurrent())
        return;
    MakePages();
    Background = Images.BCardOpen.get();
    const std::int32_t index = State.CurrentPlayer().CardIndex;
    Turning = true;
    if (direction >= 0) {
        DrawCard(*PageA, index, 0, 0);
        DrawCard(*PageB, index + 1, 0, 0);
    } else {
        DrawCard(*PageB, index, 0, 0);
        DrawCard(*PageA, index - 1, 0, 0);
    }
    Turning = false;
    HideButtons();
}

void CardsPanel::SlideStep(std::int32_t step)
{
    Surface* target = TargetSurface();
    if (target == nullptr || PageA == nullptr || SlideLength <= 0)
        return;
    const bool forward = step > 0;
    const std::int32_t m = std::abs(step);
    const std::int32_t half = SlideLength / 2;
    const float L = Area.Left;
    const float T = Area.Top;
    const float B = Area.Bottom;
    const float PW = Area.Right - Area.Left;
    const std::int32_t hp = Round(ScreenSize.Width * PW / 2);
    const float t = forward ? 1.0f - static_cast<float>(m) / static_cast<float>(SlideLength)
                            : static_cast<float>(m) / static_cast<float>(SlideLength);

    // The two halves that lie open under the turning page.
    Surface::Blit(*target, PixelArea.Left, PixelArea.Top, Rect{0, 0, hp, PageA->Height}, *PageA);
    Surface::Blit(*target, PixelArea.Left + hp, PixelArea.Top, Rect{hp, 0, 2 * hp, PageB->Height}, *PageB);

    // The turning page's free edge is raised a little.
    constexpr float lift = 0.004f;
    if ((!forward && m < half) || (forward && m > half)) {
        const Point corners[3] = {ScreenPoint(L + t * PW, T + 0.005f - lift),
                                  ScreenPoint(L + PW / 2, T + 0.005f),
                                  ScreenPoint(L + t * PW, B - 0.005f - lift)};
        Surface::SkewBlit(*target, corners, *PageB, true,
                          PageB->ToPixels(RelRect{0.01f, 0.03f, 0.5f, 0.97f}));
    } else if ((!forward && m > half) || (forward && m < half)) {
        const Point corners[3] = {ScreenPoint(L + PW / 2, T + 0.005f),
                                  ScreenPoint(L + t * PW, T + 0.005f - lift),
                                  ScreenPoint(L + PW / 2, B - 0.005f)};
        Surface::SkewBlit(*target, corners, *PageA, true,
                          PageA->ToPixels(RelRect{0.5f, 0.03f, 0.99f, 0.97f}));
    }
    if (Host != nullptr)
        Host->ShowRect(PixelArea);
}

void CardsPanel::EndSlide(std::int32_t direction)
{
    if (State.HasCurrent())
        State.CurrentPlayer().CardIndex += direction > 0 ? 1 : -1;
    Refresh();
}
