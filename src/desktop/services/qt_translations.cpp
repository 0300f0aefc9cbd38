#include "desktop/services/qt_translations.h"

#include <QLibraryInfo>
#include <QTranslator>

void installToolkitTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_zh_CN.qm"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
