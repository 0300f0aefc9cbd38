#include "desktop/windows/calendar_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "history/calendar_colours.h"

namespace {

// The toolkit's colour of a calendar colour.
QColor qtColour(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

// The date as the history writes it, "2026-12-08".
std::string historyDate(QDate date) { return date.toString(Qt::ISODate).toStdString(); }

}  // namespace

PracticeCalendar::PracticeCalendar(const std::vector<StoredRun>& runs, QWidget* parent)
    : QCalendarWidget(parent), runs_(runs) {
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setMinimumSize(560, 380);
    connect(this, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int month) { showMonth(year, month); });
    showMonth(yearShown(), monthShown());
}

// Recounts the figures for the month now on view.
void PracticeCalendar::showMonth(int year, int month) {
    year_ = year;
    month_ = month;
    figures_ = monthFigures(runs_, year, month);
    updateCells();
}

// A day of the month on view with practice gets a tint and its runs and questions; the
// selected day is dark with light texts, practised or not.
void PracticeCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    const bool shownMonth = date.year() == year_ && date.month() == month_;
    const DayFigures& day = figures_.days[static_cast<std::size_t>(date.day())];
    const bool practised = shownMonth && day.runs > 0;
    const bool selected = date == selectedDate();
    if (!practised && !selected) {
        QCalendarWidget::paintCell(painter, rect, date);
        return;
    }
    painter->save();
    painter->fillRect(rect, qtColour(selected ? kSelectedDayBack : kPractisedDayBack));
    painter->setPen(qtColour(selected ? kSelectedDayNumber : kPractisedDayNumber));
    painter->drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignTop | Qt::AlignHCenter,
                      QString::number(date.day()));
    if (practised) {
        QFont small = painter->font();
        small.setPixelSize(std::max(9, small.pixelSize() > 0 ? small.pixelSize() - 3 : 10));
        painter->setFont(small);
        painter->setPen(qtColour(selected ? kSelectedDayFigures : kPractisedDayFigures));
        painter->drawText(rect.adjusted(1, 0, -1, -2), Qt::AlignBottom | Qt::AlignHCenter,
                          QStringLiteral("%1次 %2题").arg(day.runs).arg(day.questions));
    }
    painter->restore();
}

CalendarWindow::CalendarWindow(const std::string& learner, std::vector<StoredRun> runs, QDate today,
                               const QFont& font, QWidget* parent)
    : QDialog(parent), runs_(std::move(runs)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    setWindowTitle(QStringLiteral("练习日历 — %1").arg(QString::fromStdString(learner).left(30)));
    auto* layout = new QVBoxLayout(this);
    calendar_ = new PracticeCalendar(runs_, this);
    calendar_->setSelectedDate(today);
    totals_ = new QLabel(this);
    dayRuns_ = new QListWidget(this);
    layout->addWidget(calendar_, 3);
    layout->addWidget(totals_);
    layout->addWidget(dayRuns_, 1);
    connect(calendar_, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int month) { turnToMonth(year, month); });
    connect(calendar_, &QCalendarWidget::selectionChanged, this,
            [this] { listDay(calendar_->selectedDate()); });
    showTotals();
    listDay(today);
    resize(620, 600);
}

// A new month on view selects the same day in it (its last day when it is shorter) and lists
// that day's runs, so the list never shows a day of another month.
void CalendarWindow::turnToMonth(int year, int month) {
    showTotals();
    const QDate first(year, month, 1);
    const QDate day(year, month, std::min(calendar_->selectedDate().day(), first.daysInMonth()));
    if (day != calendar_->selectedDate()) calendar_->setSelectedDate(day);
    listDay(calendar_->selectedDate());
}

// The month's totals under the calendar.
void CalendarWindow::showTotals() {
    const MonthFigures& month = calendar_->figures();
    totals_->setText(QStringLiteral("%1年%2月：练习%3天，共%4次，%5道题")
                         .arg(calendar_->yearShown())
                         .arg(calendar_->monthShown())
                         .arg(month.practisedDays)
                         .arg(month.runs)
                         .arg(month.questions));
}

// Lists the runs of `date`, or says there were none.
void CalendarWindow::listDay(QDate date) {
    dayRuns_->clear();
    const std::vector<std::string> lines = runsOnDayLines(runs_, historyDate(date));
    if (lines.empty()) {
        dayRuns_->addItem(date.toString(QStringLiteral("yyyy年M月d日")) +
                          QStringLiteral("没有练习。"));
        return;
    }
    for (const std::string& line : lines) dayRuns_->addItem(QString::fromStdString(line));
}
