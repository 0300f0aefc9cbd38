// abacus-replay: runs the trainer's handlers with no window, one command per input line.

#include <iostream>
#include <string>

#include "replay_parsing.h"
#include "replay_session.h"

int main() {
    std::ios::sync_with_stdio(false);
    ReplaySession session;
    ScriptLineReader reader(*std::cin.rdbuf());
    bool anyBadLine = false;
    std::string line;
    for (long lineNumber = 1; reader.next(line); ++lineNumber) {
        std::string error;
        const auto printed = session.run(line, error);
        if (!printed) {
            std::cerr << "line " << lineNumber << ": " << error << '\n';
            anyBadLine = true;
        } else {
            for (const std::string& out : *printed) std::cout << out << '\n';
        }
        std::cout.flush();
    }
    return anyBadLine ? 1 : 0;
}
