#include "listening/drill/listening_drill.h"

#include "flash/chain_set.h"
#include "listening/drill/listening_set.h"
#include "listening/drill/listening_settings.h"

namespace {

constexpr char kListeningTitle[] = "练习室 · 听心算";

// Chains read aloud on the room's timer; the beads cannot be chosen, nothing being shown.
class ListeningDrill final : public RoomDrill {
  public:
    DrillKind kind() const override { return DrillKind::Listening; }
    void show(WindowContext& window, bool on) const override {
        showLeadingTwoSwitch(window, on);
        if (!on) return;
        window.drill.drill.setCaption(kListeningTitle);
        window.drill.Command5.enabled = false;
        listeningCanBeHeard(window);
    }
    void startOrStop(WindowContext& window) const override {
        if (!window.drillState.setRunning) {
            if (!listeningCanBeHeard(window)) return;
            fitPaceToReadings(window);
        }
        startOrStopChainSet(window);
    }
    void tick(WindowContext& window) const override { readNextText(window); }
    void answer(WindowContext& window) const override { answerChain(window); }
    bool pressKey(WindowContext&, const std::string&) const override { return false; }
    bool takesEveryKey(const WindowContext&) const override { return false; }
    void stop(WindowContext& window) const override { stopChainSet(window); }
};

}  // namespace

const RoomDrill& listeningDrill() {
    static const ListeningDrill drill;
    return drill;
}
