// Writes the window icon into a desktop icon theme: <theme>/<N>x<N>/apps/<name>.png for each
// size N named on the command line, each painted at its own size so that every one is crisp.

#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "desktop/form/window_icon.h"
#include "private_runtime_folder.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s THEME_FOLDER ICON_NAME SIZE...\n", argv[0]);
        return 2;
    }
    QStringList arguments;
    for (int index = 1; index < argc; ++index) arguments << QString::fromLocal8Bit(argv[index]);
    ensurePrivateRuntimeFolder();
    QGuiApplication application(argc, argv);

    const QString theme = arguments.takeFirst();
    const QString name = arguments.takeFirst();
    for (const QString& sizeText : arguments) {
        bool isNumber = false;
        const int size = sizeText.toInt(&isNumber);
        if (!isNumber || size < 1) {
            std::fprintf(stderr, "not an icon size: %s\n", qPrintable(sizeText));
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!QDir().mkpath(folder) || !paintAbacusIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
