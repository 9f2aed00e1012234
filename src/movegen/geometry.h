// Constant board geometry: single-square masks, king and knight attacks,
// the eight rays and the pawn-capture tables, all built by the compiler.
// Sliding pieces use plain rays: the nearest occupied square on a ray is
// one AND and one bit scan.
#pragma once

#include <array>
#include <bit>
#include <cstddef>

#include "board/types.h"

using SquareTable = std::array<Bitboard, 64>;

namespace geometry_detail {

constexpr bool OnBoard(int file, int rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

// Every square reached by repeating one step (df, dr) until the edge.
constexpr SquareTable Ray(int df, int dr) {
    SquareTable t{};
    for (int s = 0; s < 64; ++s) {
        for (int f = s % 8 + df, r = s / 8 + dr; OnBoard(f, r); f += df, r += dr) t[s] |= Bitboard{1} << (r * 8 + f);
    }
    return t;
}

// The squares one step away for each of the given (df, dr) offsets.
template <std::size_t N>
constexpr SquareTable Leaper(const int (&steps)[N][2]) {
    SquareTable t{};
    for (int s = 0; s < 64; ++s) {
        for (const auto& step : steps) {
            int f = s % 8 + step[0], r = s / 8 + step[1];
            if (OnBoard(f, r)) t[s] |= Bitboard{1} << (r * 8 + f);
        }
    }
    return t;
}

// Pawn captures exist only from ranks 2 to 7: a pawn never stands on the
// first or last rank.
constexpr SquareTable PawnAttacks(int dr) {
    constexpr int sides[2] = {-1, 1};
    SquareTable t{};
    for (int s = 8; s < 56; ++s) {
        for (int df : sides) {
            int f = s % 8 + df, r = s / 8 + dr;
            if (OnBoard(f, r)) t[s] |= Bitboard{1} << (r * 8 + f);
        }
    }
    return t;
}

constexpr SquareTable BitMask() {
    SquareTable t{};
    for (int s = 0; s < 64; ++s) t[s] = Bitboard{1} << s;
    return t;
}

constexpr int king_steps[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
constexpr int knight_steps[8][2] = {{-1, -2}, {1, -2}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1}, {-1, 2}, {1, 2}};

}  // namespace geometry_detail

inline constexpr SquareTable bit_mask = geometry_detail::BitMask();
inline constexpr SquareTable king_attacks = geometry_detail::Leaper(geometry_detail::king_steps);
inline constexpr SquareTable knight_attacks = geometry_detail::Leaper(geometry_detail::knight_steps);
inline constexpr SquareTable ray_north = geometry_detail::Ray(0, 1);
inline constexpr SquareTable ray_south = geometry_detail::Ray(0, -1);
inline constexpr SquareTable ray_east = geometry_detail::Ray(1, 0);
inline constexpr SquareTable ray_west = geometry_detail::Ray(-1, 0);
inline constexpr SquareTable ray_north_east = geometry_detail::Ray(1, 1);
inline constexpr SquareTable ray_north_west = geometry_detail::Ray(-1, 1);
inline constexpr SquareTable ray_south_east = geometry_detail::Ray(1, -1);
inline constexpr SquareTable ray_south_west = geometry_detail::Ray(-1, -1);
inline constexpr SquareTable pawn_attacks_white = geometry_detail::PawnAttacks(1);
inline constexpr SquareTable pawn_attacks_black = geometry_detail::PawnAttacks(-1);

// Lowest and highest square of a non-empty bitboard.
constexpr uint8_t LowestSquare(Bitboard b) { return static_cast<uint8_t>(std::countr_zero(b)); }
constexpr uint8_t HighestSquare(Bitboard b) { return static_cast<uint8_t>(63 - std::countl_zero(b)); }

// Enumerates the squares of a bitboard lowest first, the order that fixes
// every move list: take the lowest bit, use it, clear it.
template <typename Visit>
constexpr void ForEachSquare(Bitboard b, Visit&& visit) {
    for (; b; b &= b - 1) visit(LowestSquare(b));
}

// The eight ray directions. Rising rays find their nearest blocker with the
// lowest set bit, falling rays with the highest.
enum Direction : uint8_t { NORTH, SOUTH, EAST, WEST, NORTH_EAST, NORTH_WEST, SOUTH_EAST, SOUTH_WEST };

template <Direction D>
constexpr const SquareTable& RayTable() {
    if constexpr (D == NORTH) return ray_north;
    else if constexpr (D == SOUTH) return ray_south;
    else if constexpr (D == EAST) return ray_east;
    else if constexpr (D == WEST) return ray_west;
    else if constexpr (D == NORTH_EAST) return ray_north_east;
    else if constexpr (D == NORTH_WEST) return ray_north_west;
    else if constexpr (D == SOUTH_EAST) return ray_south_east;
    else return ray_south_west;
}

template <Direction D>
inline constexpr bool rising = D == NORTH || D == EAST || D == NORTH_EAST || D == NORTH_WEST;

// Nearest occupied square on the ray from s, or -1 when the ray is open.
template <Direction D>
constexpr int NearestBlocker(uint8_t s, Bitboard occupied) {
    const Bitboard blockers = RayTable<D>()[s] & occupied;
    if (!blockers) return -1;
    if constexpr (rising<D>) return LowestSquare(blockers); else return HighestSquare(blockers);
}

// The empty squares between s and its nearest blocker (or to the edge).
template <Direction D>
constexpr Bitboard EmptyAlongRay(uint8_t s, Bitboard occupied) {
    const int b = NearestBlocker<D>(s, occupied);
    if (b < 0) return RayTable<D>()[s];
    return RayTable<D>()[s] ^ RayTable<D>()[b] ^ bit_mask[b];
}

constexpr uint8_t FileOf(uint8_t s) { return s & 7; }
constexpr uint8_t RankOf(uint8_t s) { return s >> 3; }
