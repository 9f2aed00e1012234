// Quiescence search on small positions whose results are known by hand:
// every expected score is the static score (positional part plus material)
// of the position where the best line ends, read from its own FEN.
#include "search/quiescence.h"

#include <gtest/gtest.h>

#include "eval/evaluate.h"
#include "makemove/position_helpers.h"
#include "search/pv.h"
#include "search/scores.h"

namespace {

using test_board::Mv;
using test_board::SameRecord;

Position Load(const char* fen) {
    Position p = FenPosition(fen);
    p.eval = MaterialScore(p);
    p.hash_key = 0x0123456789ABCDEFull;  // must come back untouched as well
    return p;
}

int32_t Static(const char* fen) {
    const Position p = Load(fen);
    return Evaluate(p) + p.eval;
}

// Runs the twin of the side to move and checks that the position, both
// occupancies included, is exactly as it was.
int32_t Quiesce(Position& p, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node = 0) {
    const Position before = p;
    const int32_t score = p.colour_move ? QuiescenceWhite(p, alpha, beta, ply, pv_node)
                                        : QuiescenceBlack(p, alpha, beta, ply, pv_node);
    EXPECT_TRUE(SameRecord(before, p));
    return score;
}

// White wins the queen with the knight and loses the knight to the pawn;
// the Black position mirrors it.
const char* const WHITE_WINS_QUEEN = "k7/8/4p3/3q4/1N6/8/8/6K1 w - - 0 1";
const char* const WHITE_LINE_END = "k7/8/8/3p4/8/8/8/6K1 w - - 0 1";
const char* const WHITE_AFTER_ONE = "k7/8/4p3/3N4/8/8/8/6K1 b - - 0 1";
const char* const BLACK_WINS_QUEEN = "6k1/8/8/1n6/3Q4/4P3/8/K7 b - - 0 1";
const char* const BLACK_LINE_END = "6k1/8/8/8/3P4/8/8/K7 b - - 0 1";
const char* const BLACK_AFTER_ONE = "6k1/8/8/8/3n4/4P3/8/K7 w - - 0 1";

TEST(Quiescence, CaptureSequenceEndsWhereNeitherSideGainsMore) {
    struct Case {
        const char* fen;
        const char* line_end;
    };
    const Case cases[] = {
        {WHITE_WINS_QUEEN, WHITE_LINE_END},
        {BLACK_WINS_QUEEN, BLACK_LINE_END},
        {"k7/8/8/8/8/8/8/6K1 w - - 0 1", "k7/8/8/8/8/8/8/6K1 w - - 0 1"},  // nothing to capture
        {"k7/8/8/8/8/8/8/3r2K1 w - - 0 1", "k7/8/8/8/8/8/8/3r2K1 w - - 0 1"},  // in check, no capture: stands pat
    };
    for (const Case& c : cases) {
        Position p = Load(c.fen);
        EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, 3), Static(c.line_end)) << c.fen;
    }
}

TEST(Quiescence, StandPatReachingTheOtherBoundEndsTheNode) {
    struct Case {
        const char* fen;
        int32_t alpha_offset, beta_offset;  // window around the stand-pat score
        const char* result;                 // FEN of the position whose static score comes back
    };
    const Case cases[] = {
        {WHITE_WINS_QUEEN, -50, 0, WHITE_WINS_QUEEN},    // stand >= beta: the queen is not even looked at
        {WHITE_WINS_QUEEN, -50, -1, WHITE_WINS_QUEEN},
        {WHITE_WINS_QUEEN, -50, 1, WHITE_AFTER_ONE},      // control: one point more and the capture is searched
        {BLACK_WINS_QUEEN, 0, 50, BLACK_WINS_QUEEN},      // stand <= alpha
        {BLACK_WINS_QUEEN, 1, 50, BLACK_WINS_QUEEN},
        {BLACK_WINS_QUEEN, -1, 50, BLACK_AFTER_ONE},
    };
    // In the controls the recapture is never tried: the side that lost its
    // queen is so far behind the narrow window that minor pieces are pruned.
    for (const Case& c : cases) {
        Position p = Load(c.fen);
        const int32_t stand = Static(c.fen);
        EXPECT_EQ(Quiesce(p, stand + c.alpha_offset, stand + c.beta_offset, 2), Static(c.result))
            << c.fen << " window " << c.alpha_offset << "," << c.beta_offset;
    }
}

TEST(Quiescence, HopelessVictimsAreNotCapturedAtAll) {
    struct Case {
        const char* fen;
        int32_t shortfall;  // how far the stand-pat score lies below alpha (White) or above beta (Black)
        const char* after;  // the position after the capture, or null when it must not be tried
    };
    const char* const AFTER_ROOK_TAKES = "k7/8/8/3R4/8/8/8/6K1 b - - 0 1";
    const char* const AFTER_ROOK_TAKES_BLACK = "6k1/8/8/8/3r4/8/8/K7 w - - 0 1";
    const Case cases[] = {
        {"k7/8/8/3p4/8/8/8/3R2K1 w - - 0 1", 160, AFTER_ROOK_TAKES},
        {"k7/8/8/3p4/8/8/8/3R2K1 w - - 0 1", 161, nullptr},
        {"k7/8/8/3n4/8/8/8/3R2K1 w - - 0 1", 500, AFTER_ROOK_TAKES},
        {"k7/8/8/3n4/8/8/8/3R2K1 w - - 0 1", 501, nullptr},
        {"k7/8/8/3b4/8/8/8/3R2K1 w - - 0 1", 501, nullptr},
        {"k7/8/8/3r4/8/8/8/3R2K1 w - - 0 1", 700, AFTER_ROOK_TAKES},
        {"k7/8/8/3r4/8/8/8/3R2K1 w - - 0 1", 701, nullptr},
        {"k7/8/8/3q4/8/8/8/3R2K1 w - - 0 1", 100000, AFTER_ROOK_TAKES},
        // The Black twin thins White's occupancy by the same margins.
        {"3r2k1/8/8/8/3P4/8/8/K7 b - - 0 1", 160, AFTER_ROOK_TAKES_BLACK},
        {"3r2k1/8/8/8/3P4/8/8/K7 b - - 0 1", 161, nullptr},
        {"3r2k1/8/8/8/3B4/8/8/K7 b - - 0 1", 500, AFTER_ROOK_TAKES_BLACK},
        {"3r2k1/8/8/8/3N4/8/8/K7 b - - 0 1", 501, nullptr},
        {"3r2k1/8/8/8/3R4/8/8/K7 b - - 0 1", 701, nullptr},
        {"3r2k1/8/8/8/3Q4/8/8/K7 b - - 0 1", 100000, AFTER_ROOK_TAKES_BLACK},
        // En passant and plain promotions do not depend on the victims.
        {"k7/8/8/3pP3/8/8/8/6K1 w - d6 0 1", 100000, "k7/8/3P4/8/8/8/8/6K1 b - - 0 1"},
        {"8/7P/8/8/8/k7/8/6K1 w - - 0 1", 100000, "7Q/8/8/8/8/k7/8/6K1 b - - 0 1"},
        {"6k1/8/8/8/3Pp3/8/8/K7 b - d3 0 1", 100000, "6k1/8/8/8/8/3p4/8/K7 w - - 0 1"},
        {"6k1/8/K7/8/8/8/7p/8 b - - 0 1", 100000, "6k1/8/K7/8/8/8/8/7q w - - 0 1"},
        // A pruned pawn still blocks the rook's way to the queen behind it.
        {"k7/3q4/8/8/8/3p4/8/3R2K1 w - - 0 1", 200, nullptr},
        {"3r2k1/8/8/3P4/8/8/3Q4/K7 b - - 0 1", 200, nullptr},
    };
    for (const Case& c : cases) {
        Position p = Load(c.fen);
        const int32_t stand = Static(c.fen);
        const bool white = p.colour_move == 1;
        const int32_t alpha = white ? stand + c.shortfall : -INFINITE_SCORE;
        const int32_t beta = white ? INFINITE_SCORE : stand - c.shortfall;
        const int32_t want = c.after ? Static(c.after) : stand;
        EXPECT_EQ(Quiesce(p, alpha, beta, 4), want) << c.fen << " shortfall " << c.shortfall;
    }
}

TEST(Quiescence, TakingTheKingScoresAMateAtThePly) {
    struct Case {
        const char* fen;
        uint8_t ply;
        int32_t want;
    };
    const Case cases[] = {
        {"3k4/8/8/8/8/8/8/3R2K1 w - - 0 1", 7, 993000},
        {"3k4/8/8/8/8/8/8/3R2K1 w - - 0 1", 0, MATE_SCORE},
        {"3r2k1/8/8/8/8/8/8/3K4 b - - 0 1", 7, -993000},
        {"3r2k1/8/8/8/8/8/8/3K4 b - - 0 1", 12, -988000},
    };
    for (const Case& c : cases) {
        Position p = Load(c.fen);
        EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, c.ply), c.want) << c.fen << " ply " << +c.ply;
    }
}

TEST(Quiescence, IllegalCaptureIsRefutedByTheKingCapture) {
    // The bishop is pinned to its king: taking the pawn lets the rook take
    // the king, so White keeps its stand-pat score.
    const char* fen = "k3r3/8/8/8/8/3p4/4B3/4K3 w - - 0 1";
    Position p = Load(fen);
    EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, 5), Static(fen));
    const char* mirrored = "4k3/4b3/3P4/8/8/8/8/K3R3 b - - 0 1";
    Position q = Load(mirrored);
    EXPECT_EQ(Quiesce(q, -INFINITE_SCORE, INFINITE_SCORE, 5), Static(mirrored));
}

TEST(Quiescence, NodeAtTheLastPlyOnlyStandsPat) {
    Position p = Load(WHITE_WINS_QUEEN);
    EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, MAX_PLY), Static(WHITE_WINS_QUEEN));
    EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, MAX_PLY + 20), Static(WHITE_WINS_QUEEN));
    // One ply earlier the capture is searched, but the recapture at the
    // last ply is not.
    EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, MAX_PLY - 1), Static(WHITE_AFTER_ONE));
}

class QuiescencePvTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int k = 0; k < 104; ++k) current_line[k] = 7000u + k;
        pv = PvLine{};
        pv.pv_length = 1;
        pv.pv_moves[0] = 42;
        pv.pv_score = -1;
    }
    void ExpectPvUntouched() {
        EXPECT_EQ(pv.pv_length, 1);
        EXPECT_EQ(pv.pv_moves[0], 42u);
        EXPECT_EQ(pv.pv_score, -1);
    }
};

TEST_F(QuiescencePvTest, LineRunsThroughTheCapturesToTheQuietEnd) {
    Position p = Load(WHITE_WINS_QUEEN);
    const int32_t score = Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, 2, 1);
    ASSERT_EQ(pv.pv_length, 4);
    EXPECT_EQ(pv.pv_moves[0], 7000u);
    EXPECT_EQ(pv.pv_moves[1], 7001u);
    EXPECT_EQ(pv.pv_moves[2], Mv("b4d5", MOVE_CAPTURE, KNIGHT, QUEEN));
    EXPECT_EQ(pv.pv_moves[3], Mv("e6d5", MOVE_CAPTURE, PAWN, KNIGHT));
    EXPECT_EQ(pv.pv_score, score);
    EXPECT_EQ(score, Static(WHITE_LINE_END));
}

TEST_F(QuiescencePvTest, StandPatBestEndsTheLineAtTheNode) {
    const char* fen = "k7/8/8/8/8/8/8/6K1 b - - 0 1";
    Position p = Load(fen);
    EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, 3, 1), Static(fen));
    ASSERT_EQ(pv.pv_length, 3);
    EXPECT_EQ(pv.pv_moves[2], 7002u);
    EXPECT_EQ(pv.pv_score, Static(fen));
}

TEST_F(QuiescencePvTest, KingCaptureEndsTheLineBeforeTheCapture) {
    Position p = Load("3r2k1/8/8/8/8/8/8/3K4 b - - 0 1");
    EXPECT_EQ(Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, 3, 1), -997000);
    EXPECT_EQ(pv.pv_length, 3);
    EXPECT_EQ(pv.pv_score, -997000);
}

TEST_F(QuiescencePvTest, CutOffsAndOtherNodesLeaveTheLineAlone) {
    Position p = Load(WHITE_WINS_QUEEN);
    const int32_t stand = Static(WHITE_WINS_QUEEN);
    Quiesce(p, stand - 10, stand, 2, 1);  // stand-pat cut-off on the principal variation
    ExpectPvUntouched();
    Quiesce(p, -INFINITE_SCORE, INFINITE_SCORE, 2, 0);
    ExpectPvUntouched();
    EXPECT_EQ(current_line[2], 7002u) << "only principal-variation nodes write the line";
}

}  // namespace
