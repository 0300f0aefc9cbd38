#pragma once
// Gives the toolkit a private runtime folder when the desktop session provides none.

// Sets XDG_RUNTIME_DIR to a folder only this user can enter, if it is not set already.
void ensurePrivateRuntimeFolder();
