#include "engine/answer_button.h"

#include "engine/startup.h"

void Command3_Click(WindowContext& window) {
    if (window.state.appState != 0) closeMainWindow(window);
}
