#include "history/sqlite/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

PlainFile::PlainFile(const std::string& path) {
    // Without waiting for a writer, as opening a named pipe would, and without following a link.
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor_ < 0) return;
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor_);
        descriptor_ = -1;
        return;
    }
    size_ = static_cast<std::uint64_t>(status.st_size);
}

PlainFile::~PlainFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool PlainFile::readAt(std::uint64_t offset, std::size_t count,
                       std::vector<unsigned char>& bytes) const {
    bytes.resize(count);
    std::size_t done = 0;
    while (isOpen() && done < count) {
        const ssize_t read = ::pread(descriptor_, bytes.data() + done, count - done,
                                     static_cast<off_t>(offset + done));
        if (read < 0 && errno == EINTR) continue;
        if (read <= 0) return false;
        done += static_cast<std::size_t>(read);
    }
    return done == count;
}
