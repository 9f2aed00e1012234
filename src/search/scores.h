// Score constants. Scores are signed 32-bit, from White's point of view, in
// units of piece_value (a pawn is 100).
#pragma once

#include <cstdint>

inline constexpr int32_t MATE_SCORE = 1000000;  // a side mated at ply p scores 1000000 - 1000 * p against it
inline constexpr int32_t INFINITE_SCORE = 9999999;
inline constexpr int32_t MATE_REPORT_THRESHOLD = 900000;  // beyond it a score is reported as a mate

// The per-ply tables hold 100 plies and a little more; a node at this ply
// stops deepening so that no line outgrows them.
inline constexpr uint8_t MAX_PLY = 100;
