#pragma once
// The learner's scores over the days, one coloured line per mode, painted with QPainter.

#include <QWidget>
#include <vector>

#include "history/history_views.h"

class ScorePlot : public QWidget {
  public:
    ScorePlot(std::vector<ScoreLine> lines, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<ScoreLine> lines_;
    int firstDay_ = 0;
    int lastDay_ = 0;
};
