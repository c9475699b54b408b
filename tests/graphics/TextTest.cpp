// Tests of fonts and text: sizes, alignment, wrapping and measuring, accelerators, clipping and
// the one-line placement at screen fractions.
#include "graphics/Font.h"
#include "graphics/Surface.h"

#include <gtest/gtest.h>
#include <pango/pango.h>
#include <string>

namespace {

constexpr Colour White = 0xFFFFFF;

struct Ink
{
    int Left = 1 << 30;
    int Top = 1 << 30;
    int Right = -1; // last inked column + 1
    int Bottom = -1;
    int Pixels = 0;
    bool Empty() const { return Pixels == 0; }
};

// The bounding box of every pixel that is not white.
Ink FindInk(const Surface& s, const Rect& area)
{
    Ink ink;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (s.PixelAt(x, y) != White) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
                ++ink.Pixels;
            }
        }
    }
    return ink;
}

class TextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = ScreenSize;
        ScreenSize = {1024, 768};
        canvas = Surface::CreateCanvas(nullptr, 400, 200);
        canvas->Clear(White);
        font = std::make_unique<Font>("Arial", 400, 20, 0);
    }
    void TearDown() override { ScreenSize = saved; }

    Ink All() const { return FindInk(*canvas, {0, 0, canvas->Width, canvas->Height}); }

    // Width and height of a text measured in a wide box.
    Rect Measure(const std::string& text, const Font& f, std::uint32_t format = TextFormat::SingleLine)
    {
        Rect r{0, 0, 1000, 100};
        canvas->DrawTextInRect(r, text, format | TextFormat::CalcRect, 0, &f);
        return r;
    }

    ScreenSizeRecord saved;
    std::unique_ptr<Surface> canvas;
    std::unique_ptr<Font> font;
};

TEST_F(TextTest, MakeFontSizesByScreenFractions)
{
    const auto f = MakeFont("Arial", 400, 16, 5);
    EXPECT_EQ(f->PixelHeight(), 12); // Round(768 * 0.016) = Round(12.288)
    // One line is one cell high.
    EXPECT_NEAR(Measure("Hello", *f).Height(), 12, 1);
    EXPECT_NEAR(Measure("Hello", *font).Height(), 20, 1);

    // The average character width: a long sample of ordinary text comes out near 5 pixels a
    // character, and twice the width makes it twice as wide.
    const std::string sample = "The quick brown fox jumps over the lazy dog and then some more";
    const double perChar = static_cast<double>(Measure(sample, *f).Width()) / sample.size();
    EXPECT_NEAR(perChar, 5.0, 1.0);
    const auto wide = MakeFont("Arial", 400, 16, 10);
    EXPECT_NEAR(static_cast<double>(Measure(sample, *wide).Width()) / Measure(sample, *f).Width(), 2.0, 0.05);
}

TEST_F(TextTest, FacesMapToTheirFamiliesAndWeights)
{
    const Font times("Times New Roman", 400, 20, 0);
    const Font impact("Impact", 400, 20, 0);
    const Font bold("Arial", 700, 20, 0);
    const std::string timesFamily = pango_font_description_get_family(times.Description());
    EXPECT_EQ(timesFamily.rfind("Liberation Serif", 0), 0u) << timesFamily;
    EXPECT_NE(
        std::string(pango_font_description_get_family(impact.Description())).find("DejaVu Sans Condensed"),
        std::string::npos);
    EXPECT_EQ(pango_font_description_get_weight(impact.Description()), PANGO_WEIGHT_BOLD);
    const std::string text = "Tarnhollow Avenue";
    EXPECT_NE(Measure(text, times).Width(), Measure(text, *font).Width());
    EXPECT_GT(Measure(text, bold).Width(), Measure(text, *font).Width());
}

TEST_F(TextTest, TextRightAfterTheFontWarmUpStartsWaitsForItAndComesOutTheSame)
{
    const std::string text = "Tarnhollow $0123456789";
    Rect box{0, 0, 400, 200};
    const Font reference("Impact", 700, 24, 9);
    canvas->DrawTextInRect(box, text, TextFormat::Left, 0, &reference);
    const Ink expected = All();
    const Rect expectedSize = Measure(text, reference);
    // The warm-up thread is still at work when a font is made and text is drawn and measured.
    for (int i = 0; i < 10; ++i) {
        StartWarmingFonts();
        const Font fresh("Impact", 700, 24, 9);
        canvas->Clear(White);
        canvas->DrawTextInRect(box, text, TextFormat::Left, 0, &fresh);
        const Ink ink = All();
        EXPECT_EQ(ink.Pixels, expected.Pixels);
        EXPECT_EQ(ink.Left, expected.Left);
        EXPECT_EQ(ink.Right, expected.Right);
        StartWarmingFonts();
        EXPECT_EQ(Measure(text, fresh), expectedSize);
    }
    WarmFonts();
    EXPECT_EQ(Measure(text, reference), expectedSize);
}

TEST_F(TextTest, MissingFontDrawsNothingAndReportsZero)
{
    Rect r{0, 0, 400, 200};
    EXPECT_EQ(canvas->DrawTextInRect(r, "Hello", TextFormat::Left, 0, nullptr), 0);
    canvas->DrawTextAt("Hello", nullptr, 0.0f, 0.0f, 0);
    EXPECT_TRUE(All().Empty());
    EXPECT_EQ(r, (Rect{0, 0, 400, 200}));
}

TEST_F(TextTest, AlignmentPlacesTheTextInItsBox)
{
    const Rect box{50, 20, 350, 60};
    for (std::uint32_t align : {TextFormat::Left, TextFormat::Center, TextFormat::Right}) {
        canvas->Clear(White);
        Rect r = box;
        canvas->DrawTextInRect(r, "HHHH", align | TextFormat::SingleLine | TextFormat::VCenter, 0,
                               font.get());
        const Ink ink = All();
        ASSERT_FALSE(ink.Empty());
        const int leftGap = ink.Left - box.Left;
        const int rightGap = box.Right - ink.Right;
        if (align == TextFormat::Left) {
            EXPECT_LE(leftGap, 3);
        } else if (align == TextFormat::Right) {
            EXPECT_LE(rightGap, 3);
            EXPECT_GE(rightGap, 0);
        } else {
            EXPECT_NEAR(leftGap, rightGap, 2);
        }
        // Capitals centred in a 40-pixel box: equal room above and below within the cell's
        // descent.
        EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, (box.Top + box.Bottom) / 2.0, 4);
    }
}

TEST_F(TextTest, TextIsClippedToItsBoxUnlessAskedNotTo)
{
    Rect narrow{10, 10, 30, 40};
    canvas->DrawTextInRect(narrow, "WWWWWWWW", TextFormat::SingleLine, 0, font.get());
    Ink ink = All();
    EXPECT_FALSE(ink.Empty());
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 30);

    canvas->Clear(White);
    canvas->DrawTextInRect(narrow, "WWWWWWWW", TextFormat::SingleLine | TextFormat::NoClip, 0, font.get());
    ink = All();
    EXPECT_GT(ink.Right, 60);
    // The surface's own clip still holds.
    canvas->Clear(White);
    const Rect clip{0, 0, 20, 200};
    canvas->SetClip(&clip);
    canvas->DrawTextInRect(narrow, "WWWWWWWW", TextFormat::SingleLine | TextFormat::NoClip, 0, font.get());
    canvas->SetClip(nullptr);
    ink = All();
    EXPECT_LE(ink.Right, 20);
}

TEST_F(TextTest, MeasuringWrappedTextSetsTheBottomAndDrawsNothing)
{
    const std::string text = "A player who cannot pay mortgages his properties before he is ruined";
    Rect one{10, 10, 2000, 10};
    const int lineHeight =
        canvas->DrawTextInRect(one, text, TextFormat::WordBreak | TextFormat::CalcRect, 0, font.get());
    EXPECT_NEAR(lineHeight, 20, 1);
    EXPECT_EQ(one.Bottom, 10 + lineHeight);

    Rect wide{10, 10, 250, 10};
    Rect narrow{10, 10, 120, 10};
    const int wideHeight =
        canvas->DrawTextInRect(wide, text, TextFormat::WordBreak | TextFormat::CalcRect, 0, font.get());
    const int narrowHeight =
        canvas->DrawTextInRect(narrow, text, TextFormat::WordBreak | TextFormat::CalcRect, 0, font.get());
    EXPECT_GE(wideHeight, 2 * lineHeight - 1);
    EXPECT_GT(narrowHeight, wideHeight);
    EXPECT_EQ(narrow.Bottom, 10 + narrowHeight);
    EXPECT_LE(narrow.Right, 120);
    EXPECT_TRUE(All().Empty());

    // Drawn, the lines stay inside the box's width and fill the measured height.
    Rect box{10, 10, 250, 190};
    canvas->DrawTextInRect(box, text, TextFormat::WordBreak, 0, font.get());
    const Ink ink = All();
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 250);
    EXPECT_GT(ink.Bottom, 10 + wideHeight - lineHeight);
    EXPECT_LE(ink.Bottom, 10 + wideHeight);

    // A single line ignores the word break.
    Rect single{10, 10, 120, 10};
    EXPECT_EQ(canvas->DrawTextInRect(single, text,
                                     TextFormat::WordBreak | TextFormat::SingleLine | TextFormat::CalcRect, 0,
                                     font.get()),
              lineHeight);
    EXPECT_GT(single.Right, 120);
}

TEST_F(TextTest, AmpersandUnderlinesTheNextCharacterAndIsNotDrawn)
{
    EXPECT_EQ(Measure("&File", *font).Width(), Measure("File", *font).Width());
    // "&&" is one drawn ampersand.
    EXPECT_GT(Measure("A && B", *font).Width(), Measure("A  B", *font).Width() + 5);
    EXPECT_NEAR(Measure("&&&&", *font).Width(), 2 * Measure("&&", *font).Width(), 1);

    Rect r1{10, 10, 200, 40};
    canvas->DrawTextInRect(r1, "File", TextFormat::SingleLine, 0, font.get());
    const Ink plain = All();
    canvas->Clear(White);
    Rect r2{10, 10, 200, 40};
    canvas->DrawTextInRect(r2, "&File", TextFormat::SingleLine, 0, font.get());
    const Ink marked = All();
    // The underline adds ink below the letters, and only under the first one ("F" is well under
    // half of "File").
    EXPECT_GT(marked.Bottom, plain.Bottom);
    const Ink line = FindInk(*canvas, {0, plain.Bottom, 400, marked.Bottom});
    EXPECT_FALSE(line.Empty());
    EXPECT_LE(line.Right, plain.Left + (plain.Right - plain.Left) / 2);
    EXPECT_LE(line.Left, plain.Left + 1);
}

TEST_F(TextTest, WithoutPrefixesAnAmpersandIsDrawnAndNothingIsUnderlined)
{
    const std::uint32_t plain = TextFormat::SingleLine | TextFormat::NoPrefix;
    EXPECT_EQ(Measure("A && B", *font, plain).Width(), Measure("A &&&& B", *font).Width());
    EXPECT_GT(Measure("&File", *font, plain).Width(), Measure("File", *font).Width() + 5);
    Rect r1{10, 10, 200, 40};
    canvas->DrawTextInRect(r1, "&File", TextFormat::SingleLine, 0, font.get());
    const Ink marked = All();
    canvas->Clear(White);
    Rect r2{10, 10, 200, 40};
    canvas->DrawTextInRect(r2, "&File", plain, 0, font.get());
    EXPECT_LT(All().Bottom, marked.Bottom);
}

TEST_F(TextTest, DrawTextAtAlignsAroundTheScreenPoint)
{
    auto screen = Surface::CreateCanvas(nullptr, 1024, 100);
    screen->Clear(White);
    const auto f = MakeFont("Arial", 400, 30, 8);
    screen->DrawTextAt("Board:", f.get(), 0.5f, 0.0f, 1);
    Ink ink = FindInk(*screen, {0, 0, 1024, 100});
    // The last character ends at the centre.
    EXPECT_LE(ink.Right, 512);
    EXPECT_GE(ink.Right, 508);
    EXPECT_GE(ink.Top, 0);

    screen->Clear(White);
    screen->DrawTextAt("Board:", f.get(), 0.5f, 0.0f, 0);
    ink = FindInk(*screen, {0, 0, 1024, 100});
    EXPECT_GE(ink.Left, 512);
    EXPECT_LE(ink.Left, 515);

    screen->Clear(White);
    screen->DrawTextAt("Board", f.get(), 0.5f, 0.0f, 2);
    ink = FindInk(*screen, {0, 0, 1024, 100});
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 512, 2);

    // The y fraction is of the screen's height even on a smaller surface, and the font's colour is used.
    screen->Clear(White);
    f->Color = 0x0000FF;
    screen->DrawTextAt("Board", f.get(), 0.0f, 0.05f, 0);
    ink = FindInk(*screen, {0, 0, 1024, 100});
    EXPECT_GE(ink.Top, 38); // Round(768 * 0.05) = 38
    const Colour c = screen->PixelAt(ink.Left + 1, (ink.Top + ink.Bottom) / 2);
    EXPECT_GE(c & 0xFF, (c >> 16) & 0xFF);
}

TEST_F(TextTest, TextWithinAWidthIsNarrowedOnlyWhenItWouldRunPastIt)
{
    auto screen = Surface::CreateCanvas(nullptr, 1024, 100);
    const auto f = MakeFont("Arial", 700, 30, 8);
    const std::string wide = "Cash: $2147483647";
    const int natural = Measure(wide, *f).Width();
    ASSERT_GT(natural, 120);

    // Left-aligned at x = 256 within 100 pixels, right-aligned ending at 512, centred on 768.
    const struct
    {
        float X;
        int Align;
        int Left, Right;
    } places[] = {{0.25f, 0, 256, 356}, {0.5f, 1, 412, 512}, {0.75f, 2, 718, 818}};
    for (const auto& place : places) {
        screen->Clear(White);
        screen->DrawTextAt(wide, f.get(), place.X, 0.0f, place.Align, 100.0f / 1024);
        const Ink ink = FindInk(*screen, {0, 0, 1024, 100});
        EXPECT_GE(ink.Left, place.Left - 1) << place.Align;
        EXPECT_LE(ink.Right, place.Right + 1) << place.Align;
        // Narrowed, not cut: the text still spans most of the width.
        EXPECT_GE(ink.Right - ink.Left, 90) << place.Align;
    }

    // A text that fits is drawn exactly as without a width.
    screen->Clear(White);
    screen->DrawTextAt("$16", f.get(), 0.75f, 0.0f, 2, 100.0f / 1024);
    const Ink fitted = FindInk(*screen, {0, 0, 1024, 100});
    screen->Clear(White);
    screen->DrawTextAt("$16", f.get(), 0.75f, 0.0f, 2);
    const Ink plain = FindInk(*screen, {0, 0, 1024, 100});
    EXPECT_EQ(fitted.Left, plain.Left);
    EXPECT_EQ(fitted.Right, plain.Right);
    EXPECT_EQ(fitted.Pixels, plain.Pixels);
}

TEST_F(TextTest, TextEndsAtItsZeroAndOldCodePageBytesStillShow)
{
    const std::string withZero("Main\0Street", 11);
    EXPECT_EQ(Measure(withZero, *font).Width(), Measure("Main", *font).Width());
    // "Caf\xE9" is not UTF-8: it is read as the Western code page.
    EXPECT_EQ(Measure("Caf\xE9", *font).Width(), Measure("Caf\xC3\xA9", *font).Width());
    // Only the byte that is not UTF-8 is: the letters around it stay as they are (read as the
    // code page too, "ë" would be the wider "Ã«").
    EXPECT_EQ(Measure("Zoë Ångstr\xF6m", *font).Width(), Measure("Zoë Ångström", *font).Width());
    EXPECT_EQ(Measure("Chloë Ångstr\xC3", *font).Width(), Measure("Chloë ÅngstrÃ", *font).Width());
    Rect r{0, 0, 400, 100};
    canvas->DrawTextInRect(r, "\xFF\xFE\x80\x81", TextFormat::Left, 0, font.get());
    EXPECT_FALSE(All().Empty());
    // Empty text measures nothing.
    Rect empty{5, 5, 100, 100};
    EXPECT_EQ(canvas->DrawTextInRect(empty, "", TextFormat::CalcRect, 0, font.get()), 0);
    EXPECT_EQ(empty, (Rect{5, 5, 5, 5}));
}

} // namespace
