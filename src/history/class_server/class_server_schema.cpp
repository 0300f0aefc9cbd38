#include "history/class_server/class_server_schema.h"

#include <algorithm>

namespace {

// Version 1: the classes, their roles and teachers, and the runs, papers, drills, level tests and
// book marks each trainer adds.
constexpr char kVersion1[] = R"(
DO $$ BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'abacus_trainers') THEN
        CREATE ROLE abacus_trainers NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'abacus_teachers') THEN
        CREATE ROLE abacus_teachers NOLOGIN;
    END IF;
END $$;
CREATE SCHEMA abacus;
REVOKE ALL ON SCHEMA abacus FROM PUBLIC;
GRANT USAGE ON SCHEMA abacus TO abacus_trainers, abacus_teachers;
CREATE TABLE abacus.schema_version (version integer NOT NULL);
INSERT INTO abacus.schema_version VALUES (1);
CREATE TABLE abacus.classes (
    id serial PRIMARY KEY,
    name text NOT NULL UNIQUE,
    role_name name NOT NULL UNIQUE
);
CREATE TABLE abacus.teacher_classes (
    teacher_role name NOT NULL,
    class_id integer NOT NULL REFERENCES abacus.classes,
    PRIMARY KEY (teacher_role, class_id)
);

-- What a class role may learn: its own class, through functions that return only that.
CREATE FUNCTION abacus.own_class() RETURNS integer LANGUAGE sql STABLE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp
    AS $f$ SELECT id FROM abacus.classes WHERE role_name = session_user $f$;
CREATE FUNCTION abacus.joined_class() RETURNS text LANGUAGE sql STABLE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp
    AS $f$ SELECT name FROM abacus.classes WHERE role_name = session_user $f$;
CREATE FUNCTION abacus.taught_classes() RETURNS SETOF integer LANGUAGE sql STABLE
    SECURITY DEFINER SET search_path = pg_catalog, pg_temp
    AS $f$ SELECT class_id FROM abacus.teacher_classes WHERE teacher_role = session_user $f$;
REVOKE ALL ON FUNCTION abacus.own_class(), abacus.joined_class(), abacus.taught_classes()
    FROM PUBLIC;
GRANT EXECUTE ON FUNCTION abacus.own_class(), abacus.joined_class() TO abacus_trainers;
GRANT EXECUTE ON FUNCTION abacus.taught_classes() TO abacus_teachers;

-- Creates a login role whose password arrives already hashed, its name quoted by format.
CREATE FUNCTION abacus.create_login(role_name text, hashed_password text, member_of text)
    RETURNS void LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $f$
BEGIN
    EXECUTE format('CREATE ROLE %I LOGIN PASSWORD %L IN ROLE %I', role_name, hashed_password,
                   member_of);
END $f$;
REVOKE ALL ON FUNCTION abacus.create_login(text, text, text) FROM PUBLIC;

CREATE TABLE abacus.runs (
    uuid uuid PRIMARY KEY,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    learner text NOT NULL,
    start_date date NOT NULL,
    start_time time NOT NULL,
    mode text NOT NULL,
    digits integer NOT NULL,
    question_count integer NOT NULL,
    seconds_per_question integer NOT NULL,
    exam boolean NOT NULL,
    layout text NOT NULL,
    fill_in boolean NOT NULL,
    answered integer NOT NULL,
    right_count integer NOT NULL,
    wrong_count integer NOT NULL,
    score integer NOT NULL,
    seconds_used integer NOT NULL,
    received timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX runs_by_class_day ON abacus.runs (class_id, start_date);
CREATE INDEX runs_by_learner ON abacus.runs (class_id, learner, start_date);
CREATE TABLE abacus.run_questions (
    run_uuid uuid NOT NULL,
    number integer NOT NULL,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    first_term text NOT NULL,
    operator text NOT NULL,
    second_term text NOT NULL,
    result_term text NOT NULL,
    blank_position integer NOT NULL,
    typed_answer text NOT NULL,
    right_answer text NOT NULL,
    "right" boolean NOT NULL,
    attempts text NOT NULL,
    PRIMARY KEY (run_uuid, number)
);
CREATE TABLE abacus.papers (
    uuid uuid PRIMARY KEY,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    learner text NOT NULL,
    number integer NOT NULL,
    date date NOT NULL,
    time time NOT NULL,
    mode text NOT NULL,
    digits integer NOT NULL,
    question_count integer NOT NULL,
    exam boolean NOT NULL,
    layout text NOT NULL,
    fill_in boolean NOT NULL,
    received timestamptz NOT NULL DEFAULT now()
);
CREATE TABLE abacus.drills (
    uuid uuid PRIMARY KEY,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    learner text NOT NULL,
    date date NOT NULL,
    time time NOT NULL,
    kind text NOT NULL,
    digits integer NOT NULL,
    terms integer NOT NULL,
    seconds_per_number text NOT NULL,
    mix text NOT NULL,
    view text NOT NULL,
    chain text NOT NULL,
    answer text NOT NULL,
    "right" boolean NOT NULL,
    stopped boolean NOT NULL,
    seconds_used integer NOT NULL,
    rhyme_group text NOT NULL,
    wrong_clicks integer NOT NULL,
    received timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX drills_by_class_day ON abacus.drills (class_id, date);
CREATE INDEX drills_by_learner ON abacus.drills (class_id, learner, date);
CREATE TABLE abacus.level_tests (
    uuid uuid PRIMARY KEY,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    learner text NOT NULL,
    date date NOT NULL,
    time time NOT NULL,
    level integer NOT NULL,
    minutes_per_item integer NOT NULL,
    addition_right integer NOT NULL,
    multiplication_right integer,
    passed boolean NOT NULL,
    received timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX level_tests_by_class_day ON abacus.level_tests (class_id, date);
CREATE INDEX level_tests_by_learner ON abacus.level_tests (class_id, learner, date);
CREATE TABLE abacus.book_marks (
    run_uuid uuid NOT NULL,
    number integer NOT NULL,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    received timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (run_uuid, number)
);

-- A class role adds rows of its own class and reads none; a teacher reads the classes given.
ALTER TABLE abacus.classes ENABLE ROW LEVEL SECURITY;
CREATE POLICY teacher_reads ON abacus.classes FOR SELECT TO abacus_teachers
    USING (id IN (SELECT abacus.taught_classes()));
GRANT SELECT ON abacus.classes TO abacus_teachers;
DO $$ DECLARE record_table text; BEGIN
    FOREACH record_table IN ARRAY
        ARRAY['runs', 'run_questions', 'papers', 'drills', 'level_tests', 'book_marks'] LOOP
        EXECUTE format('ALTER TABLE abacus.%I ENABLE ROW LEVEL SECURITY', record_table);
        EXECUTE format('CREATE POLICY class_adds ON abacus.%I FOR INSERT TO abacus_trainers '
                       'WITH CHECK (class_id = abacus.own_class())', record_table);
        EXECUTE format('CREATE POLICY teacher_reads ON abacus.%I FOR SELECT TO abacus_teachers '
                       'USING (class_id IN (SELECT abacus.taught_classes()))', record_table);
        EXECUTE format('GRANT INSERT ON abacus.%I TO abacus_trainers', record_table);
        EXECUTE format('GRANT SELECT ON abacus.%I TO abacus_teachers', record_table);
    END LOOP;
END $$;
)";

// Version 2: every question of a level test, and a level question taken out of the book, so that
// the book read from the server holds the level tests' wrong questions as the family's does.
constexpr char kVersion2[] = R"(
CREATE TABLE abacus.level_questions (
    test_uuid uuid NOT NULL,
    item integer NOT NULL,
    number integer NOT NULL,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    question text NOT NULL,
    typed_answer text NOT NULL,
    right_answer text NOT NULL,
    "right" boolean NOT NULL,
    PRIMARY KEY (test_uuid, item, number)
);
CREATE TABLE abacus.level_book_marks (
    test_uuid uuid NOT NULL,
    item integer NOT NULL,
    number integer NOT NULL,
    class_id integer NOT NULL DEFAULT abacus.own_class() REFERENCES abacus.classes,
    received timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (test_uuid, item, number)
);
DO $$ DECLARE record_table text; BEGIN
    FOREACH record_table IN ARRAY ARRAY['level_questions', 'level_book_marks'] LOOP
        EXECUTE format('ALTER TABLE abacus.%I ENABLE ROW LEVEL SECURITY', record_table);
        EXECUTE format('CREATE POLICY class_adds ON abacus.%I FOR INSERT TO abacus_trainers '
                       'WITH CHECK (class_id = abacus.own_class())', record_table);
        EXECUTE format('CREATE POLICY teacher_reads ON abacus.%I FOR SELECT TO abacus_teachers '
                       'USING (class_id IN (SELECT abacus.taught_classes()))', record_table);
        EXECUTE format('GRANT INSERT ON abacus.%I TO abacus_trainers', record_table);
        EXECUTE format('GRANT SELECT ON abacus.%I TO abacus_teachers', record_table);
    END LOOP;
END $$;
UPDATE abacus.schema_version SET version = 2;
)";

// Version 3: each trainer that joins gets a login role of its own in its class, so that what one
// family does to its role (a new password, a read-only default) touches no other family. The
// class's own role only joins: it may call abacus.enrol, which makes such a role, and add nothing.
constexpr char kVersion3[] = R"(
DO $$ BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'abacus_joiners') THEN
        CREATE ROLE abacus_joiners NOLOGIN;
    END IF;
END $$;
GRANT USAGE ON SCHEMA abacus TO abacus_joiners;
CREATE TABLE abacus.trainer_roles (
    role_name name PRIMARY KEY,
    class_id integer NOT NULL REFERENCES abacus.classes,
    joined timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX trainer_roles_by_class ON abacus.trainer_roles (class_id);
CREATE OR REPLACE FUNCTION abacus.own_class() RETURNS integer LANGUAGE sql STABLE
    SECURITY DEFINER SET search_path = pg_catalog, pg_temp
    AS $f$ SELECT class_id FROM abacus.trainer_roles WHERE role_name = session_user $f$;
CREATE OR REPLACE FUNCTION abacus.joined_class() RETURNS text LANGUAGE sql STABLE
    SECURITY DEFINER SET search_path = pg_catalog, pg_temp
    AS $f$ SELECT name FROM abacus.classes WHERE role_name = session_user
           UNION ALL SELECT c.name FROM abacus.trainer_roles t
               JOIN abacus.classes c ON c.id = t.class_id WHERE t.role_name = session_user $f$;
-- Makes the calling class's trainer a role of its own, its password arriving already hashed;
-- answers the role's name. A class takes at most a thousand trainers.
CREATE FUNCTION abacus.enrol(hashed_password text) RETURNS text LANGUAGE plpgsql
    SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $f$
DECLARE
    class_of_line integer;
    trainer text;
BEGIN
    SELECT id INTO class_of_line FROM abacus.classes WHERE role_name = session_user;
    IF class_of_line IS NULL THEN
        RAISE EXCEPTION 'only a class''s own line joins it' USING ERRCODE = '42501';
    END IF;
    IF hashed_password IS NULL OR left(hashed_password, 14) <> 'SCRAM-SHA-256$' THEN
        RAISE EXCEPTION 'the password must arrive hashed' USING ERRCODE = '22023';
    END IF;
    IF (SELECT count(*) FROM abacus.trainer_roles WHERE class_id = class_of_line) >= 1000 THEN
        RAISE EXCEPTION 'the class has as many trainers as it may' USING ERRCODE = '53400';
    END IF;
    trainer := 'trainer_' || substr(replace(gen_random_uuid()::text, '-', ''), 1, 16);
    EXECUTE format('CREATE ROLE %I LOGIN PASSWORD %L IN ROLE abacus_trainers', trainer,
                   hashed_password);
    INSERT INTO abacus.trainer_roles (role_name, class_id) VALUES (trainer, class_of_line);
    RETURN trainer;
END $f$;
REVOKE ALL ON FUNCTION abacus.enrol(text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION abacus.enrol(text), abacus.joined_class() TO abacus_joiners;
DO $$ DECLARE class_role name; BEGIN
    FOR class_role IN SELECT role_name FROM abacus.classes LOOP
        EXECUTE format('GRANT abacus_joiners TO %I', class_role);
        EXECUTE format('REVOKE abacus_trainers FROM %I', class_role);
    END LOOP;
END $$;
UPDATE abacus.schema_version SET version = 3;
)";

// The step from version i to version i + 1 is kSteps[i].
constexpr const char* kSteps[] = {kVersion1, kVersion2, kVersion3};
static_assert(sizeof kSteps / sizeof kSteps[0] == kClassServerVersion);

}  // namespace

std::string classServerSteps(int from, int to) {
    std::string steps;
    for (int step = std::max(from, 0); step < std::min(to, kClassServerVersion); ++step) {
        steps += kSteps[step];
    }
    return steps;
}

const char kClassServerContents[] = R"(
SELECT (SELECT count(*) FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace
        WHERE n.nspname NOT IN ('abacus', 'pg_catalog', 'information_schema', 'pg_toast')
          AND n.nspname NOT LIKE 'pg_temp%' AND n.nspname NOT LIKE 'pg_toast_temp%')
     + (SELECT count(*) FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
        WHERE n.nspname NOT IN ('abacus', 'pg_catalog', 'information_schema')),
       EXISTS (SELECT 1 FROM pg_namespace WHERE nspname = 'abacus'),
       to_regclass('abacus.schema_version') IS NOT NULL
)";

namespace {

constexpr char kRunInsert[] = R"(
WITH record AS (SELECT $1::jsonb AS j),
run AS (
    INSERT INTO abacus.runs (uuid, learner, start_date, start_time, mode, digits, question_count,
        seconds_per_question, exam, layout, fill_in, answered, right_count, wrong_count, score,
        seconds_used)
    SELECT r.uuid, r.learner, r.start_date, r.start_time, r.mode, r.digits, r.question_count,
        r.seconds_per_question, r.exam <> 0, r.layout, r.fill_in <> 0, r.answered, r.right_count,
        r.wrong_count, r.score, r.seconds_used
    FROM record, jsonb_to_record(record.j) AS r(uuid uuid, learner text, start_date date,
        start_time time, mode text, digits integer, question_count integer,
        seconds_per_question integer, exam integer, layout text, fill_in integer,
        answered integer, right_count integer, wrong_count integer, score integer,
        seconds_used integer)
    ON CONFLICT DO NOTHING)
INSERT INTO abacus.run_questions (run_uuid, number, first_term, operator, second_term,
    result_term, blank_position, typed_answer, right_answer, "right", attempts)
SELECT (record.j ->> 'uuid')::uuid, q.number, q.first_term, q.operator, q.second_term,
    q.result_term, q.blank_position, q.typed_answer, q.right_answer, q."right" <> 0, q.attempts
FROM record, jsonb_to_recordset(record.j -> 'questions') AS q(number integer, first_term text,
    operator text, second_term text, result_term text, blank_position integer,
    typed_answer text, right_answer text, "right" integer, attempts text)
ON CONFLICT DO NOTHING
)";

constexpr char kPaperInsert[] = R"(
INSERT INTO abacus.papers (uuid, learner, number, date, time, mode, digits, question_count,
    exam, layout, fill_in)
SELECT p.uuid, p.learner, p.number, p.date, p.time, p.mode, p.digits, p.question_count,
    p.exam <> 0, p.layout, p.fill_in <> 0
FROM jsonb_to_record($1::jsonb) AS p(uuid uuid, learner text, number integer, date date,
    time time, mode text, digits integer, question_count integer, exam integer, layout text,
    fill_in integer)
ON CONFLICT DO NOTHING
)";

constexpr char kDrillInsert[] = R"(
INSERT INTO abacus.drills (uuid, learner, date, time, kind, digits, terms, seconds_per_number,
    mix, view, chain, answer, "right", stopped, seconds_used, rhyme_group, wrong_clicks)
SELECT d.uuid, d.learner, d.date, d.time, d.kind, d.digits, d.terms, d.seconds_per_number,
    d.mix, d.view, d.chain, d.answer, d."right" <> 0, d.stopped <> 0, d.seconds_used,
    d.rhyme_group, d.wrong_clicks
FROM jsonb_to_record($1::jsonb) AS d(uuid uuid, learner text, date date, time time, kind text,
    digits integer, terms integer, seconds_per_number text, mix text, view text, chain text,
    answer text, "right" integer, stopped integer, seconds_used integer, rhyme_group text,
    wrong_clicks integer)
ON CONFLICT DO NOTHING
)";

constexpr char kLevelInsert[] = R"(
WITH record AS (SELECT $1::jsonb AS j),
test AS (
    INSERT INTO abacus.level_tests (uuid, learner, date, time, level, minutes_per_item,
        addition_right, multiplication_right, passed)
    SELECT t.uuid, t.learner, t.date, t.time, t.level, t.minutes_per_item, t.addition_right,
        t.multiplication_right, t.passed <> 0
    FROM record, jsonb_to_record(record.j) AS t(uuid uuid, learner text, date date, time time,
        level integer, minutes_per_item integer, addition_right integer,
        multiplication_right integer, passed integer)
    ON CONFLICT DO NOTHING)
INSERT INTO abacus.level_questions (test_uuid, item, number, question, typed_answer,
    right_answer, "right")
SELECT (record.j ->> 'uuid')::uuid, q.item, q.number, q.question, q.typed_answer,
    q.right_answer, q."right" <> 0
FROM record, jsonb_to_recordset(record.j -> 'questions') AS q(item integer, number integer,
    question text, typed_answer text, right_answer text, "right" integer)
ON CONFLICT DO NOTHING
)";

constexpr char kMarkInsert[] = R"(
INSERT INTO abacus.book_marks (run_uuid, number)
SELECT m.run_uuid, m.number FROM jsonb_to_record($1::jsonb) AS m(run_uuid uuid, number integer)
ON CONFLICT DO NOTHING
)";

constexpr char kLevelMarkInsert[] = R"(
INSERT INTO abacus.level_book_marks (test_uuid, item, number)
SELECT m.test_uuid, m.item, m.number
FROM jsonb_to_record($1::jsonb) AS m(test_uuid uuid, item integer, number integer)
ON CONFLICT DO NOTHING
)";

}  // namespace

std::string classRecordInsert(const std::string& kind) {
    if (kind == "run") return kRunInsert;
    if (kind == "paper") return kPaperInsert;
    if (kind == "drill") return kDrillInsert;
    if (kind == "level") return kLevelInsert;
    if (kind == "mark") return kMarkInsert;
    if (kind == "level mark") return kLevelMarkInsert;
    return {};
}
