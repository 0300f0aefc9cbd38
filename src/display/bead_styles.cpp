#include "display/bead_styles.h"

#include <cstdint>
#include <string>

#include "display/abacus_board.h"
#include "sound/play_clip.h"

namespace {

constexpr int kStyleCount = 20;
constexpr std::int16_t kRodClickClip = 112;

using StepProcedure = void (*)(WindowContext&);

// Moves beadStyleWork `steps` styles on (back when negative) round the twenty styles. The
// empty text becomes "1"; any text other than "1" .. "20" stays as it is.
void stepWorkingStyle(WindowContext& window, int steps) {
    std::string& style = window.state.beadStyleWork;
    if (style.empty()) {
        style = "1";
        return;
    }
    for (int number = 1; number <= kStyleCount; ++number) {
        if (style == std::to_string(number)) {
            const int zeroBased = ((number - 1 + steps) % kStyleCount + kStyleCount) % kStyleCount;
            style = std::to_string(zeroBased + 1);
            return;
        }
    }
}

// After any rod click: the whole board is drawn again and the click is heard.
void finishRodClick(WindowContext& window) {
    zmt(window);
    if (soundCuesOn(window)) playClip(window, kRodClickClip);
}

// Steps one row's style through the working value with `step`, then finishes the click.
void stepRow(WindowContext& window, std::string& rowStyle, StepProcedure step) {
    window.state.beadStyleWork = rowStyle;
    step(window);
    rowStyle = window.state.beadStyleWork;
    finishRodClick(window);
}

}  // namespace

void zmbh1(WindowContext& window) { stepWorkingStyle(window, 1); }
void zmbh2(WindowContext& window) { stepWorkingStyle(window, 2); }
void zmbhhome1(WindowContext& window) { stepWorkingStyle(window, -1); }
void zmbhhome2(WindowContext& window) { stepWorkingStyle(window, -2); }

void Picture9_Click(WindowContext& window) { stepRow(window, window.state.beadStyle1, zmbhhome2); }
void Picture8_Click(WindowContext& window) { stepRow(window, window.state.beadStyle1, zmbhhome1); }
void Picture7_Click(WindowContext& window) {
    window.state.beadStyle1 = window.state.beadStyle3;
    finishRodClick(window);
}
void Picture6_Click(WindowContext& window) { stepRow(window, window.state.beadStyle1, zmbh1); }
void Picture5_Click(WindowContext& window) { stepRow(window, window.state.beadStyle1, zmbh2); }

void Picture19_Click(WindowContext& window) { stepRow(window, window.state.beadStyle2, zmbhhome2); }
void Picture13_Click(WindowContext& window) { stepRow(window, window.state.beadStyle2, zmbhhome1); }
void Picture12_Click(WindowContext& window) {
    window.state.beadStyle2 = window.state.beadStyle3;
    finishRodClick(window);
}
void Picture11_Click(WindowContext& window) { stepRow(window, window.state.beadStyle2, zmbh1); }
void Picture10_Click(WindowContext& window) { stepRow(window, window.state.beadStyle2, zmbh2); }

void Picture18_Click(WindowContext& window) { stepRow(window, window.state.beadStyle3, zmbhhome2); }
void Picture17_Click(WindowContext& window) { stepRow(window, window.state.beadStyle3, zmbhhome1); }
void Picture16_Click(WindowContext& window) {
    window.state.beadStyle1 = window.state.beadStyle3;
    window.state.beadStyle2 = window.state.beadStyle3;
    finishRodClick(window);
}
void Picture15_Click(WindowContext& window) { stepRow(window, window.state.beadStyle3, zmbh1); }
void Picture14_Click(WindowContext& window) { stepRow(window, window.state.beadStyle3, zmbh2); }
