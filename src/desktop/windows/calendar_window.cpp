#include "desktop/windows/calendar_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/windows/scrolling_content.h"
#include "history/calendar_colours.h"

namespace {

constexpr int kSmallestFigurePixels = 8;

// The toolkit's colour of a calendar colour.
QColor qtColour(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

// The date as the history writes it, "2026-12-08".
std::string historyDate(QDate date) { return date.toString(Qt::ISODate).toStdString(); }

}  // namespace

PracticeCalendar::PracticeCalendar(const std::vector<StoredRun>& runs,
                                   const std::vector<StoredDrill>& drills,
                                   const std::vector<StoredLevelTest>& levelTests,
                                   std::string learner, QWidget* parent)
    : QCalendarWidget(parent),
      runs_(runs),
      drills_(drills),
      levelTests_(levelTests),
      learner_(std::move(learner)) {
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    const int em = fontMetrics().height();
    setMinimumSize(em * 24, em * 18);  // 7 columns and 6 weeks of up to four small lines each
    for (const char* arrow : {"qt_calendar_prevmonth", "qt_calendar_nextmonth"}) {
        if (auto* button = findChild<QToolButton*>(QString::fromUtf8(arrow))) {
            button->setIconSize(QSize(em, em));
        }
    }
    // The month bar in the selected day's dark blue with white texts in either scheme.
    if (auto* bar = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"))) {
        QPalette colours = bar->palette();
        for (const QPalette::ColorRole ground : {QPalette::Highlight, QPalette::Window}) {
            colours.setColor(ground, qtColour(kSelectedDayBack));
        }
        for (const QPalette::ColorRole text : {QPalette::HighlightedText, QPalette::WindowText}) {
            colours.setColor(text, qtColour(kSelectedDayNumber));
        }
        bar->setPalette(colours);
    }
    QTextCharFormat weekend = weekdayTextFormat(Qt::Sunday);
    weekend.setForeground(qtColour(kWeekendDayNumber));
    for (const Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) setWeekdayTextFormat(day, weekend);
    connect(this, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int month) { showMonth(year, month); });
    showMonth(yearShown(), monthShown());
}

// Recounts the figures for the month now on view.
void PracticeCalendar::showMonth(int year, int month) {
    year_ = year;
    month_ = month;
    figures_ = monthFigures(runs_, drills_, levelTests_, learner_, year, month);
    updateCells();
}

// A day of the month on view with practice gets a tint and a line of figures for each kind of
// work; the selected day is dark with light texts, practised or not; the days of the months
// before and after are greyed.
void PracticeCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    const bool shownMonth = date.year() == year_ && date.month() == month_;
    const DayFigures& day = figures_.days[static_cast<std::size_t>(date.day())];
    const bool practised = shownMonth && day.practised();
    const bool selected = date == selectedDate();
    if (!practised && !selected) {
        if (shownMonth) {
            QCalendarWidget::paintCell(painter, rect, date);
            return;
        }
        painter->save();
        painter->fillRect(rect, palette().color(QPalette::Base));
        painter->setPen(qtColour(kNeighbourDayNumber));
        painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
        painter->restore();
        return;
    }
    painter->save();
    painter->fillRect(rect, qtColour(selected ? kSelectedDayBack : kPractisedDayBack));
    painter->setPen(qtColour(selected ? kSelectedDayNumber : kPractisedDayNumber));
    painter->drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignTop | Qt::AlignHCenter,
                      QString::number(date.day()));
    if (practised) {
        QStringList lines;
        if (day.runs > 0) lines << QStringLiteral("%1次 %2题").arg(day.runs).arg(day.questions);
        if (day.chains > 0) lines << QStringLiteral("心算%1串").arg(day.chains);
        if (day.beadQuestions > 0) lines << QStringLiteral("拨珠%1题").arg(day.beadQuestions);
        if (day.levelTests > 0) lines << QStringLiteral("考级%1次").arg(day.levelTests);
        // The figures take three quarters of the day's size, smaller where the cell is too low
        // to hold them under the day's number.
        const int room = rect.height() - painter->fontMetrics().height() - 2;
        QFont small = painter->font();
        int pixels = std::max(kSmallestFigurePixels, QFontInfo(small).pixelSize() * 3 / 4);
        do {
            small.setPixelSize(pixels);
        } while (QFontMetrics(small).height() * lines.size() > room &&
                 --pixels >= kSmallestFigurePixels);
        painter->setFont(small);
        painter->setPen(qtColour(selected ? kSelectedDayFigures : kPractisedDayFigures));
        painter->drawText(rect.adjusted(1, 0, -1, -2), Qt::AlignBottom | Qt::AlignHCenter,
                          lines.join('\n'));
    }
    painter->restore();
}

CalendarWindow::CalendarWindow(const std::string& learner, std::vector<StoredRun> runs,
                               std::vector<StoredDrill> drills,
                               std::vector<StoredLevelTest> levelTests, QDate today,
                               const QFont& font, QWidget* parent)
    : QDialog(parent),
      learner_(learner),
      runs_(std::move(runs)),
      drills_(std::move(drills)),
      levelTests_(std::move(levelTests)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    setWindowTitle(QStringLiteral("练习日历 — %1").arg(QString::fromStdString(learner).left(30)));
    QVBoxLayout* layout = scrollingContent(*this);
    calendar_ = new PracticeCalendar(runs_, drills_, levelTests_, learner_, this);
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
                         .arg(month.records())
                         .arg(month.allQuestions()) +
                     QStringLiteral("（答题%1次%2题；练习室心算%3串，拨珠%4题；等级考试%5次）")
                         .arg(month.runs)
                         .arg(month.questions)
                         .arg(month.chains)
                         .arg(month.beadQuestions)
                         .arg(month.levelTests));
    totals_->setWordWrap(true);
}

// Lists the runs of `date`, then its practice-room work and level tests, or says there were
// none.
void CalendarWindow::listDay(QDate date) {
    dayRuns_->clear();
    std::vector<std::string> lines = runsOnDayLines(runs_, historyDate(date));
    for (std::string& line :
         roomWorkOnDayLines(drills_, levelTests_, learner_, historyDate(date))) {
        lines.push_back(std::move(line));
    }
    if (lines.empty()) {
        dayRuns_->addItem(date.toString(QStringLiteral("yyyy年M月d日")) +
                          QStringLiteral("没有练习。"));
        return;
    }
    for (const std::string& line : lines) dayRuns_->addItem(QString::fromStdString(line));
}
