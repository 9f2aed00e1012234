// morvane-tools: perft, divide, eval and bench over the engine's own code.
#include <cstdio>
#include <cstring>

#include "tools/tools.h"

namespace {

struct ToolCommand {
    const char* name;
    const char* usage;
    int (*run)(int, char**);
};

constexpr ToolCommand commands[] = {
    {"perft", "perft \"<FEN or startpos>\" <depth>   count legal leaf nodes", PerftCommand},
    {"divide", "divide \"<FEN or startpos>\" <depth>  leaf counts per root move", DivideCommand},
    {"eval", "eval \"<FEN or startpos>\"             static evaluation and material", EvalCommand},
    {"bench", "bench [depth]                        fixed-depth search of the bench positions", BenchCommand},
};

int Usage() {
    std::fputs("usage: morvane-tools <command> [arguments]\n", stderr);
    for (const ToolCommand& c : commands) std::fprintf(stderr, "  %s\n", c.usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    for (const ToolCommand& c : commands) {
        if (std::strcmp(argv[1], c.name) == 0) return c.run(argc - 2, argv + 2);
    }
    return Usage();
}
