#include "eval/evaluate.h"

#include <gtest/gtest.h>

#include <string>

#include "support/board_text.h"

namespace {

struct EvalCase {
    const char* name;
    const char* fen;
    int32_t evaluate;
    int32_t material;
};

const EvalCase eval_cases[] = {
    {"StartPosition", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 0, 0},
    // -20 for the empty e2 in front of White's king, +25 for the pawn on e4.
    {"AfterE4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 5, 0},
    // Both sides without pieces, so both in the endgame form: d5 is
    // 30 + 20 + 10 + 10 + 50 (passed).
    {"LonePasserWhite", "4k3/8/8/3P4/8/8/8/4K3 w - - 0 1", 120, 100},
    {"LonePasserBlack", "4k3/8/8/8/3p4/8/8/4K3 w - - 0 1", -120, -100},
    {"KingsAlone", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", 0, 0},
    // Missing kings: material does not cancel, the king term is skipped.
    {"NoBlackKing", "8/8/8/8/3K4/8/8/8 w - - 0 1", 15, 90000},
    {"NoWhiteKing", "8/8/8/8/4k3/8/8/8 b - - 0 1", -15, -90000},
    // Ra1 reaches a2..a8 (7); Black's e8 in its endgame form (0).
    // Material starts from 0 without a White king: 600 - 90000.
    {"NoWhiteKingButARook", "4k3/8/8/8/8/8/8/R7 w - - 0 1", 7, -89400},
    // Black with queen and rook (1800): White in its endgame form.
    // Kings 0 / 0; pawns f2 40, g2 40, h2 30; Ra8 -7.
    {"QueenAndRookIsAnEndgame", "r2qk3/8/8/8/8/8/5PPP/6K1 w - - 0 1", 110 - 7, 90300 - 91800},
    // A knight more (2200): White's king g1 30 with full shelter; the pawns
    // in the middlegame form score the same 110 (no bonus on rank 2).
    {"QueenRookKnightIsAMiddlegame", "rn1qk3/8/8/8/8/8/5PPP/6K1 w - - 0 1", 30 + 110 - 7, 90300 - 92200},
    // White has Q+R+N (2200), Black a rook (600): White's terms in the
    // endgame form, Black's in the middlegame form.
    // Kings: Kg1 end 0; Ke8 middle 0 - 60 -> +60.
    // Pawns: f2 40, g2 40, h4 20 + 20 + 10 + 30 = 80; a3 (middle) 20 + 10 -> 160 - 30.
    // Pieces: Re1 up to e8 7; Ra8 down to a3 (own) 4 -> 3.
    {"SidesInDifferentPhases", "r3k3/8/8/8/7P/p7/5PP1/1N1QR1K1 w - - 0 1", 60 + 130 + 3, 92500 - 90700},
    {"SidesInDifferentPhasesMirrored", "1n1qr1k1/5pp1/P7/7p/8/8/8/R3K3 b - - 0 1", -193, -1800},
    // The phase sums are 16 bits wide: 55 queens make 66000, kept as 464,
    // so Black's king d4 is in its endgame form (15).
    {"PhaseSumsKeepSixteenBits",
     "QQQQQQQQ/QQQQQQQQ/QQQQQQQQ/QQQQQQQQ/QQQkQQQQ/QQQQQQQQ/QQQQQQQQ/8 w - - 0 1", -15, 66000 - 90000},
};

class EvaluateCase : public testing::TestWithParam<EvalCase> {};

TEST_P(EvaluateCase, PositionalScoreAndMaterial) {
    const EvalCase& c = GetParam();
    const Position p = FenPosition(c.fen);
    EXPECT_EQ(Evaluate(p), c.evaluate) << c.fen;
    EXPECT_EQ(MaterialScore(p), c.material) << c.fen;
}

INSTANTIATE_TEST_SUITE_P(Cases, EvaluateCase, testing::ValuesIn(eval_cases),
                         [](const testing::TestParamInfo<EvalCase>& info) { return info.param.name; });

// Placements of varied middlegames and endgames. No king stands on the a- or
// h-file in its middlegame form, where the shelter squares wrap differently
// for the two colours and a mirrored position need not score the opposite.
const char* const placements[] = {
    "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR",
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R",
    "r2q1rk1/1b2bppp/p2ppn2/1p6/3NP3/1BN5/PPP2PPP/R2QR1K1",
    "2r2rk1/pp1bqppp/2n1pn2/3p4/2PP4/P1N1PN2/1P2BPPP/2RQ1RK1",
    "8/5pk1/6p1/3P3p/2P4P/6P1/5K2/8",
    "6k1/5ppp/8/8/8/8/r4PPP/3R2K1",
    "r3k3/8/8/8/7P/p7/5PP1/1N1QR1K1",
};

// Ranks in the opposite order and colours exchanged.
std::string Mirror(const std::string& placement) {
    std::string mirrored;
    size_t end = placement.size();
    while (true) {
        const size_t slash = placement.rfind('/', end - 1);
        const size_t begin = slash == std::string::npos ? 0 : slash + 1;
        for (size_t i = begin; i < end; ++i) {
            const char c = placement[i];
            mirrored += (c >= 'a' && c <= 'z') ? char(c - 32) : (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
        }
        if (slash == std::string::npos) break;
        mirrored += '/';
        end = slash;
    }
    return mirrored;
}

TEST(Evaluate, DoesNotDependOnSideToMoveCastlingOrEnPassant) {
    for (const char* placement : placements) {
        const std::string text = placement;
        const Position white = FenPosition((text + " w KQkq - 0 1").c_str());
        const Position black = FenPosition((text + " b - - 0 1").c_str());
        EXPECT_EQ(Evaluate(white), Evaluate(black)) << placement;
        EXPECT_EQ(MaterialScore(white), MaterialScore(black)) << placement;
    }
}

TEST(Evaluate, MirroredPositionScoresTheOpposite) {
    for (const char* placement : placements) {
        const std::string mirrored = Mirror(placement);
        const Position p = FenPosition((std::string(placement) + " w - - 0 1").c_str());
        const Position m = FenPosition((mirrored + " b - - 0 1").c_str());
        EXPECT_EQ(Evaluate(m), -Evaluate(p)) << placement << " / " << mirrored;
        EXPECT_EQ(MaterialScore(m), -MaterialScore(p)) << placement << " / " << mirrored;
    }
}

}  // namespace
