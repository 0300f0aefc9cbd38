#pragma once
// The one function of the sound module, which the program finds by name once the module is
// loaded.

#include "model/services.h"

// The name under which the program looks the function up.
inline constexpr char kMakeSoundOutputFunction[] = "abacusMakeSoundOutput";

// Makes the ALSA sound output on the desktop's default device, ready so that its first clip
// starts as quickly as any later one; the caller owns it.
using MakeSoundOutput = SoundOutput* (*)();
