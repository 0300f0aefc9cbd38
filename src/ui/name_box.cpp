#include "ui/name_box.h"

void Text1_Click(WindowContext& window) {
    Element& box = window.form.Text1;
    TrainingState& state = window.state;
    box.setCaption(box.caption() == state.defaultLearnerName ? state.learnerTitle
                                                             : state.defaultLearnerName);
    state.learnerName = box.caption();
}
