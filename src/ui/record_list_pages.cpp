#include "ui/record_list_pages.h"

#include <algorithm>
#include <cstddef>

#include "paper/paper_headings.h"

namespace {

using Rows = std::vector<std::string>;
using Lines = std::span<const std::string>;

constexpr int kWideCells = 2;
constexpr char kRunHeaderStart[] = "这是第";
constexpr char kNameLine[] = "        姓名：________________";
constexpr std::size_t kSumGroupLines = 5;  // four lines and the empty line after them

// True for the first byte of a UTF-8 character.
bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The cells of the character starting with `byte`.
int cellsOf(char byte) { return static_cast<unsigned char>(byte) < 0x80 ? 1 : kWideCells; }

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// True when line `i` is the first line of a test paper's header.
bool opensPaper(Lines lines, std::size_t i) {
    return lines[i] == kHeaderSpacer && i + 1 < lines.size() && contains(lines[i + 1], kClassLine);
}

// True when line `i` is the first line of an answer sheet: its title above the heading, or
// the heading itself when no title stands above it.
bool opensAnswerSheet(Lines lines, std::size_t i) {
    if (i + 1 < lines.size() && lines[i + 1] == kAnswerSheetHeading &&
        contains(lines[i], kPaperWord)) {
        return true;
    }
    return lines[i] == kAnswerSheetHeading && !(i > 0 && contains(lines[i - 1], kPaperWord));
}

// True for the rule under the terms of vertical sums: blanks and dashes only.
bool isSumRule(const std::string& line) {
    return line.find('-') != std::string::npos &&
           std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '-'; });
}

// True when a group of vertical sums starts at line `i`: four written lines, the third of
// them the rule, and an empty line after them.
bool opensSumGroup(Lines lines, std::size_t i) {
    if (i + kSumGroupLines > lines.size()) return false;
    for (std::size_t line = i; line < i + kSumGroupLines - 1; ++line) {
        if (lines[line].empty()) return false;
    }
    return isSumRule(lines[i + 2]) && lines[i + kSumGroupLines - 1].empty();
}

// Fills pages row by row, starting a page when one is full or when asked to.
class PageFiller {
  public:
    explicit PageFiller(int rowsPerPage) : rowsPerPage_(static_cast<std::size_t>(rowsPerPage)) {}

    // Starts a new page unless the current one is still empty.
    void startPage() {
        if (page_.empty()) return;
        pages_.push_back(std::move(page_));
        page_.clear();
    }

    // Adds `rows` on a fresh page when they would fit on one page but not on this one.
    void keepTogether(const Rows& rows) {
        if (rows.size() <= rowsPerPage_ && page_.size() + rows.size() > rowsPerPage_) startPage();
        add(rows);
    }

    void add(const Rows& rows) {
        for (const std::string& row : rows) {
            if (page_.size() == rowsPerPage_) startPage();
            page_.push_back(row);
        }
    }

    std::vector<Rows> finish() {
        startPage();
        return std::move(pages_);
    }

  private:
    std::size_t rowsPerPage_;
    Rows page_;
    std::vector<Rows> pages_;
};

}  // namespace

int printedCells(const std::string& text) {
    int cells = 0;
    for (const char byte : text) {
        if (startsCharacter(byte)) cells += cellsOf(byte);
    }
    return cells;
}

std::vector<std::string> wrappedRows(const std::string& line, int cellsPerRow) {
    const int width = std::max(cellsPerRow, kWideCells);
    Rows rows(1);
    int cells = 0;
    for (std::size_t start = 0; start < line.size();) {
        std::size_t end = start + 1;
        while (end < line.size() && !startsCharacter(line[end])) ++end;
        const int characterCells = cellsOf(line[start]);
        if (cells + characterCells > width) {
            rows.emplace_back();
            cells = 0;
        }
        rows.back().append(line, start, end - start);
        cells += characterCells;
        start = end;
    }
    return rows;
}

std::vector<std::vector<std::string>> printedPages(Lines lines, int rowsPerPage, int cellsPerRow) {
    PageFiller pages(std::max(rowsPerPage, 1));
    for (std::size_t i = 0; i < lines.size();) {
        if (opensPaper(lines, i) || opensAnswerSheet(lines, i)) pages.startPage();
        if (opensSumGroup(lines, i)) {
            Rows group;
            for (std::size_t line = i; line < i + kSumGroupLines; ++line) {
                const Rows rows = wrappedRows(lines[line], cellsPerRow);
                group.insert(group.end(), rows.begin(), rows.end());
            }
            pages.keepTogether(group);
            i += kSumGroupLines;
        } else {
            pages.add(wrappedRows(lines[i], cellsPerRow));
            ++i;
        }
    }
    return pages.finish();
}

std::vector<std::string> paperPrintout(Lines lines, std::size_t index) {
    if (index >= lines.size()) return {};
    std::size_t first = index + 1;
    while (first > 0 && !opensPaper(lines, first - 1)) {
        if (lines[first - 1].rfind(kRunHeaderStart, 0) == 0) return {};
        --first;
    }
    if (first == 0) return {};
    const std::size_t start = first - 1;
    std::size_t end = start + 1;
    while (end < lines.size() && !opensPaper(lines, end) &&
           lines[end].rfind(kRunHeaderStart, 0) != 0) {
        ++end;
    }
    Rows printout(lines.begin() + static_cast<std::ptrdiff_t>(start),
                  lines.begin() + static_cast<std::ptrdiff_t>(end));
    printout.insert(printout.begin() + 2, kNameLine);
    return printout;
}
