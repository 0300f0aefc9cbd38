#include "levels/level_drill.h"

#include "levels/level_test.h"

namespace {

// The level test, timed by its own clock drill.Timer2.
class LevelTestDrill final : public RoomDrill {
  public:
    DrillKind kind() const override { return DrillKind::Levels; }
    void show(WindowContext& window, bool on) const override { showLevelTestRoom(window, on); }
    void startOrStop(WindowContext& window) const override { levelStartButton(window); }
    void tick(WindowContext&) const override {}
    void answer(WindowContext& window) const override { levelAnswerButton(window); }
    bool pressKey(WindowContext&, const std::string&) const override { return false; }
    bool takesEveryKey(const WindowContext&) const override { return false; }
    void stop(WindowContext& window) const override { stopLevelTest(window); }
};

}  // namespace

const RoomDrill& levelTestDrill() {
    static const LevelTestDrill drill;
    return drill;
}
