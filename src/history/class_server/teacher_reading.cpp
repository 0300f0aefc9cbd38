#include "history/class_server/teacher_reading.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "history/class_server/class_joining.h"
#include "history/class_server/class_report.h"
#include "history/class_server/pg_session.h"
#include "history/practice_attempts.h"

namespace {

constexpr char kNotLoggedIn[] = "没有登录：";
constexpr char kNotRead[] = "无法读取班级：";

// Whether the session's role is a teacher's, as a value the server answers.
constexpr char kIsTeacher[] = "SELECT pg_has_role(session_user, 'abacus_teachers', 'MEMBER')";
// The classes the server's rules let the teacher read.
constexpr char kTaughtClasses[] = "SELECT name FROM abacus.classes ORDER BY name";
constexpr char kClassId[] = "SELECT id::text FROM abacus.classes WHERE name = $1";

// $1 the class's id, $2 the learner; newest first, as the history window lists runs.
constexpr char kLearnerRuns[] = R"(
SELECT uuid::text, learner, to_char(start_date, 'YYYY-MM-DD'), to_char(start_time, 'HH24:MI:SS'),
    mode, digits, question_count, seconds_per_question, exam, layout, fill_in, answered,
    right_count, wrong_count, score, seconds_used
FROM abacus.runs WHERE class_id = $1::integer AND learner = $2
ORDER BY start_date DESC, start_time DESC, received DESC, uuid
)";
// Each question of those runs, with whether it was taken out of the book.
constexpr char kLearnerQuestions[] = R"(
SELECT q.run_uuid::text, q.first_term, q.operator, q.second_term, q.result_term,
    q.blank_position, q.typed_answer, q.right_answer, q."right", q.attempts,
    EXISTS (SELECT 1 FROM abacus.book_marks m
            WHERE m.run_uuid = q.run_uuid AND m.number = q.number)
FROM abacus.runs r JOIN abacus.run_questions q ON q.run_uuid = r.uuid
WHERE r.class_id = $1::integer AND r.learner = $2 AND q.class_id = $1::integer
ORDER BY q.run_uuid, q.number
)";
constexpr char kLearnerLevelTests[] = R"(
SELECT learner, to_char(date, 'YYYY-MM-DD'), to_char(time, 'HH24:MI:SS'), level,
    minutes_per_item, addition_right, multiplication_right, passed
FROM abacus.level_tests WHERE class_id = $1::integer AND learner = $2
ORDER BY date, time, received, uuid
)";
// The level tests' questions answered wrong and still in the book, newest test first, each
// test's questions item by item, as the trainer's book lists them.
constexpr char kLearnerLevelBook[] = R"(
SELECT to_char(t.date, 'YYYY-MM-DD'), to_char(t.time, 'HH24:MI:SS'), t.level, q.question,
    q.typed_answer, q.right_answer
FROM abacus.level_tests t JOIN abacus.level_questions q ON q.test_uuid = t.uuid
WHERE t.class_id = $1::integer AND t.learner = $2 AND q.class_id = $1::integer
    AND NOT q."right" AND NOT EXISTS (SELECT 1 FROM abacus.level_book_marks m
        WHERE m.test_uuid = q.test_uuid AND m.item = q.item AND m.number = q.number)
ORDER BY t.date DESC, t.time DESC, t.received DESC, t.uuid, q.item, q.number
)";
constexpr char kLearnerDrills[] = R"(
SELECT learner, to_char(date, 'YYYY-MM-DD'), to_char(time, 'HH24:MI:SS'), kind, digits, terms,
    seconds_per_number, mix, view, chain, answer, "right", stopped, seconds_used, rhyme_group,
    wrong_clicks
FROM abacus.drills WHERE class_id = $1::integer AND learner = $2
ORDER BY date, time, received, uuid
)";

// A question of the book with the day and time of its run or test, by which the book is ordered.
struct DatedWrong {
    std::string moment;  // "YYYY-MM-DD HH:MM:SS"
    WrongQuestion wrong;
};

// One row of a result, read field by field.
struct Row {
    const PGresult* result;
    int row;
    std::string text(int column) const { return PQgetvalue(result, row, column); }
    int number(int column) const { return std::stoi(text(column)); }
    bool flag(int column) const { return text(column) == "t"; }
    bool isNull(int column) const { return PQgetisnull(result, row, column) != 0; }
};

// What a teacher is told of `trouble` with the server at `host`.
std::string teacherTroubleText(ServerTrouble trouble, const std::string& host) {
    switch (trouble) {
        case ServerTrouble::NotAClassLine:
            return "这不是教师登录代码，请把 abacus-class add-teacher 给出的那一行原样粘贴进来。";
        case ServerTrouble::WrongPassword:
            return "教师账号或密码不对，请核对后再试。";
        case ServerTrouble::NotAClass:
            return "这个账号不是班级服务器上的教师账号。";
        default:
            return troubleText(trouble, host);
    }
}

// The classes the session's role teaches; nullopt with `trouble` set when it is no teacher's.
std::optional<std::vector<std::string>> taughtClasses(PgSession& session, ServerTrouble& trouble) {
    const PgResult teacher = session.run(kIsTeacher);
    const PgResult classes =
        teacher && Row{teacher.get(), 0}.flag(0) ? session.run(kTaughtClasses) : nullptr;
    if (!classes) {
        trouble = session.trouble() == ServerTrouble::NoAnswer ? ServerTrouble::NoAnswer
                                                               : ServerTrouble::NotAClass;
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (int row = 0; row < PQntuples(classes.get()); ++row) {
        names.push_back(Row{classes.get(), row}.text(0));
    }
    return names;
}

// The names joined by "、".
std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : "、") + name;
    return text;
}

StoredRun runFromRow(const Row& row) {
    StoredRun run;
    run.learner = row.text(1);
    run.startDate = row.text(2);
    run.startTime = row.text(3);
    run.mode = row.text(4);
    run.digits = row.number(5);
    run.questionCount = row.number(6);
    run.secondsPerQuestion = row.number(7);
    run.exam = row.flag(8);
    run.layout = row.text(9);
    run.fillIn = row.flag(10);
    run.answered = row.number(11);
    run.right = row.number(12);
    run.wrong = row.number(13);
    run.score = row.number(14);
    run.secondsUsed = row.number(15);
    return run;
}

StoredQuestion questionFromRow(const Row& row) {
    StoredQuestion question;
    question.firstTerm = row.text(1);
    question.operatorSign = row.text(2);
    question.secondTerm = row.text(3);
    question.resultTerm = row.text(4);
    question.blankPosition = static_cast<std::int16_t>(row.number(5));
    question.typedAnswer = row.text(6);
    question.rightAnswer = row.text(7);
    question.right = row.flag(8);
    question.practiceAttempts = splitAttempts(row.text(9));
    return question;
}

StoredLevelTest levelTestFromRow(const Row& row) {
    StoredLevelTest test{row.text(0),   row.text(1),     row.text(2), row.number(3),
                         row.number(4), {row.number(5)}, row.flag(7), {}};
    if (!row.isNull(6)) test.rightPerItem.push_back(row.number(6));
    return test;
}

StoredDrill drillFromRow(const Row& row) {
    return {row.text(0),  row.text(1),    row.text(2),  row.text(3),   row.number(4), row.number(5),
            row.text(6),  row.text(7),    row.text(8),  row.text(9),   row.text(10),  row.flag(11),
            row.flag(12), row.number(13), row.text(14), row.number(15)};
}

// Reads the runs with their questions into `records`, and into `book` the questions of the book
// as the trainer finds them: exam questions answered wrong and practice questions that needed
// more than one try, newest run first, without those taken out of it.
bool readRuns(PgSession& session, const std::vector<std::optional<std::string>>& values,
              LearnerRecords& records, std::vector<DatedWrong>& book) {
    const PgResult runs = session.run(kLearnerRuns, values);
    const PgResult questions = runs ? session.run(kLearnerQuestions, values) : nullptr;
    if (!questions) return false;
    std::map<std::string, std::size_t> runOfId;
    for (int index = 0; index < PQntuples(runs.get()); ++index) {
        const Row row{runs.get(), index};
        runOfId[row.text(0)] = records.runs.size();
        records.runs.push_back(runFromRow(row));
    }
    std::vector<std::vector<bool>> outOfBook(records.runs.size());
    for (int index = 0; index < PQntuples(questions.get()); ++index) {
        const Row row{questions.get(), index};
        const std::size_t run = runOfId.at(row.text(0));
        StoredQuestion question = questionFromRow(row);
        if (question.right && question.practiceAttempts.empty()) ++records.runs[run].firstTryRight;
        records.runs[run].questions.push_back(std::move(question));
        outOfBook[run].push_back(row.flag(10));
    }
    for (std::size_t run = 0; run < records.runs.size(); ++run) {
        const StoredRun& stored = records.runs[run];
        for (std::size_t number = 0; number < stored.questions.size(); ++number) {
            const StoredQuestion& question = stored.questions[number];
            const bool missed =
                !question.right || (!stored.exam && !question.practiceAttempts.empty());
            if (missed && !outOfBook[run][number]) {
                book.push_back({stored.startDate + " " + stored.startTime,
                                {stored.startDate, stored.mode, question, stored.exam, -1}});
            }
        }
    }
    return true;
}

// Reads into `book` the level tests' wrong questions still in it, each written whole in the
// first term with its result the blank, as the trainer keeps them.
bool readLevelBook(PgSession& session, const std::vector<std::optional<std::string>>& values,
                   std::vector<DatedWrong>& book) {
    const PgResult questions = session.run(kLearnerLevelBook, values);
    if (!questions) return false;
    for (int index = 0; index < PQntuples(questions.get()); ++index) {
        const Row row{questions.get(), index};
        StoredQuestion question;
        question.firstTerm = row.text(3);
        question.blankPosition = 1;
        question.typedAnswer = row.text(4);
        question.rightAnswer = row.text(5);
        book.push_back(
            {row.text(0) + " " + row.text(1), {row.text(0), {}, question, true, row.number(2)}});
    }
    return true;
}

// The book of the runs' and the level tests' questions together, newest first; a level test
// comes before a run of the same moment, as in the trainer's book.
std::vector<WrongQuestion> mergedBook(const std::vector<DatedWrong>& levelBook,
                                      const std::vector<DatedWrong>& runBook) {
    std::vector<DatedWrong> both;
    std::merge(levelBook.begin(), levelBook.end(), runBook.begin(), runBook.end(),
               std::back_inserter(both),
               [](const DatedWrong& a, const DatedWrong& b) { return a.moment > b.moment; });
    std::vector<WrongQuestion> book;
    for (DatedWrong& entry : both) book.push_back(std::move(entry.wrong));
    return book;
}

// Reads the level tests and the drills into `records`.
bool readRoomWork(PgSession& session, const std::vector<std::optional<std::string>>& values,
                  LearnerRecords& records) {
    const PgResult tests = session.run(kLearnerLevelTests, values);
    const PgResult drills = tests ? session.run(kLearnerDrills, values) : nullptr;
    if (!drills) return false;
    for (int row = 0; row < PQntuples(tests.get()); ++row) {
        records.levelTests.push_back(levelTestFromRow({tests.get(), row}));
    }
    for (int row = 0; row < PQntuples(drills.get()); ++row) {
        records.drills.push_back(drillFromRow({drills.get(), row}));
    }
    return true;
}

}  // namespace

TeacherAnswer checkTeacher(const std::string& line) {
    if (!isClassLine(line)) {
        return {false, {}, kNotLoggedIn + teacherTroubleText(ServerTrouble::NotAClassLine, {})};
    }
    const std::string host = hostOfLine(line);
    PgSession session(withTrainerDefaults(line));
    ServerTrouble trouble = session.trouble();
    const auto classes = session.connected() ? taughtClasses(session, trouble) : std::nullopt;
    if (!classes) return {false, {}, kNotLoggedIn + teacherTroubleText(trouble, host)};
    if (classes->empty()) return {true, {}, "已登录为教师，但还没有分给您的班级。"};
    return {true, *classes,
            "已登录为教师，可以在“学习记录…”的“班级”页查看：" + listed(*classes) + "。"};
}

ClassTable readClassTable(const std::string& line, const std::string& className,
                          const std::optional<std::string>& today) {
    ClassTable table;
    const std::string host = hostOfLine(line);
    PgSession session(withTrainerDefaults(line));
    ServerTrouble trouble = session.trouble();
    const auto classes = session.connected() ? taughtClasses(session, trouble) : std::nullopt;
    if (!classes) {
        table.message = kNotRead + teacherTroubleText(trouble, host);
        return table;
    }
    table.classes = *classes;
    if (classes->empty()) {
        table.message = "还没有分给您的班级。";
        return table;
    }
    table.className = className.empty() ? classes->front() : className;
    std::string error;
    const auto report = classReport(session, table.className, today, error);
    if (!report) {
        table.message = kNotRead + (session.trouble() == ServerTrouble::NoAnswer
                                        ? troubleText(ServerTrouble::NoAnswer, host)
                                        : "您没有“" + table.className + "”这个班级。");
        return table;
    }
    table.header = report->table.front();
    table.rows.assign(report->table.begin() + 1, report->table.end());
    table.firstDay = report->firstDay;
    table.lastDay = report->lastDay;
    table.read = true;
    return table;
}

LearnerRecords readLearnerRecords(const std::string& line, const std::string& className,
                                  const std::string& learner) {
    LearnerRecords records;
    const std::string host = hostOfLine(line);
    PgSession session(withTrainerDefaults(line));
    ServerTrouble trouble = session.trouble();
    const auto classes = session.connected() ? taughtClasses(session, trouble) : std::nullopt;
    if (!classes) {
        records.message = kNotRead + teacherTroubleText(trouble, host);
        return records;
    }
    const PgResult known = session.run(kClassId, {className});
    if (!known || PQntuples(known.get()) != 1) {
        records.message = kNotRead + (session.trouble() == ServerTrouble::NoAnswer
                                          ? troubleText(ServerTrouble::NoAnswer, host)
                                          : "您没有“" + className + "”这个班级。");
        return records;
    }
    const std::vector<std::optional<std::string>> values{Row{known.get(), 0}.text(0), learner};
    std::vector<DatedWrong> runBook;
    std::vector<DatedWrong> levelBook;
    if (!readRuns(session, values, records, runBook) ||
        !readLevelBook(session, values, levelBook) || !readRoomWork(session, values, records)) {
        records = {};
        records.message = kNotRead + troubleText(session.trouble(), host);
        return records;
    }
    records.book = mergedBook(levelBook, runBook);
    records.read = true;
    return records;
}
