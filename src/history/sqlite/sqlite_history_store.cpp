#include "history/sqlite/sqlite_history_store.h"

#include <algorithm>
#include <cerrno>
#include <map>

#include "history/practice_attempts.h"

namespace {

constexpr char kRunColumns[] =
    "learner, start_date, start_time, mode, digits, question_count, seconds_per_question, exam, "
    "layout, fill_in, answered, right_count, wrong_count, score, seconds_used, uuid";
constexpr char kPaperColumns[] =
    "learner, number, date, time, mode, digits, question_count, exam, layout, fill_in, uuid";

// The tables of a learner's records, each with its date and time columns and an index on the
// learner, date and time.
struct RecordTable {
    const char* table;
    const char* date;
    const char* time;
};
constexpr RecordTable kRecordTables[] = {{"runs", "start_date", "start_time"},
                                         {"drills", "date", "time"},
                                         {"level_tests", "date", "time"},
                                         {"papers", "date", "time"}};

// The column of runsOf's count of questions right at the first try.
constexpr int kFirstTryColumn = 17;

// A run's own fields from a row of its id and kRunColumns.
StoredRun runFromRow(const SqliteStatement& row) {
    StoredRun run;
    run.id = row.number(0);
    run.learner = row.text(1);
    run.startDate = row.text(2);
    run.startTime = row.text(3);
    run.mode = row.text(4);
    run.digits = static_cast<int>(row.number(5));
    run.questionCount = static_cast<int>(row.number(6));
    run.secondsPerQuestion = static_cast<int>(row.number(7));
    run.exam = row.number(8) != 0;
    run.layout = row.text(9);
    run.fillIn = row.number(10) != 0;
    run.answered = static_cast<int>(row.number(11));
    run.right = static_cast<int>(row.number(12));
    run.wrong = static_cast<int>(row.number(13));
    run.score = static_cast<int>(row.number(14));
    run.secondsUsed = static_cast<int>(row.number(15));
    run.uuid = row.text(16);
    return run;
}

// A question from the columns first_term .. attempts of a row, starting at `column`.
StoredQuestion questionFromRow(const SqliteStatement& row, int column) {
    StoredQuestion question;
    question.firstTerm = row.text(column);
    question.operatorSign = row.text(column + 1);
    question.secondTerm = row.text(column + 2);
    question.resultTerm = row.text(column + 3);
    question.blankPosition = static_cast<std::int16_t>(row.number(column + 4));
    question.typedAnswer = row.text(column + 5);
    question.rightAnswer = row.text(column + 6);
    question.right = row.number(column + 7) != 0;
    question.practiceAttempts = splitAttempts(row.text(column + 8));
    return question;
}

// Every run a statement over the id and kRunColumns returns.
std::vector<StoredRun> readRuns(SqliteStatement& query) {
    std::vector<StoredRun> runs;
    while (query.step() == SQLITE_ROW) runs.push_back(runFromRow(query));
    return runs;
}

// What a failed write's result code says about its cause.
StoreOutcome failureOf(sqlite3* database, int code) {
    const int primary = code & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) return StoreOutcome::Busy;
    const int systemError = sqlite3_system_errno(database);
    if (primary == SQLITE_FULL || systemError == ENOSPC || systemError == EFBIG ||
        systemError == EDQUOT) {
        return StoreOutcome::Full;
    }
    return StoreOutcome::Failed;
}

}  // namespace

SqliteHistoryStore::SqliteHistoryStore(sqlite3* database)
    : database_(database),
      begin_(database, "BEGIN IMMEDIATE"),
      commit_(database, "COMMIT"),
      rollback_(database, "ROLLBACK"),
      insertRun_(database, std::string("INSERT INTO runs (") + kRunColumns +
                               ") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
      insertQuestion_(database,
                      "INSERT INTO questions (run_id, number, first_term, operator, second_term, "
                      "result_term, blank_position, typed_answer, right_answer, right, attempts) "
                      "VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
      insertPaper_(database, std::string("INSERT INTO papers (") + kPaperColumns +
                                 ") VALUES (?,?,?,?,?,?,?,?,?,?,?)") {}

// close_v2 lets the member statements be finalized after it; the file closes with the last.
SqliteHistoryStore::~SqliteHistoryStore() { sqlite3_close_v2(database_); }

template <typename Write>
StoreOutcome SqliteHistoryStore::inTransaction(Write write) {
    if (const int code = begin_.reset().step(); code != SQLITE_DONE) {
        return failureOf(database_, code);
    }
    if (write() && commit_.reset().step() == SQLITE_DONE) return StoreOutcome::Stored;
    const StoreOutcome failure = failureOf(database_, sqlite3_extended_errcode(database_));
    if (sqlite3_get_autocommit(database_) == 0) rollback_.reset().step();
    return failure;
}

bool SqliteHistoryStore::insertQuestions(long long runId, const StoredRun& run) {
    long long number = 0;
    for (const StoredQuestion& question : run.questions) {
        insertQuestion_.reset()
            .bind(1, runId)
            .bind(2, ++number)
            .bind(3, question.firstTerm)
            .bind(4, question.operatorSign)
            .bind(5, question.secondTerm)
            .bind(6, question.resultTerm)
            .bind(7, static_cast<long long>(question.blankPosition))
            .bind(8, question.typedAnswer)
            .bind(9, question.rightAnswer)
            .bind(10, static_cast<long long>(question.right))
            .bind(11, joinedAttempts(question.practiceAttempts));
        if (!insertQuestion_.run()) return false;
    }
    return true;
}

bool SqliteHistoryStore::holds(const char* table, const std::string& uuid) {
    if (uuid.empty()) return false;
    SqliteStatement query(database_, std::string("SELECT 1 FROM ") + table + " WHERE uuid = ?");
    query.bind(1, uuid);
    return query.step() == SQLITE_ROW;
}

StoreOutcome SqliteHistoryStore::storeRun(const StoredRun& run) {
    return inTransaction([&] {
        if (holds("runs", run.uuid)) return true;
        insertRun_.reset()
            .bind(1, run.learner)
            .bind(2, run.startDate)
            .bind(3, run.startTime)
            .bind(4, run.mode)
            .bind(5, static_cast<long long>(run.digits))
            .bind(6, static_cast<long long>(run.questionCount))
            .bind(7, static_cast<long long>(run.secondsPerQuestion))
            .bind(8, static_cast<long long>(run.exam))
            .bind(9, run.layout)
            .bind(10, static_cast<long long>(run.fillIn))
            .bind(11, static_cast<long long>(run.answered))
            .bind(12, static_cast<long long>(run.right))
            .bind(13, static_cast<long long>(run.wrong))
            .bind(14, static_cast<long long>(run.score))
            .bind(15, static_cast<long long>(run.secondsUsed))
            .bind(16, run.uuid);
        return insertRun_.run() && insertQuestions(sqlite3_last_insert_rowid(database_), run);
    });
}

StoreOutcome SqliteHistoryStore::storePaper(const StoredPaper& paper) {
    return inTransaction([&] {
        if (holds("papers", paper.uuid)) return true;
        insertPaper_.reset()
            .bind(1, paper.learner)
            .bind(2, static_cast<long long>(paper.number))
            .bind(3, paper.date)
            .bind(4, paper.time)
            .bind(5, paper.mode)
            .bind(6, static_cast<long long>(paper.digits))
            .bind(7, static_cast<long long>(paper.questionCount))
            .bind(8, static_cast<long long>(paper.exam))
            .bind(9, paper.layout)
            .bind(10, static_cast<long long>(paper.fillIn))
            .bind(11, paper.uuid);
        return insertPaper_.run();
    });
}

std::vector<StoredRun> SqliteHistoryStore::runsOf(const std::string& learner) {
    SqliteStatement query(database_, std::string("SELECT id, ") + kRunColumns +
                                         ", (SELECT COUNT(*) FROM questions q WHERE "
                                         "q.run_id = runs.id AND q.right = 1 AND q.attempts = '')"
                                         " FROM runs WHERE learner = ? "
                                         "ORDER BY start_date DESC, start_time DESC, id DESC");
    query.bind(1, learner);
    std::vector<StoredRun> runs;
    while (query.step() == SQLITE_ROW) {
        runs.push_back(runFromRow(query));
        runs.back().firstTryRight = static_cast<int>(query.number(kFirstTryColumn));
    }
    return runs;
}

std::vector<WrongQuestion> SqliteHistoryStore::wrongQuestionsOf(const std::string& learner) {
    // The runs' questions and the level tests' wrong questions, newest first; a level question
    // is written whole in the first term with the result as its blank.
    SqliteStatement query(
        database_,
        "SELECT r.start_date AS day, r.mode, q.first_term, q.operator, q.second_term, "
        "q.result_term, q.blank_position, q.typed_answer, q.right_answer, q.right, q.attempts, "
        "r.exam, -1, r.start_time AS moment, 0 AS source, r.id AS owner, q.number AS position "
        "FROM questions q JOIN runs r ON r.id = q.run_id WHERE r.learner = ?1 AND "
        "(q.right = 0 OR (r.exam = 0 AND q.attempts <> '')) AND q.out_of_book = 0 "
        "UNION ALL "
        "SELECT t.date, '', q.question, '', '', '', 1, q.typed_answer, q.right_answer, q.right, "
        "'', "
        "1, t.level, t.time, 1, t.id, q.item * 100 + q.number "
        "FROM level_questions q JOIN level_tests t ON t.id = q.test_id WHERE t.learner = ?1 AND "
        "q.right = 0 AND q.out_of_book = 0 "
        "ORDER BY day DESC, moment DESC, source DESC, owner DESC, position");
    query.bind(1, learner);
    std::vector<WrongQuestion> wrong;
    while (query.step() == SQLITE_ROW) {
        wrong.push_back({query.text(0), query.text(1), questionFromRow(query, 2),
                         query.number(11) != 0, static_cast<int>(query.number(12))});
    }
    return wrong;
}

StoreOutcome SqliteHistoryStore::takeOutOfBook(const std::string& learner,
                                               const StoredQuestion& question) {
    if (question.operatorSign.empty()) {
        return inTransaction([&] {
            SqliteStatement update(database_,
                                   "UPDATE level_questions SET out_of_book = 1 WHERE test_id IN "
                                   "(SELECT id FROM level_tests WHERE learner = ?1) AND "
                                   "question = ?2 AND right_answer = ?3");
            update.bind(1, learner).bind(2, question.firstTerm).bind(3, question.rightAnswer);
            return update.run();
        });
    }
    return inTransaction([&] {
        SqliteStatement update(
            database_,
            "UPDATE questions SET out_of_book = 1 WHERE run_id IN "
            "(SELECT id FROM runs WHERE learner = ?1) AND operator = ?2 AND "
            "blank_position = ?3 AND right_answer = ?4 AND "
            "(blank_position NOT IN (1, 2) OR first_term = ?5) AND "
            "(blank_position = 2 OR second_term = ?6) AND (blank_position = 1 OR "
            "result_term = ?7)");
        // The blank's own term holds what was typed there, so it is left out of the match.
        update.bind(1, learner)
            .bind(2, question.operatorSign)
            .bind(3, static_cast<long long>(question.blankPosition))
            .bind(4, question.rightAnswer)
            .bind(5, question.firstTerm)
            .bind(6, question.secondTerm)
            .bind(7, question.resultTerm);
        return update.run();
    });
}

std::vector<StoredRun> SqliteHistoryStore::allRuns() {
    SqliteStatement query(database_,
                          std::string("SELECT id, ") + kRunColumns + " FROM runs ORDER BY id");
    return readRuns(query);
}

std::vector<StoredQuestion> SqliteHistoryStore::questionsOf(long long runId) {
    SqliteStatement query(database_,
                          "SELECT first_term, operator, second_term, result_term, blank_position, "
                          "typed_answer, right_answer, right, attempts FROM questions "
                          "WHERE run_id = ? ORDER BY number");
    query.bind(1, runId);
    std::vector<StoredQuestion> questions;
    while (query.step() == SQLITE_ROW) questions.push_back(questionFromRow(query, 0));
    return questions;
}

std::vector<StoredPaper> SqliteHistoryStore::allPapers() {
    SqliteStatement query(database_,
                          std::string("SELECT ") + kPaperColumns + " FROM papers ORDER BY id");
    std::vector<StoredPaper> papers;
    while (query.step() == SQLITE_ROW) {
        StoredPaper paper;
        paper.learner = query.text(0);
        paper.number = static_cast<int>(query.number(1));
        paper.date = query.text(2);
        paper.time = query.text(3);
        paper.mode = query.text(4);
        paper.digits = static_cast<int>(query.number(5));
        paper.questionCount = static_cast<int>(query.number(6));
        paper.exam = query.number(7) != 0;
        paper.layout = query.text(8);
        paper.fillIn = query.number(9) != 0;
        paper.uuid = query.text(10);
        papers.push_back(std::move(paper));
    }
    return papers;
}

std::vector<LearnerSummary> SqliteHistoryStore::learners() {
    // Each table's learners one by one along its learner index, each with its newest moment
    // read from the same index, so the time grows with the learners, not the records.
    std::map<std::string, std::string> newest;
    for (const auto& [table, date, time] : kRecordTables) {
        const std::string from = std::string(" FROM ") + table;
        SqliteStatement query(
            database_, "WITH RECURSIVE names(name) AS (SELECT MIN(learner)" + from +
                           " UNION ALL SELECT (SELECT MIN(learner)" + from +
                           " WHERE learner > name) FROM names WHERE name IS NOT NULL) "
                           "SELECT name, (SELECT " +
                           date + " || ' ' || " + time + from + " WHERE learner = name ORDER BY " +
                           date + " DESC, " + time +
                           " DESC LIMIT 1) FROM names WHERE name IS NOT NULL");
        while (query.step() == SQLITE_ROW) {
            std::string& moment = newest[query.text(0)];
            moment = std::max(moment, query.text(1));
        }
    }
    std::vector<std::pair<std::string, std::string>> byMoment(newest.begin(), newest.end());
    std::stable_sort(byMoment.begin(), byMoment.end(), [](const auto& left, const auto& right) {
        return left.second > right.second;
    });
    std::vector<LearnerSummary> learners;
    for (const auto& [name, moment] : byMoment) learners.push_back({name, moment.substr(0, 10)});
    return learners;
}

std::optional<std::string> SqliteHistoryStore::setting(const std::string& learner,
                                                       const std::string& key) {
    SqliteStatement query(database_,
                          "SELECT value FROM learner_settings WHERE learner = ? AND key = ?");
    query.bind(1, learner).bind(2, key);
    if (query.step() != SQLITE_ROW) return std::nullopt;
    return query.text(0);
}

StoreOutcome SqliteHistoryStore::setSetting(const std::string& learner, const std::string& key,
                                            const std::string& value) {
    return inTransaction([&] {
        SqliteStatement write(database_,
                              "INSERT INTO learner_settings (learner, key, value) VALUES (?,?,?) "
                              "ON CONFLICT (learner, key) DO UPDATE SET value = excluded.value");
        write.bind(1, learner).bind(2, key).bind(3, value);
        return write.run();
    });
}

namespace {

constexpr char kDrillColumns[] =
    "learner, date, time, kind, digits, terms, seconds_per_number, mix, view, chain, answer, "
    "right, stopped, seconds_used, rhyme_group, wrong_clicks, uuid";

}  // namespace

StoreOutcome SqliteHistoryStore::storeDrill(const StoredDrill& drill) {
    SqliteStatement insert(database_,
                           std::string("INSERT INTO drills (") + kDrillColumns +
                               ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    return inTransaction([&] {
        if (holds("drills", drill.uuid)) return true;
        insert.bind(1, drill.learner)
            .bind(2, drill.date)
            .bind(3, drill.time)
            .bind(4, drill.kind)
            .bind(5, static_cast<long long>(drill.digits))
            .bind(6, static_cast<long long>(drill.terms))
            .bind(7, drill.secondsPerNumber)
            .bind(8, drill.mix)
            .bind(9, drill.view)
            .bind(10, drill.chain)
            .bind(11, drill.answer)
            .bind(12, static_cast<long long>(drill.right))
            .bind(13, static_cast<long long>(drill.stopped))
            .bind(14, static_cast<long long>(drill.secondsUsed))
            .bind(15, drill.rhymeGroup)
            .bind(16, static_cast<long long>(drill.wrongClicks))
            .bind(17, drill.uuid);
        return insert.run();
    });
}

std::vector<StoredDrill> SqliteHistoryStore::allDrills() {
    SqliteStatement query(database_,
                          std::string("SELECT ") + kDrillColumns + " FROM drills ORDER BY id");
    std::vector<StoredDrill> drills;
    while (query.step() == SQLITE_ROW) {
        StoredDrill drill;
        drill.learner = query.text(0);
        drill.date = query.text(1);
        drill.time = query.text(2);
        drill.kind = query.text(3);
        drill.digits = static_cast<int>(query.number(4));
        drill.terms = static_cast<int>(query.number(5));
        drill.secondsPerNumber = query.text(6);
        drill.mix = query.text(7);
        drill.view = query.text(8);
        drill.chain = query.text(9);
        drill.answer = query.text(10);
        drill.right = query.number(11) != 0;
        drill.stopped = query.number(12) != 0;
        drill.secondsUsed = static_cast<int>(query.number(13));
        drill.rhymeGroup = query.text(14);
        drill.wrongClicks = static_cast<int>(query.number(15));
        drill.uuid = query.text(16);
        drills.push_back(std::move(drill));
    }
    return drills;
}

namespace {

constexpr char kLevelTestColumns[] =
    "learner, date, time, level, minutes_per_item, addition_right, multiplication_right, passed, "
    "uuid";

}  // namespace

bool SqliteHistoryStore::insertLevelQuestions(long long testId, const StoredLevelTest& test) {
    SqliteStatement insert(database_,
                           "INSERT INTO level_questions (test_id, item, number, question, "
                           "typed_answer, right_answer, right) VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const StoredLevelQuestion& question : test.questions) {
        insert.reset()
            .bind(1, testId)
            .bind(2, static_cast<long long>(question.item))
            .bind(3, static_cast<long long>(question.number))
            .bind(4, question.question)
            .bind(5, question.typedAnswer)
            .bind(6, question.rightAnswer)
            .bind(7, static_cast<long long>(question.right));
        if (!insert.run()) return false;
    }
    return true;
}

StoreOutcome SqliteHistoryStore::storeLevelTest(const StoredLevelTest& test) {
    SqliteStatement insert(database_, std::string("INSERT INTO level_tests (") + kLevelTestColumns +
                                          ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    return inTransaction([&] {
        if (holds("level_tests", test.uuid)) return true;
        insert.bind(1, test.learner)
            .bind(2, test.date)
            .bind(3, test.time)
            .bind(4, static_cast<long long>(test.level))
            .bind(5, static_cast<long long>(test.minutesPerItem))
            .bind(6, static_cast<long long>(test.rightPerItem.empty() ? 0 : test.rightPerItem[0]))
            .bind(8, static_cast<long long>(test.passed))
            .bind(9, test.uuid);
        if (test.rightPerItem.size() > 1) {
            insert.bind(7, static_cast<long long>(test.rightPerItem[1]));
        }
        return insert.run() && insertLevelQuestions(sqlite3_last_insert_rowid(database_), test);
    });
}

std::vector<StoredLevelTest> SqliteHistoryStore::levelTests(const std::string& learner) {
    SqliteStatement query(database_, std::string("SELECT ") + kLevelTestColumns +
                                         ", id FROM level_tests WHERE ? = '' OR learner = ? "
                                         "ORDER BY id");
    query.bind(1, learner).bind(2, learner);
    std::vector<StoredLevelTest> tests;
    while (query.step() == SQLITE_ROW) {
        StoredLevelTest test;
        test.learner = query.text(0);
        test.date = query.text(1);
        test.time = query.text(2);
        test.level = static_cast<int>(query.number(3));
        test.minutesPerItem = static_cast<int>(query.number(4));
        test.rightPerItem.push_back(static_cast<int>(query.number(5)));
        if (!query.isNull(6)) test.rightPerItem.push_back(static_cast<int>(query.number(6)));
        test.passed = query.number(7) != 0;
        test.uuid = query.text(8);
        test.id = query.number(9);
        tests.push_back(std::move(test));
    }
    return tests;
}

std::vector<StoredLevelQuestion> SqliteHistoryStore::levelQuestionsOf(long long testId) {
    SqliteStatement query(database_,
                          "SELECT item, number, question, typed_answer, right_answer, right "
                          "FROM level_questions WHERE test_id = ? ORDER BY item, number");
    query.bind(1, testId);
    std::vector<StoredLevelQuestion> questions;
    while (query.step() == SQLITE_ROW) {
        questions.push_back({static_cast<int>(query.number(0)), static_cast<int>(query.number(1)),
                             query.text(2), query.text(3), query.text(4), query.number(5) != 0});
    }
    return questions;
}
