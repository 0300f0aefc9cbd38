#pragma once
// The teacher's line kept in the user's own data folder (mode 0700), in a file only that user
// may read (0600): never in a log, never printed, and never followed through a link.

#include <optional>
#include <string>

// The file that keeps the teacher's line in the data folder `dataFolder`.
std::string teacherLineFileIn(const std::string& dataFolder);

// The line kept at `path`; nullopt when none is kept there or it is not a plain file.
std::optional<std::string> keptTeacherLine(const std::string& path);

// Keeps `line` at `path`, replacing the line kept before in one step; false when it could not.
bool keepTeacherLine(const std::string& path, const std::string& line);

// Forgets the line kept at `path`; true when none is kept afterwards.
bool forgetTeacherLine(const std::string& path);
