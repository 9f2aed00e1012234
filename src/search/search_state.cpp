#include "search/search_state.h"

#include "platform/platform.h"

uint8_t stop_search;
uint16_t poll_counter;
double time_limit;
int64_t iteration_start;
uint64_t node_count;
uint64_t search_node_total;
uint8_t best_from;
uint8_t best_to;

double IterationSeconds() {
    const double elapsed = static_cast<double>(ClockMs() - iteration_start) / 1000.0;
    return elapsed < 0.01 ? 0.01 : elapsed;
}
