#include "room/room_drills.h"

#include "beads/bead_drill.h"
#include "demonstration/drill/demonstration_drill.h"
#include "flash/flash_drill.h"
#include "levels/level_drill.h"
#include "listening/drill/listening_drill.h"

const std::vector<const RoomDrill*>& roomDrills() {
    static const std::vector<const RoomDrill*> drills = {
        &flashDrill(), &listeningDrill(), &beadDrill(), &levelTestDrill(), &demonstrationDrill()};
    return drills;
}

const RoomDrill& chosenDrill(const WindowContext& window) {
    for (const RoomDrill* drill : roomDrills()) {
        if (drill->kind() == window.drillState.kind) return *drill;
    }
    return *roomDrills().front();
}

void stopDrill(WindowContext& window) { chosenDrill(window).stop(window); }
