#include "desktop/printing/class_report_sheet.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QTextOption>
#include <algorithm>
#include <numeric>

namespace {

constexpr double kTitlePoints = 16.0;
constexpr double kFootPoints = kReportPoints;
// The space inside a cell around its text, and the least share of the width the last column
// (the sums most often wrong, the longest texts) keeps, in its own right.
constexpr double kPaddingPoints = 4.0;
constexpr double kLastColumnShare = 0.3;

const QString kFontFamily = QStringLiteral("WenQuanYi Micro Hei");

// A header no narrower than this many characters; a longer one wraps within its column.
constexpr int kLeastHeaderCharacters = 3;

// A cell's text: left and top, wrapped between words, and within a word too long for its cell.
QTextOption cellOption() {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

QFont reportFont(double points, bool bold = false) {
    QFont font(kFontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The widths of the columns filling `width`: each as wide as its widest cell (its header
// wrapping), the last taking what is left; when the others leave it less than its share, they
// give way in proportion.
std::vector<double> columnWidths(const ClassReportSheet& sheet, const QFontMetricsF& cell,
                                 const QFontMetricsF& head, double padding, double width) {
    const std::size_t count = sheet.header.size();
    std::vector<double> widths(count, 0.0);
    for (std::size_t column = 0; column < count; ++column) {
        const QString header = QString::fromStdString(sheet.header[column]);
        widths[column] = std::min(head.horizontalAdvance(header),
                                  head.horizontalAdvance(header.left(kLeastHeaderCharacters)));
        for (const auto& row : sheet.rows) {
            if (column < row.size()) {
                widths[column] = std::max(
                    widths[column], cell.horizontalAdvance(QString::fromStdString(row[column])));
            }
        }
        widths[column] += 2 * padding;
    }
    if (count == 0) return widths;
    const double others = std::accumulate(widths.begin(), widths.end() - 1, 0.0);
    const double room = width * (1 - kLastColumnShare);
    if (others > room) {
        for (std::size_t column = 0; column + 1 < count; ++column) widths[column] *= room / others;
    }
    widths.back() = width - std::min(others, room);
    return widths;
}

// The height the texts of `row` take in their cells, in the painter's font.
double rowHeight(QPainter& painter, const std::vector<std::string>& row,
                 const std::vector<double>& widths, double padding) {
    double height = QFontMetricsF(painter.font(), painter.device()).height();
    for (std::size_t column = 0; column < row.size() && column < widths.size(); ++column) {
        const QRectF room(0, 0, widths[column] - 2 * padding, 1e9);
        height = std::max(
            height,
            painter.boundingRect(room, QString::fromStdString(row[column]), cellOption()).height());
    }
    return height + 2 * padding;
}

// Paints one row of cells at `top`, framed.
void paintRow(QPainter& painter, const std::vector<std::string>& row,
              const std::vector<double>& widths, double top, double height, double padding) {
    double left = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const QRectF frame(left, top, widths[column], height);
        painter.drawRect(frame);
        if (column < row.size()) {
            painter.drawText(frame.adjusted(padding, padding, -padding, -padding),
                             QString::fromStdString(row[column]), cellOption());
        }
        left += widths[column];
    }
}

// The fields of a line joined by tabs; none in an empty line.
std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    if (line.empty()) return fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// The fields joined by tabs.
std::string lineOf(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t field = 0; field < fields.size(); ++field) {
        line += (field == 0 ? "" : "\t") + fields[field];
    }
    return line;
}

}  // namespace

std::vector<std::string> classReportLines(const ClassReportSheet& sheet) {
    std::vector<std::string> lines{sheet.className, sheet.firstDay, sheet.lastDay,
                                   lineOf(sheet.header)};
    for (const auto& row : sheet.rows) lines.push_back(lineOf(row));
    return lines;
}

ClassReportSheet classReportFromLines(const std::vector<std::string>& lines) {
    ClassReportSheet sheet;
    if (lines.size() < 4) return sheet;
    sheet.className = lines[0];
    sheet.firstDay = lines[1];
    sheet.lastDay = lines[2];
    sheet.header = fieldsOf(lines[3]);
    for (std::size_t line = 4; line < lines.size(); ++line) {
        sheet.rows.push_back(fieldsOf(lines[line]));
    }
    return sheet;
}

void setUpReportPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(kReportMarginMillimetres, kReportMarginMillimetres,
                                               kReportMarginMillimetres, kReportMarginMillimetres),
                                     QPageLayout::Millimeter));
}

bool paintClassReport(QPagedPaintDevice& device, const ClassReportSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF page(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const double dotsPerPoint = device.logicalDpiY() / 72.0;
    const double padding = kPaddingPoints * dotsPerPoint;
    const QFont title = reportFont(kTitlePoints, true);
    const QFont cellFont = reportFont(kReportPoints);
    const QFont headFont = reportFont(kReportPoints, true);
    const QFont footFont = reportFont(kFootPoints);
    const QFontMetricsF cell(cellFont, &device);
    const QFontMetricsF head(headFont, &device);
    const QFontMetricsF foot(footFont, &device);
    const std::vector<double> widths = columnWidths(sheet, cell, head, padding, page.width());
    painter.setFont(headFont);
    const double headerHeight = rowHeight(painter, sheet.header, widths, padding);
    const double bottom = page.height() - foot.height() - padding;
    painter.setPen(QPen(Qt::black, dotsPerPoint * 0.5));

    int pageNumber = 1;
    // The heading, the header row, then rows until the page is full; again on the next page.
    double top = 0;
    const auto startPage = [&] {
        if (pageNumber == 1) {
            painter.setFont(title);
            const QString heading =
                QStringLiteral("%1　学习情况").arg(QString::fromStdString(sheet.className));
            const QRectF headingRect(0, 0, page.width(), QFontMetricsF(title, &device).height());
            painter.drawText(headingRect, Qt::AlignLeft | Qt::AlignTop, heading);
            painter.setFont(cellFont);
            const QString days = QStringLiteral("%1 至 %2（共7天）")
                                     .arg(QString::fromStdString(sheet.firstDay),
                                          QString::fromStdString(sheet.lastDay));
            painter.drawText(QRectF(0, headingRect.bottom(), page.width(), cell.height()),
                             Qt::AlignLeft | Qt::AlignTop, days);
            top = headingRect.bottom() + cell.height() + padding * 2;
        } else {
            top = 0;
        }
        painter.setFont(headFont);
        paintRow(painter, sheet.header, widths, top, headerHeight, padding);
        top += headerHeight;
        painter.setFont(cellFont);
    };
    const auto endPage = [&] {
        painter.setFont(footFont);
        painter.drawText(QRectF(0, page.height() - foot.height(), page.width(), foot.height()),
                         Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("%1　第%2页")
                             .arg(QString::fromStdString(sheet.className))
                             .arg(pageNumber));
    };
    startPage();
    for (const auto& row : sheet.rows) {
        const double height =
            std::min(rowHeight(painter, row, widths, padding), bottom - headerHeight);
        if (top + height > bottom) {
            endPage();
            if (!device.newPage()) return false;
            ++pageNumber;
            startPage();
        }
        paintRow(painter, row, widths, top, height, padding);
        top += height;
    }
    endPage();
    return painter.end();
}
