#include "beads/bead_drill.h"

#include "beads/bead_keys.h"
#include "beads/bead_room.h"
#include "beads/bead_set.h"

namespace {

// Bead questions on the room's board, worked by clicks and by the keys.
class BeadDrill final : public RoomDrill {
  public:
    DrillKind kind() const override { return DrillKind::Beads; }
    void show(WindowContext& window, bool on) const override { showBeadDrill(window, on); }
    void startOrStop(WindowContext& window) const override { beadDrill_Command1_Click(window); }
    void tick(WindowContext&) const override {}
    void answer(WindowContext&) const override {}
    bool pressKey(WindowContext& window, const std::string& key) const override {
        return pressBeadKey(window, key);
    }
    bool takesEveryKey(const WindowContext& window) const override {
        return beadSetRunning(window);
    }
    void stop(WindowContext& window) const override { stopBeadSet(window); }
};

}  // namespace

const RoomDrill& beadDrill() {
    static const BeadDrill drill;
    return drill;
}

void beadGroupChosen(WindowContext& window) {
    stopBeadSet(window);
    keepBeadGroup(window);
}
