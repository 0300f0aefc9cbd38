#pragma once
// The class report as a PDF, laid out as the 班级 page prints it.

#include <string>

#include "history/class_server/class_report.h"

// Writes `report` of the class `className` to the PDF file `path`; false when the file cannot be
// written.
bool writeReportPdf(const std::string& path, const std::string& className,
                    const ClassReport& report);
