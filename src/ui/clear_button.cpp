#include "ui/clear_button.h"

#include <cstdint>

#include "display/abacus_board.h"
#include "display/question_layout.h"
#include "engine/question_display.h"
#include "sound/play_clip.h"

namespace {

constexpr char kPaperKeyCaption[] = "出卷";
constexpr std::int16_t kClearedClip = 103;
constexpr int kPaperKey = 8;

// Wipes what was typed for the current question and shows it afresh.
void clearTypedAnswer(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    form.Label17.setCaption("");
    form.Frame2.visible = true;
    for (Element* box : {&form.Labe1, &form.Labe2, &form.Labe3, &form.Labe4, &form.Labe5}) {
        box->setCaption("");
    }
    restoreBlank(window);
    zmt(window);
    state.typedValue = 0;
    state.typedAnswer.clear();
    state.typedDigitCount = 0;
    for (Element& key : form.Command1) key.enabled = true;
    aaa(window);
    if (soundCuesOn(window)) playClip(window, kClearedClip);
}

// Empties the record list; the next run or paper is numbered from 1 again.
void clearRecordList(WindowContext& window) {
    MainForm& form = window.form;
    window.state.runNumber = 0;
    form.Command1[kPaperKey].setCaption(kPaperKeyCaption);
    form.Frame2.visible = false;
    form.Command2.enabled = false;
    form.List1.clearItems();
}

}  // namespace

void Command2_Click(WindowContext& window) {
    switch (window.state.appState) {
        case 0:
            clearTypedAnswer(window);
            break;
        case 1:
            clearRecordList(window);
            break;
        default:
            break;
    }
}
