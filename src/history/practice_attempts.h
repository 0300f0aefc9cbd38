#pragma once
// A practice question's attempts as they are kept and sent: one text, an entry a line.

#include <sstream>
#include <string>
#include <vector>

// The attempts as one text, one entry a line.
inline std::string joinedAttempts(const std::vector<std::string>& attempts) {
    std::string joined;
    for (const std::string& attempt : attempts) {
        if (!joined.empty()) joined += '\n';
        joined += attempt;
    }
    return joined;
}

// The attempts back from their text.
inline std::vector<std::string> splitAttempts(const std::string& joined) {
    std::vector<std::string> attempts;
    std::istringstream lines(joined);
    for (std::string line; std::getline(lines, line);) attempts.push_back(line);
    return attempts;
}
