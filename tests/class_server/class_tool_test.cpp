// abacus-class as a teacher runs it: set-up once and never over something else, the upgrade of
// an earlier server keeping its records, the lines it prints, and the report of a class over the
// seven days that end on a given day.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
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
              "豆 豆\t2026-12-08\t1\t2\t2\t2\t七级\t67%\t10+5=15; 13+5=18\n");
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
    const ToolRun added = runTool({"add-class", server.line(), "三年级二班"});
    ASSERT_EQ(added.exitCode, 0) << added.output;
    auto store = openHistoryFile(path).store;
    ASSERT_TRUE(joinClass(path, added.output.substr(0, added.output.size() - 1)).joined);
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
    EXPECT_EQ(upgraded.output, "the class server is upgraded to version 2\n");
    EXPECT_EQ(runTool({"init", server.line()}).output,
              "the class server is already set up in this database\n");
    EXPECT_EQ(valueOf("SELECT string_agg(version::text, ',') FROM abacus.schema_version"), "2");
    EXPECT_EQ(sender.sendWaiting().sent, 1);
    EXPECT_EQ(valueOf("SELECT count(*) FROM abacus.run_questions"), "3");
    const ToolRun teacher = runTool({"add-teacher", server.line(), "三年级二班"});
    ASSERT_EQ(teacher.exitCode, 0) << teacher.output;
    const LearnerRecords read = readLearnerRecords(
        teacher.output.substr(0, teacher.output.size() - 1), "三年级二班", "豆 豆");
    ASSERT_TRUE(read.read) << read.message;
    ASSERT_EQ(read.book.size(), 2u);
    EXPECT_EQ(read.book[0].question.firstTerm, "48+19");
    EXPECT_EQ(read.book[1].question.firstTerm, "10");

    ASSERT_TRUE(admin.runScript("UPDATE abacus.schema_version SET version = 3"));
    const ToolRun later = runTool({"init", server.line()});
    EXPECT_EQ(later.exitCode, 1);
    EXPECT_NE(later.output.find("of version 3, newer than"), std::string::npos) << later.output;
}

}  // namespace
