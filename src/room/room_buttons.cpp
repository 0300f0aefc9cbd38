#include "room/room_buttons.h"

#include "room/practice_room.h"
#include "room/room_drills.h"

void drill_Command1_Click(WindowContext& window) { chosenDrill(window).startOrStop(window); }

void drill_Timer1_Timer(WindowContext& window) { chosenDrill(window).tick(window); }

void drill_Command2_Click(WindowContext& window) { chosenDrill(window).answer(window); }

void drill_Command4_Click(WindowContext& window) {
    stopDrill(window);
    Element& button = window.drill.Command4;
    button.setCaption(button.caption() == kMixed ? kAdditionOnly : kMixed);
    drillSettingChanged(window);
}

void drill_Command5_Click(WindowContext& window) {
    stopDrill(window);
    Element& button = window.drill.Command5;
    button.setCaption(button.caption() == kAsBeads ? kAsDigits : kAsBeads);
    drillSettingChanged(window);
}

void drillSettingChanged(WindowContext& window) {
    stopDrill(window);
    keepRoomSettings(window);
}

bool pressRoomKey(WindowContext& window, const std::string& key) {
    return chosenDrill(window).pressKey(window, key);
}

bool roomTakesEveryKey(const WindowContext& window) {
    return window.drill.drill.visible && chosenDrill(window).takesEveryKey(window);
}
