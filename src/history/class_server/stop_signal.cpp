#include "history/class_server/stop_signal.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

StopSignal::StopSignal() : descriptor_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopSignal::~StopSignal() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

void StopSignal::raise() {
    const std::uint64_t one = 1;
    if (descriptor_ >= 0) [[maybe_unused]]
        const auto written = ::write(descriptor_, &one, sizeof one);
}

bool StopSignal::raised() const {
    pollfd probe{descriptor_, POLLIN, 0};
    return descriptor_ >= 0 && ::poll(&probe, 1, 0) == 1;
}
