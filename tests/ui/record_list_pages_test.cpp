// The record list on printed pages: every line printed once and in order, each paper and
// each answer sheet at the top of a page, no group of vertical sums split, and no page
// ended sooner than one of those rules asks.

#include "ui/record_list_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/loaded_trainer.h"

namespace {

constexpr int kWidePage = 80;
constexpr std::size_t kGroupLines = 5;

// Where each part of the record list begins, as the test wrote it.
struct WrittenParts {
    std::vector<std::size_t> pageStarts;  // paper headers and answer-sheet titles
    std::vector<std::size_t> sumGroups;   // first lines of the vertical-sum groups
};

class PrintedPages : public LoadedTrainer {
  protected:
    // Writes a hundred-question four-digit "+-" paper in `layout` and notes its parts.
    void writePaper(const std::string& layout) {
        trainer.choose("Combo2", 3);
        trainer.choose("Combo3", 10);
        while (form.Command8.caption() != layout) trainer.click("Command8");
        const std::size_t header = lines.size();
        trainer.click("Command1(8)");
        parts.pageStarts.push_back(header);
        for (std::size_t line = header; line < lines.size(); ++line) {
            if (lines[line].find("答案纸") != std::string::npos) {
                parts.pageStarts.push_back(line - 1);
            }
        }
        if (layout != "竖  式") return;
        for (std::size_t group = 0; group < 20; ++group) {
            parts.sumGroups.push_back(header + 3 + group * kGroupLines);
        }
    }

    // Starts and stops a run, which logs its header and its report.
    void logARun() {
        trainer.click("Command4");
        trainer.click("Command4");
    }

    const std::vector<std::string>& lines = form.List1.items;
    WrittenParts parts;
};

bool contains(const std::vector<std::size_t>& list, std::size_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

TEST_F(PrintedPages, PapersAndAnswerSheetsStartPagesAndSumGroupsStayWhole) {
    logARun();
    writePaper("竖  式");
    writePaper("双  列");
    logARun();
    writePaper("竖  式");
    ASSERT_EQ(parts.pageStarts.size(), 6u);

    for (int rowsPerPage = 5; rowsPerPage <= 70; ++rowsPerPage) {
        SCOPED_TRACE("rows per page " + std::to_string(rowsPerPage));
        const auto pages = printedPages(lines, rowsPerPage, kWidePage);

        // The page of each line, the lines being short enough to take one row each.
        std::vector<std::size_t> pageOf;
        std::vector<std::string> printed;
        for (std::size_t page = 0; page < pages.size(); ++page) {
            ASSERT_LE(pages[page].size(), static_cast<std::size_t>(rowsPerPage));
            ASSERT_FALSE(pages[page].empty());
            for (const std::string& row : pages[page]) {
                printed.push_back(row);
                pageOf.push_back(page);
            }
        }
        ASSERT_EQ(printed, lines);

        for (const std::size_t start : parts.pageStarts) {
            EXPECT_TRUE(start == 0 || pageOf[start - 1] != pageOf[start]) << "line " << start;
        }
        for (const std::size_t group : parts.sumGroups) {
            EXPECT_EQ(pageOf[group], pageOf[group + kGroupLines - 1]) << "group at " << group;
        }
        // A page ends early only before a paper, an answer sheet or a group that would not
        // fit in the rows left.
        std::size_t next = 0;
        for (std::size_t page = 0; page + 1 < pages.size(); ++page) {
            next += pages[page].size();
            const std::size_t left = static_cast<std::size_t>(rowsPerPage) - pages[page].size();
            const bool groupTooLong = contains(parts.sumGroups, next) && left < kGroupLines;
            EXPECT_TRUE(left == 0 || contains(parts.pageStarts, next) || groupTooLong)
                << "page " << page << " ends early before line " << next;
        }
    }
}

TEST(PrintedRows, WideCharactersTakeTwoCellsAndAreNeverCut) {
    EXPECT_EQ(printedCells(" 12 × 3 = "), 11);
    EXPECT_EQ(printedCells("　答案纸(  )"), 12);

    EXPECT_EQ(wrappedRows("答案纸abc", 5), (std::vector<std::string>{"答案", "纸abc"}));
    EXPECT_EQ(wrappedRows("一二三", 5), (std::vector<std::string>{"一二", "三"}));
    EXPECT_EQ(wrappedRows("", 5), (std::vector<std::string>{""}));
    EXPECT_EQ(wrappedRows("÷÷", 1), (std::vector<std::string>{"÷", "÷"}))
        << "a row always takes at least one wide character";

    const std::vector<std::string> longLine{"由" + std::string(10000, 'x') + "答题"};
    const auto pages = printedPages(longLine, 60, 80);
    std::string joined;
    std::size_t rows = 0;
    for (const auto& page : pages) {
        for (const std::string& row : page) {
            EXPECT_LE(printedCells(row), 80);
            joined += row;
            ++rows;
        }
    }
    EXPECT_EQ(joined, longLine.front());
    EXPECT_EQ(rows, 126u);
    EXPECT_EQ(pages.size(), 3u);
}

namespace {

TEST_F(PrintedPages, APapersOwnLinesPrintAloneWithANameLineUnderItsTitle) {
    logARun();
    const std::size_t firstPaper = lines.size();
    writePaper("竖  式");
    const std::size_t secondPaper = lines.size();
    writePaper("双  列");
    const std::size_t runAfter = lines.size();
    logARun();
    const std::size_t lastPaper = lines.size();
    writePaper("单  列");

    const auto expected = [&](std::size_t from, std::size_t to) {
        std::vector<std::string> paper(lines.begin() + static_cast<std::ptrdiff_t>(from),
                                       lines.begin() + static_cast<std::ptrdiff_t>(to));
        paper.insert(paper.begin() + 2, "        姓名：________________");
        return paper;
    };
    for (std::size_t line = 0; line < lines.size(); ++line) {
        SCOPED_TRACE("line " + std::to_string(line));
        const std::vector<std::string> printout = paperPrintout(lines, line);
        if (line < firstPaper || (line >= runAfter && line < lastPaper)) {
            EXPECT_TRUE(printout.empty());
        } else if (line < secondPaper) {
            EXPECT_EQ(printout, expected(firstPaper, secondPaper));
        } else if (line < runAfter) {
            EXPECT_EQ(printout, expected(secondPaper, runAfter));
        } else {
            EXPECT_EQ(printout, expected(lastPaper, lines.size()));
        }
    }
    const std::vector<std::string> last = paperPrintout(lines, lines.size() - 1);
    EXPECT_EQ(std::count_if(last.begin(), last.end(),
                            [](const std::string& row) { return row.find("答案纸") != row.npos; }),
              1)
        << "its answer sheet, and no other";
    EXPECT_TRUE(paperPrintout(lines, lines.size()).empty());
}

}  // namespace
