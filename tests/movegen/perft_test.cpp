// Perft: the number of legal leaf nodes at a given depth, walked with the
// engine's generators, make, check test and unmake. Known figures catch a
// fault in any of them; on the first plies the walk also checks, after
// every make, that the incremental key and eval agree with a recount, and
// after every unmake that the record is exactly what it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "board/zobrist.h"
#include "makemove/make_move.h"
#include "makemove/position_helpers.h"
#include "movegen/captures.h"
#include "movegen/check.h"
#include "movegen/quiet.h"

namespace {

using namespace test_board;

struct Walk {
    uint64_t leaves = 0;
    uint64_t checked_moves = 0;
    int faults = 0;
    std::string first_fault;

    void Expect(::testing::AssertionResult ok, const char* what, Move m) {
        if (ok) return;
        if (faults++ == 0) first_fault = std::string(what) + " after move " + std::to_string(m) + ": " + ok.message();
    }
};

template <Colour C>
void PerftWalk(Position& p, int depth, int checked_plies, Walk& walk) {
    MoveList list;
    GenerateCaptures<C>(list, p);
    GenerateQuiet<C>(list, p);
    for (int i = 0; i < list.move_count; ++i) {
        const uint8_t index = static_cast<uint8_t>(i);
        const Move m = list.moves[i];
        const Position before = p;
        UndoRecord undo;
        MakeMove<C>(p, list, index, undo);
        const bool checked = checked_plies > 0;
        if (checked) {
            ++walk.checked_moves;
            walk.Expect(ConsistentRecord(p), "record", m);
            walk.Expect(::testing::AssertionResult(p.eval == MaterialRecount(p)) << p.eval, "eval", m);
            // Checked on every pseudo-legal move, illegal ones included.
            UpdateHashKey(p, list, index, C, undo);
            Position fresh = p;
            ComputeHashKey(fresh);
            walk.Expect(::testing::AssertionResult(p.hash_key == fresh.hash_key), "incremental key", m);
        }
        if (!InCheck<C>(p)) {
            if (depth == 1) ++walk.leaves; else PerftWalk<Opponent<C>>(p, depth - 1, checked_plies - 1, walk);
        }
        UnmakeMove<C>(p, list, index, undo);
        // The unmake leaves the key alone; the caller restores it.
        p.hash_key = before.hash_key;
        if (checked) walk.Expect(SameRecord(p, before), "unmake", m);
    }
}

Walk RunWalk(const char* fen, int depth, int checked_plies) {
    EnsureZobrist();
    Position p = FenPosition(fen);
    p.eval = MaterialRecount(p);
    ComputeHashKey(p);
    Walk walk;
    if (p.colour_move == 1) PerftWalk<White>(p, depth, checked_plies, walk);
    else PerftWalk<Black>(p, depth, checked_plies, walk);
    return walk;
}

struct Case {
    const char* name;
    const char* fen;
    int depth;
    uint64_t leaves;
    int checked_plies;
};

// Depths chosen to keep the suite short; the tool reproduces the deep
// figures.
const Case cases[] = {
    {"start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4, 197281, 3},
    {"castling_and_pins", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3, 97862, 3},
    {"en_passant_endgame", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, 674624, 4},
    {"promotions", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 4, 422333, 3},
    // The same position mirrored, Black to move: Black's twins on their own.
    {"promotions_black", "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1", 4, 422333, 3},
    {"discovered_checks", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 3, 62379, 3},
    {"middlegame", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 3, 89890, 2},
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Perft : public ::testing::TestWithParam<Case> {};

TEST_P(Perft, LeafCountAndConsistentMakeUnmake) {
    const Case& c = GetParam();
    const Walk walk = RunWalk(c.fen, c.depth, c.checked_plies);
    EXPECT_EQ(walk.leaves, c.leaves);
    EXPECT_GT(walk.checked_moves, 0u);
    EXPECT_EQ(walk.faults, 0) << walk.first_fault;
}

INSTANTIATE_TEST_SUITE_P(Positions, Perft, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The tools binary itself: its counts, the divide lines in list order with
// the promotion letter, and the summary line.
std::string RunTool(const std::string& arguments) {
    const std::string command = std::string(MORVANE_TOOLS_BINARY) + " " + arguments + " 2>&1";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::string WithoutSummary(const std::string& out) {
    const size_t last = out.rfind("nodes ");
    return last == std::string::npos ? out : out.substr(0, last);
}

TEST(PerftTool, CountsAndDivideLines) {
    const std::string perft = RunTool("perft startpos 3");
    EXPECT_EQ(perft.rfind("nodes 8902 time ", 0), 0u) << perft;
    EXPECT_NE(perft.find(" nps "), std::string::npos);

    EXPECT_EQ(RunTool("perft startpos 0").rfind("nodes 1 time ", 0), 0u);

    const std::string divide = RunTool("divide \"k7/4P3/8/8/8/8/8/4K3 w - - 0 1\" 1");
    EXPECT_EQ(WithoutSummary(divide),
              "e7e8q: 1\ne7e8r: 1\ne7e8b: 1\ne7e8n: 1\n"
              "e1d1: 1\ne1f1: 1\ne1d2: 1\ne1e2: 1\ne1f2: 1\n");
    EXPECT_NE(divide.find("nodes 9 time "), std::string::npos);

    // Black to move; moves that leave the king attacked are not listed.
    const std::string black = RunTool("divide \"4k3/8/8/8/8/8/8/3RK2R b K - 0 1\" 2");
    EXPECT_EQ(WithoutSummary(black), "e8e7: 24\ne8f7: 24\ne8f8: 24\n");
}

TEST(PerftTool, RejectsBadArguments) {
    for (const char* args : {"perft startpos", "perft startpos x", "perft startpos -1", "divide", "perft startpos 99"}) {
        const std::string out = RunTool(args);
        EXPECT_NE(out.find("usage"), std::string::npos) << args;
        EXPECT_EQ(out.find("nodes"), std::string::npos) << args;
    }
}

}  // namespace
