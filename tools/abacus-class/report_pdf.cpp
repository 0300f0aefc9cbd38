#include "report_pdf.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>

#include "desktop/printing/class_report_sheet.h"

bool writeReportPdf(const std::string& path, const std::string& className,
                    const ClassReport& report) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit's notes about the desktop it runs without are not the teacher's concern.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int argc = 1;
    char name[] = "abacus-class";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const QString file = QString::fromStdString(path);
    bool painted = false;
    {
        QPdfWriter writer(file);
        writer.setTitle(QString::fromStdString(className));
        writer.setCreator(QStringLiteral("abacus-class"));
        setUpReportPage(writer);
        ClassReportSheet sheet{className, report.firstDay, report.lastDay, {}, {}};
        if (!report.table.empty()) {
            sheet.header = report.table.front();
            sheet.rows.assign(report.table.begin() + 1, report.table.end());
        }
        painted = paintClassReport(writer, sheet);
    }
    return painted && QFileInfo(file).size() > 0;
}
