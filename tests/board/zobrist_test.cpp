#include "board/zobrist.h"

#include <gtest/gtest.h>

#include <cstring>

#include "makemove/make_move.h"
#include "makemove/position_helpers.h"

namespace {

using namespace test_board;

// The engine's generator, restarted from 1: the stream of tables InitZobrist
// must fill, one per call, whatever other tests already drew.
struct ReferenceStream {
    uint32_t state = 1;
    uint64_t Draw() {
        state = state * 214013u + 2531011u;
        return (state >> 16) & 0x7FFF;
    }
    void NextTable(uint64_t (&z)[2][7][64]) {
        std::memset(z, 0, sizeof z);
        for (int colour = 0; colour < 2; ++colour)
            for (int piece = 1; piece < 7; ++piece)
                for (int s = 0; s < 64; ++s) {
                    uint64_t k = Draw();
                    k = (k << 12) ^ Draw();
                    k = (k << 16) ^ Draw();
                    k = (k << 16) ^ Draw();
                    k = (k << 15) ^ Draw();
                    z[colour][piece][s] = k;
                }
    }
};

// Loads the first table of the stream into Z for the test and puts the
// process's table back afterwards.
class FirstZobristTable : public ::testing::Test {
protected:
    void SetUp() override {
        std::memcpy(saved_, Z, sizeof Z);
        ReferenceStream().NextTable(Z);
    }
    void TearDown() override { std::memcpy(Z, saved_, sizeof Z); }
    uint64_t saved_[2][7][64];
};

TEST_F(FirstZobristTable, FirstKeysAndStartPositionKey) {
    EXPECT_EQ(Z[0][1][0], 0x6C118C5F33C24AE1u);
    EXPECT_EQ(Z[1][1][0], 0xC11B831D29F7DF06u);
    for (int colour = 0; colour < 2; ++colour)
        for (int s = 0; s < 64; ++s) EXPECT_EQ(Z[colour][0][s], 0u);
    Position p = FenPosition("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    ComputeHashKey(p);
    EXPECT_EQ(p.hash_key, 0x57DB5D19A051DCC0u);
}

// Each call continues the generator: the table it leaves is the next one of
// the stream, never the same one again.
TEST(Zobrist, EveryInitContinuesTheGenerator) {
    ReferenceStream stream;
    static uint64_t expected[2][7][64];
    InitZobrist();
    int calls = 1;
    for (stream.NextTable(expected); std::memcmp(expected, Z, sizeof Z) != 0 && calls < 1000; ++calls)
        stream.NextTable(expected);
    ASSERT_EQ(std::memcmp(expected, Z, sizeof Z), 0) << "Z is no table of the generator's stream";
    InitZobrist();
    stream.NextTable(expected);
    EXPECT_EQ(std::memcmp(expected, Z, sizeof Z), 0);
}

TEST(Zobrist, ZeroTablesLeaveOnlyTheFixedKeys) {
    uint64_t saved[2][7][64];
    std::memcpy(saved, Z, sizeof Z);
    std::memset(Z, 0, sizeof Z);
    struct Case {
        const char* fen;
        uint64_t want;
    } cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 b - - 0 1", 0},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", SIDE_KEY ^ CASTLE_K_KEY ^ CASTLE_Q_KEY ^ CASTLE_k_KEY ^ CASTLE_q_KEY},
        {"4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1", EnPassantKey(4, 2)},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", SIDE_KEY ^ EnPassantKey(3, 5)},
    };
    for (const Case& c : cases) {
        Position p = FenPosition(c.fen);
        ComputeHashKey(p);
        EXPECT_EQ(p.hash_key, c.want) << c.fen;
    }
    // e3 and a7 share a key: only the XOR of the coordinates enters it.
    EXPECT_EQ(EnPassantKey(4, 2), EnPassantKey(0, 6));
    EXPECT_EQ(EnPassantKey(4, 2), 0x6BE8C34538F83F17u);
    std::memcpy(Z, saved, sizeof Z);
}

struct UpdateCase {
    const char* fen;
    Move move;
};

const UpdateCase update_cases[] = {
    {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", Mv("g1f3", MOVE_QUIET, KNIGHT)},
    {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", Mv("a2a4", MOVE_QUIET, PAWN)},
    {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", Mv("h7h5", MOVE_QUIET, PAWN)},
    {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", Mv("g8f6", MOVE_QUIET, KNIGHT)},
    {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("a1a8", MOVE_CAPTURE, ROOK, ROOK)},
    {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("h8h1", MOVE_CAPTURE, ROOK, ROOK)},
    {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("e1f2", MOVE_QUIET, KING)},
    {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("e8d7", MOVE_QUIET, KING)},
    {"4k2r/8/8/8/8/8/8/R3K3 w Qk - 0 1", Mv("a1a2", MOVE_QUIET, ROOK)},
    {"4k2r/8/8/8/8/8/8/R3K3 b Qk - 0 1", Mv("e8e7", MOVE_QUIET, KING)},
    // A rook leaving a corner whose right is already gone changes no key.
    {"r3k2r/8/8/8/8/8/8/R3K2R w kq - 0 1", Mv("h1h5", MOVE_QUIET, ROOK)},
    {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("e1g1", MOVE_CASTLE_KING, KING)},
    {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("e1c1", MOVE_CASTLE_QUEEN, KING)},
    {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("e8g8", MOVE_CASTLE_KING, KING)},
    {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("e8c8", MOVE_CASTLE_QUEEN, KING)},
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", Mv("e5d6", MOVE_EN_PASSANT, PAWN, PAWN)},
    {"4k3/8/8/8/3Pp3/8/8/4K3 b - d3 0 1", Mv("e4d3", MOVE_EN_PASSANT, PAWN, PAWN)},
    {"k7/4P3/8/8/8/8/8/4K3 w - - 0 1", Mv("e7e8", MOVE_PROMOTE_QUEEN, PAWN)},
    {"k7/4P3/8/8/8/8/8/4K3 w - - 0 1", Mv("e7e8", MOVE_PROMOTE_KNIGHT, PAWN)},
    {"4k3/8/8/8/8/8/3p4/K7 b - - 0 1", Mv("d2d1", MOVE_PROMOTE_ROOK, PAWN)},
    {"4k3/8/8/8/8/8/3p4/K7 b - - 0 1", Mv("d2d1", MOVE_PROMOTE_BISHOP, PAWN)},
    {"4k2r/6P1/8/8/8/8/8/4K3 w k - 0 1", Mv("g7h8", MOVE_CAPTURE_PROMOTE_QUEEN, PAWN, ROOK)},
    {"4k2r/6P1/8/8/8/8/8/4K3 w k - 0 1", Mv("g7h8", MOVE_CAPTURE_PROMOTE_ROOK, PAWN, ROOK)},
    {"4k3/8/8/8/8/8/1p6/R3K3 b Q - 0 1", Mv("b2a1", MOVE_CAPTURE_PROMOTE_KNIGHT, PAWN, ROOK)},
    {"4k3/8/8/8/8/8/1p6/R3K3 b Q - 0 1", Mv("b2a1", MOVE_CAPTURE_PROMOTE_BISHOP, PAWN, ROOK)},
};

// The incremental key after a make is the key from scratch, for every move
// type and both colours.
TEST_F(FirstZobristTable, UpdateAgreesWithComputeForEveryMoveType) {
    for (const UpdateCase& c : update_cases) {
        Position p = FenPosition(c.fen);
        ComputeHashKey(p);
        const MoveList list = ListOf(c.move);
        const uint8_t mover = p.colour_move;
        UndoRecord undo{};
        if (mover == 1) MakeMoveWhite(p, list, 0, undo); else MakeMoveBlack(p, list, 0, undo);
        UpdateHashKey(p, list, 0, mover, undo);
        Position fresh = p;
        ComputeHashKey(fresh);
        EXPECT_EQ(p.hash_key, fresh.hash_key) << c.fen << " " << std::hex << c.move;
    }
}

// A double step adds its en-passant key even with no pawn to take; the
// next move of the other side takes it out again.
TEST_F(FirstZobristTable, DoubleStepKeyComesAndGoes) {
    Position p = FenPosition("4k3/p7/8/8/8/8/7P/4K3 w - - 0 1");
    ComputeHashKey(p);
    const uint64_t start = p.hash_key;
    const MoveList push = ListOf(Mv("h2h4", MOVE_QUIET, PAWN));
    UndoRecord undo{};
    MakeMoveWhite(p, push, 0, undo);
    UpdateHashKey(p, push, 0, 1, undo);
    const uint64_t pieces = Z[1][PAWN][SquareOf("h2")] ^ Z[1][PAWN][SquareOf("h4")];
    EXPECT_EQ(p.hash_key, start ^ pieces ^ SIDE_KEY ^ EnPassantKey(7, 2));

    const MoveList reply = ListOf(Mv("a7a6", MOVE_QUIET, PAWN));
    MakeMoveBlack(p, reply, 0, undo);
    UpdateHashKey(p, reply, 0, 0, undo);
    EXPECT_EQ(p.hash_key, start ^ pieces ^ Z[0][PAWN][SquareOf("a7")] ^ Z[0][PAWN][SquareOf("a6")]);
}

}  // namespace
