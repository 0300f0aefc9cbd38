#include "report_pdf.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

// The table as HTML, every text escaped.
QString tableHtml(const std::string& className,
                  const std::vector<std::vector<std::string>>& table) {
    QString html = QStringLiteral(
                       "<h2>%1</h2><table border=1 cellspacing=0 cellpadding=4 "
                       "width=100%>")
                       .arg(QString::fromStdString(className).toHtmlEscaped());
    for (std::size_t row = 0; row < table.size(); ++row) {
        const QString cell = row == 0 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const std::string& field : table[row]) {
            html += QStringLiteral("<%1>%2</%1>")
                        .arg(cell, QString::fromStdString(field).toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

bool writeReportPdf(const std::string& path, const std::string& className,
                    const std::vector<std::vector<std::string>>& table) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit's notes about the desktop it runs without are not the teacher's concern.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int argc = 1;
    char name[] = "abacus-class";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    QPdfWriter writer(QString::fromStdString(path));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setTitle(QString::fromStdString(className));
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("宋体"), 9));
    document.setHtml(tableHtml(className, table));
    document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
    document.print(&writer);
    return QFileInfo::exists(QString::fromStdString(path));
}
