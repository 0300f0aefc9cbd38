#include "history/sqlite/history_schema.h"

#include <string>

namespace {

// Version 1: runs with their questions, papers, and each learner's own settings.
constexpr char kVersion1[] = R"(
CREATE TABLE runs (
    id INTEGER PRIMARY KEY,
    learner TEXT NOT NULL,
    start_date TEXT NOT NULL,
    start_time TEXT NOT NULL,
    mode TEXT NOT NULL,
    digits INTEGER NOT NULL,
    question_count INTEGER NOT NULL,
    seconds_per_question INTEGER NOT NULL,
    exam INTEGER NOT NULL,
    layout TEXT NOT NULL,
    fill_in INTEGER NOT NULL,
    answered INTEGER NOT NULL,
    right_count INTEGER NOT NULL,
    wrong_count INTEGER NOT NULL,
    score INTEGER NOT NULL,
    seconds_used INTEGER NOT NULL
);
CREATE INDEX runs_by_learner ON runs (learner, start_date, start_time);
CREATE INDEX runs_by_day ON runs (start_date);
CREATE TABLE questions (
    run_id INTEGER NOT NULL REFERENCES runs (id) ON DELETE CASCADE,
    number INTEGER NOT NULL,
    first_term TEXT NOT NULL,
    operator TEXT NOT NULL,
    second_term TEXT NOT NULL,
    result_term TEXT NOT NULL,
    blank_position INTEGER NOT NULL,
    typed_answer TEXT NOT NULL,
    right_answer TEXT NOT NULL,
    right INTEGER NOT NULL,
    attempts TEXT NOT NULL,
    PRIMARY KEY (run_id, number)
) WITHOUT ROWID;
CREATE TABLE papers (
    id INTEGER PRIMARY KEY,
    learner TEXT NOT NULL,
    number INTEGER NOT NULL,
    date TEXT NOT NULL,
    time TEXT NOT NULL,
    mode TEXT NOT NULL,
    digits INTEGER NOT NULL,
    question_count INTEGER NOT NULL,
    exam INTEGER NOT NULL,
    layout TEXT NOT NULL,
    fill_in INTEGER NOT NULL
);
CREATE TABLE learner_settings (
    learner TEXT NOT NULL,
    key TEXT NOT NULL,
    value TEXT NOT NULL,
    PRIMARY KEY (learner, key)
) WITHOUT ROWID;
)";

// Version 2: the chains of the practice room's drills.
constexpr char kVersion2[] = R"(
CREATE TABLE drills (
    id INTEGER PRIMARY KEY,
    learner TEXT NOT NULL,
    date TEXT NOT NULL,
    time TEXT NOT NULL,
    kind TEXT NOT NULL,
    digits INTEGER NOT NULL,
    terms INTEGER NOT NULL,
    seconds_per_number TEXT NOT NULL,
    mix TEXT NOT NULL,
    view TEXT NOT NULL,
    chain TEXT NOT NULL,
    answer TEXT NOT NULL,
    right INTEGER NOT NULL,
    stopped INTEGER NOT NULL,
    seconds_used INTEGER NOT NULL
);
CREATE INDEX drills_by_learner ON drills (learner, date, time);
)";

// Version 3: a question can be taken out of the wrong-question book once redone right.
constexpr char kVersion3[] = R"(
ALTER TABLE questions ADD COLUMN out_of_book INTEGER NOT NULL DEFAULT 0;
)";

// Version 4: the bead drill's rhyme group and wrong bead moves beside each drill.
constexpr char kVersion4[] = R"(
ALTER TABLE drills ADD COLUMN rhyme_group TEXT NOT NULL DEFAULT '';
ALTER TABLE drills ADD COLUMN wrong_clicks INTEGER NOT NULL DEFAULT 0;
)";

// Version 5: the level tests, one row per test with each item's right answers.
constexpr char kVersion5[] = R"(
CREATE TABLE level_tests (
    id INTEGER PRIMARY KEY,
    learner TEXT NOT NULL,
    date TEXT NOT NULL,
    time TEXT NOT NULL,
    level INTEGER NOT NULL,
    minutes_per_item INTEGER NOT NULL,
    addition_right INTEGER NOT NULL,
    multiplication_right INTEGER,
    passed INTEGER NOT NULL
);
CREATE INDEX level_tests_by_learner ON level_tests (learner, date, time);
)";

// Version 6: every question of a level test with its answer, so that a teacher can review the
// test and the questions answered wrong reach the wrong-question book.
constexpr char kVersion6[] = R"(
CREATE TABLE level_questions (
    test_id INTEGER NOT NULL REFERENCES level_tests (id) ON DELETE CASCADE,
    item INTEGER NOT NULL,
    number INTEGER NOT NULL,
    question TEXT NOT NULL,
    typed_answer TEXT NOT NULL,
    right_answer TEXT NOT NULL,
    right INTEGER NOT NULL,
    out_of_book INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (test_id, item, number)
) WITHOUT ROWID;
)";

// Version 7: the class server. Every record gains an id made here, a UUID (the records kept
// before get theirs now); while a class is joined, the transaction that stores a record also puts
// it in the outbox, and a question taken out of the book goes there as a mark. The class's
// connection line is kept in class_link; joined = 0 once left, while the outbox still empties.
constexpr char kVersion7[] = R"(
CREATE TABLE class_link (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    connection TEXT NOT NULL,
    class_name TEXT NOT NULL,
    joined INTEGER NOT NULL
);
CREATE TABLE outbox (
    id INTEGER PRIMARY KEY,
    kind TEXT NOT NULL,
    record_uuid TEXT NOT NULL,
    number INTEGER NOT NULL,
    UNIQUE (kind, record_uuid, number)
);
ALTER TABLE runs ADD COLUMN uuid TEXT NOT NULL DEFAULT '';
UPDATE runs SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
        substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
        substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)));
CREATE UNIQUE INDEX runs_by_uuid ON runs (uuid);
CREATE TRIGGER runs_to_outbox AFTER INSERT ON runs BEGIN
    UPDATE runs SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
            substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
            substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))
        WHERE id = NEW.id AND uuid = '';
    INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
        SELECT 'run', uuid, 0 FROM runs
        WHERE id = NEW.id AND EXISTS (SELECT 1 FROM class_link WHERE joined = 1);
END;
ALTER TABLE papers ADD COLUMN uuid TEXT NOT NULL DEFAULT '';
UPDATE papers SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
        substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
        substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)));
CREATE UNIQUE INDEX papers_by_uuid ON papers (uuid);
CREATE TRIGGER papers_to_outbox AFTER INSERT ON papers BEGIN
    UPDATE papers SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
            substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
            substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))
        WHERE id = NEW.id AND uuid = '';
    INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
        SELECT 'paper', uuid, 0 FROM papers
        WHERE id = NEW.id AND EXISTS (SELECT 1 FROM class_link WHERE joined = 1);
END;
ALTER TABLE drills ADD COLUMN uuid TEXT NOT NULL DEFAULT '';
UPDATE drills SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
        substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
        substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)));
CREATE UNIQUE INDEX drills_by_uuid ON drills (uuid);
CREATE TRIGGER drills_to_outbox AFTER INSERT ON drills BEGIN
    UPDATE drills SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
            substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
            substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))
        WHERE id = NEW.id AND uuid = '';
    INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
        SELECT 'drill', uuid, 0 FROM drills
        WHERE id = NEW.id AND EXISTS (SELECT 1 FROM class_link WHERE joined = 1);
END;
ALTER TABLE level_tests ADD COLUMN uuid TEXT NOT NULL DEFAULT '';
UPDATE level_tests SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
        substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
        substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)));
CREATE UNIQUE INDEX level_tests_by_uuid ON level_tests (uuid);
CREATE TRIGGER level_tests_to_outbox AFTER INSERT ON level_tests BEGIN
    UPDATE level_tests SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||
            substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) ||
            substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))
        WHERE id = NEW.id AND uuid = '';
    INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
        SELECT 'level', uuid, 0 FROM level_tests
        WHERE id = NEW.id AND EXISTS (SELECT 1 FROM class_link WHERE joined = 1);
END;
CREATE TRIGGER questions_to_outbox AFTER UPDATE OF out_of_book ON questions
WHEN NEW.out_of_book = 1 AND OLD.out_of_book = 0 BEGIN
    INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
        SELECT 'mark', uuid, NEW.number FROM runs
        WHERE id = NEW.run_id AND EXISTS (SELECT 1 FROM class_link WHERE joined = 1);
END;
)";

// Version 8: a level test's question taken out of the book goes to the outbox as a mark too. The
// outbox's number holds the question's item and number as item * 100 + number (an item has ten
// questions), as the book orders them.
constexpr char kVersion8[] = R"(
CREATE TRIGGER level_questions_to_outbox AFTER UPDATE OF out_of_book ON level_questions
WHEN NEW.out_of_book = 1 AND OLD.out_of_book = 0 BEGIN
    INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
        SELECT 'level mark', uuid, NEW.item * 100 + NEW.number FROM level_tests
        WHERE id = NEW.test_id AND EXISTS (SELECT 1 FROM class_link WHERE joined = 1);
END;
)";

// Version 9: papers looked up by learner like the other records, so the learners and their
// newest records are found through the indexes alone, however long the history.
constexpr char kVersion9[] = R"(
CREATE INDEX papers_by_learner ON papers (learner, date, time);
)";

// The step from version i to version i + 1 is kSteps[i].
constexpr const char* kSteps[] = {kVersion1, kVersion2, kVersion3, kVersion4, kVersion5,
                                  kVersion6, kVersion7, kVersion8, kVersion9};
constexpr int kStepCount = static_cast<int>(sizeof kSteps / sizeof kSteps[0]);

// The result for a failed statement's code.
MigrationResult failureOf(int code) {
    const int primary = code & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) return MigrationResult::Busy;
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) return MigrationResult::Damaged;
    return MigrationResult::Failed;
}

// Each table and index with its columns (name, type, not-null, key) as one line.
constexpr char kSchemaDescription[] = R"(
SELECT s.type || ' ' || s.name || ' on ' || s.tbl_name || ': ' ||
       coalesce((SELECT group_concat(c.name || ' ' || c.type || ' ' || c."notnull" || ' ' || c.pk, ', ')
                 FROM pragma_table_info(s.name) c), '') ||
       coalesce((SELECT group_concat(i.name, ', ') FROM pragma_index_info(s.name) i), '')
FROM sqlite_schema s ORDER BY s.type, s.name
)";

// Reads the file's schema version into `version`; the statement's result code.
int readSchemaVersion(sqlite3* database, int& version) {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(database, "PRAGMA user_version", -1, &statement, nullptr);
    if (code == SQLITE_OK) {
        code = sqlite3_step(statement);
        if (code == SQLITE_ROW) {
            version = sqlite3_column_int(statement, 0);
            code = SQLITE_OK;
        }
    }
    sqlite3_finalize(statement);
    return code;
}

// Every table and index of the file with its columns, one line each, sorted; a negative error
// code when the schema cannot be read.
int describeSchema(sqlite3* database, std::string& description) {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(database, kSchemaDescription, -1, &statement, nullptr);
    while (code == SQLITE_OK || code == SQLITE_ROW) {
        code = sqlite3_step(statement);
        if (code != SQLITE_ROW) break;
        const auto* line = sqlite3_column_text(statement, 0);
        if (line != nullptr) description += reinterpret_cast<const char*>(line);
        description += '\n';
    }
    sqlite3_finalize(statement);
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

// The description of the schema of `version`, built by its steps in memory.
std::string schemaOfVersion(int version) {
    sqlite3* memory = nullptr;
    std::string description;
    if (sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        for (int step = 0; step < version; ++step) {
            sqlite3_exec(memory, kSteps[step], nullptr, nullptr, nullptr);
        }
        describeSchema(memory, description);
    }
    sqlite3_close(memory);
    return description;
}

}  // namespace

MigrationResult checkHistorySchema(sqlite3* database, int newest) {
    // One read transaction, so a trainer creating the tables meanwhile is seen whole or not.
    if (const int code = sqlite3_exec(database, "BEGIN", nullptr, nullptr, nullptr);
        code != SQLITE_OK) {
        return failureOf(code);
    }
    const auto finish = [database](MigrationResult result) {
        sqlite3_exec(database, "ROLLBACK", nullptr, nullptr, nullptr);
        return result;
    };
    int version = 0;
    if (const int code = readSchemaVersion(database, version); code != SQLITE_OK) {
        return finish(failureOf(code));
    }
    if (version < 0) return finish(MigrationResult::Damaged);
    if (version > newest || newest > kStepCount) return finish(MigrationResult::TooNew);
    std::string description;
    if (const int code = describeSchema(database, description); code != SQLITE_OK) {
        return finish(failureOf(code));
    }
    return finish(description == schemaOfVersion(version) ? MigrationResult::Current
                                                          : MigrationResult::Damaged);
}

MigrationResult migrateHistorySchema(sqlite3* database, int newest) {
    if (const int code = sqlite3_exec(database, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        code != SQLITE_OK) {
        return failureOf(code);
    }
    const auto abandon = [database](MigrationResult result) {
        sqlite3_exec(database, "ROLLBACK", nullptr, nullptr, nullptr);
        return result;
    };
    int version = 0;
    if (const int code = readSchemaVersion(database, version); code != SQLITE_OK) {
        return abandon(failureOf(code));
    }
    if (version < 0) return abandon(MigrationResult::Damaged);
    if (version > newest || newest > kStepCount) return abandon(MigrationResult::TooNew);
    for (int step = version; step < newest; ++step) {
        if (const int code = sqlite3_exec(database, kSteps[step], nullptr, nullptr, nullptr);
            code != SQLITE_OK) {
            return abandon(failureOf(code));
        }
    }
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(newest);
    if (const int code = sqlite3_exec(database, setVersion.c_str(), nullptr, nullptr, nullptr);
        code != SQLITE_OK) {
        return abandon(failureOf(code));
    }
    if (const int code = sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr);
        code != SQLITE_OK) {
        return abandon(failureOf(code));
    }
    return MigrationResult::Current;
}
