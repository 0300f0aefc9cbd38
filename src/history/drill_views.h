#pragma once
// What the history window shows of the practice room's drills: a table row per stored drill
// and, for the flashed and read-aloud chains, the longest chain answered right each day at
// each speed.

#include <optional>
#include <string>
#include <vector>

#include "history/history_views.h"
#include "model/history_records.h"

// One row of the drills table, every cell as shown.
struct DrillTableRow {
    std::string date;      // "2026-12-08 09:05"
    std::string kind;      // "闪电心算", "听心算", "拨珠练习"
    std::string setting;   // "2位 5笔 0.5秒 加减 看数", or the bead drill's rhyme group
    std::string question;  // "325+67-12", a wrong chain with its right total "2+4+7=13"
    std::string answer;    // "380", "中止", or the bead drill's "错2次"
    std::string verdict;   // "√", "×" or "" for a stopped drill
};

// The total of a chain written "325+67-12"; nullopt for a text that is no such chain.
std::optional<long long> chainTotal(const std::string& chain);
// The learner's drills, newest first; `drills` are given in the order stored.
std::vector<DrillTableRow> drillTableRows(const std::vector<StoredDrill>& drills,
                                          const std::string& learner);
// A line per kind and speed of the learner's chains (闪电心算 and 听心算), slowest speed of
// 闪电心算 first: each day's longest chain, in terms, among those answered right.
std::vector<ScoreLine> longestChainLines(const std::vector<StoredDrill>& drills,
                                         const std::string& learner);
// The same lines with each day's share of the chains answered right, in per cent of those
// answered that day (stopped chains left out), as the runs' plot draws scores.
std::vector<ScoreLine> chainShareLines(const std::vector<StoredDrill>& drills,
                                       const std::string& learner);
