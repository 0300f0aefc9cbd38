#include "sound/sound_button.h"

#include "sound/play_clip.h"

void Command5_Click(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.soundMode.empty()) {
        window.form.Command5.setCaption("关音效");
        state.soundMode = "0";
        playClip(window, 109);
    } else if (state.soundMode == "0") {
        window.form.Command5.setCaption("开音效");
        state.soundMode.clear();
    }
}
