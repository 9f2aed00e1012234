// Turns the limits of a "go" command into the three values that govern a
// search: the maximum depth, the soft budget checked between iterations and
// the hard limit of one iteration.
#pragma once

#include <cstdint>

inline constexpr double NO_TIME = -1.0;  // the only marker of an absent time

struct SearchLimits {
    uint8_t depth = 0;
    bool infinite = false;
    double white_clock = NO_TIME;  // seconds
    double black_clock = NO_TIME;
    double move_time = NO_TIME;
};

struct SearchBudget {
    uint8_t max_depth;
    double soft_budget;  // seconds; NO_TIME when there is none
    double time_limit;   // seconds; 50 times the soft budget
};

SearchBudget ComputeBudget(const SearchLimits& limits, uint16_t game_length, uint8_t colour_move);
