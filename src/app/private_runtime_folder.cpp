#include "private_runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

// True when `path` is a folder of this user that nobody else may enter.
bool isPrivateFolder(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) return false;
    return S_ISDIR(status.st_mode) && status.st_uid == getuid() && (status.st_mode & 0777) == 0700;
}

// A fresh folder with a unique name, only for this user; empty when none can be made.
std::string freshPrivateFolder() {
    std::string pattern = "/tmp/abacus-runtime.XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

}  // namespace

void ensurePrivateRuntimeFolder() {
    const char* current = std::getenv("XDG_RUNTIME_DIR");
    if (current != nullptr && *current != '\0') return;
    std::string folder = "/tmp/abacus-runtime-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) folder.clear();
    if (folder.empty() || !isPrivateFolder(folder)) folder = freshPrivateFolder();
    if (!folder.empty()) setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}
