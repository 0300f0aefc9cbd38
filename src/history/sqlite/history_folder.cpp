#include "history/sqlite/history_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr char kApplicationFolder[] = "abacus-trainer";
constexpr char kDefaultDataHome[] = ".local/share";
constexpr mode_t kOwnerOnlyFolder = 0700;

// True when `folder` is a folder, following links.
bool isFolder(const std::string& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string historyDataFolder(const char* xdgDataHome, const std::string& home) {
    const std::filesystem::path given = xdgDataHome == nullptr ? "" : xdgDataHome;
    const std::filesystem::path base =
        given.is_absolute() ? given : std::filesystem::path(home) / kDefaultDataHome;
    return (base / kApplicationFolder).string();
}

bool createPrivateFolder(const std::string& folder) {
    std::filesystem::path partial;
    for (const auto& part : std::filesystem::path(folder)) {
        partial /= part;
        if (::mkdir(partial.c_str(), kOwnerOnlyFolder) != 0 && errno != EEXIST) return false;
    }
    return isFolder(folder);
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
