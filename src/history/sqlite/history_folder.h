#pragma once
// Where the history file lives: the user's data folder, created readable only by that user,
// and the file's place in it with every folder link above it resolved.

#include <string>

enum class FileLink { None, Link, Dangling };

// The trainer's data folder: $XDG_DATA_HOME/abacus-trainer when `xdgDataHome` is an absolute
// path, else `home`/.local/share/abacus-trainer (a relative or empty value is ignored).
std::string historyDataFolder(const char* xdgDataHome, const std::string& home);

// Creates each missing folder of `folder` with mode 0700; true when it is a folder afterwards.
bool createPrivateFolder(const std::string& folder);

// `path` with the links among its folders resolved; the last name is kept as it is.
std::string withResolvedFolders(const std::string& path);

// Whether `path` itself is a symbolic link, and whether that link leads nowhere.
FileLink linkAt(const std::string& path);
