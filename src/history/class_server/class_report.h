#pragma once
// The teacher's table of a class: one line per learner of the practice in the seven days that
// end on a given day.

#include <optional>
#include <string>
#include <vector>

#include "history/class_server/pg_session.h"

// The seven days a report covers, and its table: the header first, then a row per learner, each
// row's fields in the header's order.
struct ClassReport {
    std::string firstDay;  // YYYY-MM-DD
    std::string lastDay;
    std::vector<std::vector<std::string>> table;
};

// The report of the class `className` for the seven days ending on `today` (YYYY-MM-DD; the
// server's date when nullopt); nullopt when the class is unknown or cannot be read, with `error`
// set.
std::optional<ClassReport> classReport(PgSession& session, const std::string& className,
                                       const std::optional<std::string>& today, std::string& error);

// The name of a level as the trainer shows it: 0 is 十级 .. 9 is 一级.
std::string levelName(int level);
