#pragma once
// A history file in a fresh temporary folder, removed with everything beside it afterwards.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "history/sqlite/history_file.h"

class HistoryFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/history-test-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        path = historyFileIn(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // The history opened on `path`, failing the test when it cannot be.
    std::unique_ptr<HistoryStore> openStore() {
        HistoryOpening opening = openHistoryFile(path);
        EXPECT_TRUE(opening.store) << opening.message;
        EXPECT_EQ(opening.message, "");
        return std::move(opening.store);
    }

    // The bytes of a file.
    static std::string bytesOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The single-number answer of `sql` on a plain connection to the file.
    long long answerOf(const std::string& sql) const {
        sqlite3* database = nullptr;
        sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        long long answer = -1;
        if (sqlite3_prepare_v2(database, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            answer = sqlite3_column_int64(statement, 0);
        }
        sqlite3_finalize(statement);
        sqlite3_close(database);
        return answer;
    }

    std::string folder;
    std::string path;
};

// A run of `questions` questions, every third one wrong, by `learner` on `date`.
inline StoredRun sampleRun(const std::string& learner, const std::string& date, int questions) {
    StoredRun run;
    run.learner = learner;
    run.startDate = date;
    run.startTime = "09:05:00";
    run.mode = "+-";
    run.digits = 2;
    run.questionCount = questions;
    run.secondsPerQuestion = 60;
    run.layout = "单  列";
    run.answered = questions;
    for (int i = 0; i < questions; ++i) {
        StoredQuestion question{std::to_string(10 + i), "+",        "5",
                                std::to_string(15 + i), 1,          std::to_string(15 + i),
                                std::to_string(15 + i), i % 3 != 0, {}};
        if (!question.right) question.typedAnswer = "7";
        run.questions.push_back(question);
        ++(question.right ? run.right : run.wrong);
    }
    run.score = run.right * 100 / questions;
    run.secondsUsed = questions * 4;
    return run;
}
