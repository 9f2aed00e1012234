#include "makemove/make_move.h"

#include <gtest/gtest.h>

#include "makemove/position_helpers.h"

namespace {

using namespace test_board;

// One move word played on `before`; `after` is the position the make must
// produce (its en-passant field, castling rights and side to move count too),
// `gain` the change of eval seen from White.
struct Case {
    const char* name;
    const char* before;
    Move move;
    const char* after;
    int32_t gain;
};

const Case cases[] = {
    {"knight quiet", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", Mv("g1f3", MOVE_QUIET, KNIGHT),
     "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R b KQkq - 1 1", 0},
    {"white double step sets e3", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
     Mv("e2e4", MOVE_QUIET, PAWN), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 0},
    {"black double step replaces e3 by e6", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
     Mv("e7e5", MOVE_QUIET, PAWN), "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2", 0},
    {"black single step clears e3", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
     Mv("a7a6", MOVE_QUIET, PAWN), "rnbqkbnr/1ppppppp/p7/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2", 0},
    {"white rook takes rook on a8", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("a1a8", MOVE_CAPTURE, ROOK, ROOK),
     "R3k2r/8/8/8/8/8/8/4K2R b Kk - 0 1", 600},
    {"black rook takes rook on h1", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("h8h1", MOVE_CAPTURE, ROOK, ROOK),
     "r3k3/8/8/8/8/8/8/R3K2r w Qq - 0 1", -600},
    {"white king capture drops both rights", "r3k2r/8/8/8/8/8/3n4/R3K2R w KQkq - 0 1",
     Mv("e1d2", MOVE_CAPTURE, KING, KNIGHT), "r3k2r/8/8/8/8/8/3K4/R6R b kq - 0 1", 400},
    {"black king step drops both rights", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("e8f8", MOVE_QUIET, KING),
     "r4k1r/8/8/8/8/8/8/R3K2R w KQ - 0 1", 0},
    {"white rook leaving h1 drops K", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("h1h4", MOVE_QUIET, ROOK),
     "r3k2r/8/8/8/7R/8/8/R3K3 b Qkq - 0 1", 0},
    {"black rook leaving a8 drops q", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("a8a5", MOVE_QUIET, ROOK),
     "4k2r/8/8/r7/8/8/8/R3K2R w KQk - 0 1", 0},
    {"black rook takes on a1 from a8", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("a8a1", MOVE_CAPTURE, ROOK, ROOK),
     "4k2r/8/8/8/8/8/8/r3K2R w Kk - 0 1", -600},
    {"white castles king-side", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("e1g1", MOVE_CASTLE_KING, KING),
     "r3k2r/8/8/8/8/8/8/R4RK1 b kq - 0 1", 0},
    {"white castles queen-side", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", Mv("e1c1", MOVE_CASTLE_QUEEN, KING),
     "r3k2r/8/8/8/8/8/8/2KR3R b kq - 0 1", 0},
    {"black castles king-side", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("e8g8", MOVE_CASTLE_KING, KING),
     "r4rk1/8/8/8/8/8/8/R3K2R w KQ - 0 1", 0},
    {"black castles queen-side", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", Mv("e8c8", MOVE_CASTLE_QUEEN, KING),
     "2kr3r/8/8/8/8/8/8/R3K2R w KQ - 0 1", 0},
    {"white takes en passant below d6", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1",
     Mv("e5d6", MOVE_EN_PASSANT, PAWN, PAWN), "4k3/8/3P4/8/8/8/8/4K3 b - - 0 1", 100},
    {"black takes en passant above d3", "4k3/8/8/8/3Pp3/8/8/4K3 b - d3 0 1",
     Mv("e4d3", MOVE_EN_PASSANT, PAWN, PAWN), "4k3/8/8/8/8/3p4/8/4K3 w - - 0 1", -100},
    {"white promotes to queen", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", Mv("e7e8", MOVE_PROMOTE_QUEEN, PAWN),
     "k3Q3/8/8/8/8/8/8/4K3 b - - 0 1", 1100},
    {"white promotes to rook", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", Mv("e7e8", MOVE_PROMOTE_ROOK, PAWN),
     "k3R3/8/8/8/8/8/8/4K3 b - - 0 1", 500},
    {"white promotes to bishop", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", Mv("e7e8", MOVE_PROMOTE_BISHOP, PAWN),
     "k3B3/8/8/8/8/8/8/4K3 b - - 0 1", 300},
    {"white promotes to knight", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", Mv("e7e8", MOVE_PROMOTE_KNIGHT, PAWN),
     "k3N3/8/8/8/8/8/8/4K3 b - - 0 1", 300},
    {"black promotes to knight", "4k3/8/8/8/8/8/3p4/K7 b - - 0 1", Mv("d2d1", MOVE_PROMOTE_KNIGHT, PAWN),
     "4k3/8/8/8/8/8/8/K2n4 w - - 0 1", -300},
    {"black promotes to queen", "4k3/8/8/8/8/8/3p4/K7 b - - 0 1", Mv("d2d1", MOVE_PROMOTE_QUEEN, PAWN),
     "4k3/8/8/8/8/8/8/K2q4 w - - 0 1", -1100},
    {"white takes rook on h8 promoting", "4k2r/6P1/8/8/8/8/8/4K3 w k - 0 1",
     Mv("g7h8", MOVE_CAPTURE_PROMOTE_QUEEN, PAWN, ROOK), "4k2Q/8/8/8/8/8/8/4K3 b - - 0 1", 1700},
    {"black takes rook on a1 promoting", "4k3/8/8/8/8/8/1p6/R3K3 b Q - 0 1",
     Mv("b2a1", MOVE_CAPTURE_PROMOTE_KNIGHT, PAWN, ROOK), "4k3/8/8/8/8/8/8/n3K3 w - - 0 1", -900},
    {"white rook takes the king", "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1", Mv("e1e8", MOVE_CAPTURE, ROOK, KING),
     "4R3/8/8/8/8/8/8/6K1 b - - 0 1", 90000},
    {"black queen takes the king", "4k3/8/8/8/8/8/8/q3K3 b - - 0 1", Mv("a1e1", MOVE_CAPTURE, QUEEN, KING),
     "4k3/8/8/8/8/8/8/4q3 w - - 0 1", -90000},
    {"pinned bishop leaves its king in check", "4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1", Mv("e2d3", MOVE_QUIET, BISHOP),
     "4k3/4r3/8/8/8/3B4/8/4K3 b - - 0 1", 0},
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class MakeMoveCase : public ::testing::TestWithParam<Case> {};

void Make(Position& p, const MoveList& l, UndoRecord& u) {
    if (p.colour_move == 1) MakeMoveWhite(p, l, 0, u); else MakeMoveBlack(p, l, 0, u);
}
// The unmake of the side that made the move, i.e. the one not to move now.
void Unmake(Position& p, const MoveList& l, const UndoRecord& u) {
    if (p.colour_move == 0) UnmakeMoveWhite(p, l, 0, u); else UnmakeMoveBlack(p, l, 0, u);
}

// The case's starting record with eval set, a key make and unmake must not
// touch, and stale en-passant coordinates behind a cleared flag, which must
// survive every move but a double step.
Position Before(const Case& c) {
    Position p = FenPosition(c.before);
    p.eval = MaterialRecount(p);
    p.hash_key = 0x0123456789ABCDEF;
    if (!p.taking_passage_yes) p.taking_passage_x = 6, p.taking_passage_y = 5;
    return p;
}

TEST_P(MakeMoveCase, MakeGivesThePositionAfterTheMove) {
    const Case& c = GetParam();
    Position p = Before(c);
    const Position before = p;
    const Position want = FenPosition(c.after);
    const MoveList list = ListOf(c.move);
    UndoRecord undo{};

    Make(p, list, undo);

    EXPECT_TRUE(SameBoard(p, want));
    EXPECT_TRUE(SameSideAndRights(p, want));
    if (want.taking_passage_yes) {
        EXPECT_EQ(p.taking_passage_x, want.taking_passage_x);
        EXPECT_EQ(p.taking_passage_y, want.taking_passage_y);
    } else {
        EXPECT_EQ(p.taking_passage_x, before.taking_passage_x);
        EXPECT_EQ(p.taking_passage_y, before.taking_passage_y);
    }
    EXPECT_EQ(p.eval - before.eval, c.gain);
    EXPECT_EQ(p.eval, MaterialRecount(p));
    EXPECT_EQ(p.hash_key, before.hash_key);

    const UndoRecord saved{before.taking_passage_yes, before.taking_passage_x, before.taking_passage_y,
                           before.castling_Q,         before.castling_K,       before.castling_q,
                           before.castling_k};
    EXPECT_EQ(std::memcmp(&undo, &saved, sizeof undo), 0);
}

TEST_P(MakeMoveCase, UnmakeRestoresEveryField) {
    const Case& c = GetParam();
    Position p = Before(c);
    const Position before = p;
    const MoveList list = ListOf(c.move);
    UndoRecord undo{};

    Make(p, list, undo);
    Unmake(p, list, undo);

    EXPECT_TRUE(SameRecord(p, before));
}

INSTANTIATE_TEST_SUITE_P(EveryMoveType, MakeMoveCase, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

// Make and unmake nest like brackets: a line of moves taken back in reverse
// order gives the starting record back, whatever happened in between.
TEST(MakeMove, NestedMovesUnwindToTheStart) {
    Position p = FenPosition("r3k2r/1P6/8/8/4p3/8/3P4/R3K2R w KQkq - 0 1");
    p.eval = MaterialRecount(p);
    const Position start = p;
    const MoveList line[] = {
        ListOf(Mv("d2d4", MOVE_QUIET, PAWN)),
        ListOf(Mv("e4d3", MOVE_EN_PASSANT, PAWN, PAWN)),
        ListOf(Mv("b7a8", MOVE_CAPTURE_PROMOTE_QUEEN, PAWN, ROOK)),
        ListOf(Mv("e8g8", MOVE_CASTLE_KING, KING)),
        ListOf(Mv("e1c1", MOVE_CASTLE_QUEEN, KING)),
    };
    UndoRecord undo[5]{};
    for (int i = 0; i < 5; ++i) {
        Make(p, line[i], undo[i]);
        EXPECT_EQ(p.eval, MaterialRecount(p)) << i;
    }
    EXPECT_TRUE(SameBoard(p, FenPosition("Q4rk1/8/8/8/8/3p4/8/2KR3R b - - 0 1")));
    for (int i = 4; i >= 0; --i) Unmake(p, line[i], undo[i]);
    EXPECT_TRUE(SameRecord(p, start));
}

}  // namespace
