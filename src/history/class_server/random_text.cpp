#include "history/class_server/random_text.h"

#include <fstream>

namespace {

constexpr char kLetters[] = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr int kPasswordLength = 24;

}  // namespace

std::string randomText(int count, const std::string& alphabet) {
    std::ifstream source("/dev/urandom", std::ios::binary);
    std::string text;
    while (static_cast<int>(text.size()) < count) {
        const int byte = source.get();
        if (byte < 0) break;
        // Bytes past the last whole multiple of the alphabet would favour its first letters.
        const int limit = 256 - 256 % static_cast<int>(alphabet.size());
        if (byte < limit) text += alphabet[static_cast<std::size_t>(byte) % alphabet.size()];
    }
    return text;
}

std::string randomPassword() { return randomText(kPasswordLength, kLetters); }
