// abacus-class: sets up a class server and serves its teacher.
//   abacus-class init CONNINFO
//   abacus-class add-class CONNINFO NAME [--host HOST] [--port PORT]
//   abacus-class add-teacher CONNINFO CLASS... [--host HOST] [--port PORT]
//   abacus-class report CONNINFO CLASS [--today YYYY-MM-DD] [--pdf FILE]

#include <cstdio>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "class_admin.h"
#include "history/class_server/class_report.h"
#include "report_pdf.h"

namespace {

constexpr char kUsage[] =
    "usage: abacus-class init CONNINFO\n"
    "       abacus-class add-class CONNINFO NAME [--host HOST] [--port PORT]\n"
    "       abacus-class add-teacher CONNINFO CLASS... [--host HOST] [--port PORT]\n"
    "       abacus-class report CONNINFO CLASS [--today YYYY-MM-DD] [--pdf FILE]\n";

// The words of the command line with its options taken out.
struct Arguments {
    std::vector<std::string> words;
    PublicAddress address;
    std::optional<std::string> today;
    std::string pdf;
    bool valid = true;
};

Arguments parse(int count, char** values) {
    Arguments arguments;
    for (int i = 1; i < count; ++i) {
        const std::string word = values[i];
        const bool hasValue = i + 1 < count;
        if (word == "--host" && hasValue) {
            arguments.address.host = values[++i];
        } else if (word == "--port" && hasValue) {
            arguments.address.port = values[++i];
        } else if (word == "--pdf" && hasValue) {
            arguments.pdf = values[++i];
        } else if (word == "--today" && hasValue) {
            arguments.today = values[++i];
        } else if (word.rfind("--", 0) == 0) {
            arguments.valid = false;
        } else {
            arguments.words.push_back(word);
        }
    }
    return arguments;
}

// Says `message` on standard error; the exit code 1.
int failWith(const std::string& message) {
    std::fprintf(stderr, "abacus-class: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments arguments = parse(argc, argv);
    const std::vector<std::string>& words = arguments.words;
    const std::string command = words.empty() ? std::string() : words[0];
    const bool fits = arguments.valid && ((command == "init" && words.size() == 2) ||
                                          (command == "add-class" && words.size() == 3) ||
                                          (command == "add-teacher" && words.size() >= 3) ||
                                          (command == "report" && words.size() == 3));
    if (!fits) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (arguments.today &&
        !std::regex_match(*arguments.today, std::regex(R"(\d{4}-\d{2}-\d{2})"))) {
        return failWith("--today takes a date as YYYY-MM-DD");
    }
    PgSession session(words[1]);
    if (!session.connected()) return failWith(session.detail());
    std::string message;
    if (command == "init") {
        const bool done = initClassServer(session, message);
        if (!done) return failWith(message);
        std::printf("%s\n", message.c_str());
        return 0;
    }
    if (command == "add-class" || command == "add-teacher") {
        const std::string line =
            command == "add-class"
                ? addClass(session, words[2], arguments.address, message)
                : addTeacher(session, {words.begin() + 2, words.end()}, arguments.address, message);
        if (line.empty()) return failWith(message);
        std::printf("%s\n", line.c_str());
        return 0;
    }
    const auto table = classReport(session, words[2], arguments.today, message);
    if (!table) return failWith(message);
    if (!arguments.pdf.empty() && !writeReportPdf(arguments.pdf, words[2], *table)) {
        return failWith("the report could not be written to " + arguments.pdf);
    }
    for (const std::vector<std::string>& row : *table) {
        std::string line;
        for (const std::string& field : row) line += (line.empty() ? "" : "\t") + field;
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
