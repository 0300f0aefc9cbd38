#include "history/sqlite/history_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

constexpr char kApplicationFolder[] = "abacus-trainer";
constexpr char kDefaultDataHome[] = ".local/share";
constexpr mode_t kOwnerOnlyFolder = 0700;

}  // namespace

std::string historyDataFolder(const char* xdgDataHome, const std::string& home) {
    const std::filesystem::path given = xdgDataHome == nullptr ? "" : xdgDataHome;
    const std::filesystem::path base =
        given.is_absolute() ? given : std::filesystem::path(home) / kDefaultDataHome;
    return (base / kApplicationFolder).string();
}

FolderTrouble createPrivateFolder(const std::string& folder) {
    std::filesystem::path partial;
    for (const auto& part : std::filesystem::path(folder)) {
        partial /= part;
        if (::mkdir(partial.c_str(), kOwnerOnlyFolder) != 0 && errno != EEXIST) {
            return {partial.string(), errno};
        }
    }
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) return {folder, errno};
    if (!S_ISDIR(status.st_mode)) return {folder, ENOTDIR};
    return {};
}

FolderTrouble unusableFolder(const std::string& folder) {
    // A read-only disk is told by the file's own checks, which name the file.
    if (::access(folder.c_str(), X_OK | W_OK) != 0 && errno != EROFS) return {folder, errno};
    return {};
}

std::string causeOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "没有权限";
        case EROFS:
            return "磁盘是只读的";
        case ENOSPC:
        case EDQUOT:
            return "磁盘已满";
        case ENOTDIR:
            return "路径中有一项不是文件夹";
        case ENOENT:
            return "路径中有一项不存在";
        case ENAMETOOLONG:
            return "路径太长";
        case ELOOP:
            return "路径中的链接太多";
        default:
            return std::strerror(error);
    }
}

std::string withResolvedFolders(const std::string& path) {
    const std::filesystem::path given(path);
    char resolved[PATH_MAX] = {};
    const std::string folder = given.parent_path().empty() ? "." : given.parent_path().string();
    if (::realpath(folder.c_str(), resolved) == nullptr) return path;
    return (std::filesystem::path(resolved) / given.filename()).string();
}

FileKind kindAt(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return FileKind::Missing;
    const mode_t type = status.st_mode & S_IFMT;
    if (type == S_IFREG) return FileKind::Plain;
    if (type == S_IFDIR) return FileKind::Folder;
    if (type == S_IFIFO) return FileKind::Pipe;
    if (type == S_IFSOCK) return FileKind::Socket;
    if (type == S_IFCHR || type == S_IFBLK) return FileKind::Device;
    struct stat target {};
    return ::stat(path.c_str(), &target) == 0 ? FileKind::Link : FileKind::Dangling;
}
