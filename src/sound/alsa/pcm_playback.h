#pragma once
// Sending decoded samples to an ALSA device, giving up at a deadline between device calls.

#include <chrono>
#include <string>

#include "sound/alsa/wave_decoder.h"

using SteadyTime = std::chrono::steady_clock::time_point;

// Keeps ALSA's diagnostics off stderr: a missing or busy device must stay silent.
void quietAlsaMessages();

// Lets a write from this thread to a device whose reader has gone fail instead of ending the
// program.
void keepBrokenPipesQuiet();

// Plays `wave` on the ALSA device `deviceName` and returns once it has sounded: not before
// `heardBy`, later only while the device still holds samples, and after `giveUpAt` only when
// a single device call blocks, which a stalled device can do for ever. Returns at once when
// the device cannot be opened or set up.
void playOnDevice(const std::string& deviceName, const DecodedWave& wave, SteadyTime heardBy,
                  SteadyTime giveUpAt);
