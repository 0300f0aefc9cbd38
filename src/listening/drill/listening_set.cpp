#include "listening/drill/listening_set.h"

#include <algorithm>
#include <vector>

#include "flash/chain_set.h"
#include "listening/chain_speech.h"
#include "listening/drill/listening_settings.h"
#include "listening/drill/reading_pace.h"

namespace {

constexpr char kListen[] = "请听";
constexpr char kNoAudioDevice[] = "没有找到声音设备，无法听算";
constexpr double kMillisecondsPerSecond = 1000.0;

// True from "预备" until the last text has been read.
bool chainBeingRead(const DrillState& drill) {
    return drill.phase == ChainPhase::Ready || drill.phase == ChainPhase::Showing;
}

}  // namespace

void readNextText(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
    if (!chainBeingRead(drill)) {
        room.Timer1.enabled = false;
        return;
    }
    const std::vector<SpokenText> texts = chainSpeech(drill.terms, chosenLeadingTwo(room));
    const auto next = static_cast<std::size_t>(drill.shownTerm + 1);
    if (next >= texts.size()) {
        askForAnswer(window);
        return;
    }
    drill.shownTerm = static_cast<int>(next);
    drill.phase = ChainPhase::Showing;
    room.Label1.setCaption(kListen);
    const int period = periodMilliseconds(window);
    const int reading = window.services.speech.speak(
        texts[next].chinese, texts[next].pinyin,
        readingPace(period / kMillisecondsPerSecond, drill.chainDigits).wordsPerMinute);
    const int slot = reading + kPauseAfterReading;
    const bool isTerm = next < drill.terms.size();
    room.Timer1.startTimer(isTerm ? std::max(period, slot) : slot);
}

bool listeningCanBeHeard(WindowContext& window) {
    if (window.services.speech.available()) return true;
    window.drill.Label9.setCaption(kNoAudioDevice);
    return false;
}
