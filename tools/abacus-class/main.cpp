// abacus-class: sets up a class server and serves its teacher.
//   abacus-class init CONNINFO
//   abacus-class add-class CONNINFO NAME [--host HOST] [--port PORT] [--ca FILE]
//   abacus-class add-teacher CONNINFO CLASS... [--host HOST] [--port PORT] [--ca FILE]
//   abacus-class report CONNINFO CLASS [--today YYYY-MM-DD] [--pdf FILE]

#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "class_admin.h"
#include "history/class_server/class_report.h"
#include "history/class_server/line_authority.h"
#include "report_pdf.h"

namespace {

constexpr char kUsage[] =
    "usage: abacus-class init CONNINFO\n"
    "       abacus-class add-class CONNINFO NAME [--host HOST] [--port PORT] [--ca FILE]\n"
    "       abacus-class add-teacher CONNINFO CLASS... [--host HOST] [--port PORT] [--ca FILE]\n"
    "       abacus-class report CONNINFO CLASS [--today YYYY-MM-DD] [--pdf FILE]\n";

// The words of the command line with its options taken out.
struct Arguments {
    std::vector<std::string> words;
    PublicAddress address;
    std::optional<std::string> today;
    std::string pdf;
    std::string caFile;
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
        } else if (word == "--ca" && hasValue) {
            arguments.caFile = values[++i];
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

// Asks for the password of the line's role on the terminal, without showing it; empty when
// there is no terminal to ask on.
std::string askPassword(const std::string& line) {
    if (::isatty(STDIN_FILENO) == 0) return {};
    const std::string user = valueOfLine(line, "user");
    std::fprintf(stderr, "Password for %s: ", user.empty() ? "the server" : user.c_str());
    termios shown{};
    const bool quiet = ::tcgetattr(STDIN_FILENO, &shown) == 0;
    termios hidden = shown;
    hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    if (quiet) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    std::string password;
    std::getline(std::cin, password);
    if (quiet) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
    std::fputc('\n', stderr);
    return password;
}

// Says `message` on standard error; the exit code 1.
int failWith(const std::string& message) {
    std::fprintf(stderr, "abacus-class: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments = parse(argc, argv);
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
    // Setting up or upgrading a large server may keep it busy for a while, but not for ever.
    if (!arguments.caFile.empty()) {
        std::ifstream file(arguments.caFile);
        const std::string pem{std::istreambuf_iterator<char>(file), {}};
        arguments.address.authority = authorityValue(pem);
        if (arguments.address.authority.empty()) {
            return failWith(arguments.caFile + " holds no certificate");
        }
    }
    const ServerDeadlines deadlines{std::chrono::seconds(30), std::chrono::minutes(5)};
    auto session = std::make_unique<PgSession>(words[1], deadlines);
    // The administrator's password is asked for as psql asks, unless the line or ~/.pgpass
    // gives it.
    if (!session->connected() &&
        session->detail().find("no password supplied") != std::string::npos) {
        const std::string password = askPassword(words[1]);
        if (!password.empty()) {
            session = std::make_unique<PgSession>(
                words[1] + " password=" + quotedConnectionValue(password), deadlines);
        }
    }
    if (!session->connected()) return failWith(session->detail());
    std::string message;
    if (command == "init") {
        const bool done = initClassServer(*session, message);
        if (!done) return failWith(message);
        std::printf("%s\n", message.c_str());
        return 0;
    }
    if (command == "add-class" || command == "add-teacher") {
        const std::string line = command == "add-class"
                                     ? addClass(*session, words[2], arguments.address, message)
                                     : addTeacher(*session, {words.begin() + 2, words.end()},
                                                  arguments.address, message);
        if (line.empty()) return failWith(message);
        std::printf("%s\n", line.c_str());
        return 0;
    }
    const auto report = classReport(*session, words[2], arguments.today, message);
    if (!report) return failWith(message);
    if (!arguments.pdf.empty() && !writeReportPdf(arguments.pdf, words[2], *report)) {
        return failWith("the report could not be written to " + arguments.pdf);
    }
    for (const std::vector<std::string>& row : report->table) {
        std::string line;
        for (const std::string& field : row) line += (line.empty() ? "" : "\t") + field;
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
