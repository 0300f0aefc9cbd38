#include "desktop/services/trainer_modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>
#include <mutex>

namespace {

std::mutex foldersMutex;
QStringList extraFolders;

// The folders searched for modules, in order.
QStringList moduleFolders() {
    const std::lock_guard lock(foldersMutex);
    const QString program = QCoreApplication::applicationDirPath();
    return extraFolders + QStringList{program, QDir(program).filePath(ABACUS_MODULE_FOLDER)};
}

}  // namespace

void addTrainerModuleFolder(const QString& folder) {
    const std::lock_guard lock(foldersMutex);
    extraFolders << folder;
}

QFunctionPointer trainerModuleFunction(const QString& name, const char* symbol) {
    const QString fileName = QStringLiteral("lib%1.so").arg(name);
    for (const QString& folder : moduleFolders()) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFile::exists(path)) continue;
        QLibrary module(path);
        if (!module.load()) continue;
        return module.resolve(symbol);
    }
    return nullptr;
}
