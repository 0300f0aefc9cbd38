#include "class_report.h"

namespace {

constexpr const char* kHeader[] = {"学员",         "最近练习",      "7天分钟",
                                   "7天练习次数",  "7天闪电与拨珠", "7天考级",
                                   "最高通过级别", "7天正确率",     "最常错的题"};

constexpr const char* kLevelNames[] = {"十级", "九级", "八级", "七级", "六级",
                                       "五级", "四级", "三级", "二级", "一级"};

// One row per learner of the class; $1 the class, $2 the last day or NULL for the server's.
constexpr char kReport[] = R"(
WITH span AS (
    SELECT c.id AS class_id, coalesce($2::date, current_date) AS today
    FROM abacus.classes c WHERE c.name = $1),
week_runs AS (
    SELECT r.* FROM abacus.runs r, span
    WHERE r.class_id = span.class_id AND r.start_date > span.today - 7
      AND r.start_date <= span.today),
week_drills AS (
    SELECT d.* FROM abacus.drills d, span
    WHERE d.class_id = span.class_id AND d.date > span.today - 7 AND d.date <= span.today),
week_tests AS (
    SELECT t.* FROM abacus.level_tests t, span
    WHERE t.class_id = span.class_id AND t.date > span.today - 7 AND t.date <= span.today),
-- Each week's run looks its questions up by its id, never scanning the year's questions.
week_questions AS (
    SELECT r.learner, q.* FROM week_runs r CROSS JOIN LATERAL (
        SELECT * FROM abacus.run_questions q WHERE q.run_uuid = r.uuid) q),
learners AS (
    SELECT learner FROM abacus.runs r, span
        WHERE r.class_id = span.class_id AND r.start_date <= span.today
    UNION SELECT learner FROM abacus.drills d, span
        WHERE d.class_id = span.class_id AND d.date <= span.today
    UNION SELECT learner FROM abacus.level_tests t, span
        WHERE t.class_id = span.class_id AND t.date <= span.today)
SELECT l.learner,
    (SELECT greatest(
        (SELECT max(r.start_date) FROM abacus.runs r
         WHERE r.class_id = span.class_id AND r.learner = l.learner AND r.start_date <= span.today),
        (SELECT max(d.date) FROM abacus.drills d
         WHERE d.class_id = span.class_id AND d.learner = l.learner AND d.date <= span.today),
        (SELECT max(t.date) FROM abacus.level_tests t
         WHERE t.class_id = span.class_id AND t.learner = l.learner AND t.date <= span.today))
    )::text,
    round((coalesce((SELECT sum(seconds_used) FROM week_runs WHERE learner = l.learner), 0)
         + coalesce((SELECT sum(seconds_used) FROM week_drills WHERE learner = l.learner), 0))
         / 60.0)::text,
    (SELECT count(*) FROM week_runs WHERE learner = l.learner)::text,
    (SELECT count(*) FROM week_drills WHERE learner = l.learner)::text,
    (SELECT count(*) FROM week_tests WHERE learner = l.learner)::text,
    (SELECT max(t.level) FROM abacus.level_tests t
     WHERE t.class_id = span.class_id AND t.learner = l.learner AND t.passed
       AND t.date <= span.today)::text,
    (SELECT round(100.0 * count(*) FILTER (WHERE "right") / nullif(count(*), 0))::text || '%'
     FROM week_questions WHERE learner = l.learner),
    coalesce((SELECT string_agg(sum_text, '; ' ORDER BY times DESC, sum_text)
     FROM (SELECT sum_text, count(*) AS times FROM (
            SELECT CASE blank_position WHEN 3 THEN right_answer ELSE first_term END
                   || operator || CASE blank_position WHEN 2 THEN right_answer ELSE second_term END
                   || '=' || CASE blank_position WHEN 1 THEN right_answer ELSE result_term END
                   AS sum_text
            FROM week_questions WHERE learner = l.learner AND NOT "right") wrong
           GROUP BY sum_text ORDER BY times DESC, sum_text LIMIT 3) most), '')
FROM learners l, span
ORDER BY l.learner
)";

}  // namespace

std::string levelName(int level) {
    return level >= 0 && level < 10 ? kLevelNames[level] : std::string();
}

std::optional<std::vector<std::vector<std::string>>> classReport(
    PgSession& session, const std::string& className, const std::optional<std::string>& today,
    std::string& error) {
    const PgResult known = session.run("SELECT 1 FROM abacus.classes WHERE name = $1", {className});
    if (!known) {
        error = session.detail();
        return std::nullopt;
    }
    if (PQntuples(known.get()) != 1) {
        error = "no class named " + className;
        return std::nullopt;
    }
    const PgResult rows = session.run(kReport, {className, today});
    if (!rows) {
        error = session.detail();
        return std::nullopt;
    }
    std::vector<std::vector<std::string>> table{{std::begin(kHeader), std::end(kHeader)}};
    for (int row = 0; row < PQntuples(rows.get()); ++row) {
        std::vector<std::string> fields;
        for (int column = 0; column < PQnfields(rows.get()); ++column) {
            fields.emplace_back(PQgetvalue(rows.get(), row, column));
        }
        if (!fields[6].empty()) fields[6] = levelName(std::stoi(fields[6]));
        table.push_back(std::move(fields));
    }
    return table;
}
