#pragma once
// The record list laid out on printed pages, as on squared paper: a character outside ASCII
// takes two cells, any other one. Each test paper and each answer sheet starts a page, and
// a group of vertical sums is never split between two pages.

#include <span>
#include <string>
#include <vector>

// The cells `text` takes on a page.
int printedCells(const std::string& text);

// The rows `line` takes on a page `cellsPerRow` cells wide (at least two); an empty line
// is one empty row, and a character is never cut between two rows.
std::vector<std::string> wrappedRows(const std::string& line, int cellsPerRow);

// The rows of every printed page of `lines`, at most `rowsPerPage` rows a page (at least
// one), each row at most `cellsPerRow` cells wide.
std::vector<std::vector<std::string>> printedPages(std::span<const std::string> lines,
                                                   int rowsPerPage, int cellsPerRow);

// The test paper that line `index` of the record list belongs to, with its answer sheet and a
// 姓名 line under its title, for handing out; empty when the line is no paper's.
std::vector<std::string> paperPrintout(std::span<const std::string> lines, std::size_t index);
