#pragma once
// The id a record is given when it is handed to the history: a random UUID (version 4), which
// it keeps in the journal, in the history file and on the class server, so that a record stored
// twice is still kept once.

#include <string>

// A new random UUID in its usual lower-case text form.
std::string newRecordId();
