// perft and divide: count the legal leaf nodes of a position with the
// engine's own generators, make, check test and unmake, so that any fault in
// them shows up as a wrong count against the known figures.
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "makemove/make_move.h"
#include "movegen/all_moves.h"
#include "movegen/check.h"
#include "protocol/reports.h"
#include "tools/tool_position.h"
#include "tools/tools.h"

namespace {

constexpr long MAX_DEPTH = 20;

// Every move is made and tested, even at the last ply: a move counts only
// when the mover's king is safe after the make.
template <Colour C>
uint64_t Perft(Position& position, int depth) {
    if (depth == 0) return 1;
    MoveList list;
    GenerateAll<C>(list, position);
    uint64_t nodes = 0;
    for (int i = 0; i < list.move_count; ++i) {
        UndoRecord undo;
        MakeMove<C>(position, list, static_cast<uint8_t>(i), undo);
        if (!InCheck<C>(position)) nodes += depth == 1 ? 1 : Perft<Opponent<C>>(position, depth - 1);
        UnmakeMove<C>(position, list, static_cast<uint8_t>(i), undo);
    }
    return nodes;
}

uint64_t PerftOfSide(Position& position, int depth) {
    return position.colour_move == 1 ? Perft<White>(position, depth) : Perft<Black>(position, depth);
}

// Counts below one root move, or nothing when the move is illegal.
template <Colour C>
bool DivideMove(Position& position, const MoveList& list, uint8_t index, int depth, uint64_t& nodes) {
    UndoRecord undo;
    MakeMove<C>(position, list, index, undo);
    const bool legal = !InCheck<C>(position);
    if (legal) nodes = Perft<Opponent<C>>(position, depth - 1);
    UnmakeMove<C>(position, list, index, undo);
    return legal;
}

struct Arguments {
    Position position;
    int depth;
};

bool ReadArguments(const char* name, int argc, char** argv, Arguments& args) {
    char* end = nullptr;
    const long depth = argc == 2 ? std::strtol(argv[1], &end, 10) : -1;
    if (argc != 2 || *end != '\0' || depth < 0 || depth > MAX_DEPTH) {
        std::fprintf(stderr, "usage: morvane-tools %s \"<FEN or startpos>\" <depth 0 to %ld>\n", name, MAX_DEPTH);
        return false;
    }
    SetUpPosition(args.position, argv[0]);
    args.depth = static_cast<int>(depth);
    return true;
}

using Clock = std::chrono::steady_clock;

void SummaryLine(uint64_t nodes, Clock::time_point start) {
    const auto elapsed = Clock::now() - start;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
    const uint64_t nps = us > 0 ? static_cast<uint64_t>(static_cast<double>(nodes) * 1e6 / static_cast<double>(us)) : 0;
    std::printf("nodes %" PRIu64 " time %lld nps %" PRIu64 "\n", nodes, static_cast<long long>(ms), nps);
}

}  // namespace

int PerftCommand(int argc, char** argv) {
    Arguments args;
    if (!ReadArguments("perft", argc, argv, args)) return 2;
    const auto start = Clock::now();
    const uint64_t nodes = PerftOfSide(args.position, args.depth);
    SummaryLine(nodes, start);
    return 0;
}

int DivideCommand(int argc, char** argv) {
    Arguments args;
    if (!ReadArguments("divide", argc, argv, args)) return 2;
    Position& position = args.position;
    const auto start = Clock::now();
    uint64_t total = 1;
    if (args.depth > 0) {
        total = 0;
        MoveList list;
        GenerateAllOfSideToMove(list, position);
        for (int i = 0; i < list.move_count; ++i) {
            uint64_t nodes = 0;
            const uint8_t index = static_cast<uint8_t>(i);
            const bool legal = position.colour_move == 1 ? DivideMove<White>(position, list, index, args.depth, nodes)
                                                         : DivideMove<Black>(position, list, index, args.depth, nodes);
            if (!legal) continue;
            char text[8];
            MoveText(list.moves[i], true, text);
            std::printf("%s: %" PRIu64 "\n", text, nodes);
            total += nodes;
        }
    }
    SummaryLine(total, start);
    return 0;
}
