#include "desktop/printing/sheet_printer.h"

#include <algorithm>

#include "desktop/printing/record_list_printer.h"
#include "ui/record_list_pages.h"

namespace {

constexpr char kPageBreak[] = "\f";

using Rows = std::vector<std::string>;

// The wrapped rows of a group of lines.
Rows groupRows(const Rows& group, int cellsPerRow) {
    Rows rows;
    for (const std::string& line : group) {
        for (std::string& row : wrappedRows(line, cellsPerRow)) rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

std::vector<std::vector<std::string>> sheetPages(const std::vector<std::string>& lines,
                                                 int rowsPerPage, int cellsPerRow) {
    const auto pageRows = static_cast<std::size_t>(std::max(1, rowsPerPage));
    std::vector<Rows> pages;
    Rows page;
    const auto startPage = [&] {
        if (page.empty()) return;
        pages.push_back(std::move(page));
        page.clear();
    };
    const auto addGroup = [&](const Rows& group) {
        const Rows rows = groupRows(group, cellsPerRow);
        if (rows.size() <= pageRows && page.size() + rows.size() > pageRows) startPage();
        for (const std::string& row : rows) {
            if (page.size() == pageRows) startPage();
            page.push_back(row);
        }
    };
    Rows group;
    for (const std::string& line : lines) {
        if (line.empty() || line == kPageBreak) {
            addGroup(group);
            group.clear();
            if (line == kPageBreak) {
                startPage();
            } else if (!page.empty() && page.size() < pageRows) {
                page.emplace_back();
            }
            continue;
        }
        group.push_back(line);
    }
    addGroup(group);
    startPage();
    return pages;
}

bool printSheet(const std::vector<std::string>& lines, QPrinter& printer, const QFont& screenFont,
                const PrintProgress& progress) {
    return printLaidOutPages(
        [&lines](int rowsPerPage, int cellsPerRow) {
            return sheetPages(lines, rowsPerPage, cellsPerRow);
        },
        printer, screenFont, progress);
}
