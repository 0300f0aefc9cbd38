#include "engine/startup.h"

#include "engine/text_number.h"
#include "input/keypad_keys.h"
#include "sound/play_clip.h"

namespace {

constexpr char kQuitQuestion[] = "豆豆：你确定要退出吗?";

}  // namespace

void qs(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;

    form.List1.visible = false;
    form.Label8.visible = false;
    form.Text1.enabled = true;

    state.correctionPrefix = "  ";
    state.logGap = "      ";
    state.appState = 1;
    state.runActive = "0";

    static const char* const kMenuCaptions[10] = {"日历", "打开",  "保存",  "记录", "颜色",
                                                  "字体", nullptr, nullptr, "出卷", "查看"};
    for (int key = 0; key <= 9; ++key) {
        if (kMenuCaptions[key] != nullptr) form.Command1[key].setCaption(kMenuCaptions[key]);
    }

    form.Command4.setCaption("出  题");
    form.Command3.setCaption("关闭");
    form.Command2.setCaption("清  除");
}

void returnToIdle(WindowContext& window) {
    MainForm& form = window.form;
    form.Command2.enabled = false;
    form.Command4.enabled = true;
    window.state.learnerName = form.Text1.caption();
    form.Frame2.visible = true;
    qs(window);
}

void clearRunFigures(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    for (Element* figure :
         {&form.Label32, &form.Label34, &form.Label24, &form.Label26, &form.Label27}) {
        figure->setCaption("");
    }
    // The question count shows the chosen number, as the list's choice at the start shows it.
    const std::string chosenCount =
        plainNumber(saturatedTo<std::int16_t>(integerValueOf(form.Combo3.caption())));
    form.Label4.setCaption(chosenCount);
    form.Label25.setCaption(chosenCount);
    state.questionTotal = 0;
    state.answeredCount = 0;
    state.remainingCount = 0;
    state.rightCount = 0;
    state.wrongCount = 0;
    state.score = 0;
    state.answeredText.clear();
    state.elapsedHours = 0;
    state.elapsedMinutes = 0;
    state.elapsedSeconds = 0;
    state.elapsedText.clear();
    state.elapsedTime = 0;
}

void Form_Unload(WindowContext& window, bool& cancel) {
    if (soundCuesOn(window)) playClip(window, 110);
    cancel = !window.services.dialogs.askYesNo(kQuitQuestion);
}

void closeMainWindow(WindowContext& window) {
    bool cancel = false;
    Form_Unload(window, cancel);
    if (cancel) return;
    if (const std::string told = window.services.history.finishWrites(); !told.empty()) {
        window.services.dialogs.inform(told);
    }
    window.help.restoreDesign();
    window.form.Form1_main.visible = false;
    window.closed = true;
}
