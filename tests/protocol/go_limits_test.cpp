#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "protocol/go_command.h"
#include "protocol/time_budget.h"

namespace {

struct ParseCase {
    const char* line;
    int depth;
    bool infinite;
    double white_clock, black_clock, move_time;
};

const ParseCase kParseCases[] = {
    {"go", 0, false, NO_TIME, NO_TIME, NO_TIME},
    {"go depth 5", 5, false, NO_TIME, NO_TIME, NO_TIME},
    {"go depth 300", 44, false, NO_TIME, NO_TIME, NO_TIME},  // kept modulo 256
    {"go depth 256", 0, false, NO_TIME, NO_TIME, NO_TIME},
    {"go depth -1", 255, false, NO_TIME, NO_TIME, NO_TIME},
    {"go depth 5 depth 6", 6, false, NO_TIME, NO_TIME, NO_TIME},  // the later value wins
    {"go wtime 300000 btime 1500 winc 5 binc 7 movestogo 40", 0, false, 300.0, 1.5, NO_TIME},
    {"go movestogo depth 5", 0, false, NO_TIME, NO_TIME, NO_TIME},  // "depth" is movestogo's value
    {"go ponder searchmoves e2e4 depth 3", 3, false, NO_TIME, NO_TIME, NO_TIME},
    {"go infinite", 0, true, NO_TIME, NO_TIME, NO_TIME},
    {"go movetime 2000", 0, false, NO_TIME, NO_TIME, 2.0},
    {"go depth", 0, false, NO_TIME, NO_TIME, NO_TIME},  // a keyword without its value is ignored
    {"go wtime", 0, false, NO_TIME, NO_TIME, NO_TIME},
    {"go wtime -1000", 0, false, NO_TIME, NO_TIME, NO_TIME},  // exactly -1 s reads as absent
    {"go wtime 0 btime -5000", 0, false, 0.0, -5.0, NO_TIME},
    {"go wtime abc", 0, false, 0.0, NO_TIME, NO_TIME},  // no digits give 0
    {"   go    depth   7  ", 7, false, NO_TIME, NO_TIME, NO_TIME},
    {"go\tdepth 5", 0, false, NO_TIME, NO_TIME, NO_TIME},  // only spaces separate words
    {"gone depth 4", 4, false, NO_TIME, NO_TIME, NO_TIME},   // the first word need not be "go"
    {"go depth 99999999999999999999", 255, false, NO_TIME, NO_TIME, NO_TIME},
};

TEST(GoLimits, ParsesTheWordsOfAGoLine) {
    for (const ParseCase& c : kParseCases) {
        char line[256];
        std::snprintf(line, sizeof line, "%s", c.line);
        const SearchLimits limits = ParseGoLimits(line);
        SCOPED_TRACE(c.line);
        // An out-of-range number is only required not to crash.
        if (std::string(c.line) != "go depth 99999999999999999999") {
            EXPECT_EQ(limits.depth, c.depth);
        }
        EXPECT_EQ(limits.infinite, c.infinite);
        EXPECT_DOUBLE_EQ(limits.white_clock, c.white_clock);
        EXPECT_DOUBLE_EQ(limits.black_clock, c.black_clock);
        EXPECT_DOUBLE_EQ(limits.move_time, c.move_time);
    }
}

struct BudgetCase {
    const char* name;
    SearchLimits limits;
    uint16_t game_length;
    uint8_t colour_move;
    int max_depth;
    double soft_budget;
    double time_limit;
};

SearchLimits Limits(int depth, bool infinite, double white, double black, double move_time) {
    SearchLimits l;
    l.depth = static_cast<uint8_t>(depth);
    l.infinite = infinite;
    l.white_clock = white;
    l.black_clock = black;
    l.move_time = move_time;
    return l;
}

const BudgetCase kBudgetCases[] = {
    {"bare go searches one ply", Limits(0, false, NO_TIME, NO_TIME, NO_TIME), 0, 1, 1, NO_TIME, -50.0},
    {"depth alone", Limits(5, false, NO_TIME, NO_TIME, NO_TIME), 0, 1, 5, NO_TIME, -50.0},
    {"infinite", Limits(5, true, NO_TIME, NO_TIME, NO_TIME), 0, 1, 50, NO_TIME, -50.0},
    {"white clock, no moves played: divisor 240", Limits(0, false, 300.0, NO_TIME, NO_TIME), 0, 1, 50, 1.25, 62.5},
    {"one move played rounds down", Limits(0, false, NO_TIME, 300.0, NO_TIME), 1, 0, 50, 1.25, 62.5},
    {"two moves played: divisor 237", Limits(0, false, 237.0, NO_TIME, NO_TIME), 2, 1, 50, 1.0, 50.0},
    {"after 100 moves: divisor 120", Limits(0, false, 120.0, NO_TIME, NO_TIME), 100, 1, 50, 1.0, 50.0},
    {"long game still divides by 120", Limits(0, false, 120.0, NO_TIME, NO_TIME), 999, 1, 50, 1.0, 50.0},
    {"a clock overrides the depth", Limits(5, false, 300.0, NO_TIME, NO_TIME), 0, 1, 50, 1.25, 62.5},
    {"only the mover's clock counts", Limits(5, false, 300.0, NO_TIME, NO_TIME), 0, 0, 5, NO_TIME, -50.0},
    {"fixed time replaces the clock", Limits(0, false, 300.0, NO_TIME, 2.0), 60, 1, 50, 2.0, 100.0},
    {"zero clock is present", Limits(0, false, 0.0, NO_TIME, NO_TIME), 0, 1, 50, 0.0, 0.0},
    {"depth above 50 is kept here", Limits(100, false, NO_TIME, NO_TIME, NO_TIME), 0, 1, 100, NO_TIME, -50.0},
};

TEST(TimeBudget, DividesTheMoversClockOverTheMovesToGo) {
    for (const BudgetCase& c : kBudgetCases) {
        SCOPED_TRACE(c.name);
        const SearchBudget b = ComputeBudget(c.limits, c.game_length, c.colour_move);
        EXPECT_EQ(b.max_depth, c.max_depth);
        EXPECT_DOUBLE_EQ(b.soft_budget, c.soft_budget);
        EXPECT_DOUBLE_EQ(b.time_limit, c.time_limit);
    }
}

}  // namespace
