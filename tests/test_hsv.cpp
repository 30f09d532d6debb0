// Colour conversion at the edge colours, where ties and wrap-around decide the hue that sorts terrain.
#include "hsv.h"

#include <gtest/gtest.h>

namespace {

// Within a few float steps: a hue like 2/3 is itself rounded on the way in.
void expect_color(const fcolor& C, float R, float G, float B, float A)
{
    EXPECT_NEAR(C[0], R, 1e-6);
    EXPECT_NEAR(C[1], G, 1e-6);
    EXPECT_NEAR(C[2], B, 1e-6);
    EXPECT_EQ(C[3], A);
}

} // namespace

TEST(RgbToHsv, BlackAndGreysHaveNoHue)
{
    expect_color(rgb_to_hsv(mkfcolor(0, 0, 0, 1)), 0, 0, 0, 1);
    for (float Grey : {0.25f, 0.5f, 1.0f})
        expect_color(rgb_to_hsv(mkfcolor(Grey, Grey, Grey, 0.5f)), 0, 0, Grey, 0.5f);
}

TEST(RgbToHsv, PrimariesAndSecondaries)
{
    EXPECT_EQ(rgb_to_hsv(mkfcolor(1, 0, 0, 1))[0], 0.0f);
    EXPECT_FLOAT_EQ(rgb_to_hsv(mkfcolor(0, 1, 0, 1))[0], 1.0f / 3);
    EXPECT_FLOAT_EQ(rgb_to_hsv(mkfcolor(0, 0, 1, 1))[0], 2.0f / 3);
    // Ties go to the earlier channel: yellow from red, cyan from green.
    EXPECT_FLOAT_EQ(rgb_to_hsv(mkfcolor(1, 1, 0, 1))[0], 1.0f / 6);
    EXPECT_FLOAT_EQ(rgb_to_hsv(mkfcolor(0, 1, 1, 1))[0], 0.5f);
    // Magenta's raw hue is -1/6, wrapped once.
    EXPECT_FLOAT_EQ(rgb_to_hsv(mkfcolor(1, 0, 1, 1))[0], 5.0f / 6);
    // A three-way tie is grey, whatever the order of the tests.
    EXPECT_EQ(rgb_to_hsv(mkfcolor(0.3f, 0.3f, 0.3f, 1))[1], 0.0f);
}

TEST(RgbToHsv, SaturationValueAndAlpha)
{
    fcolor H = rgb_to_hsv(mkfcolor(0.8f, 0.2f, 0.4f, 0.25f));
    EXPECT_FLOAT_EQ(H[1], 0.75f);
    EXPECT_FLOAT_EQ(H[2], 0.8f);
    EXPECT_FLOAT_EQ(H[3], 0.25f);
    EXPECT_FLOAT_EQ(H[0], 1.0f - 1.0f / 18); // (0.2 - 0.4) / 0.6 / 6, wrapped

    fcolor Out;
    Out = mkfcolor(9, 9, 9, 9);
    rgb_to_hsv(mkfcolor(0, 0.5f, 0, 0.75f), Out);
    expect_color(Out, 1.0f / 3, 1, 0.5f, 0.75f);
}

TEST(RgbToHsv, HueJustBelowARedStaysOneAfterWrapping)
{
    // Red with a trace of blue: raw hue a hair below 0, which wraps to exactly 1.0f in single precision.
    // It stays 1, it does not wrap round to 0.
    fcolor H = rgb_to_hsv(mkfcolor(1, 0, 1e-9f, 1));
    EXPECT_EQ(H[0], 1.0f);
}

TEST(HsvToRgb, PureHuesAndGreys)
{
    expect_color(hsv_to_rgb(mkfcolor(0, 1, 1, 1)), 1, 0, 0, 1);
    expect_color(hsv_to_rgb(mkfcolor(0.5f, 1, 1, 0.5f)), 0, 1, 1, 0.5f);
    expect_color(hsv_to_rgb(mkfcolor(1.0f / 6, 1, 1, 1)), 1, 1, 0, 1);
    expect_color(hsv_to_rgb(mkfcolor(2.0f / 3, 1, 0.5f, 1)), 0, 0, 0.5f, 1);
    for (float Hue : {0.0f, 0.2f, 0.45f, 0.7f, 0.99f})
        expect_color(hsv_to_rgb(mkfcolor(Hue, 0, 0.6f, 1)), 0.6f, 0.6f, 0.6f, 1);
}

TEST(HsvToRgb, HueBelowZeroIsNotWrapped)
{
    fcolor C;
    hsv_to_rgb(mkfcolor(-0.1f, 1, 1, 1), C);
    EXPECT_FLOAT_EQ(C[0], 1.0f);
    EXPECT_FLOAT_EQ(C[1], -0.6f);
    EXPECT_FLOAT_EQ(C[2], 0.0f);
}

TEST(HsvToRgb, RoundTripsThroughRgbToHsv)
{
    for (float R : {0.0f, 0.3f, 1.0f})
        for (float G : {0.1f, 0.6f, 0.9f})
            for (float B : {0.0f, 0.5f, 1.0f})
            {
                fcolor Back = hsv_to_rgb(rgb_to_hsv(mkfcolor(R, G, B, 0.4f)));
                EXPECT_NEAR(Back[0], R, 1e-5) << R << " " << G << " " << B;
                EXPECT_NEAR(Back[1], G, 1e-5) << R << " " << G << " " << B;
                EXPECT_NEAR(Back[2], B, 1e-5) << R << " " << G << " " << B;
                EXPECT_EQ(Back[3], 0.4f);
            }
}

TEST(HueDistance, ShortWayRoundTheCircle)
{
    EXPECT_DOUBLE_EQ(hue_distance(0.1, 0.9), 0.2);
    EXPECT_DOUBLE_EQ(hue_distance(0.9, 0.1), 0.2);
    EXPECT_DOUBLE_EQ(hue_distance(0.2, 0.3), 0.1);
    EXPECT_DOUBLE_EQ(hue_distance(0.3, 0.2), 0.1);
    EXPECT_EQ(hue_distance(0.4, 0.4), 0.0);
    EXPECT_EQ(hue_distance(0.0, 1.0), 0.0); // red at both ends of the circle
    EXPECT_EQ(hue_distance(1.0, 0.0), 0.0);
    EXPECT_EQ(hue_distance(0.0, 0.5), 0.5);
    EXPECT_EQ(hue_distance(0.75, 0.25), 0.5);
}
