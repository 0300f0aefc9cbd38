#pragma once
// The class server's sender and a teacher's reading as a module the program loads once its
// window is on screen, so that libpq and its TLS libraries are never mapped before the first
// paint.

#include <string>

#include "history/class_server/teacher_records.h"

// The sender as the program holds it: deleting it stops it after the pass under way.
class ClassSending {
  public:
    virtual ~ClassSending() = default;
    // Looks for records to send at once.
    virtual void wake() = 0;
};

// The module's one function: starts sending the outbox of the history file at `historyPath`.
using MakeClassSending = ClassSending* (*)(const char* historyPath);
inline constexpr char kMakeClassSendingFunction[] = "abacusMakeClassSending";

// The module's joining, as "加入班级…" asks for it: the history file at `historyPath` joins the
// class `line` reaches; true when joined, with the class's name and the message to show.
using JoinClassThroughModule = bool (*)(const char* historyPath, const char* line,
                                        std::string* className, std::string* message);
inline constexpr char kJoinClassFunction[] = "abacusJoinClass";

// The module's teacher's reading, each called off the window's thread: the check of a teacher's
// line, a class's table for the server's day (the first class when `className` is empty) and
// one learner's records.
using CheckTeacherThroughModule = void (*)(const char* line, TeacherAnswer* answer);
inline constexpr char kCheckTeacherFunction[] = "abacusCheckTeacher";
using ReadClassTableThroughModule = void (*)(const char* line, const char* className,
                                             ClassTable* table);
inline constexpr char kReadClassTableFunction[] = "abacusReadClassTable";
using ReadLearnerThroughModule = void (*)(const char* line, const char* className,
                                          const char* learner, LearnerRecords* records);
inline constexpr char kReadLearnerFunction[] = "abacusReadLearner";
