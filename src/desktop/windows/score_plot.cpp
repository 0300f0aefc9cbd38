#include "desktop/windows/score_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace {

constexpr int kMargin = 36;
constexpr int kLegendWidth = 110;
constexpr double kTopScore = 100;
const std::array<QColor, 7> kModeColours = {
    QColor(220, 50, 47), QColor(38, 139, 210), QColor(133, 153, 0),  QColor(211, 54, 130),
    QColor(181, 137, 0), QColor(42, 161, 152), QColor(108, 113, 196)};

}  // namespace

ScorePlot::ScorePlot(std::vector<ScoreLine> lines, QWidget* parent)
    : QWidget(parent), lines_(std::move(lines)) {
    setMinimumSize(480, 220);
    bool first = true;
    for (const ScoreLine& line : lines_) {
        for (const ScorePoint& point : line.points) {
            firstDay_ = first ? point.day : std::min(firstDay_, point.day);
            lastDay_ = first ? point.day : std::max(lastDay_, point.day);
            first = false;
        }
    }
}

// Axes with the scores 0 to 100, the first and last day, a line per mode and its legend.
void ScorePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QRect area(kMargin, kMargin / 2, width() - 2 * kMargin - kLegendWidth,
                     height() - 2 * kMargin);
    if (area.width() <= 0 || area.height() <= 0) return;
    painter.setPen(Qt::lightGray);
    for (int score = 0; score <= 100; score += 20) {
        const int y = area.bottom() - static_cast<int>(area.height() * score / kTopScore);
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, y - 10, kMargin - 4, 20), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(score));
        painter.setPen(Qt::lightGray);
    }
    painter.setPen(Qt::black);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    if (lines_.empty()) return;
    const QRect dates(area.left(), area.bottom() + 4, area.width(), kMargin - 8);
    painter.drawText(dates, Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(dateOfDay(firstDay_)));
    if (lastDay_ != firstDay_) {
        painter.drawText(dates, Qt::AlignRight | Qt::AlignTop,
                         QString::fromStdString(dateOfDay(lastDay_)));
    }
    const double span = std::max(1, lastDay_ - firstDay_);
    const auto place = [&](const ScorePoint& point) {
        const double across = lastDay_ == firstDay_ ? 0.5 : (point.day - firstDay_) / span;
        return QPointF(area.left() + across * area.width(),
                       area.bottom() - point.score / kTopScore * area.height());
    };
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const QColor colour = kModeColours[i % kModeColours.size()];
        painter.setPen(QPen(colour, 2));
        painter.setBrush(colour);
        QPainterPath path;
        for (const ScorePoint& point : lines_[i].points) {
            if (path.elementCount() == 0) {
                path.moveTo(place(point));
            } else {
                path.lineTo(place(point));
            }
            painter.drawEllipse(place(point), 2.5, 2.5);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        const int y = area.top() + static_cast<int>(i) * 20;
        painter.drawLine(area.right() + 12, y + 8, area.right() + 36, y + 8);
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.right() + 42, y, kLegendWidth - 42, 18),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(lines_[i].mode));
    }
}
