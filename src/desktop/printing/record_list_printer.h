#pragma once
// Prints the record list's lines as on squared paper, in the list's own font at the size
// it has on a 96-dpi screen.

#include <QFont>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "desktop/printing/printing_module_entry.h"

class QPrinter;

// Prints `lines` on `printer` in `screenFont`: each test paper and each answer sheet on a
// new page, no group of vertical sums split between pages, over-long lines wrapped. Each
// finished page is reported to `progress`, which stops the printing by returning false. False
// when the printer could not be started or the printing was stopped.
bool printRecordList(std::span<const std::string> lines, QPrinter& printer, const QFont& screenFont,
                     const PrintProgress& progress = {});

// The rows of every page for pages `rowsPerPage` rows high and `cellsPerRow` cells wide.
using PageLayout =
    std::function<std::vector<std::vector<std::string>>(int rowsPerPage, int cellsPerRow)>;

// Prints the pages `layout` gives for the printer's page in `screenFont` at the printer's
// resolution, each finished page reported to `progress`; false as printRecordList.
bool printLaidOutPages(const PageLayout& layout, QPrinter& printer, const QFont& screenFont,
                       const PrintProgress& progress = {});
