#pragma once
// A folder on a disk that fills up: a small tmpfs mounted on it where the system allows it,
// else an ordinary folder where a limit on the size of the files this process writes stands
// in for the full disk.

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class SmallDisk {
  public:
    SmallDisk() {
        char name[] = "/tmp/small-disk-XXXXXX";
        if (mkdtemp(name) == nullptr) std::abort();
        folder_ = name;
        mounted_ = ::mount("tmpfs", name, "tmpfs", 0, "size=256k,mode=0700") == 0;
        getrlimit(RLIMIT_FSIZE, &unlimited_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
    }
    ~SmallDisk() {
        setrlimit(RLIMIT_FSIZE, &unlimited_);
        signal(SIGXFSZ, previousHandler_);
        if (mounted_) ::umount(folder_.c_str());
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::string& folder() const { return folder_; }
    bool mounted() const { return mounted_; }

    // Leaves `bytes` free for what is written from now on: a filler file takes the rest of the
    // tmpfs, or no file may grow more than `bytes` beyond the largest one in the folder.
    void leaveFree(std::size_t bytes) {
        if (mounted_) {
            struct statvfs disk {};
            statvfs(folder_.c_str(), &disk);
            const std::size_t available = disk.f_bavail * disk.f_frsize;
            if (available <= bytes) return;
            std::ofstream filler(folder_ + "/filler", std::ios::binary | std::ios::app);
            const std::string block(available - bytes, '\0');
            filler.write(block.data(), static_cast<std::streamsize>(block.size()));
            return;
        }
        std::uintmax_t largest = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            if (entry.is_regular_file()) largest = std::max(largest, entry.file_size());
        }
        const rlimit limit{static_cast<rlim_t>(largest + bytes), unlimited_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }

    // Makes room again.
    void makeRoom() {
        std::error_code error;
        std::filesystem::remove(folder_ + "/filler", error);
        setrlimit(RLIMIT_FSIZE, &unlimited_);
    }

  private:
    std::string folder_;
    bool mounted_ = false;
    rlimit unlimited_{};
    sighandler_t previousHandler_ = nullptr;
};
