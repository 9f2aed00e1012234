#include "protocol/time_budget.h"

SearchBudget ComputeBudget(const SearchLimits& limits, uint16_t game_length, uint8_t colour_move) {
    // The clock is shared over the moves still to come: between 40 and 80,
    // fewer as the game goes on, three budgets' worth each.
    int moves_to_go = 80 - game_length / 2;
    if (moves_to_go < 40) moves_to_go = 40;
    const double divisor = 3.0 * moves_to_go;

    double budget = NO_TIME;
    if (colour_move == 1 && limits.white_clock != NO_TIME) budget = limits.white_clock / divisor;
    if (colour_move == 0 && limits.black_clock != NO_TIME) budget = limits.black_clock / divisor;
    if (limits.move_time != NO_TIME) budget = limits.move_time;

    uint8_t max_depth = limits.depth;
    if (budget != NO_TIME) max_depth = 50;
    if (limits.infinite) max_depth = 50;
    else if (max_depth == 0) max_depth = 1;
    return {max_depth, budget, 50.0 * budget};
}
