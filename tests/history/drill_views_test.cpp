// The practice room's drills as the history window shows them.
#include "history/drill_views.h"

#include <gtest/gtest.h>

namespace {

StoredDrill drill(const std::string& learner, const std::string& date, const std::string& kind,
                  const std::string& speed, int terms, bool right, bool stopped = false) {
    StoredDrill stored;
    stored.learner = learner;
    stored.date = date;
    stored.time = "09:05:30";
    stored.kind = kind;
    stored.digits = 2;
    stored.terms = terms;
    stored.secondsPerNumber = speed;
    stored.mix = "加减";
    stored.view = "看数";
    stored.chain = "32+15-7";
    stored.answer = stopped ? "" : "40";
    stored.right = right;
    stored.stopped = stopped;
    return stored;
}

TEST(DrillViews, RowsAreTheLearnersNewestFirstAndThePlotKeepsEachDaysLongestRightChain) {
    StoredDrill beads = drill("a", "2026-12-08", "拨珠练习", "", 2, true);
    beads.rhymeGroup = "满五加";
    beads.wrongClicks = 2;
    const std::vector<StoredDrill> drills = {
        drill("a", "2026-12-07", "闪电心算", "0.5", 5, true),
        drill("a", "2026-12-07", "闪电心算", "0.5", 8, true),
        drill("a", "2026-12-07", "闪电心算", "0.5", 3, true),    // right, but not the day's longest
        drill("a", "2026-12-07", "闪电心算", "0.5", 12, false),  // wrong: not on the plot
        drill("a", "2026-12-08", "闪电心算", "0.5", 15, false, true),  // stopped
        drill("a", "2026-12-08", "闪电心算", "0.5", 6, true),
        drill("a", "2026-12-08", "闪电心算", "1.0", 4, true),
        drill("a", "2026-12-08", "听心算", "1.0", 3, true),
        drill("b", "2026-12-08", "闪电心算", "0.5", 10, true),  // another learner
        beads,
    };

    const std::vector<DrillTableRow> rows = drillTableRows(drills, "a");
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0].kind, "拨珠练习");
    EXPECT_EQ(rows[0].setting, "2位 满五加");
    EXPECT_EQ(rows[0].answer, "错2次");
    EXPECT_EQ(rows[1].setting, "2位 3笔 1.0秒 加减 看数");
    EXPECT_EQ(rows[4].answer, "中止");
    EXPECT_EQ(rows[4].verdict, "");
    EXPECT_EQ(rows[5].verdict, "×");
    EXPECT_EQ(rows[5].question, "32+15-7=40") << "a wrong chain shows its right total";
    EXPECT_EQ(rows[4].question, "32+15-7") << "a stopped chain has no total";
    EXPECT_EQ(rows[3].question, "32+15-7");
    EXPECT_EQ(rows[8].date, "2026-12-07 09:05");
    EXPECT_EQ(rows[8].verdict, "√");

    const std::vector<ScoreLine> lines = longestChainLines(drills, "a");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].mode, "1.0秒/笔") << "the slower speed first";
    EXPECT_EQ(lines[1].mode, "0.5秒/笔");
    EXPECT_EQ(lines[2].mode, "听心算 1.0秒/笔");
    ASSERT_EQ(lines[1].points.size(), 2u);
    EXPECT_EQ(lines[1].points[0].day, dayNumber("2026-12-07"));
    EXPECT_EQ(lines[1].points[0].score, 8);
    EXPECT_EQ(lines[1].points[1].score, 6);
    EXPECT_TRUE(longestChainLines(drills, "c").empty());
}

TEST(DrillViews, TheSharePlotDrawsEachDaysRightChainsAmongThoseAnswered) {
    const std::vector<StoredDrill> drills = {
        // One of five right: the longest right chain says 5, the share says 20 %.
        drill("a", "2026-12-07", "闪电心算", "0.5", 5, true),
        drill("a", "2026-12-07", "闪电心算", "0.5", 5, false),
        drill("a", "2026-12-07", "闪电心算", "0.5", 5, false),
        drill("a", "2026-12-07", "闪电心算", "0.5", 5, false),
        drill("a", "2026-12-07", "闪电心算", "0.5", 5, false),
        drill("a", "2026-12-07", "闪电心算", "0.5", 5, false, true),  // stopped: not counted
        // A day of none right is on the share line at 0 and off the longest line.
        drill("a", "2026-12-08", "闪电心算", "0.5", 5, false),
        drill("a", "2026-12-09", "闪电心算", "0.5", 4, true),
        drill("a", "2026-12-09", "闪电心算", "0.5", 4, true),
        drill("b", "2026-12-09", "闪电心算", "0.5", 4, false),  // another learner
    };
    const std::vector<ScoreLine> shares = chainShareLines(drills, "a");
    ASSERT_EQ(shares.size(), 1u);
    EXPECT_EQ(shares[0].mode, "0.5秒/笔");
    ASSERT_EQ(shares[0].points.size(), 3u);
    EXPECT_EQ(shares[0].points[0].score, 20);
    EXPECT_EQ(shares[0].points[1].day, dayNumber("2026-12-08"));
    EXPECT_EQ(shares[0].points[1].score, 0);
    EXPECT_EQ(shares[0].points[2].score, 100);

    const std::vector<ScoreLine> longest = longestChainLines(drills, "a");
    ASSERT_EQ(longest.size(), 1u);
    ASSERT_EQ(longest[0].points.size(), 2u);
    EXPECT_EQ(longest[0].points[0].score, 5);
    EXPECT_EQ(longest[0].points[1].score, 4);
    EXPECT_TRUE(chainShareLines(drills, "c").empty());
}

TEST(DrillViews, AChainsTotalIsReadOnlyFromTermsAndSigns) {
    EXPECT_EQ(chainTotal("2+4+7+9+7"), 29);
    EXPECT_EQ(chainTotal("325+67-12"), 380);
    EXPECT_EQ(chainTotal("-5+3"), -2);
    for (const char* notAChain : {"", "+", "3+", "3++4", "3 + 4", "3x4", "12-"}) {
        EXPECT_EQ(chainTotal(notAChain), std::nullopt) << notAChain;
    }
    EXPECT_EQ(chainTotal(std::string(40, '9')), std::nullopt) << "a term too long to add";
}

}  // namespace
