#include "flash/flash_drill.h"

#include "flash/chain_set.h"

namespace {

constexpr char kFlashTitle[] = "练习室 · 闪电心算";

// Chains flashed span by span on the room's flash timer.
class FlashDrill final : public RoomDrill {
  public:
    DrillKind kind() const override { return DrillKind::Flash; }
    void show(WindowContext& window, bool on) const override {
        if (on) window.drill.drill.setCaption(kFlashTitle);
    }
    void startOrStop(WindowContext& window) const override { startOrStopChainSet(window); }
    void tick(WindowContext& window) const override { flashNextSpan(window); }
    void answer(WindowContext& window) const override { answerChain(window); }
    bool pressKey(WindowContext&, const std::string&) const override { return false; }
    bool takesEveryKey(const WindowContext&) const override { return false; }
    void stop(WindowContext& window) const override { stopChainSet(window); }
};

}  // namespace

const RoomDrill& flashDrill() {
    static const FlashDrill drill;
    return drill;
}
