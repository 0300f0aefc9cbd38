// The class server on a local PostgreSQL of its own (durable: fsync on): 100,000 records sent
// from 8 trainers at once, in records per second, and the teacher's report of a class of 30
// among 100 classes holding a year of practice.

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "class_admin.h"
#include "class_server/postgres_server.h"
#include "history/class_server/class_outbox.h"
#include "history/class_server/class_report.h"
#include "history/class_server/outbox_sender.h"
#include "history/sqlite/history_file.h"

namespace {

constexpr int kTrainers = 8;
constexpr int kRecordsPerTrainer = 12500;
constexpr int kClasses = 100;
constexpr int kLearnersPerClass = 30;
constexpr int kReportTimings = 20;

using Clock = std::chrono::steady_clock;

// Half runs with five questions, half drill chains, stored in one transaction; the class is
// already joined, so every one lands in the outbox.
void storeRecords(const std::string& path, int trainer) {
    sqlite3* database = nullptr;
    sqlite3_open(path.c_str(), &database);
    const std::string learner = "'学员" + std::to_string(trainer) + "'";
    const std::string sql =
        "BEGIN;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(kRecordsPerTrainer / 2) +
        ") INSERT INTO runs (learner, start_date, start_time, mode, digits, question_count, "
        "seconds_per_question, exam, layout, fill_in, answered, right_count, wrong_count, "
        "score, seconds_used) SELECT " +
        learner +
        ", date('2026-01-01', '+' || (i % 300) || ' days'), '09:00:00', '+-', 2, 5, 60, 1, "
        "'单  列', 0, 5, 4, 1, 80, 40 FROM n;"
        "INSERT INTO questions (run_id, number, first_term, operator, second_term, result_term, "
        "blank_position, typed_answer, right_answer, right, attempts) SELECT r.id, k.k, '12', "
        "'+', '5', '17', 1, '17', '17', k.k <> 3, '' FROM runs r, (SELECT 1 AS k UNION SELECT 2 "
        "UNION SELECT 3 UNION SELECT 4 UNION SELECT 5) k;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(kRecordsPerTrainer / 2) +
        ") INSERT INTO drills (learner, date, time, kind, digits, terms, seconds_per_number, "
        "mix, view, chain, answer, right, stopped, seconds_used) SELECT " +
        learner +
        ", '2026-12-08', '10:00:00', '闪电心算', 1, 3, '1.0', '只加', '看数', '1+2+3', '6', 1, "
        "0, 9 FROM n; COMMIT;";
    sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(database);
}

// Sends 100,000 records from 8 trainers at once; records per second.
void benchSending(PostgresServer& server, PgSession& admin, const std::string& folder) {
    std::string message;
    const std::string line = addClass(admin, "送达测试班", {}, message);
    std::vector<std::string> paths;
    for (int trainer = 0; trainer < kTrainers; ++trainer) {
        paths.push_back(folder + "/trainer" + std::to_string(trainer) + ".sqlite3");
        openHistoryFile(paths.back());
        ClassOutbox(paths.back()).join(line, "送达测试班");
        storeRecords(paths.back(), trainer);
    }
    long long waiting = 0;
    for (const std::string& path : paths) waiting += ClassOutbox(path).waiting();
    const auto start = Clock::now();
    std::vector<std::thread> senders;
    for (const std::string& path : paths) {
        senders.emplace_back([path] { OutboxSender(path).sendWaiting(); });
    }
    for (std::thread& sender : senders) sender.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    PgSession check(server.line());
    const PgResult counted = check.run(
        "SELECT (SELECT count(*) FROM abacus.runs) + (SELECT count(*) FROM abacus.drills)");
    std::printf(
        "sending: %lld records from %d trainers at once in %.2f s: %.0f records/s "
        "(%s on the server)\n",
        waiting, kTrainers, seconds, static_cast<double>(waiting) / seconds,
        counted ? PQgetvalue(counted.get(), 0, 0) : "?");
}

// Fills 100 classes of 30 learners with a year of practice each day: a run of five questions,
// two drill chains, and a level test each week; vacuumed, as autovacuum would have.
bool fillAYear(PgSession& admin) {
    std::string message;
    for (int group = 0; group < kClasses; ++group) {
        if (addClass(admin, "班" + std::to_string(group), {}, message).empty()) return false;
    }
    return admin.runScript(R"(
CREATE TEMP TABLE year AS
SELECT c.id AS class_id, '学员' || l AS learner, d::date AS day
FROM abacus.classes c, generate_series(1, 30) l,
     generate_series(date '2025-12-09', date '2026-12-08', interval '1 day') d
WHERE c.name LIKE '班%';
INSERT INTO abacus.runs (uuid, class_id, learner, start_date, start_time, mode, digits,
    question_count, seconds_per_question, exam, layout, fill_in, answered, right_count,
    wrong_count, score, seconds_used)
SELECT gen_random_uuid(), class_id, learner, day, '09:00', '+-', 2, 5, 60, true, '单  列', false,
    5, 4, 1, 80, 300 FROM year;
INSERT INTO abacus.run_questions (run_uuid, number, class_id, first_term, operator,
    second_term, result_term, blank_position, typed_answer, right_answer, "right", attempts)
SELECT r.uuid, k, r.class_id, (10 + k)::text, '+', (k * 7 % 10)::text, '0', 1, '0',
    (10 + k + k * 7 % 10)::text, k <> 3, ''
FROM abacus.runs r, generate_series(1, 5) k
WHERE r.class_id IN (SELECT id FROM abacus.classes WHERE name LIKE '班%');
INSERT INTO abacus.drills (uuid, class_id, learner, date, time, kind, digits, terms,
    seconds_per_number, mix, view, chain, answer, "right", stopped, seconds_used, rhyme_group,
    wrong_clicks)
SELECT gen_random_uuid(), class_id, learner, day, '10:00', '闪电心算', 1, 3, '1.0', '只加',
    '看数', '1+2+3', '6', true, false, 9, '', 0 FROM year, generate_series(1, 2);
INSERT INTO abacus.level_tests (uuid, class_id, learner, date, time, level, minutes_per_item,
    addition_right, passed)
SELECT gen_random_uuid(), class_id, learner, day, '11:00', extract(week FROM day)::int % 10, 10,
    8, true FROM year WHERE extract(dow FROM day) = 5;
)") && admin.runScript("VACUUM ANALYZE");
}

// Times the report of one class among the hundred; the median of a few.
void benchReport(PgSession& admin) {
    const auto start = Clock::now();
    if (!fillAYear(admin)) {
        std::printf("report: the year could not be stored: %s\n", admin.detail().c_str());
        return;
    }
    std::printf("report: a year of 100 classes of 30 stored in %.1f s\n",
                std::chrono::duration<double>(Clock::now() - start).count());
    std::vector<double> timings;
    std::size_t rows = 0;
    for (int i = 0; i < kReportTimings; ++i) {
        std::string error;
        const auto before = Clock::now();
        const auto table = classReport(admin, "班42", std::string("2026-12-08"), error);
        timings.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
        rows = table ? table->table.size() - 1 : 0;
    }
    std::sort(timings.begin(), timings.end());
    std::printf(
        "report: a class of %zu learners among %d classes: median %.1f ms, slowest %.1f ms "
        "(goal: under 100 ms)\n",
        rows, kClasses, timings[timings.size() / 2], timings.back());
}

}  // namespace

int main() {
    PostgresServer server("-c fsync=on -c shared_buffers=128MB");
    if (!server.running()) {
        std::printf("no PostgreSQL server could be started\n");
        return 1;
    }
    PgSession admin(server.line());
    std::string message;
    if (!initClassServer(admin, message)) {
        std::printf("the class server could not be set up: %s\n", message.c_str());
        return 1;
    }
    benchSending(server, admin, server.folder());
    benchReport(admin);
    return 0;
}
