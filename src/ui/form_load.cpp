#include "ui/form_load.h"

#include "engine/startup.h"
#include "input/keypad_keys.h"
#include "ui/dispatch.h"

namespace {

constexpr char kCreditLine[] = "欢迎来到童趣星珠心算乐园！";

// Selects item `index` of a list and raises its change handler, as a person's choice would.
void preselect(WindowContext& window, const char* listName, int index) {
    dispatch(window, Event{EventKind::Choose, listName, index, {}});
}

}  // namespace

void Form_Load(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;

    form.Label19.setCaption(kCreditLine);
    form.Label31.enabled = true;

    state.overtimeSoundPending = 0;
    state.severeOvertimeSoundPending = 0;
    state.overtimeSoundPlayed = 0;
    state.severeOvertimeSoundPlayed = 0;

    state.soundMode = "0";
    state.beadLetter = "a";
    qs(window);

    state.beadStyle1 = "1";
    state.beadStyle2 = "1";
    state.beadStyle3 = "1";
    state.directionMode = "0";
    state.examMode = "0";

    form.Command1[6].setCaption("考试");
    form.Label29.setCaption("考试");
    form.Command1[7].setCaption("演示");
    form.Label28.setCaption("→");
    form.Label18.setCaption("→");
    form.Label16.setCaption("珠心算");

    form.Label16.left = form.Label28.left + form.Label28.width;
    form.Label29.left = form.Label16.left + form.Label16.width;

    state.defaultLearnerName = "豆 豆";
    state.learnerTitle = "小朋友";

    preselect(window, "Combo1", 2);
    preselect(window, "Combo2", 1);
    preselect(window, "Combo3", 2);
    preselect(window, "Combo4", 5);

    enableMenuKeys(form);

    form.Text1.setCaption("豆 豆");
    form.Text1.visible = true;
}
