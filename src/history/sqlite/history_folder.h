#pragma once
// Where the history file lives: the user's data folder, created readable only by that user,
// and the file's place in it with every folder link above it resolved.

#include <string>

// What stands at a path: nothing, a plain file, a link (to something, or leading nowhere) or
// something that is not a file at all.
enum class FileKind { Missing, Plain, Link, Dangling, Pipe, Folder, Device, Socket };

// The trainer's data folder: $XDG_DATA_HOME/abacus-trainer when `xdgDataHome` is an absolute
// path, else `home`/.local/share/abacus-trainer (a relative or empty value is ignored).
std::string historyDataFolder(const char* xdgDataHome, const std::string& home);

// Where a folder could not be made or used, and the system's error number; `at` is empty when
// all is well.
struct FolderTrouble {
    std::string at;
    int error = 0;
};

// Creates each missing folder of `folder` with mode 0700; trouble when one cannot be made or
// `folder` is not a folder afterwards.
FolderTrouble createPrivateFolder(const std::string& folder);

// Trouble when this user may not enter `folder` or write in it.
FolderTrouble unusableFolder(const std::string& folder);

// The person's words for the system's error number `error`.
std::string causeOf(int error);

// `path` with the links among its folders resolved; the last name is kept as it is.
std::string withResolvedFolders(const std::string& path);

// What stands at `path`, looked at without following a link there and without opening it.
FileKind kindAt(const std::string& path);
