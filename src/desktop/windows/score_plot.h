#pragma once
// The learner's scores over the days, one coloured line per mode and kind (exam scores and
// practice first-try shares apart) named in a legend, painted with QPainter:
// filled points for a day's mean of finished runs, hollow ones for stopped runs, the axes
// labelled, and a point's date, mode and score shown when the pointer rests on it.

#include <QWidget>
#include <optional>
#include <vector>

#include "history/history_views.h"

// The value axis: its top, the step of its grid, its name and the word before a point's value.
struct PlotScale {
    double top;
    int step;
    const char* axisName;
    const char* valueWord;
};
inline constexpr PlotScale kScoreScale{100, 20, "得分", "得分"};

class ScorePlot : public QWidget {
  public:
    ScorePlot(std::vector<ScoreLine> lines, QWidget* parent, PlotScale scale = kScoreScale);

    // The text shown for the point under `position`, if there is one.
    std::optional<QString> pointTextAt(QPoint position) const;
    // Where a point of the plot is drawn.
    QPointF placeOf(const ScorePoint& point) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // The room around the plot area, measured in the plot's font so that it grows with the zoom.
    struct Margins {
        int left;
        int top;
        int bottom;
        int legend;
    };
    Margins margins() const;
    // The length of a line's sample in the legend.
    int strokeWidth() const;
    QRect plotArea() const;
    void paintAxes(QPainter& painter, const QRect& area) const;

    std::vector<ScoreLine> lines_;
    PlotScale scale_;
    int firstDay_ = 0;
    int lastDay_ = 0;
};
