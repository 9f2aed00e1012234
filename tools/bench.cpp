// bench: a fixed-depth search of a fixed set of positions from a fresh
// engine state. The total node count is the search's signature: any change
// to the search shows up in it.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "board/position_command.h"
#include "board/zobrist.h"
#include "protocol/dispatcher.h"
#include "protocol/go_command.h"
#include "protocol/reports.h"
#include "search/hash_table.h"
#include "search/search_state.h"
#include "tools/bench_positions.h"
#include "tools/tools.h"

namespace {

// The engine writes its reports to standard output; during the bench they
// go to /dev/null and the bench's own lines to the real output.
class QuietOutput {
public:
    QuietOutput() : saved_(dup(1)) {
        std::fflush(stdout);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~QuietOutput() {
        std::fflush(stdout);
        dup2(saved_, 1);
        close(saved_);
    }

private:
    int saved_;
};

void RunCommand(Position& position, const char* line) {
    std::snprintf(command_line, sizeof command_line, "%s", line);
    if (std::strncmp(line, "go", 2) == 0) GoCommand(position); else PositionCommand(position);
}

}  // namespace

int BenchCommand(int argc, char** argv) {
    const int depth = argc > 0 ? std::atoi(argv[0]) : DEFAULT_BENCH_DEPTH;
    if (depth < 1 || depth > 50) {
        std::fputs("bench: depth must be 1 to 50\n", stderr);
        return 2;
    }
    char go[32];
    std::snprintf(go, sizeof go, "go depth %d", depth);

    // The same state a GUI's first "uci" gives.
    InitZobrist();
    HashAllocate();
    HashClear();
    hash_age = 0;

    static Position position;
    uint64_t total_nodes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < bench_position_count; ++i) {
        const auto position_start = std::chrono::steady_clock::now();
        {
            QuietOutput quiet;
            RunCommand(position, bench_positions[i]);
            RunCommand(position, go);
        }
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                              position_start).count();
        // A root without a legal move searches no node.
        char best[5] = "0000";
        if (search_node_total > 0) {
            SquareText(best_from, best);
            SquareText(best_to, best + 2);
        }
        std::printf("%2zu nodes %12" PRIu64 " time %6lld ms  best %s  %s\n", i + 1, search_node_total,
                    static_cast<long long>(ms), best, bench_positions[i]);
        total_nodes += search_node_total;
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    const uint64_t nps = ms > 0 ? total_nodes * 1000 / static_cast<uint64_t>(ms) : 0;
    std::printf("bench nodes %" PRIu64 " time %lld nps %" PRIu64 "\n", total_nodes, static_cast<long long>(ms), nps);
    HashRelease();
    return 0;
}
