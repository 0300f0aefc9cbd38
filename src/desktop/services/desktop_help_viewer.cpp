#include "desktop/services/desktop_help_viewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

HelpOpenResult DesktopHelpViewer::open(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) return HelpOpenResult::Missing;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? HelpOpenResult::Opened
                                                                : HelpOpenResult::NoViewer;
}
