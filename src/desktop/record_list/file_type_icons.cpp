#include "desktop/record_list/file_type_icons.h"

#include <QFileInfo>

namespace {

const QString kFolderType = QStringLiteral("文件夹");
const QString kFileType = QStringLiteral("文件");

}  // namespace

// The folder or file icon, chosen from the entry's kind alone.
QIcon FileTypeIcons::icon(const QFileInfo& info) const {
    return icon(info.isDir() ? Folder : File);
}

// "文件夹" or "文件", chosen from the entry's kind alone.
QString FileTypeIcons::type(const QFileInfo& info) const {
    return info.isDir() ? kFolderType : kFileType;
}
