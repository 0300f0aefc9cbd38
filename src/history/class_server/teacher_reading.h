#pragma once
// A teacher's reading of the class server, through the teacher's own role: the server's rules
// let it read only the classes given to it. The learner's name and the class's name go to the
// server as values of the statements, never as their text.

#include <optional>
#include <string>

#include "history/class_server/teacher_records.h"

// Checks the line `abacus-class add-teacher` printed: it must reach the server as a teacher.
TeacherAnswer checkTeacher(const std::string& line);

// The table of `className` (the first class the teacher reads when empty) for the seven days
// that end on `today` (YYYY-MM-DD; the server's date when nullopt).
ClassTable readClassTable(const std::string& line, const std::string& className,
                          const std::optional<std::string>& today);

// Every record of `learner` in the class `className`.
LearnerRecords readLearnerRecords(const std::string& line, const std::string& className,
                                  const std::string& learner);
