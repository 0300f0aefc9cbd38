#include "sound/alsa/sound_module_entry.h"

#include "sound/alsa/alsa_sound_output.h"

// Makes and prepares the sound output; the program deletes it through its interface.
extern "C" __attribute__((visibility("default"))) SoundOutput* abacusMakeSoundOutput() {
    auto* output = new AlsaSoundOutput;
    output->prepare();
    return output;
}
