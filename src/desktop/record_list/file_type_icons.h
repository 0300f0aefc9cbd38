#pragma once
// Icons for a file dialog that look only at whether an entry is a folder or a file and never
// open it: guessing a file's type from its contents blocks for good on some special files
// (under /proc, named pipes, devices), which would freeze the window.

#include <QFileIconProvider>

class FileTypeIcons : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
