// eval "<FEN or startpos>": the static evaluation and the material balance.
#include <cstdio>

#include "eval/evaluate.h"
#include "tools/tool_position.h"
#include "tools/tools.h"

int EvalCommand(int argc, char** argv) {
    if (argc < 1) {
        std::fputs("usage: morvane-tools eval \"<FEN or startpos>\"\n", stderr);
        return 2;
    }
    Position position{};
    SetUpPosition(position, argv[0]);
    std::printf("evaluate %d material %d\n", static_cast<int>(Evaluate(position)),
                static_cast<int>(MaterialScore(position)));
    return 0;
}
