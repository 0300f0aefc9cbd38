#include "desktop/record_list/record_list_output.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSaveFile>

namespace {

// How much text goes to the file in one write.
constexpr qsizetype kChunkBytes = 256 * 1024;

}  // namespace

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

bool saveRecordList(std::span<const std::string> lines, const QString& path,
                    const SaveProgress& progress) {
    QSaveFile file(path);
    // Unbuffered, every write reaches the file system at once, so a full disk is seen at that
    // write; the toolkit loses the error of a last buffered write and would report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const auto total = static_cast<qint64>(lines.size());
    QByteArray chunk;
    for (qint64 done = 0; done < total;) {
        chunk.clear();
        while (done < total && chunk.size() < kChunkBytes) {
            const std::string& line = lines[static_cast<std::size_t>(done++)];
            chunk.append(line.data(), static_cast<qsizetype>(line.size())).append('\n');
        }
        if (file.write(chunk) != chunk.size() || (progress && !progress(done, total))) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
