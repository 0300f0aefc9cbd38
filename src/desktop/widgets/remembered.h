#pragma once
// What the view last copied onto a widget, so that a sync touches only what has changed.

#include <optional>

template <typename Value>
class Remembered {
  public:
    // True the first time and whenever `now` differs from the value last seen; remembers it.
    bool changed(const Value& now) {
        if (last_ && *last_ == now) return false;
        last_ = now;
        return true;
    }
    // Forgets the value, so that the next check reports a change.
    void forget() { last_.reset(); }

  private:
    std::optional<Value> last_;
};
