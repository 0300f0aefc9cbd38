#pragma once
// Prints the record list's lines as on squared paper, in the list's own font at the size
// it has on a 96-dpi screen.

#include <QFont>
#include <span>
#include <string>

#include "desktop/printing/printing_module_entry.h"

class QPrinter;

// Prints `lines` on `printer` in `screenFont`: each test paper and each answer sheet on a
// new page, no group of vertical sums split between pages, over-long lines wrapped. Each
// finished page is reported to `progress`, which stops the printing by returning false. False
// when the printer could not be started or the printing was stopped.
bool printRecordList(std::span<const std::string> lines, QPrinter& printer, const QFont& screenFont,
                     const PrintProgress& progress = {});
