#include "eval/pawns.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

namespace {

struct PawnCase {
    const char* name;
    const char* fen;
    uint16_t non_pawn_white;
    uint16_t non_pawn_black;
    int32_t want;
};

constexpr uint16_t MIDDLE = 4000;  // the opponent's material above 1800
constexpr uint16_t END = 0;

// Per pawn: table + 20 (own file free of enemy pawns) + 10 per free
// neighbouring file + the passed bonus (endgame only); then -20 per file
// with two or more pawns. Black's values are subtracted.
const PawnCase pawn_cases[] = {
    {"StartPosition", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", MIDDLE, MIDDLE, 0},
    // e4: table 25; e7 blocks every bonus.
    {"AfterE4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1", MIDDLE, MIDDLE, 25},
    // a6: 40 + 20 + 10 (b-file) + 70 (passed; the edge is one free side).
    {"EdgePawnPassed", "4k3/8/P7/8/8/8/8/4K3 w - - 0 1", END, END, 140},
    // e5: 30 + 20 + 10 (f-file), d6 ahead on the d-file: not passed.
    // d6 (read at e3): 10 + 20 + 10 (c-file), e5 below on the e-file. 60 - 40.
    {"NeighbourAheadStopsPassed", "4k3/8/3p4/4P3/8/8/8/4K3 w - - 0 1", END, END, 20},
    // Side by side neither stands in front of the other:
    // e5 30 + 20 + 10 + 10 + 50 = 120, d5 (read at e4) 20 + 20 + 10 + 10 + 30 = 90.
    {"LevelPawnsBothPassed", "4k3/8/8/3pP3/8/8/8/4K3 w - - 0 1", END, END, 30},
    // e2: 0 + 40 + bonus 0; e3: 10 + 40 + 20; doubled -20. Own pawn ahead is ignored.
    {"DoubledOwnPawnAheadIgnored", "4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1", END, END, 90},
    // e2 40, e3 70, e4 20 + 40 + 30 = 90; three on a file cost 20 like two.
    {"TripledCostsLikeDoubled", "4k3/8/8/8/4P3/4P3/4P3/4K3 w - - 0 1", END, END, 180},
    // a2 30, a3 60, b4 20 + 40 + 30 = 90, h2 30, h3 60; two doubled files -40.
    {"TwoDoubledFiles", "4k3/8/8/8/1P6/P6P/P6P/4K3 w - - 0 1", END, END, 230},
    // Middlegame form: 25 + 20 + 10 + 10, passed but no bonus.
    {"PassedNoBonusInMiddlegame", "rnbqkbnr/8/8/4P3/8/8/8/RNBQKBNR w KQkq - 0 1", MIDDLE, MIDDLE, 65},
    // Only pawns block: the knight on e6 does not.
    {"PiecesDoNotBlock", "4k3/8/4n3/4P3/8/8/8/4K3 w - - 0 1", END, 400, 120},
    // Blocked on the own file: the table value alone, both forms
    // (e4 end 20 / middle 25; e7 read at d2 is 0 in both).
    {"BlockedFileEndgame", "4k3/4p3/8/8/4P3/8/8/4K3 w - - 0 1", END, END, 20},
    {"BlockedFileMiddlegame", "4k3/4p3/8/8/4P3/8/8/4K3 w - - 0 1", MIDDLE, MIDDLE, 25},
    // Black twin, tables read at 63 - s: d5 (at e4) 20 + 40 + 30 = 90,
    // d4 (at e5) 30 + 40 + 50 = 120, doubled -20: -(190).
    {"BlackDoubledPassers", "4k3/8/8/3p4/3p4/8/8/4K3 w - - 0 1", END, END, -190},
    // Black a3 (at h6) in the middlegame: 0 + 20 + 10, no bonus; in the
    // endgame 40 + 20 + 10 + 70.
    {"BlackEdgePawnMiddlegame", "4k3/8/8/8/8/p7/8/4K3 w - - 0 1", MIDDLE, END, -30},
    {"BlackEdgePawnEndgame", "4k3/8/8/8/8/p7/8/4K3 w - - 0 1", END, MIDDLE, -140},
    // Different phases: White h4 in its endgame form 20 + 20 + 10 + 30 = 80,
    // Black a3 in its middlegame form -30.
    {"DifferentPhases", "4k3/8/8/8/7P/p7/8/4K3 w - - 0 1", 2200, 600, 50},
};

class PawnTerm : public testing::TestWithParam<PawnCase> {};

TEST_P(PawnTerm, AddsWhiteAndSubtractsBlackOntoTheRunningScore) {
    const PawnCase& c = GetParam();
    int32_t score = 1000;  // the term adds to what is there
    EvaluatePawns(FenPosition(c.fen), score, c.non_pawn_white, c.non_pawn_black);
    EXPECT_EQ(score, 1000 + c.want) << c.fen;
}

INSTANTIATE_TEST_SUITE_P(Cases, PawnTerm, testing::ValuesIn(pawn_cases),
                         [](const testing::TestParamInfo<PawnCase>& info) { return info.param.name; });

}  // namespace
