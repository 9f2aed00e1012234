#include "movegen/geometry.h"
#include "support/board_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

Bitboard BitAt(int file, int rank) { return Bitboard{1} << (rank * 8 + file); }
// The slow reference: walk from s in steps of (df, dr) square by square.
Bitboard WalkRay(int s, int df, int dr) {
    Bitboard b = 0;
    for (int f = s % 8 + df, r = s / 8 + dr; f >= 0 && f < 8 && r >= 0 && r < 8; f += df, r += dr) b |= BitAt(f, r);
    return b;
}

Bitboard NearbySquares(int s, int distance_a, int distance_b) {
    Bitboard b = 0;
    for (int t = 0; t < 64; ++t) {
        const int df = std::abs(t % 8 - s % 8), dr = std::abs(t / 8 - s / 8);
        if ((df == distance_a && dr == distance_b) || (df == distance_b && dr == distance_a)) b |= Bitboard{1} << t;
    }
    return b;
}

TEST(Geometry, EveryTableMatchesASquareBySquareWalk) {
    for (int s = 0; s < 64; ++s) {
        const int f = s % 8, r = s / 8;
        EXPECT_EQ(bit_mask[s], Bitboard{1} << s);
        EXPECT_EQ(ray_north[s], WalkRay(s, 0, 1));
        EXPECT_EQ(ray_south[s], WalkRay(s, 0, -1));
        EXPECT_EQ(ray_east[s], WalkRay(s, 1, 0));
        EXPECT_EQ(ray_west[s], WalkRay(s, -1, 0));
        EXPECT_EQ(ray_north_east[s], WalkRay(s, 1, 1));
        EXPECT_EQ(ray_north_west[s], WalkRay(s, -1, 1));
        EXPECT_EQ(ray_south_east[s], WalkRay(s, 1, -1));
        EXPECT_EQ(ray_south_west[s], WalkRay(s, -1, -1));
        EXPECT_EQ(king_attacks[s], NearbySquares(s, 0, 1) | NearbySquares(s, 1, 1));
        EXPECT_EQ(knight_attacks[s], NearbySquares(s, 1, 2));
        Bitboard white = 0, black = 0;
        if (r >= 1 && r <= 6) {
            if (f > 0) white |= BitAt(f - 1, r + 1), black |= BitAt(f - 1, r - 1);
            if (f < 7) white |= BitAt(f + 1, r + 1), black |= BitAt(f + 1, r - 1);
        }
        EXPECT_EQ(pawn_attacks_white[s], white) << s;
        EXPECT_EQ(pawn_attacks_black[s], black) << s;
    }
}

TEST(Geometry, KnownFigures) {
    EXPECT_EQ(ray_north[SquareOf("a1")], 0x0101010101010100ull);
    EXPECT_EQ(ray_north_east[SquareOf("a1")], 0x8040201008040200ull);
    EXPECT_EQ(ray_south_west[SquareOf("h8")], 0x0040201008040201ull);
    EXPECT_EQ(king_attacks[SquareOf("a1")], 0x302ull);
    EXPECT_EQ(knight_attacks[SquareOf("g1")], bit_mask[SquareOf("e2")] | bit_mask[SquareOf("f3")] | bit_mask[SquareOf("h3")]);
    EXPECT_EQ(ray_west[SquareOf("d4")], bit_mask[SquareOf("a4")] | bit_mask[SquareOf("b4")] | bit_mask[SquareOf("c4")]);
    EXPECT_EQ(ray_east[SquareOf("h4")], 0u);
    EXPECT_EQ(pawn_attacks_white[SquareOf("e4")], bit_mask[SquareOf("d5")] | bit_mask[SquareOf("f5")]);
    EXPECT_EQ(pawn_attacks_white[SquareOf("a2")], bit_mask[SquareOf("b3")]);
    EXPECT_EQ(pawn_attacks_white[SquareOf("e1")] | pawn_attacks_white[SquareOf("e8")], 0u);
    EXPECT_EQ(pawn_attacks_black[SquareOf("h7")], bit_mask[SquareOf("g6")]);
    EXPECT_EQ(pawn_attacks_black[SquareOf("e1")] | pawn_attacks_black[SquareOf("e8")], 0u);
}

TEST(Geometry, NearestBlockerAndEmptySquaresAlongARay) {
    const Bitboard occupied = bit_mask[SquareOf("a4")] | bit_mask[SquareOf("a6")];
    EXPECT_EQ(NearestBlocker<NORTH>(SquareOf("a1"), occupied), SquareOf("a4"));
    EXPECT_EQ(EmptyAlongRay<NORTH>(SquareOf("a1"), occupied), bit_mask[SquareOf("a2")] | bit_mask[SquareOf("a3")]);
    EXPECT_EQ(NearestBlocker<SOUTH>(SquareOf("a8"), occupied), SquareOf("a6"));
    EXPECT_EQ(EmptyAlongRay<SOUTH>(SquareOf("a8"), occupied), bit_mask[SquareOf("a7")]);
    EXPECT_EQ(NearestBlocker<EAST>(SquareOf("a1"), occupied), -1);
    EXPECT_EQ(EmptyAlongRay<EAST>(SquareOf("a1"), occupied), ray_east[SquareOf("a1")]);
}

TEST(Geometry, SquaresAreEnumeratedLowestFirst) {
    std::vector<int> seen;
    ForEachSquare(bit_mask[40] | bit_mask[3] | bit_mask[63] | bit_mask[17], [&](uint8_t s) { seen.push_back(s); });
    EXPECT_EQ(seen, (std::vector<int>{3, 17, 40, 63}));
}

}  // namespace
