#include "engine/question_timer.h"

#include <cstdint>
#include <string>

#include "display/question_layout.h"
#include "display/verdict_mark.h"
#include "engine/next_question.h"
#include "engine/text_number.h"
#include "engine/time_bar.h"
#include "sound/play_clip.h"

namespace {

constexpr char kExam[] = "0";
constexpr char kSevereWarning[] = "喂！小家伙，你已经严重超时了！";
constexpr std::int16_t kOvertimeClip = 106;
constexpr std::int16_t kSevereOvertimeClip = 102;
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};

// Closes an exam question whose time is up and lays out the next one, if any.
void closeAtLimit(WindowContext& window) {
    TrainingState& state = window.state;
    yyyy(window);
    if (state.remainingCount > 0) aaa(window);
    state.questionSeconds = 0;
    state.overtimeSeconds = 0;
    state.overtimeBlink.clear();
}

// Shows the overtime warning, arms its clip for the first time in the run, and blinks.
void warnOvertime(WindowContext& window, std::int32_t limit) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    state.overtimeSeconds = saturatedTo<std::int16_t>(static_cast<double>(state.questionSeconds) -
                                                      static_cast<double>(limit));
    form.Label8.visible = true;
    form.Shape2.visible = false;
    if (state.overtimeSeconds > limit) {
        form.Label8.setCaption(kSevereWarning);
        if (state.severeOvertimeSoundPlayed == 0) state.severeOvertimeSoundPending = 1;
    } else {
        form.Label8.setCaption("小家伙，你已经超时了" + plainNumber(state.overtimeSeconds) +
                               "秒！");
        if (state.overtimeSoundPlayed == 0) state.overtimeSoundPending = 1;
    }
    if (!state.overtimeBlink.empty()) {
        state.overtimeBlink.clear();
        form.Label8.foreColor = kBlue;
    } else {
        state.overtimeBlink = "1";
        form.Label8.foreColor = kRed;
    }
    showOvertime(window, !state.overtimeBlink.empty());
}

// Plays the armed overtime clips, whatever the sound setting says.
void playPendingOvertimeClips(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.severeOvertimeSoundPending == 1) {
        playClip(window, kSevereOvertimeClip);
        state.severeOvertimeSoundPending = 0;
        state.severeOvertimeSoundPlayed = 1;
    }
    if (state.overtimeSoundPending == 1) {
        playClip(window, kOvertimeClip);
        state.overtimeSoundPending = 0;
        state.overtimeSoundPlayed = 1;
    }
}

}  // namespace

void Timer2_Timer(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    const std::int32_t limit = state.secondsPerQuestion;
    const int fullBar = fullTimeBarWidth(form);
    if (state.questionSeconds < INT32_MAX) ++state.questionSeconds;
    if (state.questionSeconds < limit) {
        form.Shape2.width = static_cast<int>(
            roundHalfEven(static_cast<double>(state.questionSeconds) / limit * fullBar));
    } else {
        form.Shape2.width = fullBar;
        if (state.examMode == kExam) closeAtLimit(window);
    }
    if (state.questionSeconds > limit) {
        warnOvertime(window, limit);
    } else {
        form.Label8.visible = false;
        state.overtimeSeconds = 0;
        form.Shape2.visible = true;
        endOvertimeShow(window);
    }
    playPendingOvertimeClips(window);
}
