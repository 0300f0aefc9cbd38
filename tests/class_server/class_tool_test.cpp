// abacus-class as a teacher runs it: set-up once and never over something else, the upgrade of
// an earlier server keeping its records, the lines it prints, and the report of a class over the
// seven days that end on a given day.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <regex>

#include "class_server/postgres_server.h"
#include "history/class_server/class_joining.h"
#include "history/class_server/class_outbox.h"
#include "history/class_server/class_server_schema.h"
#include "history/class_server/outbox_sender.h"
#include "history/class_server/teacher_reading.h"
#include "history/history_fixture.h"

namespace {

// What the tool printed on standard output, and its exit code.
struct ToolRun {
    std::string output;
    int exitCode = -1;
};

// Runs `command` in the shell, its standard error with its output.
ToolRun runShell(const std::string& command) {
    ToolRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    std::array<char, 4096> buffer{};
    while (pipe != nullptr && std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        run.output += buffer.data();
    }
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// `text` as one word of the shell.
std::string shellWord(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs abacus-class with `arguments`.
ToolRun runTool(const std::vector<std::string>& arguments) {
    std::string command = ABACUS_CLASS_TOOL;
    for (const std::string& argument : arguments) command += " " + shellWord(argument);
    return runShell(command);
}

// The first value of the first row of `sql`; "error" when it fails.
std::string firstValue(PgSession& session, const std::string& sql) {
    const PgResult result = session.run(sql);
    return result && PQntuples(result.get()) == 1 ? std::string(PQgetvalue(result.get(), 0, 0))
                                                  : "error";
}

using ClassTool = HistoryFolder;

TEST_F(ClassTool, SetsUpOnceRefusesAnotherDatabaseAndReportsTheLastSevenDays) {
    PostgresServer server;
    ASSERT_TRUE(server.running());
    EXPECT_EQ(runTool({"init", server.line()}).output, "the class server is set up\n");
    const ToolRun again = runTool({"init", server.line()});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.output, "the class server is already set up in this database\n");
    PgSession other(server.line("postgres"));
    ASSERT_TRUE(other.runScript("CREATE TABLE pupils (name text)"));
    const ToolRun refused = runTool({"init", server.line("postgres")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.output.find("needs an empty database"), std::string::npos);

    const ToolRun elsewhere = runTool(
        {"add-class", server.line(), "三年级一班", "--host", "school.lan", "--port", "6543"});
    EXPECT_TRUE(std::regex_match(elsewhere.output,
                                 std::regex("host=school.lan port=6543 dbname=abacus "
                                            "user=class_[0-9a-f]{8} password=[A-Za-z0-9]{24}\n")))
        << elsewhere.output;
    EXPECT_EQ(runTool({"add-class", server.line(), "三年级一班"}).exitCode, 1);
    const ToolRun added = runTool({"add-class", server.line(), "三年级二班"});
    ASSERT_EQ(added.exitCode, 0) << added.output;
    const std::string line = added.output.substr(0, added.output.size() - 1);
    EXPECT_EQ(line.rfind("host=" + server.folder() + " port=5432 dbname=abacus user=class_", 0),
              0u);

    auto store = openHistoryFile(path).store;
    ASSERT_TRUE(joinClass(path, line).joined);
    store->storeRun(sampleRun("豆 豆", "2026-12-08", 3));  // 10+5 wrong, two right, 12 s
    store->storeRun(sampleRun("豆 豆", "2026-12-07", 6));  // 10+5 and 13+5 wrong, 24 s
    store->storeRun(sampleRun("豆 豆", "2026-12-01", 6));  // eight days back: outside the week
    store->storeRun(sampleRun("小明", "2026-11-20", 3));
    StoredDrill drill;
    drill.learner = "豆 豆";
    drill.date = "2026-12-05";
    drill.time = "10:00:00";
    drill.kind = "拨珠练习";
    drill.chain = "325+67";
    drill.secondsUsed = 5;
    store->storeDrill(drill);
    store->storeDrill(drill);
    store->storeLevelTest({"豆 豆", "2026-12-03", "09:00:00", 3, 10, {9}, true, {}});
    store->storeLevelTest({"豆 豆", "2026-12-04", "09:00:00", 5, 10, {4, 3}, false, {}});
    ASSERT_EQ(OutboxSender(path).sendWaiting().sent, 8);

    const std::string pdf = folder + "/report.pdf";
    const ToolRun report =
        runTool({"report", server.line(), "三年级二班", "--today", "2026-12-08", "--pdf", pdf});
    EXPECT_EQ(report.output,
              "学员\t最近练习\t7天分钟\t7天练习次数\t7天闪电与拨珠\t7天考级\t最高通过级别\t"
              "7天正确率\t最常错的题\n"
              "小明\t2026-11-20\t0\t0\t0\t0\t\t\t\n"
              "豆 豆\t2026-12-08\t31\t2\t2\t2\t七级\t73%\t10+5=15; 13+5=18\n");
    const std::string printed = runShell("pdftotext " + shellWord(pdf) + " -").output;
    EXPECT_NE(printed.find("三年级二班"), std::string::npos) << printed;
    EXPECT_NE(printed.find("10+5=15; 13+5=18"), std::string::npos) << printed;

    const ToolRun unknown = runTool({"report", server.line(), "没有这个班"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.output, "abacus-class: no class named 没有这个班\n");
}

TEST_F(ClassTool, UpgradesAnEarlierServerOnceKeepingItsRecordsAndRefusesALaterOne) {
    PostgresServer server;
    ASSERT_TRUE(server.running());
    PgSession admin(server.line());
    ASSERT_TRUE(admin.runScript("BEGIN;\n" + classServerSteps(0, 1) + "\nCOMMIT;"));
    const auto valueOf = [&](const std::string& sql) {
        const PgResult result = admin.run(sql);
        return result && PQntuples(result.get()) == 1 ? std::string(PQgetvalue(result.get(), 0, 0))
                                                      : "error";
    };
    // A class as the tool of version 1 made it: its role adds the rows itself.
    EXPECT_EQ(runTool({"add-class", server.line(), "三年级二班"}).exitCode, 1);
    ASSERT_TRUE(admin.runScript(
        "INSERT INTO abacus.classes (name, role_name) VALUES ('三年级二班', 'class_0a0a0a0a');"
        "CREATE ROLE class_0a0a0a0a LOGIN PASSWORD 'old-secret' IN ROLE abacus_trainers;"));
    const std::string classLine = "host=" + server.folder() + " port=" + server.port() +
                                  " dbname=abacus user=class_0a0a0a0a password=old-secret";
    auto store = openHistoryFile(path).store;
    ASSERT_TRUE(joinClass(path, classLine).joined);
    EXPECT_EQ(ClassOutbox(path).link()->connection, classLine);
    store->storeRun(sampleRun("豆 豆", "2026-12-08", 3));  // 10+5 wrong
    OutboxSender sender(path);
    ASSERT_EQ(sender.sendWaiting().sent, 1);
    store->storeLevelTest({"豆 豆",
                           "2026-12-08",
                           "10:00:00",
                           5,
                           10,
                           {0, 0},
                           false,
                           {{0, 1, "48+19", "66", "67", false}}});
    // The earlier server has nowhere to keep a level test's questions: the test waits.
    const SendPass refused = sender.sendWaiting();
    EXPECT_EQ(refused.sent, 0);
    EXPECT_NE(refused.trouble, ServerTrouble::None);
    EXPECT_EQ(ClassOutbox(path).waiting(), 1);

    const ToolRun upgraded = runTool({"init", server.line()});
    EXPECT_EQ(upgraded.exitCode, 0);
    EXPECT_EQ(upgraded.output, "the class server is upgraded to version 3\n");
    EXPECT_EQ(runTool({"init", server.line()}).output,
              "the class server is already set up in this database\n");
    EXPECT_EQ(valueOf("SELECT string_agg(version::text, ',') FROM abacus.schema_version"), "3");
    // The class's line now only joins: the trainer enrols a role of its own and sends as it.
    const SendPass enrolled = sender.sendWaiting();
    EXPECT_EQ(enrolled.sent, 1) << enrolled.detail;
    EXPECT_EQ(valueOfLine(ClassOutbox(path).link()->connection, "user").rfind("trainer_", 0), 0u);
    EXPECT_EQ(valueOf("SELECT count(*) FROM abacus.runs"), "1");
    EXPECT_EQ(valueOf("SELECT count(*) FROM abacus.run_questions"), "3");
    const ToolRun teacher = runTool({"add-teacher", server.line(), "三年级二班"});
    ASSERT_EQ(teacher.exitCode, 0) << teacher.output;
    const LearnerRecords read = readLearnerRecords(
        teacher.output.substr(0, teacher.output.size() - 1), "三年级二班", "豆 豆");
    ASSERT_TRUE(read.read) << read.message;
    ASSERT_EQ(read.book.size(), 2u);
    EXPECT_EQ(read.book[0].question.firstTerm, "48+19");
    EXPECT_EQ(read.book[1].question.firstTerm, "10");

    ASSERT_TRUE(admin.runScript("UPDATE abacus.schema_version SET version = 4"));
    const ToolRun later = runTool({"init", server.line()});
    EXPECT_EQ(later.exitCode, 1);
    EXPECT_NE(later.output.find("of version 4, newer than"), std::string::npos) << later.output;
}

// The set-up as the README writes it, on a server of the tests' own: the lines run by the
// server's administrator make the owner of the database, and init, run as that owner and not as
// the administrator, sets the server up. An owner made without the right to create roles, or a
// role that does not own the database, is told which right is missing and how to grant it.
TEST_F(ClassTool, TheReadmeSetUpWorksAsWrittenAndAMissingRightIsNamed) {
    PostgresServer server;
    ASSERT_TRUE(server.running());
    PgSession administrator(server.line("postgres"));
    ASSERT_TRUE(administrator.run("DROP DATABASE abacus"));
    std::ifstream readme(ABACUS_SOURCE_DIR "/README.md");
    std::vector<std::string> asAdministrator;
    std::string initLine;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("sudo -u postgres create", 0) == 0) asAdministrator.push_back(line);
        if (line.rfind("abacus-class init ", 0) == 0) initLine = line;
    }
    ASSERT_EQ(asAdministrator.size(), 2u);
    ASSERT_FALSE(initLine.empty());
    // The administrator's commands through this server's socket; the password typed at the
    // prompt is set afterwards, as there is no terminal to type it on.
    const std::string client = "PGPASSWORD=admin-secret /usr/lib/postgresql/15/bin/";
    const std::string reach = " -h " + server.folder() + " -p " + server.port() + " -U admin";
    for (std::string command : asAdministrator) {
        command = std::regex_replace(command, std::regex("^sudo -u postgres (\\S+)"),
                                     client + "$1" + reach);
        command = std::regex_replace(command, std::regex(" --pwprompt"), "");
        const ToolRun made = runShell(command);
        ASSERT_EQ(made.exitCode, 0) << command << ": " << made.output;
    }
    ASSERT_TRUE(administrator.runScript("ALTER ROLE abacus_admin PASSWORD 'typed'"));
    const std::string conninfo =
        std::regex_replace(initLine, std::regex("^abacus-class init \"([^\"]*)\"$"), "$1");
    const std::string owner =
        conninfo + " host=" + server.folder() + " port=" + server.port() + " password=typed";
    EXPECT_EQ(firstValue(administrator,
                         "SELECT rolsuper::text FROM pg_roles WHERE rolname = 'abacus_admin'"),
              "false");
    const ToolRun init = runTool({"init", owner});
    EXPECT_EQ(init.output, "the class server is set up\n");
    const ToolRun added = runTool({"add-class", owner, "三年级二班"});
    ASSERT_EQ(added.exitCode, 0) << added.output;
    ASSERT_TRUE(openStore());
    EXPECT_TRUE(joinClass(path, added.output.substr(0, added.output.size() - 1)).joined);

    for (const std::string statement :
         {"CREATE ROLE plain_owner LOGIN PASSWORD 'p'", "CREATE DATABASE other OWNER plain_owner",
          "CREATE ROLE helper LOGIN CREATEROLE PASSWORD 'h'"}) {
        ASSERT_TRUE(administrator.run(statement)) << administrator.detail();
    }
    const std::string reachOther =
        "host=" + server.folder() + " port=" + server.port() + " dbname=other";
    const ToolRun noRoles = runTool({"init", reachOther + " user=plain_owner password=p"});
    EXPECT_EQ(noRoles.exitCode, 1);
    EXPECT_EQ(noRoles.output,
              "abacus-class: the role plain_owner may not create roles (CREATEROLE), which init "
              "needs for the classes' own roles; grant it with:\n"
              "  sudo -u postgres psql -c 'ALTER ROLE \"plain_owner\" CREATEROLE'\n");
    const ToolRun noSchema = runTool({"init", reachOther + " user=helper password=h"});
    EXPECT_EQ(noSchema.exitCode, 1);
    EXPECT_EQ(noSchema.output,
              "abacus-class: the role helper may not create a schema in the database other "
              "(CREATE); make it the database's owner with:\n"
              "  sudo -u postgres psql -c 'ALTER DATABASE \"other\" OWNER TO \"helper\"'\n");
    EXPECT_EQ(
        firstValue(administrator, "SELECT count(*) FROM pg_roles WHERE rolname LIKE 'abacus%'"),
        "4");
}

// Four learners who practised only in the practice room: their share right and the sums they
// got wrong come from the drill chains, the bead questions and the level test's questions, and
// their minutes count the level test; the PDF of a class that needs more than a page keeps its
// words at 10 points or more and 15 mm or more from every edge.
TEST_F(ClassTool, TheReportCountsTheRoomsPracticeAndPrintsReadablePages) {
    PostgresServer server;
    ASSERT_TRUE(server.running());
    ASSERT_EQ(runTool({"init", server.line()}).exitCode, 0);
    const ToolRun added = runTool({"add-class", server.line(), "三年级二班"});
    ASSERT_EQ(added.exitCode, 0) << added.output;
    auto store = openStore();
    ASSERT_TRUE(joinClass(path, added.output.substr(0, added.output.size() - 1)).joined);
    const auto chain = [](const std::string& learner, const std::string& terms,
                          const std::string& answer, bool right) {
        StoredDrill drill;
        drill.learner = learner;
        drill.date = "2026-12-07";
        drill.time = "10:00:00";
        drill.kind = "闪电心算";
        drill.chain = terms;
        drill.answer = answer;
        drill.right = right;
        drill.secondsUsed = 10;
        return drill;
    };
    // 小红: 20 chains, 4 wrong (12+34-5 three times), and one stopped that counts nothing.
    for (int i = 0; i < 16; ++i) store->storeDrill(chain("小红", "1+2+3", "6", true));
    for (int i = 0; i < 3; ++i) store->storeDrill(chain("小红", "12+34-5", "40", false));
    store->storeDrill(chain("小红", "-7+300", "290", false));
    StoredDrill stopped = chain("小红", "9+9", "", false);
    stopped.stopped = true;
    store->storeDrill(stopped);
    // 小刚: 25 listening chains, 2 wrong, and 4 bead questions, one with wrong bead moves.
    for (int i = 0; i < 23; ++i) store->storeDrill(chain("小刚", "5+5", "10", true));
    StoredDrill heard = chain("小刚", "20-3+4", "20", false);
    heard.kind = "听心算";
    store->storeDrill(heard);
    store->storeDrill(heard);
    StoredDrill bead = chain("小刚", "325+67", "392", true);
    bead.kind = "拨珠练习";
    for (int i = 0; i < 3; ++i) store->storeDrill(bead);
    bead.chain = "103÷4";
    bead.answer = "25余3";
    bead.wrongClicks = 2;
    store->storeDrill(bead);
    // 小兰: 十级 failed with 5 wrong of 10 answered, one left open.
    std::vector<StoredLevelQuestion> questions;
    for (int number = 1; number <= 10; ++number) {
        const bool right = number > 5;
        questions.push_back({0, number, "1" + std::to_string(number) + "+8",
                             right ? std::to_string(18 + number) : "0", std::to_string(18 + number),
                             right});
    }
    questions.push_back({0, 11, "77+1", "", "78", false});
    store->storeLevelTest({"小兰", "2026-12-06", "09:00:00", 0, 10, {5}, false, questions});
    // 小明: one chain a week too early.
    StoredDrill early = chain("小明", "1+1", "3", false);
    early.date = "2026-11-30";
    store->storeDrill(early);
    ASSERT_EQ(OutboxSender(path).sendWaiting().trouble, ServerTrouble::None);

    const ToolRun report =
        runTool({"report", server.line(), "三年级二班", "--today", "2026-12-08"});
    EXPECT_EQ(report.output,
              "学员\t最近练习\t7天分钟\t7天练习次数\t7天闪电与拨珠\t7天考级\t最高通过级别\t"
              "7天正确率\t最常错的题\n"
              "小兰\t2026-12-06\t10\t0\t0\t1\t\t50%\t11+8=19; 12+8=20; 13+8=21\n"
              "小刚\t2026-12-07\t5\t0\t29\t0\t\t90%\t20-3+4=21; 103÷4=25余3\n"
              "小明\t2026-11-30\t0\t0\t0\t0\t\t\t\n"
              "小红\t2026-12-07\t4\t0\t21\t0\t\t80%\t12+34-5=41; -7+300=293\n");

    // A class of 40 with long sums wrong: more than a page.
    for (int learner = 0; learner < 40; ++learner) {
        const std::string name = "学员" + std::to_string(learner);
        for (int sum = 0; sum < 3; ++sum) {
            std::string terms = std::to_string(1000 + sum);
            for (int term = 0; term < 14; ++term) terms += "+" + std::to_string(2345 + term);
            store->storeDrill(chain(name, terms, "1", false));
        }
    }
    ASSERT_EQ(OutboxSender(path).sendWaiting().trouble, ServerTrouble::None);
    const std::string pdf = folder + "/report.pdf";
    ASSERT_EQ(
        runTool({"report", server.line(), "三年级二班", "--today", "2026-12-08", "--pdf", pdf})
            .exitCode,
        0);
    const std::string boxes = runShell("pdftotext -bbox " + shellWord(pdf) + " -").output;
    const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    const double margin = 15 / 25.4 * 72;
    int pages = 0;
    int words = 0;
    double width = 0;
    double height = 0;
    for (std::sregex_iterator it(boxes.begin(), boxes.end(), page), end; it != end; ++it) {
        ++pages;
        width = std::stod((*it)[1]);
        height = std::stod((*it)[2]);
    }
    EXPECT_GT(width, height) << "landscape";
    EXPECT_NEAR(width, 841.9, 1.0) << "A4";
    EXPECT_GE(pages, 2);
    for (std::sregex_iterator it(boxes.begin(), boxes.end(), word), end; it != end; ++it) {
        ++words;
        const double left = std::stod((*it)[1]);
        const double top = std::stod((*it)[2]);
        const double right = std::stod((*it)[3]);
        const double bottom = std::stod((*it)[4]);
        EXPECT_GE(bottom - top, 10.0) << (*it)[5];
        EXPECT_GE(left, margin) << (*it)[5];
        EXPECT_GE(top, margin) << (*it)[5];
        EXPECT_LE(right, width - margin) << (*it)[5];
        EXPECT_LE(bottom, height - margin) << (*it)[5];
    }
    EXPECT_GT(words, 200);
    const std::string text = runShell("pdftotext -l 1 " + shellWord(pdf) + " -").output;
    for (const std::string shown :
         {"三年级二班", "2026-12-02", "2026-12-08", "最常错的题", "学员0"}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    }
}

}  // namespace
