// The evaluation's square tables. Each is written as a board with rank 8 in
// the top row and the a-file on the left, and turned by the compiler into
// square order (a1 = 0 ... h8 = 63). All are in White's orientation.
#pragma once

#include <array>
#include <cstdint>

namespace tables_detail {

// A board written rank 8 first, as square-indexed values.
template <typename T>
constexpr std::array<T, 64> FromGrid(const T (&grid)[64]) {
    std::array<T, 64> table{};
    for (int s = 0; s < 64; ++s) table[s] = grid[(7 - s / 8) * 8 + s % 8];
    return table;
}

// A table with one value per rank (rank 8 first), the same on every file.
template <typename T>
constexpr std::array<T, 64> FromRanks(const T (&ranks)[8]) {
    std::array<T, 64> table{};
    for (int s = 0; s < 64; ++s) table[s] = ranks[7 - s / 8];
    return table;
}

}  // namespace tables_detail

// King, knight and bishop tables are the same on ranks 1 and 8, 2 and 7,
// 3 and 6, 4 and 5, so Black reads them at the piece's own square.

inline constexpr std::array<int8_t, 64> king_table_middle = tables_detail::FromGrid<int8_t>({
     30,  30,  30, -10,   0, -10,  30,  30,
     -5,  -5,  -5, -10, -10, -10,  -5,  -5,
    -10, -10, -10, -10, -10, -10, -10, -10,
    -10, -10, -10, -10, -10, -10, -10, -10,
    -10, -10, -10, -10, -10, -10, -10, -10,
    -10, -10, -10, -10, -10, -10, -10, -10,
     -5,  -5,  -5, -10, -10, -10,  -5,  -5,
     30,  30,  30, -10,   0, -10,  30,  30,
});

inline constexpr std::array<int8_t, 64> king_table_end = tables_detail::FromGrid<int8_t>({
    0,  0,  0,  0,  0,  0,  0,  0,
    0,  5,  5,  5,  5,  5,  5,  0,
    0,  5, 10, 10, 10, 10,  5,  0,
    0,  5, 10, 15, 15, 10,  5,  0,
    0,  5, 10, 15, 15, 10,  5,  0,
    0,  5, 10, 10, 10, 10,  5,  0,
    0,  5,  5,  5,  5,  5,  5,  0,
    0,  0,  0,  0,  0,  0,  0,  0,
});

inline constexpr std::array<int8_t, 64> knight_table = tables_detail::FromGrid<int8_t>({
    0,  0,  0,  0,  0,  0,  0,  0,
    0,  5,  5,  5,  5,  5,  5,  0,
    0,  5, 10,  0,  0, 10,  5,  0,
    0,  5, 10, 15, 15, 10,  5,  0,
    0,  5, 10, 15, 15, 10,  5,  0,
    0,  5, 10,  0,  0, 10,  5,  0,
    0,  5,  5,  5,  5,  5,  5,  0,
    0,  0,  0,  0,  0,  0,  0,  0,
});

inline constexpr std::array<int8_t, 64> bishop_table = tables_detail::FromGrid<int8_t>({
     0,  0,  0,  0,  0,  0,  0,  0,
    10, 15, 10, 10, 10, 10, 15, 10,
     0, 10, 15,  0,  0, 15, 10,  0,
     0, 20, 20, 15, 15, 20, 20,  0,
     0, 20, 20, 15, 15, 20, 20,  0,
     0, 10, 15,  0,  0, 15, 10,  0,
    10, 15, 10, 10, 10, 10, 15, 10,
     0,  0,  0,  0,  0,  0,  0,  0,
});

// Pawn tables differ from rank to rank: Black reads them at 63 - s.

inline constexpr std::array<int8_t, 64> pawn_table_middle = tables_detail::FromGrid<int8_t>({
     0,  0,  0,  0,  0,  0,  0,  0,
    30, 30, 30, 35, 35, 30, 30, 30,
     0,  0,  5, 30, 30,  5,  0,  0,
     0,  0,  5, 25, 25,  5,  0,  0,
     0,  0,  0, 25, 25,  0,  0,  0,
     0,  0,  0, 21, 21,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
});

// One value per rank, the same on every file; ranks 8, 7, 6, 5, 4, 3, 2, 1.
inline constexpr std::array<int8_t, 64> pawn_table_end = tables_detail::FromRanks<int8_t>({0, 50, 40, 30, 20, 10, 0, 0});
inline constexpr std::array<int16_t, 64> passed_pawn_bonus =
    tables_detail::FromRanks<int16_t>({0, 150, 70, 50, 30, 20, 0, 0});
