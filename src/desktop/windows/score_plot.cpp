#include "desktop/windows/score_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kPointRadius = 4;
constexpr int kHoverReach = 8;
constexpr char kDateAxis[] = "日期";
constexpr char kStoppedNote[] = "（中止）";
const std::array<QColor, 7> kModeColours = {
    QColor(220, 50, 47), QColor(38, 139, 210), QColor(133, 153, 0),  QColor(211, 54, 130),
    QColor(181, 137, 0), QColor(42, 161, 152), QColor(108, 113, 196)};

// The date as the axis writes it, "12-08".
QString shortDate(int day) { return QString::fromStdString(dateOfDay(day).substr(5)); }

}  // namespace

ScorePlot::ScorePlot(std::vector<ScoreLine> lines, QWidget* parent, PlotScale scale)
    : QWidget(parent), lines_(std::move(lines)), scale_(scale) {
    const QFontMetrics metrics = fontMetrics();
    setMinimumSize(metrics.horizontalAdvance(QStringLiteral("2026-12-08")) * 4,
                   metrics.height() * 10);
    setMouseTracking(true);
    bool first = true;
    for (const ScoreLine& line : lines_) {
        for (const auto* points : {&line.points, &line.stopped}) {
            for (const ScorePoint& point : *points) {
                firstDay_ = first ? point.day : std::min(firstDay_, point.day);
                lastDay_ = first ? point.day : std::max(lastDay_, point.day);
                first = false;
            }
        }
    }
}

ScorePlot::Margins ScorePlot::margins() const {
    const QFontMetrics metrics = fontMetrics();
    int legend = 0;
    for (const ScoreLine& line : lines_) {
        legend = std::max(legend, metrics.horizontalAdvance(QString::fromStdString(line.mode)));
    }
    const int em = metrics.height();
    return {std::max(metrics.horizontalAdvance(QString::fromUtf8(scale_.axisName)),
                     metrics.horizontalAdvance(QStringLiteral("100"))) +
                em / 2,
            em + em / 2, 2 * em + em / 2 + 8, legend + strokeWidth() + em};
}

int ScorePlot::strokeWidth() const { return fontMetrics().height() * 3 / 2; }

QRect ScorePlot::plotArea() const {
    const Margins edge = margins();
    return {edge.left, edge.top, width() - edge.left - edge.legend - 12,
            height() - edge.top - edge.bottom};
}

QPointF ScorePlot::placeOf(const ScorePoint& point) const {
    const QRect area = plotArea();
    const double span = std::max(1, lastDay_ - firstDay_);
    const double across = lastDay_ == firstDay_ ? 0.5 : (point.day - firstDay_) / span;
    return {area.left() + across * area.width(),
            area.bottom() - point.score / scale_.top * area.height()};
}

std::optional<QString> ScorePlot::pointTextAt(QPoint position) const {
    for (const ScoreLine& line : lines_) {
        const QString mode = QString::fromStdString(line.mode);
        for (const auto* points : {&line.points, &line.stopped}) {
            for (const ScorePoint& point : *points) {
                const QPointF place = placeOf(point);
                if (std::hypot(place.x() - position.x(), place.y() - position.y()) > kHoverReach) {
                    continue;
                }
                return QStringLiteral("%1  %2  %3 %4%5")
                    .arg(QString::fromStdString(dateOfDay(point.day)), mode,
                         QString::fromUtf8(scale_.valueWord))
                    .arg(std::lround(point.score))
                    .arg(points == &line.stopped ? QString::fromUtf8(kStoppedNote) : QString());
            }
        }
    }
    return std::nullopt;
}

// Shows the date, mode and score of the point under the pointer.
void ScorePlot::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<QString> text = pointTextAt(event->position().toPoint());
    if (text) {
        QToolTip::showText(event->globalPosition().toPoint(), *text, this);
    } else {
        QToolTip::hideText();
    }
}

// The value grid from 0 to the top, the days with runs along the bottom and both axes' names.
void ScorePlot::paintAxes(QPainter& painter, const QRect& area) const {
    const QFontMetrics metrics = painter.fontMetrics();
    const int em = metrics.height();
    for (int value = 0; value <= scale_.top; value += scale_.step) {
        const int y = area.bottom() - static_cast<int>(area.height() * value / scale_.top);
        painter.setPen(Qt::lightGray);
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, y - em / 2, area.left() - em / 4, em),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawText(
        QRect(0, 0, area.left() + metrics.horizontalAdvance(QString::fromUtf8(scale_.axisName)),
              area.top()),
        Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(scale_.axisName));
    painter.drawText(QRect(area.left(), area.bottom() + metrics.height() + 4, area.width(),
                           metrics.height() + 4),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(kDateAxis));
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("12-08")) + 8;
    for (const int day : dateAxisDays(lines_, std::max(1, area.width() / labelWidth))) {
        const int x = static_cast<int>(placeOf({day, 0}).x());
        painter.drawLine(x, area.bottom(), x, area.bottom() + 3);
        painter.drawText(QRect(x - labelWidth / 2, area.bottom() + 4, labelWidth, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, shortDate(day));
    }
}

// The axes, a line per mode through its daily means, hollow stopped runs and the legend.
void ScorePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QRect area = plotArea();
    if (area.width() <= 0 || area.height() <= 0) return;
    paintAxes(painter, area);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const QColor colour = kModeColours[i % kModeColours.size()];
        painter.setPen(QPen(colour, 2));
        QPainterPath path;
        for (const ScorePoint& point : lines_[i].points) {
            if (path.elementCount() == 0) {
                path.moveTo(placeOf(point));
            } else {
                path.lineTo(placeOf(point));
            }
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setBrush(Qt::white);
        for (const ScorePoint& point : lines_[i].stopped) {
            painter.drawEllipse(placeOf(point), kPointRadius, kPointRadius);
        }
        painter.setBrush(colour);
        for (const ScorePoint& point : lines_[i].points) {
            painter.drawEllipse(placeOf(point), kPointRadius, kPointRadius);
        }
        const int em = painter.fontMetrics().height();
        const int y = area.top() + static_cast<int>(i) * (em + em / 4);
        const int stroke = strokeWidth();
        painter.drawLine(area.right() + 12, y + em / 2, area.right() + 12 + stroke - em / 4,
                         y + em / 2);
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.right() + 12 + stroke, y, width() - area.right() - stroke, em),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(lines_[i].mode));
    }
}
