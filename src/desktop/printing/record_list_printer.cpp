#include "desktop/printing/record_list_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "ui/record_list_pages.h"

namespace {

constexpr double kScreenDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

// `screenFont` at the printer's resolution, sized to an even number of dots so that an
// ASCII character is exactly half as wide as a Chinese one.
QFont printerFont(const QFont& screenFont, int dotsPerInch) {
    const double screenPixels = screenFont.pixelSize() > 0
                                    ? screenFont.pixelSize()
                                    : screenFont.pointSizeF() * kScreenDotsPerInch / kPointsPerInch;
    const double dots = screenPixels * dotsPerInch / kScreenDotsPerInch;
    QFont font(screenFont);
    font.setPixelSize(std::max(2, 2 * static_cast<int>(std::lround(dots / 2))));
    return font;
}

}  // namespace

bool printRecordList(std::span<const std::string> lines, QPrinter& printer, const QFont& screenFont,
                     const PrintProgress& progress) {
    return printLaidOutPages(
        [lines](int rowsPerPage, int cellsPerRow) {
            return printedPages(lines, rowsPerPage, cellsPerRow);
        },
        printer, screenFont, progress);
}

bool printLaidOutPages(const PageLayout& layout, QPrinter& printer, const QFont& screenFont,
                       const PrintProgress& progress) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(printerFont(screenFont, printer.resolution()));
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double rowHeight = metrics.lineSpacing();
    const int rowsPerPage = static_cast<int>(page.height() / rowHeight);
    const int cellsPerRow =
        static_cast<int>(page.width() / metrics.horizontalAdvance(QLatin1Char('0')));

    const auto pages = layout(rowsPerPage, cellsPerRow);
    const int pageCount = static_cast<int>(pages.size());
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0) printer.newPage();
        double baseline = metrics.ascent();
        for (const std::string& row : pages[static_cast<std::size_t>(page)]) {
            painter.drawText(QPointF(0, baseline), QString::fromStdString(row));
            baseline += rowHeight;
        }
        if (progress && !progress(page + 1, pageCount)) {
            printer.abort();
            painter.end();
            return false;
        }
    }
    return painter.end();
}
