#include "rod_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Picture geometry in picture pixels, origin top left.
constexpr int kWidth = 25;
constexpr int kNarrowWidth = 20;
constexpr int kHeight = 69;
constexpr int kRodLeft = 9;
constexpr int kRodWidth = 2;
constexpr int kBeamTop = 19;
constexpr int kBeamHeight = 2;
constexpr int kBeadWidth = 20;
constexpr int kBeadHeight = 9;
constexpr int kUpperBeadCounted = 10;
constexpr int kUpperBeadResting = 0;
constexpr int kFirstLowerBeadCounted = 21;
constexpr int kLastLowerBeadResting = 60;
constexpr int kLowerBeads = 4;
constexpr int kStyles = 20;

constexpr QRgb kBackground = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

using BeadStyle = BeadLook;

constexpr std::array<BeadStyle, kStyles> kBeadStyles{{
    {qRgb(0, 128, 0), false},    {qRgb(255, 128, 64), true}, {qRgb(255, 255, 0), true},
    {qRgb(255, 0, 0), true},     {qRgb(0, 255, 0), true},    {qRgb(0, 128, 0), true},
    {qRgb(128, 128, 128), true}, {qRgb(0, 128, 255), true},  {qRgb(128, 0, 0), true},
    {qRgb(0, 255, 255), true},   {qRgb(0, 0, 255), true},    {qRgb(0, 0, 0), true},
    {qRgb(255, 0, 255), true},   {qRgb(128, 0, 255), true},  {qRgb(0, 128, 255), false},
    {qRgb(255, 0, 0), false},    {qRgb(0, 255, 128), false}, {qRgb(255, 128, 64), false},
    {qRgb(128, 0, 128), false},  {qRgb(255, 0, 255), false},
}};

// Where a picture-pixel edge falls on the device-pixel grid.
int deviceEdge(int pictureEdge, double ratio) {
    return static_cast<int>(std::lround(pictureEdge * ratio));
}

// Fills the device pixels from (left, top) up to but not including (right, bottom).
void fillBlock(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    right = std::min(right, image.width());
    bottom = std::min(bottom, image.height());
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + left, line + right, colour);
    }
}

// The ellipse that fills a box of width x height device pixels, tested at pixel centres
// in whole numbers so that both halves come out mirror images of each other.
class Ellipse {
  public:
    Ellipse(int width, int height) : width_(width), height_(height) {}

    bool covers(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
        const std::int64_t across = 2 * x + 1 - width_;
        const std::int64_t down = 2 * y + 1 - height_;
        const std::int64_t w = width_;
        const std::int64_t h = height_;
        return across * across * h * h + down * down * w * w <= w * w * h * h;
    }

    // True for a covered pixel within `thickness` steps of an uncovered one.
    bool onRim(int x, int y, int thickness) const {
        for (int step = 1; step <= thickness; ++step) {
            if (!covers(x - step, y) || !covers(x + step, y) || !covers(x, y - step) ||
                !covers(x, y + step))
                return true;
        }
        return false;
    }

  private:
    int width_;
    int height_;
};

// One bead whose top picture row is `top`: an ellipse across the rod in the style's colour,
// with a black rim one picture pixel thick when the style is outlined.
void paintBead(QImage& image, int top, const BeadStyle& style, double ratio) {
    const int left = deviceEdge(0, ratio);
    const int upper = deviceEdge(top, ratio);
    const int width = deviceEdge(kBeadWidth, ratio) - left;
    const int height = deviceEdge(top + kBeadHeight, ratio) - upper;
    const int rim = style.outlined ? std::max(1, static_cast<int>(std::lround(ratio))) : 0;
    const Ellipse bead(width, height);
    for (int y = 0; y < height && upper + y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(upper + y));
        for (int x = 0; x < width && left + x < image.width(); ++x) {
            if (!bead.covers(x, y)) continue;
            line[left + x] = bead.onRim(x, y, rim) ? kBlack : style.colour;
        }
    }
}

// The top picture rows of the beads the rod shows for its digit.
std::vector<int> beadTops(const RodPicture& rod) {
    std::vector<int> tops;
    const bool wholeRod = rod.family == 'B';
    if (rod.digit >= 5)
        tops.push_back(kUpperBeadCounted);
    else if (wholeRod)
        tops.push_back(kUpperBeadResting);
    const int counted = rod.digit % 5;
    for (int bead = 0; bead < counted; ++bead)
        tops.push_back(kFirstLowerBeadCounted + bead * kBeadHeight);
    if (wholeRod) {
        for (int bead = 0; bead < kLowerBeads - counted; ++bead)
            tops.push_back(kLastLowerBeadResting - bead * kBeadHeight);
    }
    return tops;
}

// B149 and B159 are the two pictures five pixels narrower than the rest.
int widthOf(const RodPicture& rod) {
    const bool narrow = rod.family == 'B' && (rod.style == 14 || rod.style == 15) && rod.digit == 9;
    return narrow ? kNarrowWidth : kWidth;
}

bool isDigit(char character) { return character >= '0' && character <= '9'; }

}  // namespace

std::optional<RodPicture> rodPictureNamed(std::string_view name) {
    if (name.size() < 3 || name.size() > 4) return std::nullopt;
    RodPicture rod;
    switch (name.front()) {
        case 'A':
        case 'a':
            rod.family = 'A';
            break;
        case 'B':
        case 'b':
            rod.family = 'B';
            break;
        default:
            return std::nullopt;
    }
    const std::string_view number = name.substr(1);
    if (!std::all_of(number.begin(), number.end(), isDigit) || number.front() == '0')
        return std::nullopt;
    rod.style = 0;
    for (const char character : number.substr(0, number.size() - 1))
        rod.style = rod.style * 10 + (character - '0');
    if (rod.style > kStyles) return std::nullopt;
    rod.digit = number.back() - '0';
    return rod;
}

QImage paintRodPicture(const RodPicture& rod, double ratio) {
    const int width = deviceEdge(widthOf(rod), ratio);
    const int height = deviceEdge(kHeight, ratio);
    QImage image(width, height, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kBackground);
    fillBlock(image, deviceEdge(kRodLeft, ratio), 0, deviceEdge(kRodLeft + kRodWidth, ratio),
              height, kBlack);
    fillBlock(image, 0, deviceEdge(kBeamTop, ratio), width,
              deviceEdge(kBeamTop + kBeamHeight, ratio), kBlack);
    const BeadStyle& style = kBeadStyles[static_cast<std::size_t>(rod.style - 1)];
    for (const int top : beadTops(rod)) paintBead(image, top, style, ratio);
    return image;
}

BeadLook beadLook(int style) {
    return kBeadStyles[static_cast<std::size_t>(style >= 1 && style <= kStyles ? style - 1 : 0)];
}
