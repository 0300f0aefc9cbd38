#pragma once
// The soak's events written down as an abacus-replay script. A window closed for good
// starts the script afresh, so the file always replays the window the soak ends with.

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>

class ReplayScript {
  public:
    // Writes to `path`; an empty path writes nothing.
    explicit ReplayScript(std::string path) : path_(std::move(path)) {}

    // Empties the script and starts it with the seed of a new window.
    void restart(std::uint32_t trainerSeed);
    void add(const std::string& line);
    void flush();
    // Lines written since the last restart.
    long lines() const { return lines_; }

  private:
    std::string path_;
    std::ofstream file_;
    long lines_ = 0;
};
