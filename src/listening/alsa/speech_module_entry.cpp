#include "listening/alsa/speech_module_entry.h"

#include "listening/alsa/alsa_speech_output.h"

// Makes and prepares the speech output; the program deletes it through its interface.
extern "C" __attribute__((visibility("default"))) SpeechOutput* abacusMakeSpeechOutput() {
    auto* output = new AlsaSpeechOutput;
    output->prepare();
    return output;
}
