#include "eval/tables.h"
#include "support/board_text.h"

#include <gtest/gtest.h>

namespace {

// Black reads these at its own square, which is only sound while rank r and
// rank 7 - r hold the same values.
TEST(EvalTables, KingKnightBishopTablesAreTheSameSeenFromEitherSide) {
    for (int s = 0; s < 64; ++s) {
        const int mirror = s ^ 56;
        EXPECT_EQ(king_table_middle[s], king_table_middle[mirror]) << s;
        EXPECT_EQ(king_table_end[s], king_table_end[mirror]) << s;
        EXPECT_EQ(knight_table[s], knight_table[mirror]) << s;
        EXPECT_EQ(bishop_table[s], bishop_table[mirror]) << s;
    }
}

struct TableEntry {
    const char* table;
    int value;
    int want;
};

// The printed boards have rank 8 on top; a1 is square 0.
TEST(EvalTables, GridsAreTurnedIntoSquareOrder) {
    const TableEntry entries[] = {
        {"king_table_middle g1", king_table_middle[SquareOf("g1")], 30},
        {"king_table_middle d1", king_table_middle[SquareOf("d1")], -10},
        {"king_table_middle b2", king_table_middle[SquareOf("b2")], -5},
        {"king_table_end d4", king_table_end[SquareOf("d4")], 15},
        {"king_table_end c3", king_table_end[SquareOf("c3")], 10},
        {"knight_table d3", knight_table[SquareOf("d3")], 0},
        {"knight_table c3", knight_table[SquareOf("c3")], 10},
        {"bishop_table a2", bishop_table[SquareOf("a2")], 10},
        {"bishop_table b4", bishop_table[SquareOf("b4")], 20},
        {"pawn_table_middle d3", pawn_table_middle[SquareOf("d3")], 21},
        {"pawn_table_middle e7", pawn_table_middle[SquareOf("e7")], 35},
        {"pawn_table_middle c6", pawn_table_middle[SquareOf("c6")], 5},
        {"pawn_table_middle d8", pawn_table_middle[SquareOf("d8")], 0},
        {"pawn_table_end a3", pawn_table_end[SquareOf("a3")], 10},
        {"pawn_table_end h7", pawn_table_end[SquareOf("h7")], 50},
        {"pawn_table_end c8", pawn_table_end[SquareOf("c8")], 0},
        {"passed_pawn_bonus g7", passed_pawn_bonus[SquareOf("g7")], 150},
        {"passed_pawn_bonus b5", passed_pawn_bonus[SquareOf("b5")], 50},
        {"passed_pawn_bonus e2", passed_pawn_bonus[SquareOf("e2")], 0},
    };
    for (const TableEntry& e : entries) EXPECT_EQ(e.value, e.want) << e.table;
}

}  // namespace
