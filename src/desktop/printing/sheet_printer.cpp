#include "desktop/printing/sheet_printer.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "levels/level_paper_sheet.h"
#include "ui/record_list_pages.h"

namespace {

constexpr char kPageBreak[] = "\f";
constexpr char kWritingBlank[] = "____";
constexpr double kGapRows = 0.5;
constexpr double kPointsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kTextRowSpacing = 1.2;
constexpr double kMostStretch = 1.8;

using Rows = std::vector<PlacedRow>;

// The height of a row of `text`.
double rowHeight(const std::string& text, const SheetMetrics& metrics) {
    return text.find(kWritingBlank) != std::string::npos ? metrics.answerRow : metrics.textRow;
}

// The wrapped rows of a group of lines, each at its height, placed from 0.
Rows groupRows(const std::vector<std::string>& group, const SheetMetrics& metrics) {
    Rows rows;
    double top = 0;
    for (const std::string& line : group) {
        for (std::string& text : wrappedRows(line, metrics.cellsPerRow)) {
            const double height = rowHeight(text, metrics);
            rows.push_back({std::move(text), top, height});
            top += height;
        }
    }
    return rows;
}

// The height of a group's rows together.
double heightOf(const Rows& rows) {
    return rows.empty() ? 0 : rows.back().top + rows.back().height;
}

// Draws the rows of a page apart to fill it, up to `mostStretch` times their height.
void fillPage(Rows& page, const SheetMetrics& metrics) {
    const double used = heightOf(page);
    if (used <= 0) return;
    const double stretch = std::clamp(metrics.pageHeight / used, 1.0, metrics.mostStretch);
    for (PlacedRow& row : page) {
        row.top *= stretch;
        row.height *= stretch;
    }
}

}  // namespace

std::vector<std::vector<PlacedRow>> sheetPages(const std::vector<std::string>& lines,
                                               const SheetMetrics& metrics) {
    std::vector<Rows> pages;
    Rows page;
    double bottom = 0;  // where the next row of the page goes
    bool questions = true;
    const auto startPage = [&] {
        if (page.empty()) return;
        if (questions) fillPage(page, metrics);
        pages.push_back(std::move(page));
        page.clear();
        bottom = 0;
    };
    const auto addGroup = [&](const std::vector<std::string>& group) {
        Rows rows = groupRows(group, metrics);
        const double height = heightOf(rows);
        if (height <= metrics.pageHeight && bottom + height > metrics.pageHeight) startPage();
        for (PlacedRow& row : rows) {
            if (!page.empty() && bottom + row.height > metrics.pageHeight) startPage();
            row.top = bottom;
            bottom += row.height;
            page.push_back(std::move(row));
        }
    };
    std::vector<std::string> group;
    for (const std::string& line : lines) {
        if (!line.empty() && line != kPageBreak) {
            group.push_back(line);
            continue;
        }
        addGroup(group);
        group.clear();
        if (line == kPageBreak) {
            startPage();
            questions = false;
        } else if (!page.empty()) {
            bottom += kGapRows * metrics.textRow;
        }
    }
    addGroup(group);
    startPage();
    return pages;
}

namespace {

// `screenFont`'s face at `points` on a printer of `dotsPerInch`, an even number of dots high
// so that an ASCII character is exactly half as wide as a Chinese one.
QFont sheetFont(const QFont& screenFont, double points, int dotsPerInch) {
    QFont font(screenFont);
    const double dots = points * dotsPerInch / kPointsPerInch;
    font.setPixelSize(std::max(2, 2 * static_cast<int>(std::lround(dots / 2))));
    return font;
}

// The width of the widest of `lines` in `font` on `printer`.
double widestLine(const std::vector<std::string>& lines, const QFont& font, QPrinter& printer) {
    const QFontMetricsF metrics(font, &printer);
    double widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
    }
    return widest;
}

}  // namespace

bool printSheet(const std::vector<std::string>& lines, QPrinter& printer, const QFont& screenFont,
                const PrintProgress& progress) {
    const double margin = kSheetMarginMillimetres;
    printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int dotsPerInch = printer.resolution();
    const QRectF area = printer.pageLayout().paintRectPixels(dotsPerInch);
    // The sheet's size, shrunk towards the least size while its widest line does not fit.
    double points = kSheetPoints;
    QFont font = sheetFont(screenFont, points, dotsPerInch);
    while (points > kLeastSheetPoints && widestLine(lines, font, printer) > area.width()) {
        points -= 0.5;
        font = sheetFont(screenFont, points, dotsPerInch);
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    SheetMetrics sheet;
    sheet.pageHeight = area.height();
    sheet.textRow = metrics.lineSpacing() * kTextRowSpacing;
    sheet.answerRow =
        std::max(sheet.textRow, kAnswerRowMillimetres * dotsPerInch / kMillimetresPerInch);
    sheet.cellsPerRow =
        static_cast<int>(area.width() / metrics.horizontalAdvance(QLatin1Char('0')));
    sheet.mostStretch = kMostStretch;

    const auto pages = sheetPages(lines, sheet);
    const int pageCount = static_cast<int>(pages.size());
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0) printer.newPage();
        for (const PlacedRow& row : pages[static_cast<std::size_t>(page)]) {
            // The text stands on the row's foot, leaving the room above it to write in.
            const double baseline = row.top + row.height - metrics.descent();
            QString text = QString::fromStdString(row.text);
            if (text.startsWith(QLatin1Char(kSheetCentredMark))) {
                // A title is laid out across the page by the painter itself, on the same foot.
                text.remove(0, 1);
                painter.drawText(QRectF(0, row.top, area.width(), row.height),
                                 Qt::AlignHCenter | Qt::AlignBottom, text);
                continue;
            }
            painter.drawText(QPointF(0, baseline), text);
        }
        if (progress && !progress(page + 1, pageCount)) {
            printer.abort();
            painter.end();
            return false;
        }
    }
    return painter.end();
}
