#pragma once
// Prints a level paper's lines for a classroom: margins a printer never clips, type a child
// reads at arm's length, rows tall enough to write an answer in, the questions spread over
// the page, no group of lines split between pages and the answer sheet on a page of its own.

#include <QFont>
#include <string>
#include <vector>

#include "desktop/printing/printing_module_entry.h"

class QPrinter;

// The margin on every side of a printed sheet, in millimetres.
inline constexpr double kSheetMarginMillimetres = 15.0;
// The least height of a row to write an answer in, in millimetres.
inline constexpr double kAnswerRowMillimetres = 8.0;
// The size of a sheet's type, and the least it may shrink to for a wide line, in points.
inline constexpr double kSheetPoints = 16.0;
inline constexpr double kLeastSheetPoints = 14.0;

// The sizes a sheet is laid out with, in one unit (millimetres in the tests, printer dots when
// printing).
struct SheetMetrics {
    double pageHeight = 0;   // inside the margins
    double textRow = 0;      // a row of text
    double answerRow = 0;    // a row to write on: a line with a blank "____" to fill in
    int cellsPerRow = 80;    // half-width characters a row holds
    double mostStretch = 1;  // how far the rows of a page of questions may be drawn apart
};

// One printed row and its place on its page.
struct PlacedRow {
    std::string text;
    double top = 0;
    double height = 0;
    bool operator==(const PlacedRow&) const = default;
};

// The rows of every page of `lines`: a line "\f" starts a new page, an empty line ends a group
// of lines that goes on a fresh page when it does not fit on the current one but fits on a
// page (and leaves a half row between groups), over-long lines are wrapped, and no page starts
// with a gap. The pages before the first "\f" (the questions) have their rows drawn apart, up
// to `mostStretch` times their height, to fill the page.
std::vector<std::vector<PlacedRow>> sheetPages(const std::vector<std::string>& lines,
                                               const SheetMetrics& metrics);

// Prints `lines` on `printer` with margins of kSheetMarginMillimetres in `screenFont`'s face at
// kSheetPoints (down to kLeastSheetPoints for a wide line), laid out by sheetPages, each page
// reported to `progress`; false when stopped or the printer failed.
bool printSheet(const std::vector<std::string>& lines, QPrinter& printer, const QFont& screenFont,
                const PrintProgress& progress = {});
