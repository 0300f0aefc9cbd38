#pragma once
// The text forms of print history, print papers, print drills, print levels, print learners,
// print book, print table and print windows; the same forms serve a learner read from the class
// server.

#include <string>
#include <utility>
#include <vector>

#include "model/history_store.h"
#include "model/services.h"
#include "model/window_context.h"

// "history N", then one line per stored run in the order stored, its fields joined by tabs.
std::vector<std::string> describeHistory(HistoryStore& store);
// The same lines for `runs`, each with its questions.
std::vector<std::string> describeHistory(const std::vector<StoredRun>& runs);
// "papers N", then one line per stored paper, its fields joined by tabs.
std::vector<std::string> describePapers(HistoryStore& store);
// "drills N", then one line per stored drill chain, its fields joined by tabs.
std::vector<std::string> describeDrills(HistoryStore& store);
std::vector<std::string> describeDrills(const std::vector<StoredDrill>& drills);
// "levels N", then one line per stored level test: learner, date, time, level, each item's
// right answers ("加减8", "乘9") and 1 when passed, else 0, joined by tabs.
std::vector<std::string> describeLevelTests(HistoryStore& store);
std::vector<std::string> describeLevelTests(const std::vector<StoredLevelTest>& tests);
// "learners N", then the learners as the learner chooser lists them, newest record first: the
// name and the day of that record, joined by a tab.
std::vector<std::string> describeLearners(HistoryStore& store);
// "book N", then the wrong-question book of the learner in the name box, a line per question.
std::vector<std::string> describeBook(const WindowContext& window, HistoryStore& store);
// "book N", then the lines of the book `wrong`.
std::vector<std::string> describeBook(const std::vector<WrongQuestion>& wrong);
// "table N", then the runs table of the learner in the name box, newest first, cells joined
// by tabs.
std::vector<std::string> describeRunsTable(const WindowContext& window, HistoryStore& store);
// One line for a menu window asked for: "calendar 豆 豆", "save 12" (lines handed over).
std::string describeMenuWindow(MenuWindow which, const std::string& learner,
                               std::size_t savedLines);
