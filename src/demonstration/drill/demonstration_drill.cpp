#include "demonstration/drill/demonstration_drill.h"

#include "demonstration/drill/demonstration_room.h"

namespace {

// 演示 on the room's board, timed by its own timer drill.DemoTimer.
class DemonstrationDrill final : public RoomDrill {
  public:
    DrillKind kind() const override { return DrillKind::Demonstration; }
    void show(WindowContext& window, bool on) const override { showDemonstrationRoom(window, on); }
    void startOrStop(WindowContext& window) const override { demonstrationStartOrStop(window); }
    void tick(WindowContext&) const override {}
    void answer(WindowContext&) const override {}
    bool pressKey(WindowContext& window, const std::string& key) const override {
        return pressDemonstrationKey(window, key);
    }
    bool takesEveryKey(const WindowContext& window) const override {
        return roomDemonstrationUnderWay(window);
    }
    void stop(WindowContext& window) const override { stopRoomDemonstration(window); }
};

}  // namespace

const RoomDrill& demonstrationDrill() {
    static const DemonstrationDrill drill;
    return drill;
}
