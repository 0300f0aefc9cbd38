#pragma once
// The table of a class on the 班级 page: its header and a row per learner, sorted by the column
// whose header is clicked, counts, shares and levels by their number.

#include <QTableWidget>

#include "history/class_server/teacher_records.h"

// An empty table, sortable, one whole row chosen at a time.
QTableWidget* classReportTable(QWidget* parent);

// Shows `classTable` in `table`, in the order the server gave until a header is clicked.
void showClassReport(QTableWidget& table, const ClassTable& classTable);
