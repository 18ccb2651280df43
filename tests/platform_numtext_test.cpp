// Number texts, reading numbers from texts, rounding and the picture clip.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/numtext.h"
#include "platform/picture.h"
#include "platform/random.h"

using namespace plat;

TEST(NumberText, LeadingBlankForZeroAndAbove) {
    EXPECT_EQ(numText(1000), " 1000");
    EXPECT_EQ(numText(0), " 0");
    EXPECT_EQ(numText(-40), "-40");
    EXPECT_EQ(plainText(119), "119");
    EXPECT_EQ(plainText(-5), "-5");
}

TEST(NumberText, ReadsTheLeadingNumber) {
    EXPECT_EQ(leadingNumber(" 20"), 20);
    EXPECT_EQ(leadingNumber("100 chips"), 100);
    EXPECT_EQ(leadingNumber("1 000"), 1000);
    EXPECT_EQ(leadingNumber("40.5"), 40.5);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-12x"), -12);
    EXPECT_EQ(leadingNumber("1e3"), 1000);
    EXPECT_EQ(leadingNumber("2D2"), 200);
    EXPECT_EQ(leadingNumber("1e"), 1);
    EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
    EXPECT_EQ(leadingNumber("0x10"), 0);
}

TEST(NumberText, WholeTextNumbers) {
    for (const char* good : {"40", " 40 ", "40.5", "-3", "1e3", ".5", "99999999999", "1e400"})
        EXPECT_TRUE(isNumber(good)) << good;
    for (const char* bad : {"", " ", "abc", "100 chips", "1e", "nan", "inf", "0x10", "1 000", "+",
                            "1.2.3", "--1"})
        EXPECT_FALSE(isNumber(bad)) << bad;
}

TEST(NumberText, RoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(roundHalfEven(40.5), 40);
    EXPECT_EQ(roundHalfEven(41.5), 42);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(sat32(leadingNumber("1e400")), INT32_MAX);
    EXPECT_EQ(sat32(-1e12), INT32_MIN);
    EXPECT_EQ(sat32(std::nan("")), 0);
    EXPECT_EQ(sat16(40000), INT16_MAX);
}

TEST(NumberText, FindsTextOneBased) {
    EXPECT_EQ(findText("Pair 10", "Pair"), 1);
    EXPECT_EQ(findText("Two Kind 9", "Kind"), 5);
    EXPECT_EQ(findText("pair", "Pair"), 0);
}

TEST(PictureClip, CellsAreCutRowByRowOnTheSheet) {
    PictureClip clip(4, 18);
    EXPECT_TRUE(clip.cell(1).empty());  // nothing loaded yet
    clip.setPicture(loadResource(101));
    const Picture as = clip.cell(52);
    EXPECT_EQ(as.res, 101);
    EXPECT_EQ(as.cell, 52);
    EXPECT_EQ(as.width, 40);
    EXPECT_EQ(as.height, 56);
    EXPECT_EQ(as.cols, 18);
    EXPECT_TRUE(clip.cell(72).empty());
    EXPECT_TRUE(clip.cell(-1).empty());
    EXPECT_TRUE(loadResource(105).empty());
}

TEST(RandomSource, NeverReachesOneAndReseedsMix) {
    MixRandom r(7);
    for (int i = 0; i < 100000; ++i) {
        const float v = r.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
    // Reseeding three times at one clock reading does not repeat values.
    r.reseed(1234);
    const float a = r.next();
    r.reseed(1234);
    const float b = r.next();
    EXPECT_NE(a, b);
    ScriptedRandom s(3);
    s.push(0.25f);
    EXPECT_EQ(s.next(), 0.25f);
    EXPECT_LT(s.next(), 1.0f);
}
