// The window icon: every size a screen asks for, at normal and double pixel density, is an
// abacus painted at that size, never a smaller picture blown up.

#include "desktop/form/window_icon.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QImage painted(int size) {
    return paintAbacusIcon(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(WindowIcon, EachSizeAndDensityIsPaintedForItsOwnPixels) {
    const QIcon icon = trainerIcon();
    for (const int logical : {16, 32}) {
        for (const int density : {1, 2}) {
            const QImage shown = icon.pixmap(QSize(logical, logical), density)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(shown.size(), QSize(logical * density, logical * density));
            EXPECT_TRUE(shown == painted(logical * density))
                << logical << " px at density " << density << " is not painted at its size";
        }
    }
}
