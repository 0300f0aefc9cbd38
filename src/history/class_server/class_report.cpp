#include "history/class_server/class_report.h"

namespace {

constexpr const char* kHeader[] = {"学员",         "最近练习",      "7天分钟",
                                   "7天练习次数",  "7天闪电与拨珠", "7天考级",
                                   "最高通过级别", "7天正确率",     "最常错的题"};

constexpr const char* kLevelNames[] = {"十级", "九级", "八级", "七级", "六级",
                                       "五级", "四级", "三级", "二级", "一级"};

// One row per learner of the class; $1 the class's id, $2 the last day. Both are values the
// planner sees, so it reads only that class's rows through the indexes.
constexpr char kReport[] = R"(
WITH week_runs AS (
    SELECT r.* FROM abacus.runs r
    WHERE r.class_id = $1::integer AND r.start_date > $2::date - 7
      AND r.start_date <= $2::date),
week_drills AS (
    SELECT d.* FROM abacus.drills d
    WHERE d.class_id = $1::integer AND d.date > $2::date - 7 AND d.date <= $2::date),
week_tests AS (
    SELECT t.* FROM abacus.level_tests t
    WHERE t.class_id = $1::integer AND t.date > $2::date - 7 AND t.date <= $2::date),
-- Each week's run and level test looks its questions up by its id, never scanning the year's.
week_questions AS (
    SELECT r.learner, q.* FROM week_runs r CROSS JOIN LATERAL (
        SELECT * FROM abacus.run_questions q
        WHERE q.run_uuid = r.uuid AND q.class_id = r.class_id) q),
-- Every item answered in the week, right or not, written as a sum with its right result: the
-- runs' questions, the drill chains and bead questions not stopped (a bead question is right
-- when no bead was moved wrong), and the level tests' questions answered.
week_items AS (
    SELECT learner, "right",
        CASE blank_position WHEN 3 THEN right_answer ELSE first_term END
        || operator || CASE blank_position WHEN 2 THEN right_answer ELSE second_term END
        || '=' || CASE blank_position WHEN 1 THEN right_answer ELSE result_term END AS sum_text
    FROM week_questions
    UNION ALL
    SELECT learner, CASE WHEN kind = '拨珠练习' THEN wrong_clicks = 0 ELSE "right" END,
        chain || '=' || CASE WHEN kind = '拨珠练习' THEN answer ELSE (
            SELECT sum(term[1]::bigint) FROM regexp_matches(chain, '[+-]?[0-9]+', 'g') AS term
        )::text END
    FROM week_drills WHERE NOT stopped
    UNION ALL
    SELECT t.learner, q."right", q.question || '=' || q.right_answer
    FROM week_tests t CROSS JOIN LATERAL (
        SELECT * FROM abacus.level_questions q
        WHERE q.test_uuid = t.uuid AND q.class_id = t.class_id) q
    WHERE q.typed_answer <> ''),
learners AS (
    SELECT learner FROM abacus.runs r
        WHERE r.class_id = $1::integer AND r.start_date <= $2::date
    UNION SELECT learner FROM abacus.drills d
        WHERE d.class_id = $1::integer AND d.date <= $2::date
    UNION SELECT learner FROM abacus.level_tests t
        WHERE t.class_id = $1::integer AND t.date <= $2::date)
SELECT l.learner,
    (SELECT greatest(
        (SELECT max(r.start_date) FROM abacus.runs r
         WHERE r.class_id = $1::integer AND r.learner = l.learner AND r.start_date <= $2::date),
        (SELECT max(d.date) FROM abacus.drills d
         WHERE d.class_id = $1::integer AND d.learner = l.learner AND d.date <= $2::date),
        (SELECT max(t.date) FROM abacus.level_tests t
         WHERE t.class_id = $1::integer AND t.learner = l.learner AND t.date <= $2::date))
    )::text,
    round((coalesce((SELECT sum(seconds_used) FROM week_runs WHERE learner = l.learner), 0)
         + coalesce((SELECT sum(seconds_used) FROM week_drills WHERE learner = l.learner), 0)
         + coalesce((SELECT sum(60 * minutes_per_item
                                * (1 + (multiplication_right IS NOT NULL)::integer))
                     FROM week_tests WHERE learner = l.learner), 0))
         / 60.0)::text,
    (SELECT count(*) FROM week_runs WHERE learner = l.learner)::text,
    (SELECT count(*) FROM week_drills WHERE learner = l.learner)::text,
    (SELECT count(*) FROM week_tests WHERE learner = l.learner)::text,
    (SELECT max(t.level) FROM abacus.level_tests t
     WHERE t.class_id = $1::integer AND t.learner = l.learner AND t.passed
       AND t.date <= $2::date)::text,
    (SELECT round(100.0 * count(*) FILTER (WHERE "right") / nullif(count(*), 0))::text || '%'
     FROM week_items WHERE learner = l.learner),
    coalesce((SELECT string_agg(sum_text, '; ' ORDER BY times DESC, sum_text)
     FROM (SELECT sum_text, count(*) AS times FROM week_items
           WHERE learner = l.learner AND NOT "right"
           GROUP BY sum_text ORDER BY times DESC, sum_text LIMIT 3) most), '')
FROM learners l
ORDER BY l.learner
)";

}  // namespace

std::string levelName(int level) {
    return level >= 0 && level < 10 ? kLevelNames[level] : std::string();
}

std::optional<ClassReport> classReport(PgSession& session, const std::string& className,
                                       const std::optional<std::string>& today,
                                       std::string& error) {
    const PgResult known = session.run(
        "SELECT id::text, coalesce($2::date, current_date)::text, "
        "(coalesce($2::date, current_date) - 6)::text FROM abacus.classes WHERE name = $1",
        {className, today});
    if (!known) {
        error = session.detail();
        return std::nullopt;
    }
    if (PQntuples(known.get()) != 1) {
        error = "no class named " + className;
        return std::nullopt;
    }
    // The planner prices the report dearly though it reads little; compiling it would take the
    // server a second, far longer than running it.
    session.run("SET jit = off");
    const PgResult rows =
        session.run(kReport, {PQgetvalue(known.get(), 0, 0), PQgetvalue(known.get(), 0, 1)});
    if (!rows) {
        error = session.detail();
        return std::nullopt;
    }
    ClassReport report{PQgetvalue(known.get(), 0, 2), PQgetvalue(known.get(), 0, 1), {}};
    std::vector<std::vector<std::string>>& table = report.table;
    table.emplace_back(std::begin(kHeader), std::end(kHeader));
    for (int row = 0; row < PQntuples(rows.get()); ++row) {
        std::vector<std::string> fields;
        for (int column = 0; column < PQnfields(rows.get()); ++column) {
            fields.emplace_back(PQgetvalue(rows.get(), row, column));
        }
        if (!fields[6].empty()) fields[6] = levelName(std::stoi(fields[6]));
        table.push_back(std::move(fields));
    }
    return report;
}
