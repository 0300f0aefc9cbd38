#pragma once
// What a teacher reads from the class server, as the program and its module hand it over: the
// classes given to the teacher, a class's table, and one learner's records in the shapes the
// history window shows.

#include <string>
#include <vector>

#include "model/history_records.h"

// The answer to a teacher's line: the classes it reads, or the message why it cannot be used.
struct TeacherAnswer {
    bool loggedIn = false;
    std::vector<std::string> classes;  // by name, in order
    std::string message;               // what to tell the teacher, logged in or not
};

// The table of one class: its header and a row per learner, each in the header's order.
struct ClassTable {
    bool read = false;
    std::vector<std::string> classes;  // every class the teacher reads
    std::string className;             // the class the table is of
    std::string firstDay;              // the seven days it covers, as YYYY-MM-DD
    std::string lastDay;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::string message;  // why nothing could be read
};

// One learner of a class as the server holds it.
struct LearnerRecords {
    bool read = false;
    std::vector<StoredRun> runs;  // newest first, each with its questions
    std::vector<WrongQuestion> book;
    std::vector<StoredLevelTest> levelTests;  // in the order taken
    std::vector<StoredDrill> drills;          // in the order practised
    std::string message;                      // why nothing could be read
};
