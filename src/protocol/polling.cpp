#include "protocol/polling.h"

#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "search/hash_table.h"
#include "search/quiescence.h"
#include "search/search_state.h"

char poll_line[LINE_BUFFER_SIZE];

namespace {

// A poll comes once the count passes this, at every 50,001st gate call: the
// system calls and the clock cost far more than a horizon node.
constexpr uint16_t POLL_INTERVAL = 50000;

// Reads a waiting command, if any, and the clock. Only "stop" and "quit"
// mean anything during a search; every other line is dropped unanswered.
void Poll() {
    if (InputAvailable()) {
        // A failed read leaves an empty line, which is dropped like any other.
        ReadLine(poll_line);
        if (std::strcmp(poll_line, "quit") == 0) {
            HashRelease();
            std::exit(1);
        }
        if (std::strcmp(poll_line, "stop") == 0) stop_search = 1;
    }
    if (time_limit > 0 && time_limit < IterationSeconds()) stop_search = 1;
}

}  // namespace

// The quiescence search runs even after a stop was requested here: the node
// searches above test stop_search themselves and unwind.
template <Colour C>
int32_t Horizon(Position& position, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    if (poll_counter > POLL_INTERVAL) {
        Poll();
        poll_counter = 1;
    } else {
        ++poll_counter;
    }
    return Quiescence<C>(position, alpha, beta, ply, pv_node);
}

template int32_t Horizon<White>(Position&, int32_t, int32_t, uint8_t, uint8_t);
template int32_t Horizon<Black>(Position&, int32_t, int32_t, uint8_t, uint8_t);
