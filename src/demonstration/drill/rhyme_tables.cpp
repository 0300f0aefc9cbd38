#include "demonstration/drill/rhyme_tables.h"

#include <cstdint>

#include "beads/rhyme_groups.h"
#include "demonstration/bead_rhymes.h"
#include "demonstration/times_table.h"

namespace {

constexpr char kTimesTableHeading[] = "九九口诀";

// A heading line: "【直加】".
RhymeLine heading(const std::string& name) { return {"【" + name + "】", {}}; }

// The rows on which the rhyme of `group` moving `digit` applies: the rod's own digit, with a 1
// on the rod left of it for a group that borrows from there.
std::vector<std::int32_t> rowsWhereApplies(int group, int digit, bool subtract) {
    const bool borrows = group == kBorrowSubtract || group == kFiveBorrowSubtract;
    std::vector<std::int32_t> rows;
    for (int shown = 0; shown <= 9; ++shown) {
        if (rodMoveGroup(shown, digit, subtract) == group)
            rows.push_back(borrows ? 10 + shown : shown);
    }
    return rows;
}

// The rhymes of the four groups from `firstGroup`, each under its heading, shown on the middle
// of the rows where they apply.
std::vector<RhymeLine> groupRhymes(int firstGroup, bool subtract) {
    std::vector<RhymeLine> lines;
    for (int group = firstGroup; group < firstGroup + 4; ++group) {
        lines.push_back(heading(rhymeGroupName(group)));
        for (int digit = 1; digit <= 9; ++digit) {
            const std::vector<std::int32_t> rows = rowsWhereApplies(group, digit, subtract);
            if (rows.empty()) continue;
            const std::int32_t row = rows[(rows.size() - 1) / 2];
            for (const BeadStep& step : beadSteps(row, subtract, digit)) {
                if (step.place != 0) continue;
                lines.push_back({step.rhyme, std::to_string(row) + (subtract ? "-" : "+") +
                                                 std::to_string(digit)});
            }
        }
    }
    return lines;
}

}  // namespace

const std::vector<RhymeLine>& additionRhymes() {
    static const std::vector<RhymeLine> lines = groupRhymes(kDirectAdd, false);
    return lines;
}

const std::vector<RhymeLine>& subtractionRhymes() {
    static const std::vector<RhymeLine> lines = groupRhymes(kDirectSubtract, true);
    return lines;
}

const std::vector<RhymeLine>& timesTableLines() {
    static const std::vector<RhymeLine> lines = [] {
        std::vector<RhymeLine> all{heading(kTimesTableHeading)};
        for (int smaller = 1; smaller <= 9; ++smaller) {
            for (int larger = smaller; larger <= 9; ++larger) {
                all.push_back({timesTableRhyme(smaller, larger),
                               std::to_string(smaller) + "×" + std::to_string(larger)});
            }
        }
        return all;
    }();
    return lines;
}
