#include "ui/qt/record_list_output.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSaveFile>

QString recordListText(std::span<const std::string> lines) {
    QString text;
    for (const std::string& line : lines) {
        text += QString::fromStdString(line);
        text += QLatin1Char('\n');
    }
    return text;
}

void copyRecordList(std::span<const std::string> lines) {
    QGuiApplication::clipboard()->setText(recordListText(lines));
}

bool saveRecordList(std::span<const std::string> lines, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray text = recordListText(lines).toUtf8();
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
