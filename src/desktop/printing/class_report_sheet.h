#pragma once
// The class report on paper, for the teacher's `abacus-class report --pdf` and the 班级 page's
// printout alike: A4 landscape with margins of 15 mm, the class and the seven days in a heading,
// then the table across the page's whole width in type of 11 points, each cell's text wrapped
// within its cell, its header row repeated on every page the class needs.

#include <QPagedPaintDevice>
#include <string>
#include <vector>

// What the report shows.
struct ClassReportSheet {
    std::string className;
    std::string firstDay;  // YYYY-MM-DD
    std::string lastDay;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // each in the header's order
};

// The margin on every side, in millimetres, and the size of the table's type, in points.
inline constexpr double kReportMarginMillimetres = 15.0;
inline constexpr double kReportPoints = 11.0;

// Sets `device` to A4 landscape with the report's margins.
void setUpReportPage(QPagedPaintDevice& device);

// The sheet as lines, as the printing module takes them: the class, the first and the last day,
// then the header and each row with their fields joined by tabs, as `abacus-class report`
// prints them.
std::vector<std::string> classReportLines(const ClassReportSheet& sheet);

// The sheet those lines hold.
ClassReportSheet classReportFromLines(const std::vector<std::string>& lines);

// Paints `sheet` on `device`, set up by setUpReportPage, as many pages as it takes; false when
// the device could not be painted on.
bool paintClassReport(QPagedPaintDevice& device, const ClassReportSheet& sheet);
