#pragma once
// A signal that ends every wait on the class server at once: the sender's thread waits on the
// network and on this together, so closing the trainer never waits for a server gone silent.

class StopSignal {
  public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // Ends the waits under way and every later one.
    void raise();
    bool raised() const;
    // The descriptor that becomes readable once raised, for poll().
    int descriptor() const { return descriptor_; }

  private:
    int descriptor_;
};
