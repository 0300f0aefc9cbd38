#include "desktop/printing/printing_module_entry.h"
#include "desktop/printing/record_list_print_job.h"
#include "desktop/printing/sheet_printer.h"

// Asks for a printer or a PDF file and prints there; the program finds it by name.
extern "C" __attribute__((visibility("default"))) PrintOutcome abacusPrintRecordListWithDialog(
    QWidget& parent, const std::vector<std::string>& lines, const QFont& font,
    const PrintProgress& progress) {
    return printRecordListWithDialog(parent, lines, font, progress);
}

// Asks for a printer or a PDF file and prints a level paper's sheet there.
extern "C" __attribute__((visibility("default"))) PrintOutcome abacusPrintSheetWithDialog(
    QWidget& parent, const std::vector<std::string>& lines, const QFont& font,
    const PrintProgress& progress) {
    return printWithDialog(
        parent,
        [&lines](QPrinter& printer, const QFont& screenFont, const PrintProgress& watched) {
            return printSheet(lines, printer, screenFont, watched);
        },
        font, progress);
}

// Asks for a printer or a PDF file and prints a class's report there.
extern "C" __attribute__((visibility("default"))) PrintOutcome abacusPrintClassReportWithDialog(
    QWidget& parent, const std::vector<std::string>& lines, const QFont& font,
    const PrintProgress& progress) {
    return printWithDialog(parent, classReportPrinter(lines), font, progress);
}
