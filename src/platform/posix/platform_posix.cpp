#include <poll.h>

#include <chrono>
#include <cstdio>

#include "platform/platform.h"

void InitStreams() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stdin, nullptr, _IONBF, 0);
}

uint32_t InputAvailable() {
    pollfd fd{0, POLLIN, 0};
    const int ready = poll(&fd, 1, 0);
    // Readable, hang-up and error all mean a read should be attempted; so
    // does a failure of poll itself.
    if (ready < 0) return 1;
    return (fd.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) ? 1 : 0;
}

// A monotonic wall clock: CPU time would let a loaded machine overrun the
// game clock.
int64_t ClockMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
