#pragma once
// A print of the record list as a person asks for it: the print dialog, then the pages, with
// the choice of a PDF file never half-written.

#include "desktop/printing/printing_module_entry.h"

class QPrinter;

// Lets the person choose a printer or a PDF file over `parent` and prints `lines` there in
// `font`, each page reported to `progress`. A PDF file is written beside its place and put
// there only once it is whole, so a stopped or failed print leaves an earlier file as it was.
PrintOutcome printRecordListWithDialog(QWidget& parent, const std::vector<std::string>& lines,
                                       const QFont& font, const PrintProgress& progress);

// Prints on a printer in a font, reporting each page; false when stopped or failed.
using PagesPrinter =
    std::function<bool(QPrinter& printer, const QFont& font, const PrintProgress& progress)>;

// Lets the person choose a printer or a PDF file over `parent` and prints there with `print`,
// as printRecordListWithDialog does.
PrintOutcome printWithDialog(QWidget& parent, const PagesPrinter& print, const QFont& font,
                             const PrintProgress& progress);

// Prints with `print` on `printer` as printRecordListOn does.
PrintOutcome printOn(QPrinter& printer, const PagesPrinter& print, const QFont& font,
                     const PrintProgress& progress);

// Prints the class report whose lines classReportLines gives, on the report's own pages and
// type whatever the font.
PagesPrinter classReportPrinter(const std::vector<std::string>& lines);

// Prints `lines` in `font` on `printer` as chosen in the print dialog: a PDF file through a new
// file put in its place once whole, anything else directly.
PrintOutcome printRecordListOn(QPrinter& printer, const std::vector<std::string>& lines,
                               const QFont& font, const PrintProgress& progress);
