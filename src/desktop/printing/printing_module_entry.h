#pragma once
// The one function of the printing module, which the program finds by name once the module is
// loaded. Qt's print support is mapped only when the module is.

#include <QFont>
#include <functional>
#include <string>
#include <vector>

class QWidget;

// The name under which the program looks the function up.
inline constexpr char kPrintWithDialogFunction[] = "abacusPrintRecordListWithDialog";
// The name of the function that prints a level paper and its answer sheet the same way.
inline constexpr char kPrintSheetWithDialogFunction[] = "abacusPrintSheetWithDialog";
// The name of the function that prints a class's report, its lines as classReportLines gives.
inline constexpr char kPrintClassReportWithDialogFunction[] = "abacusPrintClassReportWithDialog";

// FileNotWritten: a PDF file could not be written whole (a full disk); no part of it is left.
enum class PrintOutcome { Printed, NotChosen, Cancelled, PrinterFailed, FileNotWritten };

// Told after each printed page how many of how many are done; false stops the printing.
using PrintProgress = std::function<bool(int pagesDone, int pagesTotal)>;

// Lets the person choose a printer or a PDF file in the print dialog over `parent`, then
// prints `lines` in `font`, reporting each page to `progress`. A stopped or failed print leaves
// no PDF file behind, and an earlier file of that name as it was.
using PrintRecordListWithDialog = PrintOutcome (*)(QWidget& parent,
                                                   const std::vector<std::string>& lines,
                                                   const QFont& font,
                                                   const PrintProgress& progress);
