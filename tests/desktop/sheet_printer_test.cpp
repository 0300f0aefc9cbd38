// A level paper printed: groups of lines are never split between pages, the answer sheet
// starts a page, nothing is lost, and the PDF reads back with the paper on one page and the
// answers on the next.

#include "desktop/printing/sheet_printer.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
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

// The page where the row `text` first stands, searching from page `from`.
std::size_t pageHolding(const std::vector<std::vector<PlacedRow>>& pages, const std::string& text,
                        std::size_t from) {
    for (std::size_t page = from; page < pages.size(); ++page) {
        for (const PlacedRow& row : pages[page]) {
            if (row.text == text) return page;
        }
    }
    return pages.size();
}

// A sheet laid out in millimetres on a page of `pageHeight` inside its margins.
SheetMetrics millimetres(double pageHeight, int cellsPerRow = 80) {
    return {pageHeight, 7.5, kAnswerRowMillimetres, cellsPerRow, 1.8};
}

TEST(SheetPages, GroupsStayTogetherRowsFitAndAnswersHaveRoomToWrite) {
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        const int level = static_cast<int>(random() % kLevelCount);
        const Rows lines = levelPaperSheet(levelPaper(level, random()), 10);
        const double pageHeight = 60.0 + static_cast<double>(random() % 500);
        const SheetMetrics metrics = millimetres(pageHeight);
        const auto pages = sheetPages(lines, metrics);
        Rows written;
        for (std::size_t page = 0; page < pages.size(); ++page) {
            ASSERT_FALSE(pages[page].empty());
            EXPECT_EQ(pages[page].front().top, 0) << "a page starts at its top margin";
            double bottom = 0;
            for (const PlacedRow& row : pages[page]) {
                EXPECT_GE(row.top, bottom - 1e-9) << "rows never overlap";
                EXPECT_LE(row.top + row.height, pageHeight + 1e-9) << "inside the margins";
                if (row.text.find("____") != std::string::npos) {
                    EXPECT_GE(row.height, kAnswerRowMillimetres) << row.text;
                }
                bottom = row.top + row.height;
                written.push_back(row.text);
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
                EXPECT_EQ(pages[page].front().text, group.front())
                    << "answers on a page of their own";
            }
            double groupHeight = 0;
            for (const std::string& line : group) {
                groupHeight +=
                    line.find("____") != std::string::npos ? metrics.answerRow : metrics.textRow;
            }
            if (groupHeight <= pageHeight) {
                EXPECT_EQ(pageHolding(pages, group.back(), page), page)
                    << "a group split on a page of " << pageHeight << " mm: " << group.front();
            }
            searchFrom = page;
        }
    }
}

TEST(SheetPages, APaperOnOnePageFillsItAndTheAnswerSheetIsLeftAsItIs) {
    for (int level = 0; level < kLevelCount; ++level) {
        const Rows lines = levelPaperSheet(levelPaper(level, 7), 10);
        const auto pages = sheetPages(lines, millimetres(267));
        ASSERT_GE(pages.size(), 2u);
        const PlacedRow& last = pages.front().back();
        EXPECT_GE(last.top + last.height, 267 * 0.75) << "level " << level << " on a quarter page";
        const PlacedRow& answers = pages.back().back();
        EXPECT_LT(answers.top + answers.height, 267 * 0.75);
    }
}

TEST(SheetPages, LongLinesAreWrappedAndAnOverlongGroupFillsPages) {
    const Rows lines{"title", "", std::string(30, '7'), "a", "b", "c", "d", "e", "\f", "answers"};
    const auto pages = sheetPages(lines, {4.0, 1.0, 1.0, 10, 1.0});
    ASSERT_EQ(pages.size(), 4u);
    const auto texts = [&](std::size_t page) {
        Rows shown;
        for (const PlacedRow& row : pages[page]) shown.push_back(row.text);
        return shown;
    };
    EXPECT_EQ(texts(0), (Rows{"title", "7777777777", "7777777777"}));
    EXPECT_EQ(pages[0][1].top, 1.5) << "half a row between groups";
    EXPECT_EQ(texts(1), (Rows{"7777777777", "a", "b", "c"}));
    EXPECT_EQ(texts(2), (Rows{"d", "e"}));
    EXPECT_EQ(texts(3), (Rows{"answers"}));
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

    // Every word inside margins of 15 mm, in type of 14 points or more, the questions reaching
    // down the page.
    QProcess boxes;
    boxes.start("pdftotext", {"-bbox", pdf, "-"});
    ASSERT_TRUE(boxes.waitForFinished(30000));
    const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
    const QRegularExpression pageSize(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const auto size = pageSize.match(html);
    ASSERT_TRUE(size.hasMatch());
    const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
    const double margin = 15 / 25.4 * 72 - 0.5;
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re");
    double lowest = 0;
    int words = 0;
    // The title is the top line: its words, from the leftmost to the rightmost, are centred.
    double titleTop = height, titleLeft = width, titleRight = 0;
    const QString firstPage = html.left(html.indexOf("</page>"));
    for (auto match = word.globalMatch(firstPage); match.hasNext(); ++words) {
        const auto box = match.next();
        const double left = box.captured(1).toDouble(), top = box.captured(2).toDouble();
        const double right = box.captured(3).toDouble(), bottom = box.captured(4).toDouble();
        if (top < titleTop - 1) {
            titleTop = top;
            titleLeft = left;
            titleRight = right;
        } else if (top < titleTop + 1) {
            titleLeft = std::min(titleLeft, left);
            titleRight = std::max(titleRight, right);
        }
        EXPECT_GE(left, margin);
        EXPECT_GE(top, margin);
        EXPECT_LE(right, width - margin);
        EXPECT_LE(bottom, height - margin);
        EXPECT_GE(bottom - top, 14.0) << "type of 14 points or more";
        lowest = std::max(lowest, bottom);
    }
    EXPECT_GT(words, 30);
    EXPECT_GT(lowest, height * 0.75) << "the questions fill the page";
    EXPECT_NEAR((titleLeft + titleRight) / 2, width / 2, 3)
        << "the title is centred: " << titleLeft << ".." << titleRight << " at " << titleTop << "\n"
        << firstPage.left(1500).toStdString();
}

}  // namespace
