// Tests of the screen-fraction geometry: rounding, RelRect conversions and the 3:2 fit.
#include "graphics/Geometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

class GeometryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = ScreenSize;
        ScreenSize = {1024, 768};
    }
    void TearDown() override { ScreenSize = saved; }

    ScreenSizeRecord saved;
};

TEST(RoundTest, HalvesGoUpAndNegativesAlwaysGoDown)
{
    EXPECT_EQ(Round(0.0), 0);
    EXPECT_EQ(Round(0.49), 0);
    EXPECT_EQ(Round(0.5), 1);
    EXPECT_EQ(Round(2.5), 3);
    EXPECT_EQ(Round(204.8), 205);
    EXPECT_EQ(Round(184.32), 184);
    EXPECT_EQ(Round(7.0), 7);
    // The fraction keeps the sign, so it is never at least one half.
    EXPECT_EQ(Round(-0.2), -1);
    EXPECT_EQ(Round(-0.5), -1);
    EXPECT_EQ(Round(-2.5), -3);
    EXPECT_EQ(Round(-2.9), -3);
    EXPECT_EQ(Round(-3.0), -3);
}

TEST(RoundTest, OutOfRangeValuesSaturate)
{
    EXPECT_EQ(Round(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Round(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), std::numeric_limits<std::int32_t>::max());
}

TEST_F(GeometryTest, ScreenRectOfAControlAreaOn1024x768)
{
    const Rect r = ScreenRect({0.2f, 0.24f, 0.46f, 0.37f});
    EXPECT_EQ(r, (Rect{205, 184, 471, 284}));
    EXPECT_EQ(r.Width(), 266);
    EXPECT_EQ(r.Height(), 100);
}

TEST_F(GeometryTest, MakeOffsetAndInverse)
{
    const RelRect r = OffsetRelRect(MakeRelRect(0.25f, 0.5f, 0.25f, 0.125f), 0.25f, -0.25f);
    EXPECT_FLOAT_EQ(r.Left, 0.5f);
    EXPECT_FLOAT_EQ(r.Top, 0.25f);
    EXPECT_FLOAT_EQ(r.Right, 0.75f);
    EXPECT_FLOAT_EQ(r.Bottom, 0.375f);
    EXPECT_EQ(ScreenRect(r), (Rect{512, 192, 768, 288}));
    EXPECT_EQ(ScreenPoint(0.5f, 0.25f), (Point{512, 192}));

    const RelRect back = ScreenToRel({256, 96, 1024, 768});
    EXPECT_FLOAT_EQ(back.Left, 0.25f);
    EXPECT_FLOAT_EQ(back.Top, 0.125f);
    EXPECT_FLOAT_EQ(back.Right, 1.0f);
    EXPECT_FLOAT_EQ(back.Bottom, 1.0f);
    const RelPoint p = ScreenPointToRel({-512, 384});
    EXPECT_FLOAT_EQ(p.X, -0.5f);
    EXPECT_FLOAT_EQ(p.Y, 0.5f);
}

TEST_F(GeometryTest, ScreenToRelWithoutAScreenGivesZero)
{
    ScreenSize = {0, 0};
    const RelRect r = ScreenToRel({10, 10, 20, 20});
    EXPECT_EQ(r.Left, 0.0f);
    EXPECT_EQ(r.Bottom, 0.0f);
}

TEST_F(GeometryTest, FitAspectOfASquareOnA4To3Screen)
{
    // 0.3 x 0.3 of 1024 x 768 is 307 x 230 pixels: too tall for 3:2, so the width stays and a
    // shorter box is centred vertically.
    const RelRect in = MakeRelRect(0.1f, 0.2f, 0.3f, 0.3f);
    const RelRect out = FitAspect(in);
    EXPECT_FLOAT_EQ(out.Left, in.Left);
    EXPECT_FLOAT_EQ(out.Right, in.Right);
    const double h3 = 0.3 * 1024 * (2.0 / 3.0) / 768;
    EXPECT_NEAR(out.Bottom - out.Top, h3, 1e-6);
    EXPECT_NEAR(out.Top - in.Top, in.Bottom - out.Bottom, 1e-6);
    const double pixelAspect = (out.Right - out.Left) * 1024.0 / ((out.Bottom - out.Top) * 768.0);
    EXPECT_NEAR(pixelAspect, 1.5, 1e-5);
}

TEST_F(GeometryTest, FitAspectOfAWideBoxNarrowsItAroundItsCentre)
{
    const RelRect in = MakeRelRect(0.1f, 0.1f, 0.8f, 0.1f);
    const RelRect out = FitAspect(in);
    EXPECT_FLOAT_EQ(out.Top, in.Top);
    EXPECT_FLOAT_EQ(out.Bottom, in.Bottom);
    EXPECT_NEAR(out.Right - out.Left, 0.1 * 768 * 1.5 / 1024, 1e-6);
    EXPECT_NEAR(out.Left - in.Left, in.Right - out.Right, 1e-6);
}

} // namespace
