#pragma once
// The record list's lines as plain text: on the clipboard or in a UTF-8 text file. Neither
// changes the lines.

#include <QString>
#include <span>
#include <string>

// The lines as one text, each ended by a line feed.
QString recordListText(std::span<const std::string> lines);

// Puts the lines on the clipboard as plain text.
void copyRecordList(std::span<const std::string> lines);

// Writes the lines to the file `path` as UTF-8 text. The file is replaced only once the
// whole text is written, so a failure leaves an existing file as it was. True on success.
bool saveRecordList(std::span<const std::string> lines, const QString& path);
