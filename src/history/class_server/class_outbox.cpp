#include "history/class_server/class_outbox.h"

#include "history/sqlite/sqlite_statement.h"

namespace {

constexpr int kBusyMilliseconds = 2000;

// Every record stored so far, put in the outbox when a class is joined, oldest first.
constexpr char kQueueStoredRecords[] = R"(
INSERT OR IGNORE INTO outbox (kind, record_uuid, number) SELECT 'run', uuid, 0 FROM runs ORDER BY id;
INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
    SELECT 'paper', uuid, 0 FROM papers ORDER BY id;
INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
    SELECT 'drill', uuid, 0 FROM drills ORDER BY id;
INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
    SELECT 'level', uuid, 0 FROM level_tests ORDER BY id;
INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
    SELECT 'mark', r.uuid, q.number FROM questions q JOIN runs r ON r.id = q.run_id
    WHERE q.out_of_book = 1 ORDER BY r.id, q.number;
INSERT OR IGNORE INTO outbox (kind, record_uuid, number)
    SELECT 'level mark', t.uuid, q.item * 100 + q.number
    FROM level_questions q JOIN level_tests t ON t.id = q.test_id
    WHERE q.out_of_book = 1 ORDER BY t.id, q.item, q.number;
)";

// The oldest records waiting, each with its JSON object built from its tables.
constexpr char kOldest[] = R"(
SELECT o.id, o.kind, CASE o.kind
  WHEN 'run' THEN (SELECT json_object('uuid', r.uuid, 'learner', r.learner,
      'start_date', r.start_date, 'start_time', r.start_time, 'mode', r.mode,
      'digits', r.digits, 'question_count', r.question_count,
      'seconds_per_question', r.seconds_per_question, 'exam', r.exam, 'layout', r.layout,
      'fill_in', r.fill_in, 'answered', r.answered, 'right_count', r.right_count,
      'wrong_count', r.wrong_count, 'score', r.score, 'seconds_used', r.seconds_used,
      'questions', json((SELECT json_group_array(json_object('number', q.number,
          'first_term', q.first_term, 'operator', q.operator, 'second_term', q.second_term,
          'result_term', q.result_term, 'blank_position', q.blank_position,
          'typed_answer', q.typed_answer, 'right_answer', q.right_answer, 'right', q.right,
          'attempts', q.attempts)) FROM questions q WHERE q.run_id = r.id)))
      FROM runs r WHERE r.uuid = o.record_uuid)
  WHEN 'paper' THEN (SELECT json_object('uuid', p.uuid, 'learner', p.learner,
      'number', p.number, 'date', p.date, 'time', p.time, 'mode', p.mode, 'digits', p.digits,
      'question_count', p.question_count, 'exam', p.exam, 'layout', p.layout,
      'fill_in', p.fill_in) FROM papers p WHERE p.uuid = o.record_uuid)
  WHEN 'drill' THEN (SELECT json_object('uuid', d.uuid, 'learner', d.learner, 'date', d.date,
      'time', d.time, 'kind', d.kind, 'digits', d.digits, 'terms', d.terms,
      'seconds_per_number', d.seconds_per_number, 'mix', d.mix, 'view', d.view,
      'chain', d.chain, 'answer', d.answer, 'right', d.right, 'stopped', d.stopped,
      'seconds_used', d.seconds_used, 'rhyme_group', d.rhyme_group,
      'wrong_clicks', d.wrong_clicks) FROM drills d WHERE d.uuid = o.record_uuid)
  WHEN 'level' THEN (SELECT json_object('uuid', t.uuid, 'learner', t.learner, 'date', t.date,
      'time', t.time, 'level', t.level, 'minutes_per_item', t.minutes_per_item,
      'addition_right', t.addition_right, 'multiplication_right', t.multiplication_right,
      'passed', t.passed,
      'questions', json((SELECT json_group_array(json_object('item', q.item,
          'number', q.number, 'question', q.question, 'typed_answer', q.typed_answer,
          'right_answer', q.right_answer, 'right', q.right))
          FROM level_questions q WHERE q.test_id = t.id)))
      FROM level_tests t WHERE t.uuid = o.record_uuid)
  WHEN 'mark' THEN json_object('run_uuid', o.record_uuid, 'number', o.number)
  WHEN 'level mark' THEN json_object('test_uuid', o.record_uuid, 'item', o.number / 100,
      'number', o.number % 100)
  END
FROM outbox o ORDER BY o.id LIMIT ?
)";

}  // namespace

ClassOutbox::ClassOutbox(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &database_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK) {
        sqlite3_close_v2(database_);
        database_ = nullptr;
        return;
    }
    sqlite3_busy_timeout(database_, kBusyMilliseconds);
}

ClassOutbox::~ClassOutbox() { sqlite3_close_v2(database_); }

bool ClassOutbox::execute(const char* sql) {
    return sqlite3_exec(database_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::optional<ClassLink> ClassOutbox::link() {
    if (!usable()) return std::nullopt;
    SqliteStatement query(database_, "SELECT connection, class_name, joined FROM class_link");
    if (query.step() != SQLITE_ROW) return std::nullopt;
    return ClassLink{query.text(0), query.text(1), query.number(2) != 0};
}

bool ClassOutbox::join(const std::string& connection, const std::string& className) {
    if (!usable() || !execute("BEGIN IMMEDIATE")) return false;
    SqliteStatement keep(database_,
                         "INSERT INTO class_link (id, connection, class_name, joined) "
                         "VALUES (1, ?, ?, 1) ON CONFLICT (id) DO UPDATE SET "
                         "connection = excluded.connection, class_name = excluded.class_name, "
                         "joined = 1");
    keep.bind(1, connection).bind(2, className);
    if (keep.run() && execute(kQueueStoredRecords) && execute("COMMIT")) return true;
    execute("ROLLBACK");
    return false;
}

bool ClassOutbox::replaceConnection(const std::string& from, const std::string& to) {
    if (!usable()) return false;
    SqliteStatement replace(database_, "UPDATE class_link SET connection = ? WHERE connection = ?");
    return replace.bind(1, to).bind(2, from).run();
}

bool ClassOutbox::leave() { return usable() && execute("UPDATE class_link SET joined = 0"); }

bool ClassOutbox::dropClass() {
    if (!usable() || !execute("BEGIN IMMEDIATE")) return false;
    if (execute("DELETE FROM outbox; DELETE FROM class_link;") && execute("COMMIT")) return true;
    execute("ROLLBACK");
    return false;
}

std::vector<OutboxRecord> ClassOutbox::oldest(int count) {
    std::vector<OutboxRecord> records;
    if (!usable()) return records;
    SqliteStatement query(database_, kOldest);
    query.bind(1, static_cast<long long>(count));
    while (query.step() == SQLITE_ROW) {
        records.push_back({query.number(0), query.text(1), query.text(2)});
    }
    return records;
}

bool ClassOutbox::remove(const std::vector<long long>& ids) {
    if (!usable() || !execute("BEGIN IMMEDIATE")) return false;
    SqliteStatement removeOne(database_, "DELETE FROM outbox WHERE id = ?");
    bool removed = true;
    for (const long long id : ids) removed = removed && removeOne.reset().bind(1, id).run();
    if (removed &&
        execute("DELETE FROM class_link WHERE joined = 0 AND NOT EXISTS (SELECT 1 FROM outbox)") &&
        execute("COMMIT")) {
        return true;
    }
    execute("ROLLBACK");
    return false;
}

long long ClassOutbox::waiting() {
    if (!usable()) return -1;
    SqliteStatement query(database_, "SELECT count(*) FROM outbox");
    return query.step() == SQLITE_ROW ? query.number(0) : -1;
}
