#pragma once
// The record list's lines as plain text: on the clipboard or in a UTF-8 text file. Neither
// changes the lines.

#include <QString>
#include <functional>
#include <span>
#include <string>

// Told how many of how many lines are written; false stops the saving.
using SaveProgress = std::function<bool(qint64 linesDone, qint64 linesTotal)>;

// The lines as one text, each ended by a line feed.
QString recordListText(std::span<const std::string> lines);

// Puts the lines on the clipboard as plain text.
void copyRecordList(std::span<const std::string> lines);

// Writes the lines to the file `path` as UTF-8 text, telling `progress` as it goes. The file is
// replaced only once the whole text is written, so a failed write (a full disk included) or a
// stop leaves an existing file as it was and no part of the new one. True on success.
bool saveRecordList(std::span<const std::string> lines, const QString& path,
                    const SaveProgress& progress = {});
