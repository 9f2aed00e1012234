#include "search/search_state.h"

uint8_t stop_search;
uint16_t poll_counter;
double time_limit;
int64_t iteration_start;
uint64_t node_count;
uint64_t search_node_total;
uint8_t best_from;
uint8_t best_to;
