// Fonts by pixel size, the installed faces behind the design's font names, and auto-size
// labels measured with the real fonts.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "desktop/widgets/label_view.h"
#include "desktop/widgets/qt_font.h"
#include "qt_trainer.h"

TEST(QtFonts, PointSizesBecomePixelSizesAtNinetySixDotsPerInch) {
    EXPECT_EQ(qtFont({"宋体", 10.5}).pixelSize(), 14);
    EXPECT_EQ(qtFont({"宋体", 26.25}).pixelSize(), 35);
    EXPECT_EQ(qtFont({"宋体", 42}).pixelSize(), 56);
    const QFont boldItalic = qtFont({"宋体", 12, true, true});
    EXPECT_EQ(boldItalic.pixelSize(), 16);
    EXPECT_TRUE(boldItalic.bold());
    EXPECT_TRUE(boldItalic.italic());
}

TEST(QtFonts, DesignFaceNamesResolveToInstalledChineseFaces) {
    const auto faceOf = [](const char* family) { return QFontInfo(qtFont({family, 12})).family(); };
    EXPECT_EQ(faceOf("宋体"), QStringLiteral("AR PL SungtiL GB"));
    EXPECT_EQ(faceOf("隶书"), QStringLiteral("AR PL KaitiM GB"));
    EXPECT_EQ(faceOf("楷体_GB2312"), QStringLiteral("AR PL KaitiM GB"));
    EXPECT_EQ(faceOf("华文彩云"), QStringLiteral("Smiley Sans"));
    EXPECT_EQ(faceOf("MS Sans Serif"), QStringLiteral("WenQuanYi Micro Hei"));
}

TEST(QtTextMetricsTest, AutoSizeLabelWidthFollowsItsCaption) {
    QtTrainer trainer;
    Element& label = trainer.window.form.Label11;
    label.setCaption("8");
    const int oneDigit = label.width;
    label.setCaption("88888");
    const int fiveDigits = label.width;
    EXPECT_GT(oneDigit, 0);
    EXPECT_GT(fiveDigits, 4 * oneDigit);

    trainer.view->sync();
    const auto& widget = trainer.widget<LabelView>("Label11");
    EXPECT_EQ(widget.width() * 15, fiveDigits);
    EXPECT_LE(QFontMetrics(widget.font()).horizontalAdvance(widget.text()), widget.width());

    label.setCaption("");
    EXPECT_LT(label.width, 30);
    EXPECT_GT(label.height, 0);
}

TEST(QtTextMetricsTest, SeveralLinesMeasureTheWidestLineTimesTheLineCount) {
    const QtTextMetrics metrics;
    const FontSpec font{"宋体", 12};
    const TextExtent longLine = metrics.measure(font, "一二三四");
    const TextExtent twoLines = metrics.measure(font, "一二\n一二三四");
    EXPECT_EQ(twoLines.width, longLine.width);
    EXPECT_EQ(twoLines.height, 2 * longLine.height);
    EXPECT_EQ(longLine.width % 15, 0);
}
