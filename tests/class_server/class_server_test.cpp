// The class server with a real PostgreSQL: trainers of two classes send through outages with
// every record kept once, the roles see only what they may, a refused join keeps nothing and
// loses nothing, a history of the previous schema joins and sends its old records, and a teacher
// reads only the classes given, each learner as the family's own history shows it; over the
// network the line is encrypted wherever the server offers it.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#include "class_admin.h"
#include "class_server/postgres_server.h"
#include "class_server/silent_proxy.h"
#include "history/class_server/class_joining.h"
#include "history/class_server/class_outbox.h"
#include "history/class_server/line_authority.h"
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

TEST_F(ClassServer, ATrainerRoleOnlyAddsRowsOfItsOwnClassAndATeacherReadsOnlyTheirs) {
    const std::string file = historyNamed("trainer");
    ASSERT_TRUE(joinClass(file, firstClass).joined);
    HistoryWriter writer(openHistoryFile(file).store);
    writer.storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    writer.waitUntilWritten();
    EXPECT_EQ(OutboxSender(file).sendWaiting().sent, 1);

    PgSession trainer(ClassOutbox(file).link()->connection);
    PgSession classLine(firstClass);
    EXPECT_EQ(valueOf(trainer, "SELECT abacus.joined_class()"), "三年级二班");
    for (const std::string table : {"runs", "run_questions", "drills", "classes", "book_marks",
                                    "level_questions", "level_book_marks", "trainer_roles"}) {
        EXPECT_EQ(valueOf(trainer, "SELECT count(*) FROM abacus." + table), "error") << table;
        EXPECT_EQ(valueOf(classLine, "SELECT count(*) FROM abacus." + table), "error") << table;
    }
    EXPECT_EQ(valueOf(trainer, "SELECT abacus.taught_classes()"), "error");
    EXPECT_EQ(valueOf(trainer, "SELECT abacus.enrol('SCRAM-SHA-256$x')"), "error");
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
    // The class's line only joins: it adds nothing, and a password must arrive hashed.
    EXPECT_FALSE(classLine.run(levelTest, {ownClass}));
    EXPECT_EQ(valueOf(classLine, "SELECT abacus.enrol('plain')"), "error");

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

// Each family that joins sends as a role of its own: a new password or a read-only default that
// one family gives its role, or the class's line, leaves every other family sending and joining.
TEST_F(ClassServer, NoFamilyChangesWhatAnotherSendsOrWhetherItJoins) {
    const std::string first = historyNamed("first");
    const std::string second = historyNamed("second");
    ASSERT_TRUE(joinClass(first, firstClass).joined);
    ASSERT_TRUE(joinClass(second, firstClass).joined);
    const std::string firstLine = ClassOutbox(first).link()->connection;
    const std::string secondLine = ClassOutbox(second).link()->connection;
    EXPECT_NE(firstLine, secondLine);
    EXPECT_EQ(valueOfLine(firstLine, "user").rfind("trainer_", 0), 0u) << firstLine;
    EXPECT_NE(valueOfLine(firstLine, "password"), valueOfLine(firstClass, "password"));
    EXPECT_EQ(valueOf(admin, "SELECT count(*) FROM abacus.trainer_roles"), "2");

    PgSession meddler(firstLine);
    ASSERT_TRUE(meddler.connected()) << meddler.detail();
    EXPECT_TRUE(
        meddler.runScript("ALTER ROLE CURRENT_USER SET default_transaction_read_only = on"));
    EXPECT_TRUE(meddler.runScript("ALTER ROLE CURRENT_USER PASSWORD 'mine now'"));
    const std::string secondRole = valueOfLine(secondLine, "user");
    EXPECT_FALSE(meddler.runScript("ALTER ROLE " + secondRole + " PASSWORD 'x'"));
    EXPECT_FALSE(
        meddler.runScript("ALTER ROLE " + secondRole + " SET default_transaction_read_only = on"));
    EXPECT_FALSE(
        meddler.runScript("ALTER ROLE " + valueOfLine(firstClass, "user") + " PASSWORD 'x'"));
    PgSession classMeddler(firstClass);
    EXPECT_TRUE(
        classMeddler.runScript("ALTER ROLE CURRENT_USER SET default_transaction_read_only = on"));

    openHistoryFile(second).store->storeRun(sampleRun("小明", "2026-12-08", 2));
    const SendPass sent = OutboxSender(second).sendWaiting();
    EXPECT_EQ(sent.trouble, ServerTrouble::None) << sent.detail;
    EXPECT_EQ(sent.sent, 1);
    EXPECT_EQ(valueOf(admin, "SELECT count(*) FROM abacus.runs WHERE learner = '小明'"), "1");
    // The family that changed its own role's password keeps its records until it joins again.
    openHistoryFile(first).store->storeRun(sampleRun("豆 豆", "2026-12-08", 2));
    EXPECT_EQ(OutboxSender(first).sendWaiting().trouble, ServerTrouble::WrongPassword);
    EXPECT_EQ(ClassOutbox(first).waiting(), 1);
    const std::string third = historyNamed("third");
    EXPECT_TRUE(joinClass(third, firstClass).joined);
    ASSERT_TRUE(joinClass(first, firstClass).joined);
    EXPECT_EQ(OutboxSender(first).sendWaiting().sent, 1);
}

TEST_F(ClassServer, ARefusedJoinKeepsNothingAndAnOutageLosesNothing) {
    const std::string file = historyNamed("trainer");
    const StoredPaper paper{"豆 豆", 1,  "2026-12-08", "09:00:00", "+-",
                            2,       20, true,         "单  列",   false};
    // Nothing is queued before a class is joined.
    openHistoryFile(file).store->storePaper(paper);
    EXPECT_EQ(ClassOutbox(file).waiting(), 0);
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
    const JoinAnswer noPassword =
        joinClass(file, firstClass.substr(0, firstClass.find(" password=")));
    EXPECT_EQ(noPassword.message, "没有加入班级：" + troubleText(ServerTrouble::NotAClassLine, {}));
    // Lines of roles that belong to no class: the administrator's, a teacher's, and the line a
    // trainer keeps for its own role.
    std::string message;
    const std::string teacherLine = addTeacher(admin, {"三年级二班"}, {}, message);
    const std::string otherFile = historyNamed("other");
    ASSERT_TRUE(joinClass(otherFile, secondClass).joined);
    for (const std::string& noClass :
         {server.line(), teacherLine, ClassOutbox(otherFile).link()->connection}) {
        EXPECT_EQ(joinClass(file, noClass).message,
                  "没有加入班级：这个账号不属于班级服务器上的任何班级，请向老师核对。")
            << noClass;
    }
    EXPECT_FALSE(ClassOutbox(file).link());

    // A file others could read before joining keeps the line's password to its user after,
    // its log and shared memory too, held open as the trainer holds them.
    namespace fs = std::filesystem;
    constexpr auto othersRead = fs::perms::group_read | fs::perms::others_read;
    auto held = openHistoryFile(file).store;
    held->storePaper(paper);
    for (const std::string& part : {file, file + "-wal", file + "-shm"}) {
        fs::permissions(part, othersRead, fs::perm_options::add);
    }
    ASSERT_FALSE(joinClass(file, withPassword("guessed")).joined);
    EXPECT_EQ(fs::status(file).permissions() & othersRead, othersRead);
    ASSERT_TRUE(joinClass(file, firstClass).joined);
    for (const std::string& part : {file, file + "-wal", file + "-shm"}) {
        ASSERT_TRUE(fs::exists(part)) << part;
        EXPECT_EQ(fs::status(part).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write)
            << part;
    }
    HistoryWriter writer(openHistoryFile(file).store);
    for (int i = 0; i < 3; ++i) writer.storeRun(sampleRun("豆 豆", "2026-12-08", 2));
    writer.waitUntilWritten();
    const std::string ownLine = ClassOutbox(file).link()->connection;
    const std::string role = valueOfLine(ownLine, "user");
    const std::string password = valueOfLine(ownLine, "password");
    ASSERT_TRUE(admin.runScript("ALTER ROLE " + role + " PASSWORD 'changed'"));
    OutboxSender sender(file);
    EXPECT_EQ(sender.sendWaiting().trouble, ServerTrouble::WrongPassword);
    ASSERT_TRUE(server.stop());
    EXPECT_EQ(sender.sendWaiting().trouble, ServerTrouble::NoAnswer);
    EXPECT_EQ(ClassOutbox(file).waiting(), 5);  // the runs and the papers stored before joining
    ASSERT_TRUE(server.start());
    PgSession restored(server.line());
    ASSERT_TRUE(restored.runScript("ALTER ROLE " + role + " PASSWORD '" + password + "'"));
    const SendPass pass = sender.sendWaiting();
    EXPECT_EQ(pass.trouble, ServerTrouble::None);
    EXPECT_EQ(pass.sent, 5);
    EXPECT_EQ(ClassOutbox(file).waiting(), 0);
    EXPECT_EQ(valueOf(restored, "SELECT count(*) FROM abacus.run_questions"), "6");

    // Joining again queues every record anew; the server keeps each once, questions and all.
    ASSERT_TRUE(joinClass(file, firstClass).joined);
    EXPECT_EQ(ClassOutbox(file).waiting(), 5);
    const SendPass again = sender.sendWaiting();
    EXPECT_EQ(again.trouble, ServerTrouble::None) << again.detail;
    EXPECT_EQ(again.sent, 5);
    EXPECT_EQ(valueOf(restored, "SELECT count(*) FROM abacus.run_questions"), "6");
    EXPECT_EQ(valueOf(restored, "SELECT count(*) FROM abacus.papers"), "2");

    // The same sender follows the line to another class at once.
    ASSERT_TRUE(joinClass(file, secondClass).joined);
    openHistoryFile(file).store->storeRun(sampleRun("豆 豆", "2026-12-09", 2));
    EXPECT_EQ(sender.sendWaiting().trouble, ServerTrouble::None);
    EXPECT_EQ(valueOf(restored,
                      "SELECT c.name FROM abacus.runs r JOIN abacus.classes c ON c.id = r.class_id "
                      "WHERE r.start_date = '2026-12-09'"),
              "四年级一班");

    // Once the class is left, nothing new is queued.
    ASSERT_TRUE(ClassOutbox(file).leave());
    openHistoryFile(file).store->storePaper(paper);
    openHistoryFile(file).store->storeRun(sampleRun("豆 豆", "2026-12-10", 2));
    EXPECT_EQ(ClassOutbox(file).waiting(), 0);
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
                  "豆 豆\t2026-12-08\t31\t2\t2\t2\t七级\t57%\t10+5=15; 1+2+4=7; 12×3=36"}));
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
            addClass(admin, "三年级二班", {"127.0.0.1", server.port(), {}}, message);
        ASSERT_FALSE(line.empty()) << message;
        PgSession family(withTrainerDefaults(line));
        ASSERT_TRUE(family.connected()) << family.detail();
        EXPECT_EQ(PQsslInUse(family.connection()) == 1, tls);

        const std::string file = folder + (tls ? "/tls.sqlite3" : "/plain.sqlite3");
        ASSERT_TRUE(openHistoryFile(file).store);
        const JoinAnswer required = joinClass(file, line + " sslmode=require");
        EXPECT_EQ(required.joined, tls) << required.message;
        if (tls) {
            // A school's own authority in the line: the server's certificate is checked, and a
            // server that another authority vouches for is refused.
            std::ifstream certificate(server.folder() + "/data/server.crt");
            const std::string pem{std::istreambuf_iterator<char>(certificate), {}};
            const std::string checked = addClass(
                admin, "三年级三班", {"127.0.0.1", server.port(), authorityValue(pem)}, message);
            ASSERT_NE(checked.find(" sslmode=verify-full ca=MII"), std::string::npos) << checked;
            const JoinAnswer verified = joinClass(file, checked);
            EXPECT_TRUE(verified.joined) << verified.message;
            const std::string own = ClassOutbox(file).link()->connection;
            EXPECT_EQ(valueOfLine(own, "sslmode"), "verify-full");
            EXPECT_EQ(authorityOf(own), authorityOf(checked));
            openHistoryFile(file).store->storeRun(sampleRun("豆 豆", "2026-12-08", 2));
            EXPECT_EQ(OutboxSender(file).sendWaiting().sent, 1);
            ASSERT_EQ(
                std::system(("openssl req -x509 -newkey rsa:2048 -nodes -days 1 "
                             "-subj /CN=127.0.0.1 -keyout " +
                             folder + "/other.key -out " + folder + "/other.crt > /dev/null 2>&1")
                                .c_str()),
                0);
            std::ifstream otherCertificate(folder + "/other.crt");
            const std::string otherPem{std::istreambuf_iterator<char>(otherCertificate), {}};
            const std::string forged =
                addClass(admin, "三年级四班",
                         {"127.0.0.1", server.port(), authorityValue(otherPem)}, message);
            const std::string elsewhere = folder + "/elsewhere.sqlite3";
            ASSERT_TRUE(openHistoryFile(elsewhere).store);
            EXPECT_EQ(joinClass(elsewhere, forged).message,
                      "没有加入班级：班级服务器“127.0.0.1”的证书与这一行给出的不符，"
                      "可能不是老师的服务器，请向老师核对。");
            EXPECT_FALSE(ClassOutbox(elsewhere).link());
            continue;
        }
        EXPECT_EQ(required.message,
                  "没有加入班级：班级服务器“127.0.0.1”不提供加密连接，而这一行要求加密"
                  "（sslmode=require），请向老师核对。");
        EXPECT_FALSE(ClassOutbox(file).link());
        EXPECT_TRUE(joinClass(file, line).joined) << "a line that asks nothing joins in the clear";
    }
}

// After each failure in a row the sender waits twice as long, from the first pause up to the
// longest, and never longer.
TEST(RetryPause, DoublesWithEachFailureInARowUpToTheLongest) {
    for (const auto& [first, longest] : {std::pair{1000ms, 300000ms}, std::pair{10ms, 200ms},
                                         std::pair{700ms, 700ms}, std::pair{3ms, 1000ms}}) {
        EXPECT_EQ(retryPause(1, first, longest), first);
        for (int failures = 1; failures < 64; ++failures) {
            const auto pause = retryPause(failures, first, longest);
            EXPECT_EQ(retryPause(failures + 1, first, longest), std::min(pause * 2, longest))
                << failures << " failures from " << first.count() << " ms";
        }
        EXPECT_EQ(retryPause(1000, first, longest), longest);
    }
}

// A link that goes silent in the middle of a send (a proxy that stops forwarding after the first
// INSERT) is an outage like any other: the pass gives up at its deadline, the replay's sync
// returns, the outbox keeps every record, and a raised stop ends a wait far longer than the test
// may run, both while connecting and within a statement.
TEST_F(ClassServerOverTheNetwork, AServerGoneSilentIsAnOutageAndTheStopEndsAnyWaitOnIt) {
    PostgresServer server("-c fsync=off", Listening::LoopbackPlain);
    ASSERT_TRUE(server.running());
    PgSession admin(server.line());
    std::string message;
    ASSERT_TRUE(initClassServer(admin, message)) << message;
    SilentProxy proxy(std::stoi(server.port()), "INSERT");
    const std::string line =
        addClass(admin, "三年级二班", {"127.0.0.1", proxy.port(), {}}, message);
    ASSERT_FALSE(line.empty()) << message;
    ASSERT_TRUE(openStore());
    ASSERT_TRUE(joinClass(path, line).joined);
    {
        auto store = openStore();
        for (int i = 0; i < 3; ++i) store->storeRun(sampleRun("豆 豆", "2026-12-08", 2));
    }
    const SendPass pass = OutboxSender(path, {1s, 1s}).sendWaiting();
    EXPECT_TRUE(proxy.silent());
    EXPECT_EQ(pass.trouble, ServerTrouble::NoAnswer) << pass.detail;
    EXPECT_EQ(ClassOutbox(path).waiting(), 3);
    EXPECT_EQ(valueOf(admin, "SELECT count(*) FROM abacus.runs"), "0");

    ReplaySession replay;
    std::string error;
    for (const std::string& command : {"history " + path, "sync"s}) {
        EXPECT_EQ(replay.run(command, error), std::vector<std::string>{}) << error;
    }
    EXPECT_EQ(replay.run("print outbox", error), std::vector<std::string>{"outbox 3"});

    const ServerDeadlines longerThanTheTest{10min, 10min};
    StopSignal stop;
    std::thread stopper([&] {
        std::this_thread::sleep_for(300ms);
        stop.raise();
    });
    const auto throughProxy = [&](const SilentProxy& link) {
        return "host=127.0.0.1 port=" + link.port() +
               server.line().substr(server.line().find(" dbname="));
    };
    PgSession connecting(throughProxy(proxy), longerThanTheTest, &stop);
    stopper.join();
    EXPECT_FALSE(connecting.connected());
    EXPECT_EQ(connecting.trouble(), ServerTrouble::NoAnswer);

    SilentProxy another(std::stoi(server.port()), "INSERT");
    StopSignal stopInStatement;
    PgSession sending(throughProxy(another), longerThanTheTest, &stopInStatement);
    ASSERT_TRUE(sending.connected()) << sending.detail();
    stopper = std::thread([&] {
        std::this_thread::sleep_for(300ms);
        stopInStatement.raise();
    });
    EXPECT_FALSE(sending.run("INSERT INTO abacus.schema_version VALUES (7)"));
    stopper.join();
    EXPECT_TRUE(another.silent());
    EXPECT_EQ(sending.trouble(), ServerTrouble::NoAnswer);
    EXPECT_FALSE(sending.connected());
}

}  // namespace
