// The rod pictures, compared pixel by pixel with pictures put together by hand from the bead
// drawn below, and found by name whatever the letter case.

#include "rod_pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <array>
#include <string>
#include <vector>

#include "desktop/widgets/picture_lookup.h"

namespace {

// One bead at one device pixel per picture pixel: '#' its rim, '=' its body.
constexpr std::array<const char*, 9> kBead{
    ".....##########.....",  //
    "...##==========##...",  //
    ".##==============##.",  //
    "#==================#",  //
    "#==================#",  //
    "#==================#",  //
    ".##==============##.",  //
    "...##==========##...",  //
    ".....##########.....",  //
};

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// What one named picture should look like.
struct Expected {
    const char* name;
    int width;
    std::vector<int> beadTops;
    QRgb colour;
    bool outlined;
};

// The expected picture: white, the rod in columns 9-10, the beam in rows 19-20, and the
// beads laid over both.
QImage composed(const Expected& expected) {
    QImage picture(expected.width, 69, QImage::Format_RGB32);
    picture.fill(kWhite);
    for (int y = 0; y < 69; ++y) {
        picture.setPixel(9, y, kBlack);
        picture.setPixel(10, y, kBlack);
    }
    for (int x = 0; x < expected.width; ++x) {
        picture.setPixel(x, 19, kBlack);
        picture.setPixel(x, 20, kBlack);
    }
    for (const int top : expected.beadTops) {
        for (int row = 0; row < 9; ++row) {
            for (int x = 0; x < 20; ++x) {
                const char mark = kBead[static_cast<std::size_t>(row)][x];
                if (mark == '=') picture.setPixel(x, top + row, expected.colour);
                if (mark == '#')
                    picture.setPixel(x, top + row, expected.outlined ? kBlack : expected.colour);
            }
        }
    }
    return picture;
}

// Where two pictures first differ, or nothing when they are the same.
std::string firstDifference(const QImage& actual, const QImage& wanted) {
    if (actual.size() != wanted.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height());
    for (int y = 0; y < wanted.height(); ++y) {
        for (int x = 0; x < wanted.width(); ++x) {
            if (actual.pixel(x, y) != wanted.pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " +
                       QColor(actual.pixel(x, y)).name().toStdString() + ", wanted " +
                       QColor(wanted.pixel(x, y)).name().toStdString();
        }
    }
    return {};
}

// The picture a name stands for at one device pixel per picture pixel.
QImage painted(const char* name) {
    const auto rod = rodPictureNamed(name);
    if (!rod) return {};
    return paintRodPicture(*rod, 1.0).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(RodPictures, FamilyAShowsOnlyTheBeadsThatCount) {
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb darkGreen = qRgb(0, 128, 0);
    const std::vector<Expected> pictures{
        {"A10", 25, {}, darkGreen, false},
        {"A34", 25, {21, 30, 39, 48}, yellow, true},
        {"A35", 25, {10}, yellow, true},
        {"A19", 25, {10, 21, 30, 39, 48}, darkGreen, false},
        {"A67", 25, {10, 21, 30}, darkGreen, true},
        {"A209", 25, {10, 21, 30, 39, 48}, qRgb(255, 0, 255), false},
    };
    for (const Expected& expected : pictures)
        EXPECT_EQ(firstDifference(painted(expected.name), composed(expected)), "") << expected.name;
}

TEST(RodPictures, FamilyBShowsAllFiveBeadsWithTheRestingOnesAwayFromTheBeam) {
    const std::vector<Expected> pictures{
        {"B10", 25, {0, 60, 51, 42, 33}, qRgb(0, 128, 0), false},
        {"B34", 25, {0, 21, 30, 39, 48}, qRgb(255, 255, 0), true},
        {"B155", 25, {10, 60, 51, 42, 33}, qRgb(0, 128, 255), false},
        {"B122", 25, {0, 21, 30, 60, 51}, kBlack, true},
        {"B209", 25, {10, 21, 30, 39, 48}, qRgb(255, 0, 255), false},
        {"B149", 20, {10, 21, 30, 39, 48}, qRgb(128, 0, 255), true},
        {"B159", 20, {10, 21, 30, 39, 48}, qRgb(0, 128, 255), false},
        {"B148", 25, {10, 21, 30, 39, 60}, qRgb(128, 0, 255), true},
    };
    for (const Expected& expected : pictures)
        EXPECT_EQ(firstDifference(painted(expected.name), composed(expected)), "") << expected.name;
}

TEST(RodPictures, OnlyTheFourHundredNamesStandForPictures) {
    int named = 0;
    for (const char family : {'A', 'B', 'C'}) {
        for (int style = 0; style <= 21; ++style) {
            for (int digit = 0; digit <= 9; ++digit) {
                const std::string name = family + std::to_string(style) + std::to_string(digit);
                if (rodPictureNamed(name)) ++named;
            }
        }
    }
    EXPECT_EQ(named, 400);

    const auto lowerCase = rodPictureNamed("b149");
    ASSERT_TRUE(lowerCase);
    EXPECT_EQ(lowerCase->family, 'B');
    EXPECT_EQ(lowerCase->style, 14);
    EXPECT_EQ(lowerCase->digit, 9);
    for (const char* name : {"", "A", "A1", "A010", "A05", "A215", "x35", "A35 ", " A35", "A3x",
                             "A-15", "AA35", "A1000"})
        EXPECT_FALSE(rodPictureNamed(name)) << '"' << name << '"';
}

TEST(RodPictures, AtTwiceTheDensityTheShapesArePaintedAtTheLargerSize) {
    const QImage picture = paintRodPicture(*rodPictureNamed("A35"), 2.0);
    EXPECT_EQ(picture.size(), QSize(50, 138));
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    const QRgb yellow = qRgb(255, 255, 0);
    // The rod is four device pixels wide, the beam four high.
    for (int x = 17; x <= 22; ++x)
        EXPECT_EQ(picture.pixel(x, 120), x >= 18 && x <= 21 ? kBlack : kWhite) << x;
    for (int y = 36; y <= 43; ++y)
        EXPECT_EQ(picture.pixel(46, y), y >= 38 && y <= 41 ? kBlack : kWhite) << y;
    // The bead covers the rod; its rim is two device pixels thick all round.
    const int middle = 28;
    EXPECT_EQ(picture.pixel(1, middle), kBlack);
    EXPECT_EQ(picture.pixel(2, middle), yellow);
    EXPECT_EQ(picture.pixel(20, middle), yellow);
    EXPECT_EQ(picture.pixel(37, middle), yellow);
    EXPECT_EQ(picture.pixel(38, middle), kBlack);
    EXPECT_EQ(picture.pixel(20, 21), kBlack);
    EXPECT_EQ(picture.pixel(20, 22), yellow);
    EXPECT_EQ(picture.pixel(20, 35), yellow);
    EXPECT_EQ(picture.pixel(20, 36), kBlack);
    // Its corners stay white, as a smooth ellipse leaves them.
    EXPECT_EQ(picture.pixel(2, 21), kWhite);
    EXPECT_EQ(picture.pixel(37, 36), kWhite);
}

TEST(PictureLookup, RodNamesIgnoreLetterCaseAndArePaintedOnce) {
    const QPixmap lower = pictureNamed("a35");
    const QPixmap upper = pictureNamed("A35");
    ASSERT_FALSE(upper.isNull());
    EXPECT_EQ(lower.cacheKey(), upper.cacheKey());
    EXPECT_EQ(
        firstDifference(upper.toImage().convertToFormat(QImage::Format_RGB32), painted("A35")), "");
    EXPECT_EQ(pictureNamed("b149").size(), QSize(20, 69));
    EXPECT_NE(pictureNamed("A36").cacheKey(), upper.cacheKey());
}

TEST(PictureLookup, UnknownNamesGiveNoPicture) {
    for (const char* name : {"", "A1", "A210", "x35", "C10", "icon16"})
        EXPECT_TRUE(pictureNamed(name).isNull()) << '"' << name << '"';
    EXPECT_EQ(pictureNamed("icon32").size(), QSize(32, 32));
}

TEST(PictureLookup, EachDevicePixelRatioHasItsOwnSharpPicture) {
    PictureCache cache;
    const QPixmap dense = cache.picture("A35", 2.0);
    EXPECT_EQ(dense.size(), QSize(50, 138));
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(25, 69));
    EXPECT_EQ(cache.picture("a35", 2.0).cacheKey(), dense.cacheKey());
    EXPECT_EQ(cache.picture("A35", 1.0).size(), QSize(25, 69));
    EXPECT_EQ(cache.picture("B159", 2.0).size(), QSize(40, 138));

    const QPixmap icon = cache.picture("icon32", 2.0);
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(icon.devicePixelRatio(), 2.0);
}
