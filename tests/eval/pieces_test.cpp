#include "eval/pieces.h"

#include <gtest/gtest.h>

#include <bit>
#include <initializer_list>

#include "eval/tables.h"
#include "support/board_text.h"

namespace {

Bitboard Squares(std::initializer_list<const char*> names) {
    Bitboard b = 0;
    for (const char* n : names) b |= Bitboard{1} << SquareOf(n);
    return b;
}

struct MobilityCase {
    const char* rook;
    Bitboard occupied;  // besides the rook itself
    Bitboard own;       // the rook's colour, besides the rook itself
    int want;
};

TEST(RookFileMobility, CountsFileSquaresUpToTheFirstPieceEachWay) {
    const MobilityCase cases[] = {
        {"a1", 0, 0, 7},
        {"h8", 0, 0, 7},
        {"d4", 0, 0, 7},
        {"e4", Squares({"e2", "e7"}), Squares({"e2"}), 4},  // e5 e6 e7(enemy) + e3
        {"d4", Squares({"d3", "d5"}), Squares({"d3", "d5"}), 0},
        {"d4", Squares({"d3", "d5"}), 0, 2},
        {"d4", Squares({"d6", "d1"}), Squares({"d1"}), 4},   // d5 d6(enemy) + d3 d2
        {"a1", Squares({"a8"}), 0, 7},                       // the far enemy counts
        {"a1", Squares({"a8", "a5"}), Squares({"a8"}), 4},   // a5 stops it before a8
        {"c3", Squares({"b3", "d3", "c8"}), Squares({"b3", "d3"}), 7},  // the rank plays no part
        // Blockers on the corner squares at the ends of the board.
        {"h1", Squares({"h8"}), 0, 7},
        {"h8", Squares({"h1"}), Squares({"h1"}), 6},
        {"a8", Squares({"a1"}), 0, 7},
        {"a8", Squares({"a1"}), Squares({"a1"}), 6},
    };
    for (const MobilityCase& c : cases) {
        const Bitboard rook = Bitboard{1} << SquareOf(c.rook);
        EXPECT_EQ(RookFileMobility(static_cast<uint8_t>(SquareOf(c.rook)), c.occupied | rook, c.own | rook), c.want)
            << c.rook << " occupied " << std::hex << c.occupied;
    }
}

struct PieceCase {
    const char* fen;
    int32_t want;
};

TEST(PieceTerm, KnightsAndBishopsBySquareRooksByFileMobility) {
    const PieceCase cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 0},
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", 7},
        {"r3k3/8/8/8/8/8/8/R3K3 w - - 0 1", 7 - 7},
        {"4k3/4p3/8/8/4R3/8/4P3/4K3 w - - 0 1", 4},
        {"4k3/8/8/8/3N4/8/8/4K3 w - - 0 1", 15},
        {"4k3/8/8/8/8/3N4/8/4K3 w - - 0 1", 0},
        {"4k3/8/8/8/8/8/1B6/4K3 w - - 0 1", 15},
        {"4k3/8/8/8/3B4/8/8/4K3 w - - 0 1", 15},
        {"4k3/8/8/8/2B5/8/8/4K3 w - - 0 1", 20},
        // Black reads the knight and bishop tables at its own square.
        {"4k3/8/8/3n4/8/8/8/4K3 w - - 0 1", -15},
        {"4k3/1b6/8/8/8/8/8/4K3 w - - 0 1", -15},
        {"4k3/8/8/2n5/8/2b5/8/4K3 w - - 0 1", -(10 + 15)},
        // Black rook e5: up e6 + e7 (own) -> 1, down e4 e3 e2 (enemy) -> 3.
        {"4k3/4p3/8/4r3/8/8/4P3/4K3 w - - 0 1", -4},
        // Queens and kings score nothing here.
        {"3qk3/8/8/8/3Q4/8/8/4K3 w - - 0 1", 0},
        // Rf1: f2..f6 (the enemy knight) = 5; Nc3 10; Bg5 20; Black Nf6 10,
        // Bb7 15, Ra8 down to a7 (own) = 0.
        {"r3k3/pb3p2/5n2/6B1/8/2N5/8/5RK1 w - - 0 1", 5 + 10 + 20 - 10 - 15 - 0},
    };
    for (const PieceCase& c : cases) {
        int32_t score = 1000;  // the term adds to what is there
        EvaluatePieces(FenPosition(c.fen), score);
        EXPECT_EQ(score, 1000 + c.want) << c.fen;
    }
}

// Each knight and bishop scores its table value on every square, for both
// colours, alone and with a second piece of its kind.
TEST(PieceTerm, KnightAndBishopScoresAreTheirTableValuesOnEverySquare) {
    for (int s = 0; s < 64; ++s) {
        for (const uint8_t code : {KNIGHT, BISHOP}) {
            const auto& table = code == KNIGHT ? knight_table : bishop_table;
            const Bitboard bit = Bitboard{1} << s;
            const Bitboard partner = Bitboard{1} << (63 - s == s ? 0 : 63 - s);
            Position white{}, black{}, pair{};
            white.white_piece[code] = bit;
            black.black_piece[code] = bit;
            pair.white_piece[code] = bit | partner;
            int32_t w = 0, b = 0, both = 0;
            EvaluatePieces(white, w);
            EvaluatePieces(black, b);
            EvaluatePieces(pair, both);
            EXPECT_EQ(w, table[s]) << "code " << +code << " square " << s;
            EXPECT_EQ(b, -table[s]) << "code " << +code << " square " << s;
            EXPECT_EQ(both, table[s] + table[std::countr_zero(partner)]) << "code " << +code << " square " << s;
        }
    }
}

}  // namespace
