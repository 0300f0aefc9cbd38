#pragma once
// A teacher's calls to the class server, made through its module on a thread of their own, so
// the window never waits on the network: each answer is handed to `done` on the window's
// thread, unless `receiver` is gone by then.

#include <QObject>
#include <functional>
#include <string>

#include "history/class_server/teacher_records.h"

// Checks the teacher's line `line` against its server.
void checkTeacherOffThread(QObject* receiver, std::string line,
                           std::function<void(const TeacherAnswer&)> done);

// Reads the table of `className` (the teacher's first class when empty).
void readClassTableOffThread(QObject* receiver, std::string line, std::string className,
                             std::function<void(const ClassTable&)> done);

// Reads every record of `learner` in `className`.
void readLearnerOffThread(QObject* receiver, std::string line, std::string className,
                          std::string learner, std::function<void(const LearnerRecords&)> done);
