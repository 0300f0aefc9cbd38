// The class server with a real PostgreSQL: trainers of two classes send through outages with
// every record kept once, the roles see only what they may, a refused join keeps nothing and
// loses nothing, a history of the previous schema joins and sends its old records, and a teacher
// reads only the classes given, each learner as the family's own history shows it; over the
// network the line is encrypted wherever the server offers it.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "class_admin.h"
#include "class_server/postgres_server.h"
#include "history/class_server/class_joining.h"
#include "history/class_server/class_outbox.h"
#include "history/class_server/outbox_sender.h"
#include "history/class_server/teacher_reading.h"
#include "history/history_fixture.h"
#include "history/history_writer.h"
#include "history/sqlite/history_schema.h"
#include "replay_session.h"

namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

// The first value of the first row of `sql` on `session`; "error" when it fails.
std::string valueOf(PgSession& session, const std::string& sql,
                    const std::vector<std::optional<std::string>>& values = {}) {
    const PgResult result = session.run(sql, values);
    if (!result || PQntuples(result.get()) < 1) return "error";
    return PQgetvalue(result.get(), 0, 0);
}

// Every value of the first column of `sql` in the SQLite file at `path`.
std::set<std::string> localColumn(const std::string& path, const std::string& sql) {
    sqlite3* database = nullptr;
    sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READONLY, nullptr);
    // The trainer's sender may be taking records out of the outbox at that moment.
    sqlite3_busy_timeout(database, 10000);
    sqlite3_stmt* statement = nullptr;
    std::set<std::string> values;
    if (sqlite3_prepare_v2(database, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            values.insert(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(database);
    return values;
}

// A drill chain of `learner`, the `number`th of the day.
StoredDrill sampleDrill(const std::string& learner, int number) {
    StoredDrill drill;
    drill.learner = learner;
    drill.date = "2026-12-08";
    drill.time = "10:00:00";
    drill.kind = "闪电心算";
    drill.digits = 1;
    drill.terms = 3;
    drill.secondsPerNumber = "1.0";
    drill.mix = "只加";
    drill.view = "看数";
    drill.chain = "1+2+" + std::to_string(number);
    drill.answer = std::to_string(3 + number);
    drill.right = true;
    drill.secondsUsed = 5;
    return drill;
}

// A server set up with two classes, each with the line its families join by.
class ClassServer : public HistoryFolder {
  protected:
    void SetUp() override {
        HistoryFolder::SetUp();
        ASSERT_TRUE(server.running());
        std::string message;
        ASSERT_TRUE(initClassServer(admin, message)) << message;
        firstClass = addClass(admin, "三年级二班", {}, message);
        secondClass = addClass(admin, "四年级一班", {}, message);
        ASSERT_FALSE(firstClass.empty()) << message;
        ASSERT_FALSE(secondClass.empty()) << message;
    }

    // A history file of its own in the test's folder.
    std::string historyNamed(const std::string& name) {
        const std::string file = folder + "/" + name + ".sqlite3";
        EXPECT_TRUE(openHistoryFile(file).store);
        return file;
    }

    PostgresServer server;
    PgSession admin{server.line()};
    std::string firstClass;
    std::string secondClass;
};

// One trainer: its history written by the writer thread, its outbox sent in the background.
struct Trainer {
    Trainer(const std::string& file, const std::string& learnerName)
        : path(file),
          learner(learnerName),
          writer(openHistoryFile(file).store),
          sender(std::make_unique<BackgroundSender>(file, 20ms, 10ms, 200ms)) {}

    // Stores `count` runs and as many drill chains, as finished practice does.
    void practise(int count) {
        for (int i = 0; i < count; ++i) {
            writer.storeRun(sampleRun(learner, "2026-12-08", 3));
            writer.storeDrill(sampleDrill(learner, made));
            made += 1;
        }
        writer.waitUntilWritten();
    }

    std::string path;
    std::string learner;
    HistoryWriter writer;
    std::unique_ptr<BackgroundSender> sender;
    int made = 0;
};

TEST_F(ClassServer, TrainersOfTwoClassesSendEveryRecordOnceThroughStopsAndAKill) {
    // A name that would end the statement were it ever read as SQL.
    const std::string sly = "Robert'); DROP TABLE abacus.runs; --";
    Trainer first(historyNamed("first"), "豆 豆");
    Trainer second(historyNamed("second"), sly);
    Trainer other(historyNamed("other"), "小明");
    first.practise(2);  // kept before the class was joined, and sent all the same
    ASSERT_TRUE(joinClass(first.path, firstClass).joined);
    ASSERT_TRUE(joinClass(second.path, firstClass).joined);
    ASSERT_TRUE(joinClass(other.path, secondClass).joined);
    for (Trainer* trainer : {&first, &second, &other}) trainer->practise(5);

    ASSERT_TRUE(server.stop());
    for (Trainer* trainer : {&first, &second, &other}) trainer->practise(5);
    EXPECT_GT(ClassOutbox(first.path).waiting(), 0);
    ASSERT_TRUE(server.start());
    for (Trainer* trainer : {&first, &second, &other}) {
        trainer->sender->wake();
        trainer->practise(60);
    }
    ASSERT_TRUE(server.kill());  // while the senders are busy with the last ones
    for (Trainer* trainer : {&first, &second, &other}) trainer->practise(3);
    ASSERT_TRUE(server.start());

    const auto deadline = std::chrono::steady_clock::now() + 60s;
    const auto waiting = [&] {
        long long sum = 0;
        for (Trainer* trainer : {&first, &second, &other})
            sum += ClassOutbox(trainer->path).waiting();
        return sum;
    };
    while (waiting() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_EQ(waiting(), 0);

    PgSession check(server.line());
    const std::string inFirst = "(SELECT id FROM abacus.classes WHERE name = '三年级二班')";
    const int firstClassRuns = first.made + second.made;
    EXPECT_EQ(valueOf(check, "SELECT count(*) FROM abacus.runs WHERE class_id = " + inFirst),
              std::to_string(firstClassRuns));
    EXPECT_EQ(valueOf(check, "SELECT count(*) FROM abacus.drills WHERE class_id = " + inFirst),
              std::to_string(firstClassRuns));
    EXPECT_EQ(valueOf(check, "SELECT count(*) FROM abacus.runs"),
              std::to_string(firstClassRuns + other.made));
    EXPECT_EQ(valueOf(check, "SELECT count(*) FROM abacus.run_questions"),
              std::to_string(3 * (firstClassRuns + other.made)));
    EXPECT_EQ(valueOf(check, "SELECT count(*) FROM abacus.runs WHERE learner = $1", {sly}),
              std::to_string(second.made));
    // The very records made, each once: the server's ids are the trainers' own.
    std::set<std::string> made;
    for (Trainer* trainer : {&first, &second, &other}) {
        for (const std::string table : {"runs", "drills"}) {
            const auto ids = localColumn(trainer->path, "SELECT uuid FROM " + table);
            made.insert(ids.begin(), ids.end());
        }
    }
    const PgResult sent = check.run(
        "SELECT uuid::text FROM abacus.runs UNION ALL SELECT uuid::text FROM abacus.drills");
    ASSERT_TRUE(sent);
    std::set<std::string> received;
    for (int row = 0; row < PQntuples(sent.get()); ++row)
        received.insert(PQgetvalue(sent.get(), row, 0));
    EXPECT_EQ(static_cast<std::size_t>(PQntuples(sent.get())), made.size());
    EXPECT_EQ(received, made);
}

TEST_F(ClassServer, AClassRoleOnlyAddsRowsOfItsOwnClassAndATeacherReadsOnlyTheirs) {
    const std::string file = historyNamed("trainer");
    ASSERT_TRUE(joinClass(file, firstClass).joined);
    HistoryWriter writer(openHistoryFile(file).store);
    writer.storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    writer.waitUntilWritten();
    EXPECT_EQ(OutboxSender(file).sendWaiting().sent, 1);

    PgSession trainer(firstClass);
    EXPECT_EQ(valueOf(trainer, "SELECT abacus.joined_class()"), "三年级二班");
    for (const std::string table : {"runs", "run_questions", "drills", "classes", "book_marks",
                                    "level_questions", "level_book_marks"}) {
        EXPECT_EQ(valueOf(trainer, "SELECT count(*) FROM abacus." + table), "error") << table;
    }
    EXPECT_EQ(valueOf(trainer, "SELECT abacus.taught_classes()"), "error");
    EXPECT_FALSE(trainer.run("DELETE FROM abacus.runs"));
    EXPECT_FALSE(trainer.run("UPDATE abacus.runs SET score = 100"));
    const std::string otherClass = valueOf(admin, "SELECT id FROM abacus.classes WHERE name = $1",
                                           {std::string("四年级一班")});
    const std::string levelTest =
        "INSERT INTO abacus.level_tests (uuid, class_id, learner, date, time, level, "
        "minutes_per_item, addition_right, passed) VALUES (gen_random_uuid(), $1, 'x', "
        "'2026-12-08', '09:00', 3, 10, 9, true)";
    EXPECT_FALSE(trainer.run(levelTest, {otherClass}));
    const std::string ownClass = valueOf(admin, "SELECT id FROM abacus.classes WHERE name = $1",
                                         {std::string("三年级二班")});
    EXPECT_TRUE(trainer.run(levelTest, {ownClass}));

    std::string message;
    const std::string teacherLine = addTeacher(admin, {"四年级一班"}, {}, message);
    ASSERT_FALSE(teacherLine.empty()) << message;
    PgSession teacher(teacherLine);
    EXPECT_EQ(valueOf(teacher, "SELECT count(*) FROM abacus.runs"), "0");
    EXPECT_EQ(valueOf(teacher, "SELECT count(*) FROM abacus.classes"), "1");
    EXPECT_FALSE(teacher.run(levelTest, {otherClass}));
    const std::string firstTeacher = addTeacher(admin, {"三年级二班"}, {}, message);
    PgSession ownTeacher(firstTeacher);
    EXPECT_EQ(valueOf(ownTeacher, "SELECT count(*) FROM abacus.runs"), "1");
    EXPECT_EQ(valueOf(ownTeacher, "SELECT count(*) FROM abacus.level_tests"), "1");
}

TEST_F(ClassServer, ARefusedJoinKeepsNothingAndAnOutageLosesNothing) {
    const std::string file = historyNamed("trainer");
    const auto withPassword = [&](const std::string& password) {
        return firstClass.substr(0, firstClass.find("password=")) + "password=" + password;
    };
    const JoinAnswer wrong = joinClass(file, withPassword("guessed"));
    EXPECT_FALSE(wrong.joined);
    EXPECT_EQ(wrong.message, "没有加入班级：班级代码或密码不对，请向老师核对后再试。");
    const JoinAnswer nowhere =
        joinClass(file, "host=" + folder + " port=5432 dbname=abacus user=class_x password=y");
    EXPECT_FALSE(nowhere.joined);
    EXPECT_EQ(nowhere.message,
              "没有加入班级：班级服务器“" + folder + "”没有应答，请检查网络，或稍后再试。");
    EXPECT_FALSE(joinClass(file, "三年级二班").joined);
    EXPECT_FALSE(ClassOutbox(file).link());

    ASSERT_TRUE(joinClass(file, firstClass).joined);
    HistoryWriter writer(openHistoryFile(file).store);
    for (int i = 0; i < 3; ++i) writer.storeRun(sampleRun("豆 豆", "2026-12-08", 2));
    writer.waitUntilWritten();
    const std::string role = firstClass.substr(firstClass.find("user=") + 5, 14);
    const std::string password = firstClass.substr(firstClass.find("password=") + 9);
    ASSERT_TRUE(admin.runScript("ALTER ROLE " + role + " PASSWORD 'changed'"));
    OutboxSender sender(file);
    EXPECT_EQ(sender.sendWaiting().trouble, ServerTrouble::WrongPassword);
    ASSERT_TRUE(server.stop());
    EXPECT_EQ(sender.sendWaiting().trouble, ServerTrouble::NoAnswer);
    EXPECT_EQ(ClassOutbox(file).waiting(), 3);
    ASSERT_TRUE(server.start());
    PgSession restored(server.line());
    ASSERT_TRUE(restored.runScript("ALTER ROLE " + role + " PASSWORD '" + password + "'"));
    const SendPass pass = sender.sendWaiting();
    EXPECT_EQ(pass.trouble, ServerTrouble::None);
    EXPECT_EQ(pass.sent, 3);
    EXPECT_EQ(ClassOutbox(file).waiting(), 0);
    EXPECT_EQ(valueOf(restored, "SELECT count(*) FROM abacus.run_questions"), "6");
}

TEST_F(ClassServer, AFileOfThePreviousSchemaJoinsThroughTheReplayAndSendsItsOldRecords) {
    {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        ASSERT_EQ(migrateHistorySchema(database, 6), MigrationResult::Current);
        ASSERT_EQ(sqlite3_exec(
                      database,
                      "INSERT INTO runs VALUES (1, '豆 豆', '2026-12-01', '09:00:00', '+-', 2, 2, "
                      "60, 1, '单  列', 0, 2, 1, 1, 50, 30);"
                      "INSERT INTO questions VALUES (1, 1, '12', '+', '5', '17', 1, '17', '17', "
                      "1, '', 0), (1, 2, '40', '-', '8', '30', 1, '30', '32', 0, '', 1);"
                      "INSERT INTO papers VALUES (1, '豆 豆', 3, '2026-12-01', '10:00:00', '+-', "
                      "2, 20, 1, '单  列', 0);"
                      "INSERT INTO drills (learner, date, time, kind, digits, terms, "
                      "seconds_per_number, mix, view, chain, answer, right, stopped, "
                      "seconds_used) VALUES ('豆 豆', '2026-12-02', '08:00:00', '闪电心算', 1, 3, "
                      "'1.0', '只加', '看数', '1+2+3', '6', 1, 0, 9);"
                      "INSERT INTO level_tests VALUES (1, '豆 豆', '2026-12-03', '09:00:00', 2, "
                      "10, 9, NULL, 1);"
                      "INSERT INTO level_questions VALUES (1, 0, 1, '3+4', '8', '7', 0, 1), "
                      "(1, 0, 2, '5+1', '6', '6', 1, 0);",
                      nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(database);
    }
    ReplaySession replay;
    std::string error;
    const auto printed = [&](const std::string& line) {
        const auto lines = replay.run(line, error);
        EXPECT_TRUE(lines) << line << ": " << error;
        return lines.value_or(std::vector<std::string>{});
    };
    printed("history " + path);
    EXPECT_EQ(answerOf("PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(localColumn(path,
                          "SELECT uuid FROM runs UNION ALL SELECT uuid FROM papers UNION "
                          "ALL SELECT uuid FROM drills UNION ALL SELECT uuid FROM level_tests")
                  .size(),
              4u);
    EXPECT_EQ(printed("print outbox"), std::vector<std::string>{"outbox 0"});
    printed("join " + firstClass);
    EXPECT_EQ(printed("print dialogs"),
              (std::vector<std::string>{
                  "dialogs 1", "已加入班级“三年级二班”，学习记录会自动上传到班级服务器。"}));
    // The run, the paper, the drill, the level test and the questions taken out of the book.
    EXPECT_EQ(printed("print outbox"), std::vector<std::string>{"outbox 6"});
    EXPECT_EQ(printed("sync"), std::vector<std::string>{});
    EXPECT_EQ(printed("print outbox"), std::vector<std::string>{"outbox 0"});

    PgSession check(server.line());
    EXPECT_EQ(valueOf(check,
                      "SELECT string_agg(first_term || operator || second_term || ' ' || "
                      "typed_answer || ' ' || \"right\"::text, ',' ORDER BY number) "
                      "FROM abacus.run_questions"),
              "12+5 17 true,40-8 30 false");
    EXPECT_EQ(valueOf(check, "SELECT count(*) FROM abacus.book_marks WHERE number = 2"), "1");
    EXPECT_EQ(valueOf(check, "SELECT learner || chain FROM abacus.drills"), "豆 豆1+2+3");
    EXPECT_EQ(valueOf(check, "SELECT level::text || passed::text FROM abacus.level_tests"),
              "2true");
    EXPECT_EQ(valueOf(check,
                      "SELECT string_agg(question || ' ' || typed_answer || ' ' || "
                      "\"right\"::text, ',' ORDER BY number) FROM abacus.level_questions q "
                      "JOIN abacus.level_tests t ON t.uuid = q.test_uuid"),
              "3+4 8 false,5+1 6 true");
    EXPECT_EQ(
        valueOf(check, "SELECT item::text || '/' || number::text FROM abacus.level_book_marks"),
        "0/1");
    EXPECT_EQ(valueOf(check, "SELECT number::text || date::text FROM abacus.papers"),
              "32026-12-01");
    EXPECT_EQ(valueOf(check, "SELECT uuid::text FROM abacus.runs"),
              *localColumn(path, "SELECT uuid FROM runs").begin());
}

TEST_F(ClassServer, ATeacherReadsOnlyTheClassesGivenAndEachLearnerAsTheirOwnHistory) {
    const std::string sly = "Robert'); DROP TABLE abacus.runs; --";
    const std::vector<StoredLevelQuestion> levelWork = {{0, 1, "48+19", "66", "67", false},
                                                        {0, 2, "325-67", "258", "258", true},
                                                        {1, 1, "12×3", "35", "36", false},
                                                        {1, 2, "21×4", "", "84", false}};
    {
        auto store = openStore();
        StoredRun exam = sampleRun("豆 豆", "2026-12-07", 6);  // 10+5 and 13+5 wrong
        StoredRun practice = sampleRun("豆 豆", "2026-12-08", 3);
        practice.exam = false;
        practice.startTime = "10:00:00";
        practice.questions[1].practiceAttempts = {"9", "14"};
        store->storeRun(exam);
        store->storeRun(practice);
        ASSERT_EQ(store->takeOutOfBook("豆 豆", exam.questions[3]), StoreOutcome::Stored);
        StoredDrill bead = sampleDrill("豆 豆", 4);
        bead.kind = "拨珠练习";
        bead.time = "10:05:00";
        bead.rhymeGroup = "直加";
        bead.wrongClicks = 2;
        store->storeDrill(sampleDrill("豆 豆", 1));
        store->storeDrill(bead);
        store->storeLevelTest({"豆 豆", "2026-12-03", "09:00:00", 3, 10, {9}, true, {}});
        // Taken as the practice run started: the book lists the test's wrong questions first.
        store->storeLevelTest({"豆 豆", "2026-12-08", "10:00:00", 5, 10, {4, 3}, false, levelWork});
    }
    const std::string slyFile = historyNamed("sly");
    openHistoryFile(slyFile).store->storeRun(sampleRun(sly, "2026-12-08", 3));
    const std::string otherFile = historyNamed("other");
    openHistoryFile(otherFile).store->storeRun(sampleRun("小明", "2026-12-08", 3));
    ASSERT_TRUE(joinClass(path, firstClass).joined);
    ASSERT_TRUE(joinClass(slyFile, firstClass).joined);
    ASSERT_TRUE(joinClass(otherFile, secondClass).joined);
    // Redone right once the class was joined: the mark follows the test to the server.
    ASSERT_EQ(openStore()->takeOutOfBook("豆 豆", {"12×3", "", "", "", 1, "36", "36", true, {}}),
              StoreOutcome::Stored);
    for (const std::string& file : {path, slyFile, otherFile}) OutboxSender(file).sendWaiting();

    std::string message;
    const std::string teacherOfFirst = addTeacher(admin, {"三年级二班"}, {}, message);
    const std::string teacherOfBoth = addTeacher(admin, {"四年级一班", "三年级二班"}, {}, message);
    ASSERT_FALSE(teacherOfFirst.empty()) << message;
    ReplaySession replay;
    std::string error;
    const auto printed = [&](const std::string& line) {
        const auto lines = replay.run(line, error);
        EXPECT_TRUE(lines) << line << ": " << error;
        return lines.value_or(std::vector<std::string>{});
    };
    const auto dialogs = [&](const std::string& shown) {
        return std::vector<std::string>{"dialogs 1", shown};
    };
    printed("clock 2026-12-08 18:00:00");

    // Nothing is read before a teacher has logged in, and a refused login keeps nothing.
    EXPECT_EQ(printed("print class"), std::vector<std::string>{"class 0"});
    EXPECT_EQ(printed("print dialogs"), dialogs("请先用“教师登录…”登录。"));
    printed("teacher " + teacherOfFirst.substr(0, teacherOfFirst.find("password=")) +
            "password=guessed");
    EXPECT_EQ(printed("print dialogs"), dialogs("没有登录：教师账号或密码不对，请核对后再试。"));
    printed("teacher host=" + folder + " port=5432 dbname=abacus user=teacher_x password=y");
    EXPECT_EQ(printed("print dialogs"),
              dialogs("没有登录：班级服务器“" + folder + "”没有应答，请检查网络，或稍后再试。"));
    printed("teacher " + firstClass);
    EXPECT_EQ(printed("print dialogs"), dialogs("没有登录：这个账号不是班级服务器上的教师账号。"));
    EXPECT_EQ(printed("print class"), std::vector<std::string>{"class 0"});
    EXPECT_EQ(printed("print dialogs"), dialogs("请先用“教师登录…”登录。"));

    printed("teacher " + teacherOfFirst);
    EXPECT_EQ(printed("print dialogs"),
              dialogs("已登录为教师，可以在“学习记录…”的“班级”页查看：三年级二班。"));
    EXPECT_EQ(printed("print class"),
              (std::vector<std::string>{
                  "class 2",
                  "Robert'); DROP TABLE abacus.runs; --\t2026-12-08\t0\t1\t0\t0\t\t67%\t10+5=15",
                  "豆 豆\t2026-12-08\t1\t2\t2\t2\t七级\t67%\t10+5=15; 13+5=18"}));
    // The other class's learners are out of reach by every way in.
    EXPECT_EQ(printed("print class 四年级一班"), std::vector<std::string>{"class 0"});
    EXPECT_EQ(printed("print dialogs"), dialogs("无法读取班级：您没有“四年级一班”这个班级。"));
    EXPECT_FALSE(readClassTable(teacherOfFirst, "四年级一班", std::nullopt).read);
    const LearnerRecords elsewhere = readLearnerRecords(teacherOfFirst, "四年级一班", "小明");
    EXPECT_FALSE(elsewhere.read);
    EXPECT_EQ(elsewhere.message, "无法读取班级：您没有“四年级一班”这个班级。");
    EXPECT_EQ(printed("print class-learner 小明"),
              (std::vector<std::string>{"history 0", "book 0", "levels 0", "drills 0"}));

    // A learner read from the server is the family's own history, line for line.
    const std::vector<std::string> fromServer = printed("print class-learner 豆 豆");
    ReplaySession family;
    std::vector<std::string> own;
    for (const std::string& line : {"history " + path, "pick 豆 豆"s, "print history"s,
                                    "print book"s, "print levels"s, "print drills"s}) {
        const auto lines = family.run(line, error);
        ASSERT_TRUE(lines) << line << ": " << error;
        own.insert(own.end(), lines->begin(), lines->end());
    }
    EXPECT_EQ(fromServer, own);
    EXPECT_EQ(std::count(own.begin(), own.end(), "history 2"), 1);
    EXPECT_NE(std::find(own.begin(), own.end(), "book 5"), own.end());
    EXPECT_EQ(printed("print class-learner " + sly)[0], "history 1");

    printed("teacher " + teacherOfBoth);
    EXPECT_EQ(printed("print dialogs"),
              dialogs("已登录为教师，可以在“学习记录…”的“班级”页查看：三年级二班、四年级一班。"));
    EXPECT_EQ(
        printed("print class 四年级一班"),
        (std::vector<std::string>{"class 1", "小明\t2026-12-08\t0\t1\t0\t0\t\t67%\t10+5=15"}));
    EXPECT_EQ(printed("print class-learner 小明")[0], "history 1");

    // A server gone since: each read says so and prints nothing of the class.
    ASSERT_TRUE(server.stop());
    const std::string gone =
        "无法读取班级：班级服务器“" + server.folder() + "”没有应答，请检查网络，或稍后再试。";
    EXPECT_EQ(printed("print class"), std::vector<std::string>{"class 0"});
    EXPECT_EQ(printed("print dialogs"), dialogs(gone));
    EXPECT_EQ(printed("print class-learner 小明"),
              (std::vector<std::string>{"history 0", "book 0", "levels 0", "drills 0"}));
    EXPECT_EQ(printed("print dialogs"), dialogs(gone));
    printed("menu Form1_main 教师登录…");
    EXPECT_EQ(printed("print windows"), (std::vector<std::string>{"windows 1", "teacher login"}));
}

// A family's line over the network: encrypted wherever the server offers TLS, whether the line
// says nothing of it or asks for it; asking for it of a server without TLS joins nothing.
class ClassServerOverTheNetwork : public HistoryFolder {};

TEST_F(ClassServerOverTheNetwork, EncryptsWhereTheServerOffersTlsAndRequireRefusesAServerWithout) {
    for (const Listening listening : {Listening::LoopbackTls, Listening::LoopbackPlain}) {
        const bool tls = listening == Listening::LoopbackTls;
        PostgresServer server("-c fsync=off", listening);
        ASSERT_TRUE(server.running());
        PgSession admin(server.line());
        std::string message;
        ASSERT_TRUE(initClassServer(admin, message)) << message;
        const std::string line =
            addClass(admin, "三年级二班", {"127.0.0.1", server.port()}, message);
        ASSERT_FALSE(line.empty()) << message;
        PgSession family(withTrainerDefaults(line));
        ASSERT_TRUE(family.connected()) << family.detail();
        EXPECT_EQ(PQsslInUse(family.connection()) == 1, tls);

        const std::string file = folder + (tls ? "/tls.sqlite3" : "/plain.sqlite3");
        ASSERT_TRUE(openHistoryFile(file).store);
        const JoinAnswer required = joinClass(file, line + " sslmode=require");
        EXPECT_EQ(required.joined, tls) << required.message;
        if (tls) continue;
        EXPECT_EQ(required.message,
                  "没有加入班级：班级服务器“127.0.0.1”不提供加密连接，而这一行要求加密"
                  "（sslmode=require），请向老师核对。");
        EXPECT_FALSE(ClassOutbox(file).link());
        EXPECT_TRUE(joinClass(file, line).joined) << "a line that asks nothing joins in the clear";
    }
}

}  // namespace
