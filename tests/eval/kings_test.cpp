#include "eval/kings.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

namespace {

struct KingCase {
    const char* name;
    const char* fen;
    uint16_t non_pawn_white;
    uint16_t non_pawn_black;
    int32_t want;
};

// Phase sums are passed in directly, so each case chooses the form each king
// is scored in. Middlegame: table - 20 per shelter square without an own
// piece; endgame: the central table alone.
const KingCase king_cases[] = {
    {"StartPosition", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4000, 4000, 0},
    {"AfterE4EmptyE2", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1", 4000, 4000, -20},
    // White g1 behind f2 g2 h2: 30; Black e8 in its endgame form: 0.
    {"CastledKingFullShelter", "4k3/8/8/8/8/8/5PPP/6K1 w - - 0 1", 0, 2400, 30},
    {"CastledKingPawnOnH3", "4k3/8/8/8/8/7P/5PP1/6K1 w - - 0 1", 0, 2400, 10},
    // a1's k + 7 is h1, on the king's own rank.
    {"KingA1RookH1Shelters", "4k3/8/8/8/8/8/PP6/K6R w - - 0 1", 0, 2400, 30},
    {"KingA1WithoutRookH1", "4k3/8/8/8/8/8/PP6/K7 w - - 0 1", 0, 2400, 10},
    // h1's k + 9 is a3, two ranks up.
    {"KingH1PawnA3Shelters", "4k3/8/8/8/8/P7/6PP/7K w - - 0 1", 0, 2400, 30},
    {"KingH1PawnA2DoesNot", "4k3/8/8/8/8/8/P5PP/7K w - - 0 1", 0, 2400, 10},
    // Endgame form from 1800 down; the shelter is not looked at.
    {"EndgameAtExactly1800", "4k3/8/8/8/4K3/8/8/8 w - - 0 1", 0, 1800, 15},
    {"MiddlegameAbove1800", "4k3/8/8/8/4K3/8/8/8 w - - 0 1", 0, 1801, -10 - 60},
    {"EndgameCornerIgnoresShelter", "4k3/8/8/8/8/8/PP6/K7 w - - 0 1", 0, 1800, 0},
    // Black twin: the king's own square, shelter k-7, k-8, k-9, subtracted.
    {"BlackCastledFullShelter", "6k1/5ppp/8/8/8/8/8/4K3 w - - 0 1", 2400, 0, -30},
    {"BlackEndgameCentre", "8/8/8/3k4/8/8/8/4K3 w - - 0 1", 1800, 0, -15},
    // a8's k - 9 is h6, two ranks down; h7 is no shelter square.
    {"BlackKingA8PawnH6Shelters", "k7/pp6/7p/8/8/8/8/4K3 w - - 0 1", 2400, 0, -30},
    {"BlackKingA8PawnH7DoesNot", "k7/pp5p/8/8/8/8/8/4K3 w - - 0 1", 2400, 0, -10},
    // h8's k - 7 is a8, on the king's own rank.
    {"BlackKingH8RookA8Shelters", "r6k/6pp/8/8/8/8/8/4K3 w - - 0 1", 2400, 0, -30},
    {"BlackKingH8WithoutRookA8", "7k/6pp/8/8/8/8/8/4K3 w - - 0 1", 2400, 0, -10},
    // Both sides in different phases: White middlegame (g1, full shelter,
    // +30), Black endgame (d5, -15).
    {"DifferentPhases", "8/8/8/3k4/8/8/5PPP/6K1 w - - 0 1", 1800, 2400, 30 - 15},
    // Missing kings add nothing; the other king still counts (e8 middlegame
    // with d7 e7 f7 empty: -(0 - 60)).
    {"NoWhiteKing", "4k3/8/8/8/8/8/8/8 w - - 0 1", 4000, 4000, 60},
    {"NoKings", "8/8/8/8/8/8/PPPPPPPP/8 w - - 0 1", 4000, 4000, 0},
};

class KingTerm : public testing::TestWithParam<KingCase> {};

TEST_P(KingTerm, AddsWhiteAndSubtractsBlackOntoTheRunningScore) {
    const KingCase& c = GetParam();
    const Position p = FenPosition(c.fen);
    int32_t score = 1000;  // the term adds to what is there
    EvaluateKings(p, score, c.non_pawn_white, c.non_pawn_black);
    EXPECT_EQ(score, 1000 + c.want) << c.fen;
}

INSTANTIATE_TEST_SUITE_P(Cases, KingTerm, testing::ValuesIn(king_cases),
                         [](const testing::TestParamInfo<KingCase>& info) { return info.param.name; });

struct OffBoardCase {
    const char* fen;
    int32_t want;
};

// A White king on rank 8 or a Black king on rank 1 in the middlegame form
// has shelter squares past the board's edge; they count as empty.
TEST(KingTerm, ShelterSquaresOffTheBoardCountAsEmpty) {
    const OffBoardCase cases[] = {
        {"4K3/8/8/8/8/8/8/8 w - - 0 1", 0 - 60},           // e8: all three off the board
        {"K6R/8/8/8/8/8/8/8 w - - 0 1", 30 - 40},          // a8: k + 7 is h8 (a rook), two off
        {"K7/8/8/8/8/8/8/8 w - - 0 1", 30 - 60},           // a8 without the rook
        {"8/8/8/8/8/8/8/4k3 w - - 0 1", -(0 - 60)},        // Black e1: all three below square 0
        {"8/8/8/8/8/8/8/r6k w - - 0 1", -(30 - 40)},       // Black h1: k - 7 is a1 (a rook)
        {"8/8/8/8/8/8/8/7k w - - 0 1", -(30 - 60)},        // h1 without the rook
        // Whatever stands where an off-board square would land if it wrapped
        // round (e8 + 7..9 -> d1 e1 f1, e1 - 7..9 -> d8 e8 f8), own or enemy,
        // does not shelter.
        {"4K3/8/8/8/8/8/8/3RBR2 w - - 0 1", 0 - 60},
        {"4K3/8/8/8/8/8/8/3rbr2 w - - 0 1", 0 - 60},
        {"3rbr2/8/8/8/8/8/8/4k3 w - - 0 1", -(0 - 60)},
        {"3RBR2/8/8/8/8/8/8/4k3 w - - 0 1", -(0 - 60)},
    };
    for (const OffBoardCase& c : cases) {
        int32_t score = 0;
        EvaluateKings(FenPosition(c.fen), score, 4000, 4000);
        EXPECT_EQ(score, c.want) << c.fen;
    }
}

}  // namespace
