#include "replay_script.h"

void ReplayScript::restart(std::uint32_t trainerSeed) {
    lines_ = 0;
    if (!path_.empty()) {
        file_.close();
        file_.open(path_, std::ios::binary | std::ios::trunc);
    }
    add("seed " + std::to_string(trainerSeed));
}

void ReplayScript::add(const std::string& line) {
    ++lines_;
    if (file_.is_open()) file_ << line << '\n';
}

void ReplayScript::flush() {
    if (file_.is_open()) file_.flush();
}
