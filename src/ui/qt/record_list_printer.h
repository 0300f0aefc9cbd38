#pragma once
// Prints the record list's lines as on squared paper, in the list's own font at the size
// it has on a 96-dpi screen.

#include <QFont>
#include <span>
#include <string>

class QPrinter;

// Prints `lines` on `printer` in `screenFont`: each test paper and each answer sheet on a
// new page, no group of vertical sums split between pages, over-long lines wrapped. False
// when the printer could not be started.
bool printRecordList(std::span<const std::string> lines, QPrinter& printer,
                     const QFont& screenFont);
