#pragma once
// One drill of the practice room as the room sees it. The room holds the chosen drill through
// this face alone: it shows the drill, passes on "开  始", the flash timer's ticks, "确定" and
// the keys, and stops it; the drill writes its own lines and stores its own results.

#include <string>

#include "model/window_context.h"

// The captions of the room's two setting buttons, kept per learner and read by the chains.
inline constexpr char kAdditionOnly[] = "只加";
inline constexpr char kMixed[] = "加减";
inline constexpr char kAsDigits[] = "看数";
inline constexpr char kAsBeads[] = "看珠";

class RoomDrill {
  public:
    virtual ~RoomDrill() = default;

    // Which drill this is; the menu bar opens the room by it.
    virtual DrillKind kind() const = 0;
    // Shows the drill's own elements and its title when `on`; hides them when not.
    virtual void show(WindowContext& window, bool on) const = 0;
    // "开  始" starts a set; "停  止" stops the one in progress.
    virtual void startOrStop(WindowContext& window) const = 0;
    // One tick of the room's flash timer drill.Timer1.
    virtual void tick(WindowContext& window) const = 0;
    // "确定" or Return: the typed answer.
    virtual void answer(WindowContext& window) const = 0;
    // A key pressed in the room; true when the drill took it.
    virtual bool pressKey(WindowContext& window, const std::string& key) const = 0;
    // True while the drill wants every key of the room, arrows included.
    virtual bool takesEveryKey(const WindowContext& window) const = 0;
    // Stops the set in progress at once, writing and storing it as stopped; nothing when idle.
    virtual void stop(WindowContext& window) const = 0;
};
