#include "movegen/check.h"

#include <gtest/gtest.h>

#include <vector>

#include "makemove/make_move.h"
#include "movegen/move_listing.h"
#include "support/sample_positions.h"

namespace {

struct Case {
    const char* name;
    const char* fen;
    uint8_t white;  // InCheckWhite: White's king attacked by Black
    uint8_t black;  // InCheckBlack
};

const Case kCases[] = {
    {"start position", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 0, 0},
    {"rook down an open file", "4r2k/8/8/8/8/8/8/4K3 w - - 0 1", ROOK, 0},
    {"own pawn shields the file", "4r2k/8/8/8/4P3/8/8/4K3 w - - 0 1", 0, 0},
    {"enemy pawn nearest on the file is no rook", "4r2k/8/8/8/4p3/8/8/4K3 w - - 0 1", 0, 0},
    {"own piece nearest on the file", "4k3/8/8/4q3/8/8/4N3/4K3 w - - 0 1", 0, 0},
    {"queen on the north-east diagonal", "7k/8/8/8/7q/8/8/4K3 w - - 0 1", QUEEN, 0},
    {"rook lines are looked at before diagonals", "4k3/8/8/4r3/1b6/8/8/4K3 w - - 0 1", ROOK, 0},
    {"diagonals before knights", "4k3/8/8/8/1b6/3n4/8/4K3 w - - 0 1", BISHOP, 0},
    {"knights before pawns", "4k3/8/8/8/8/3n4/3p4/4K3 w - - 0 1", KNIGHT, 0},
    {"pawn on d5 attacks e4", "7k/8/8/3p4/4K3/8/8/8 w - - 0 1", PAWN, 0},
    {"pawn on f5 attacks e4", "7k/8/8/5p2/4K3/8/8/8 w - - 0 1", PAWN, 0},
    {"king on the first rank, pawn on the second", "4k3/8/8/8/8/8/3p4/4K3 w - - 0 1", PAWN, 0},
    {"a-file king, h-file pawn one rank up is no attack", "7k/8/8/8/K6p/8/8/8 w - - 0 1", 0, 0},
    {"h-file king, a-file pawn two ranks up is no attack", "7k/8/p7/8/7K/8/8/8 w - - 0 1", 0, 0},
    {"kings side by side attack each other", "8/8/8/8/8/8/7k/6K1 w - - 0 1", KING, KING},
    {"knight on f6 attacks e8", "4k3/8/5N2/8/8/8/8/4K3 b - - 0 1", 0, KNIGHT},
    {"rook up an open file", "4k3/8/8/8/8/8/8/K3R3 b - - 0 1", 0, ROOK},
    {"bishop on the south-west diagonal", "4k3/8/8/8/B7/8/8/K7 b - - 0 1", 0, BISHOP},
    {"queen on the south-east diagonal", "4k3/8/8/7Q/8/8/8/K7 b - - 0 1", 0, QUEEN},
    {"pawn on d4 attacks e5", "8/8/8/4k3/3P4/8/8/4K3 b - - 0 1", 0, PAWN},
    {"pawn on f4 attacks e5", "8/8/8/4k3/5P2/8/8/4K3 b - - 0 1", 0, PAWN},
    {"h-file king, a-file pawn one rank down is no attack", "8/8/8/P6k/8/8/8/4K3 b - - 0 1", 0, 0},
    {"a-file king, h-file pawn two ranks down is no attack", "8/8/8/k7/8/7P/8/4K3 b - - 0 1", 0, 0},
    {"kings on the far corners: no pawn square off the board", "7K/8/8/8/8/8/8/k7 w - - 0 1", 0, 0},
    {"White without a king", "4k3/8/8/8/8/8/8/q2R4 w - - 0 1", 0, 0},
    {"Black without a king", "3r4/8/8/8/8/8/8/Q3K3 w - - 0 1", 0, 0},
};

TEST(InCheck, NamesTheFirstAttackerOfEachKing) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Position p = FenPosition(c.fen);
        EXPECT_EQ(InCheckWhite(p), c.white);
        EXPECT_EQ(InCheckBlack(p), c.black);
    }
}

// A move from a square outside SquaresNeedingCheckTest never leaves its own
// king attacked; and the set does reach the moves that do.
template <Colour C>
void ExpectUntestedMovesLegal(const Position& p, int& exposing_moves) {
    MoveList list;
    GenerateAll<C>(list, p);
    const Bitboard needs_test = SquaresNeedingCheckTest<C>(p, InCheck<C>(p) != 0);
    for (uint8_t i = 0; i < list.move_count; ++i) {
        Position child = p;
        UndoRecord undo;
        MakeMove<C>(child, list, i, undo);
        const bool tested = NeedsCheckTest(needs_test, list.moves[i]);
        if (InCheck<C>(child)) {
            ++exposing_moves;
            EXPECT_TRUE(tested) << Describe(list.moves[i], nullptr);
        }
    }
}

TEST(SquaresNeedingCheckTest, EveryMoveThatLeavesTheKingAttackedIsTested) {
    int exposing_moves = 0;
    for (const Position& p : SamplePositions()) {
        if (p.colour_move == 1) ExpectUntestedMovesLegal<White>(p, exposing_moves);
        else ExpectUntestedMovesLegal<Black>(p, exposing_moves);
    }
    EXPECT_GT(exposing_moves, 100);  // the sample holds pins, checks and king moves into attack
}

}  // namespace
