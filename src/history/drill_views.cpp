#include "history/drill_views.h"

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

namespace {

constexpr char kBeadKind[] = "拨珠练习";
constexpr char kFlashKind[] = "闪电心算";
constexpr char kStopped[] = "中止";

// The number of seconds a speed "0.5" stands for; 0 for a text that is none.
double secondsOf(const std::string& speed) {
    try {
        return std::stod(speed);
    } catch (...) {
        return 0;
    }
}

// What the drill was set to, as one cell.
std::string settingOf(const StoredDrill& drill) {
    if (!drill.rhymeGroup.empty()) return std::to_string(drill.digits) + "位 " + drill.rhymeGroup;
    return std::to_string(drill.digits) + "位 " + std::to_string(drill.terms) + "笔 " +
           drill.secondsPerNumber + "秒 " + drill.mix + " " + drill.view;
}

// The question as the table shows it: a chain answered wrong with its right total.
std::string questionOf(const StoredDrill& drill) {
    if (drill.stopped || drill.right || !drill.rhymeGroup.empty()) return drill.chain;
    const std::optional<long long> total = chainTotal(drill.chain);
    return total ? drill.chain + "=" + std::to_string(*total) : drill.chain;
}

}  // namespace

std::optional<long long> chainTotal(const std::string& chain) {
    constexpr long long kLargestTotal = 1'000'000'000'000LL;
    long long total = 0;
    std::size_t at = 0;
    while (at < chain.size()) {
        long long sign = 1;
        if (chain[at] == '+' || chain[at] == '-') {
            sign = chain[at] == '-' ? -1 : 1;
            ++at;
        } else if (at > 0) {
            return std::nullopt;
        }
        const std::size_t digitsFrom = at;
        long long term = 0;
        while (at < chain.size() && chain[at] >= '0' && chain[at] <= '9') {
            term = term * 10 + (chain[at] - '0');
            if (term > kLargestTotal) return std::nullopt;
            ++at;
        }
        if (at == digitsFrom) return std::nullopt;
        total += sign * term;
    }
    if (chain.empty()) return std::nullopt;
    return total;
}

std::vector<DrillTableRow> drillTableRows(const std::vector<StoredDrill>& drills,
                                          const std::string& learner) {
    std::vector<DrillTableRow> rows;
    for (auto drill = drills.rbegin(); drill != drills.rend(); ++drill) {
        if (drill->learner != learner) continue;
        DrillTableRow row;
        row.date = drill->date + " " + drill->time.substr(0, 5);
        row.kind = drill->kind;
        row.setting = settingOf(*drill);
        row.question = questionOf(*drill);
        if (drill->stopped) {
            row.answer = kStopped;
        } else {
            row.answer = drill->rhymeGroup.empty()
                             ? drill->answer
                             : "错" + std::to_string(drill->wrongClicks) + "次";
            row.verdict = drill->right ? "√" : "×";
        }
        rows.push_back(row);
    }
    return rows;
}

namespace {

// A line of the chains' plots: flash first, slower first, then the speed's text and the kind.
using LineKey = std::tuple<bool, double, std::string, std::string>;

// The learner's chains answered (stopped ones left out) by line and day, oldest day first.
std::map<LineKey, std::map<int, std::vector<const StoredDrill*>>> answeredChainsByDay(
    const std::vector<StoredDrill>& drills, const std::string& learner) {
    std::map<LineKey, std::map<int, std::vector<const StoredDrill*>>> chains;
    for (const StoredDrill& drill : drills) {
        if (drill.learner != learner || !drill.rhymeGroup.empty() || drill.kind == kBeadKind ||
            drill.stopped || drill.secondsPerNumber.empty()) {
            continue;
        }
        const int day = dayNumber(drill.date);
        if (day == 0) continue;
        const LineKey key{drill.kind != kFlashKind, -secondsOf(drill.secondsPerNumber),
                          drill.secondsPerNumber, drill.kind};
        chains[key][day].push_back(&drill);
    }
    return chains;
}

// A line per kind and speed with each day's figure of its chains, days without one left out.
std::vector<ScoreLine> chainLines(
    const std::vector<StoredDrill>& drills, const std::string& learner,
    const std::function<std::optional<double>(const std::vector<const StoredDrill*>&)>& figure) {
    std::vector<ScoreLine> lines;
    for (const auto& [key, days] : answeredChainsByDay(drills, learner)) {
        ScoreLine line;
        const std::string& kind = std::get<3>(key);
        line.mode = (kind == kFlashKind ? "" : kind + " ") + std::get<2>(key) + "秒/笔";
        for (const auto& [day, chains] : days) {
            if (const std::optional<double> value = figure(chains)) {
                line.points.push_back({day, *value});
            }
        }
        if (!line.points.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::vector<ScoreLine> longestChainLines(const std::vector<StoredDrill>& drills,
                                         const std::string& learner) {
    return chainLines(drills, learner,
                      [](const std::vector<const StoredDrill*>& chains) -> std::optional<double> {
                          int longest = 0;
                          for (const StoredDrill* chain : chains) {
                              if (chain->right) longest = std::max(longest, chain->terms);
                          }
                          if (longest == 0) return std::nullopt;
                          return longest;
                      });
}

std::vector<ScoreLine> chainShareLines(const std::vector<StoredDrill>& drills,
                                       const std::string& learner) {
    return chainLines(drills, learner, [](const std::vector<const StoredDrill*>& chains) {
        const auto right = std::count_if(chains.begin(), chains.end(),
                                         [](const StoredDrill* chain) { return chain->right; });
        return std::optional<double>(100.0 * static_cast<double>(right) /
                                     static_cast<double>(chains.size()));
    });
}
