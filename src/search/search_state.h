// Variables shared along one search.
#pragma once

#include <cstdint>

extern uint8_t stop_search;       // 1 once "stop" or the time limit asks the search to end
extern uint16_t poll_counter;     // horizon-gate calls since the last poll
extern double time_limit;         // hard limit of one iteration, seconds; not positive = none
extern int64_t iteration_start;   // clock at the start of the running iteration, ms
extern uint64_t node_count;       // legal moves searched in the running iteration
extern uint64_t search_node_total;  // the same over all iterations of the last search
extern uint8_t best_from;         // the best root move so far
extern uint8_t best_to;

// Seconds since iteration_start, never less than 0.01: a very short
// iteration is measured as 0.01 s, for the reports and for the time tests.
double IterationSeconds();
