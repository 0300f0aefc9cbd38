#include "desktop/printing/record_list_print_job.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <cstdio>

#include "desktop/printing/class_report_sheet.h"
#include "desktop/printing/record_list_printer.h"

namespace {

const QString kPrintTitle = QStringLiteral("打印记录");
const QString kDocumentName = QStringLiteral("童趣星记录");

// The permissions the finished PDF file gets: those of the file it replaces, else the usual
// ones of a document.
QFileDevice::Permissions documentPermissions(const QString& path) {
    if (QFileInfo::exists(path)) return QFile::permissions(path);
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
           QFileDevice::ReadOther;
}

// How far from its end a PDF file's trailer starts at most.
constexpr qint64 kTrailerBytes = 1024;

// True when the PDF file at `path` was written to its end: it ends with its trailer, whose
// cross-reference offset finds the table where the writer put it (a write cut short anywhere
// before moves it), and it is on the disk.
bool isWholePdfOnDisk(const QString& path) {
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly)) return false;
    const qint64 size = pdf.size();
    pdf.seek(qMax<qint64>(0, size - kTrailerBytes));
    const QByteArray tail = pdf.readAll().trimmed();
    if (!tail.endsWith("%%EOF")) return false;
    const qsizetype start = tail.lastIndexOf("startxref");
    if (start < 0) return false;
    bool read = false;
    const qint64 table =
        tail.mid(start + 9, tail.size() - start - 9 - 5).trimmed().toLongLong(&read);
    if (!read || table < 0 || table >= size || !pdf.seek(table) || pdf.read(4) != "xref") {
        return false;
    }
    return ::fsync(pdf.handle()) == 0;
}

// Prints into a new file beside the chosen PDF file and puts it in that file's place only
// once every page is written, so a stopped print leaves the folder as it was.
PrintOutcome printToPdfFile(QPrinter& printer, const PagesPrinter& print, const QFont& font,
                            const PrintProgress& progress) {
    const QString target = printer.outputFileName();
    const QFileInfo info(target);
    QTemporaryFile partial(info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    if (!partial.open()) return PrintOutcome::PrinterFailed;
    partial.close();
    printer.setOutputFileName(partial.fileName());
    bool stopped = false;
    const PrintProgress watched = [&](int done, int total) {
        stopped = progress && !progress(done, total);
        return !stopped;
    };
    const bool printed = print(printer, font, watched);
    printer.setOutputFileName(target);
    if (!printed) return stopped ? PrintOutcome::Cancelled : PrintOutcome::PrinterFailed;
    if (!isWholePdfOnDisk(partial.fileName())) return PrintOutcome::FileNotWritten;
    partial.setPermissions(documentPermissions(target));
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        return PrintOutcome::FileNotWritten;
    }
    partial.setAutoRemove(false);
    return PrintOutcome::Printed;
}

// Prints on the chosen printer.
PrintOutcome printOnPrinter(QPrinter& printer, const PagesPrinter& print, const QFont& font,
                            const PrintProgress& progress) {
    bool stopped = false;
    const PrintProgress watched = [&](int done, int total) {
        stopped = progress && !progress(done, total);
        return !stopped;
    };
    if (print(printer, font, watched)) return PrintOutcome::Printed;
    return stopped ? PrintOutcome::Cancelled : PrintOutcome::PrinterFailed;
}

// Prints the record list's lines.
PagesPrinter recordListPrinter(const std::vector<std::string>& lines) {
    return [&lines](QPrinter& printer, const QFont& font, const PrintProgress& progress) {
        return printRecordList(lines, printer, font, progress);
    };
}

}  // namespace

PrintOutcome printWithDialog(QWidget& parent, const PagesPrinter& print, const QFont& font,
                             const PrintProgress& progress) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kDocumentName);
    QPrintDialog dialog(&printer, &parent);
    dialog.setWindowTitle(kPrintTitle);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::NotChosen;
    return printOn(printer, print, font, progress);
}

PrintOutcome printOn(QPrinter& printer, const PagesPrinter& print, const QFont& font,
                     const PrintProgress& progress) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return printToPdfFile(printer, print, font, progress);
    }
    return printOnPrinter(printer, print, font, progress);
}

PagesPrinter classReportPrinter(const std::vector<std::string>& lines) {
    return [sheet = classReportFromLines(lines)](QPrinter& printer, const QFont&,
                                                 const PrintProgress& progress) {
        setUpReportPage(printer);
        const bool painted = paintClassReport(printer, sheet);
        return painted && (!progress || progress(1, 1));
    };
}

PrintOutcome printRecordListWithDialog(QWidget& parent, const std::vector<std::string>& lines,
                                       const QFont& font, const PrintProgress& progress) {
    return printWithDialog(parent, recordListPrinter(lines), font, progress);
}

PrintOutcome printRecordListOn(QPrinter& printer, const std::vector<std::string>& lines,
                               const QFont& font, const PrintProgress& progress) {
    return printOn(printer, recordListPrinter(lines), font, progress);
}
