#include "ui/qt/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installToolkitTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
