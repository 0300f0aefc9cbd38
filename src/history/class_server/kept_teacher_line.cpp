#include "history/class_server/kept_teacher_line.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

constexpr char kFileName[] = "teacher-line";
constexpr mode_t kOwnerOnlyFolder = 0700;
constexpr mode_t kOwnerOnlyFile = 0600;
// A connection line is a few hundred bytes; a larger file is no line of ours.
constexpr off_t kLongestFile = 4096;

}  // namespace

std::string teacherLineFileIn(const std::string& dataFolder) {
    return (std::filesystem::path(dataFolder) / kFileName).string();
}

std::optional<std::string> keptTeacherLine(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    struct stat status {};
    std::string text;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_size <= kLongestFile) {
        text.resize(static_cast<std::size_t>(status.st_size));
        if (::read(descriptor, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            text.clear();
        }
    }
    ::close(descriptor);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.empty()) return std::nullopt;
    return text;
}

bool keepTeacherLine(const std::string& path, const std::string& line) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (::mkdir(folder.c_str(), kOwnerOnlyFolder) != 0 && errno != EEXIST) return false;
    const std::string partial = path + ".new";
    ::unlink(partial.c_str());
    const int descriptor = ::open(
        partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnlyFile);
    if (descriptor < 0) return false;
    const std::string text = line + '\n';
    const bool written =
        ::write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
        ::fsync(descriptor) == 0;
    ::close(descriptor);
    if (written && ::rename(partial.c_str(), path.c_str()) == 0) return true;
    ::unlink(partial.c_str());
    return false;
}

bool forgetTeacherLine(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}
