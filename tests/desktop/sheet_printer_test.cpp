// A level paper printed: groups of lines are never split between pages, the answer sheet
// starts a page, nothing is lost, and the PDF reads back with the paper on one page and the
// answers on the next.

#include "desktop/printing/sheet_printer.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <random>

#include "levels/level_paper_sheet.h"
#include "levels/level_table.h"
#include "ui/record_list_pages.h"

namespace {

using Rows = std::vector<std::string>;

// The groups of a sheet's lines: runs of written lines between empty lines and page breaks.
std::vector<Rows> groupsOf(const Rows& lines) {
    std::vector<Rows> groups(1);
    for (const std::string& line : lines) {
        if (line.empty() || line == kSheetPageBreak) {
            if (!groups.back().empty()) groups.emplace_back();
        } else {
            groups.back().push_back(line);
        }
    }
    if (groups.back().empty()) groups.pop_back();
    return groups;
}

// The page and row where `row` first stands, searching from page `from`.
std::size_t pageHolding(const std::vector<Rows>& pages, const std::string& row, std::size_t from) {
    for (std::size_t page = from; page < pages.size(); ++page) {
        if (std::find(pages[page].begin(), pages[page].end(), row) != pages[page].end()) {
            return page;
        }
    }
    return pages.size();
}

TEST(SheetPages, GroupsStayTogetherAndTheAnswerSheetStartsAPage) {
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        const int level = static_cast<int>(random() % kLevelCount);
        const Rows lines = levelPaperSheet(levelPaper(level, random()), 10);
        const int rowsPerPage = 8 + static_cast<int>(random() % 70);
        const auto pages = sheetPages(lines, rowsPerPage, 80);
        Rows written;
        for (const Rows& page : pages) {
            ASSERT_FALSE(page.empty());
            ASSERT_LE(page.size(), static_cast<std::size_t>(rowsPerPage));
            EXPECT_FALSE(page.front().empty()) << "a page starts with an empty row";
            for (const std::string& row : page) {
                if (!row.empty()) written.push_back(row);
            }
        }
        Rows expected;
        for (const std::string& line : lines) {
            if (!line.empty() && line != kSheetPageBreak) expected.push_back(line);
        }
        ASSERT_EQ(written, expected) << "every line printed once, in order";

        const std::size_t answerTitle =
            std::find(lines.begin(), lines.end(), kSheetPageBreak) - lines.begin() + 1;
        std::size_t searchFrom = 0;
        for (const Rows& group : groupsOf(lines)) {
            const std::size_t page = pageHolding(pages, group.front(), searchFrom);
            ASSERT_LT(page, pages.size());
            if (group.front() == lines[answerTitle]) {
                EXPECT_EQ(pages[page].front(), group.front()) << "answers on a page of their own";
            }
            if (group.size() <= static_cast<std::size_t>(rowsPerPage)) {
                EXPECT_EQ(pageHolding(pages, group.back(), page), page)
                    << "a group split at " << rowsPerPage << " rows: " << group.front();
            }
            searchFrom = page;
        }
    }
}

TEST(SheetPages, LongLinesAreWrappedAndAnOverlongGroupFillsPages) {
    const Rows lines{"title", "", std::string(30, '7'), "a", "b", "c", "d", "e", "\f", "answers"};
    const auto pages = sheetPages(lines, 4, 10);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0], (Rows{"title", "", "7777777777", "7777777777"}));
    EXPECT_EQ(pages[1], (Rows{"7777777777", "a", "b", "c"}));
    EXPECT_EQ(pages[2], (Rows{"d", "e"}));
    EXPECT_EQ(pages[3], (Rows{"answers"}));
}

// The pages of a PDF file as text.
QStringList pdfPages(const QString& path) {
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(process.waitForFinished(30000));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

TEST(SheetPrinter, APrintedSeventhLevelPaperHasItsAnswersOnTheNextPage) {
    const LevelPaper paper = levelPaper(3, 11);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("level.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(19);
    int reported = 0;
    ASSERT_TRUE(printSheet(levelPaperSheet(paper, 10), printer, font, [&](int done, int total) {
        reported = done;
        return done <= total;
    }));
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(reported, 2);
    EXPECT_TRUE(pages[0].contains("姓名"));
    EXPECT_TRUE(pages[0].contains("七级"));
    for (const SumQuestion& sum : paper.additionItem) {
        for (std::int32_t term : sum.terms) {
            EXPECT_TRUE(pages[0].contains(QString::number(term))) << term;
        }
    }
    EXPECT_TRUE(pages[1].contains("答案"));
    for (const SumQuestion& sum : paper.additionItem) {
        EXPECT_TRUE(pages[1].contains(QString::number(sum.answer))) << sum.answer;
    }
}

}  // namespace
