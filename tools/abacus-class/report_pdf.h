#pragma once
// The class report as a printed page: a PDF of the same table, its header repeated on each page.

#include <string>
#include <vector>

// Writes `table` (its first row the header) for the class `className` to the PDF file `path`;
// false when the file cannot be written.
bool writeReportPdf(const std::string& path, const std::string& className,
                    const std::vector<std::vector<std::string>>& table);
