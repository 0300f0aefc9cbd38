#include "beads/bead_keys.h"

#include <map>

#include "beads/bead_room.h"
#include "beads/bead_set.h"

namespace {

constexpr char kTowardHigherPlace[] = "Left";
constexpr char kTowardUnits[] = "Right";

// The one-bead moves of the keys, by key name.
const std::map<std::string, BeadKey>& beadMoveKeys() {
    static const std::map<std::string, BeadKey> keys = {
        {"Up", BeadKey::LowerToBeam},
        {"Down", BeadKey::LowerAway},
        {"Page_Down", BeadKey::UpperToBeam},
        {"Page_Up", BeadKey::UpperAway},
    };
    return keys;
}

}  // namespace

bool pressBeadKey(WindowContext& window, const std::string& key) {
    if (window.drillState.kind != DrillKind::Beads || !window.drill.drill.visible) return false;
    const int rod = window.drillState.beads.rod;
    if (key == kTowardHigherPlace || key == kTowardUnits) {
        chooseRod(window, key == kTowardHigherPlace ? rod + 1 : rod - 1);
        return true;
    }
    const auto move = beadMoveKeys().find(key);
    if (move == beadMoveKeys().end()) return false;
    const BeadBoard board = shownBoard(window.drill);
    const BeadBoard after = keyMove(board, rod, move->second);
    if (after != board) moveBeads(window, rod, after);
    return true;
}
