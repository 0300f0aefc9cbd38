#include "history/sqlite/kept_copies.h"

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>

namespace {

constexpr int kMostKeptNames = 100;
constexpr const char* kCompanions[] = {"-wal", "-shm"};
constexpr char kLogSuffix[] = "-wal";

// Moves `from` to `to` unless `to` exists; never replaces a file.
bool moveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

// Copies `from` to `to` unless `to` exists; never replaces a file.
bool copyWithoutReplacing(const std::string& from, const std::string& to) {
    std::error_code error;
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, error);
}

// The local date and time as "20261208-090500".
std::string timeStamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

// Puts `path` under the first free kept name with `place` (a move or a copy), then its
// companions with `placeCompanion`; the kept name, or empty.
template <typename Place, typename PlaceCompanion>
std::string keepUnderFreeName(const std::string& path, Place place, PlaceCompanion placeCompanion) {
    const std::string stamp = timeStamp();
    for (int attempt = 0; attempt < kMostKeptNames; ++attempt) {
        const std::string kept = path + ".damaged-" + stamp +
                                 (attempt == 0 ? std::string() : "-" + std::to_string(attempt));
        if (std::filesystem::exists(kept + kLogSuffix) || !place(path, kept)) continue;
        placeCompanion(kept);
        return kept;
    }
    return {};
}

}  // namespace

std::string keepDamaged(const std::string& path) {
    return keepUnderFreeName(path, moveWithoutReplacing, [&path](const std::string& kept) {
        for (const char* companion : kCompanions) {
            if (std::filesystem::exists(path + companion)) {
                moveWithoutReplacing(path + companion, kept + companion);
            }
        }
    });
}

std::string keepCopy(const std::string& path) {
    std::string failed;
    const std::string kept =
        keepUnderFreeName(path, copyWithoutReplacing, [&](const std::string& copy) {
            if (!copyWithoutReplacing(path + kLogSuffix, copy + kLogSuffix)) failed = copy;
        });
    if (!failed.empty()) {
        std::error_code error;
        std::filesystem::remove(failed, error);
        return {};
    }
    return kept;
}
