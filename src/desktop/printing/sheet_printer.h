#pragma once
// Prints a level paper's lines: groups of lines kept on one page, the answer sheet on a page
// of its own.

#include <QFont>
#include <string>
#include <vector>

#include "desktop/printing/printing_module_entry.h"

class QPrinter;

// The rows of every page of `lines`, at most `rowsPerPage` rows a page, each row at most
// `cellsPerRow` cells wide: a line "\f" starts a new page, an empty line ends a group of lines
// that goes on a fresh page when it does not fit on the current one but fits on a page, and a
// page never starts with an empty row.
std::vector<std::vector<std::string>> sheetPages(const std::vector<std::string>& lines,
                                                 int rowsPerPage, int cellsPerRow);

// Prints `lines` on `printer` in `screenFont` at the printer's resolution, laid out by
// sheetPages, each page reported to `progress`; false when stopped or the printer failed.
bool printSheet(const std::vector<std::string>& lines, QPrinter& printer, const QFont& screenFont,
                const PrintProgress& progress = {});
