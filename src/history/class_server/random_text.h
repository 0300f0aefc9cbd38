#pragma once
// Passwords and role names drawn from the system's random source.

#include <string>

// `count` characters drawn evenly out of `alphabet` (at most 256 of them).
std::string randomText(int count, const std::string& alphabet);

// A password of 24 letters and digits, none that is easily mistaken for another.
std::string randomPassword();
