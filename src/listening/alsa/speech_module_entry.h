#pragma once
// The one function of the speech module, which the program finds by name once the module is
// loaded.

#include "model/services.h"

// The name under which the program looks the function up.
inline constexpr char kMakeSpeechOutputFunction[] = "abacusMakeSpeechOutput";

// Makes the speech output on the desktop's default device, its voice set up and the device
// looked for; the caller owns it.
using MakeSpeechOutput = SpeechOutput* (*)();
