// The text of the search's reports: "info" after each iteration,
// "info currmove" for each root move and "bestmove" at the end.
#pragma once

#include <cstdint>

#include "board/types.h"
#include "search/pv.h"

// Writes the name of square s ("a1" .. "h8") into out; returns its length.
int SquareText(uint8_t s, char* out);

// Writes from-square, to-square and, when asked and the move promotes, the
// promotion letter into out (zero-terminated); returns the length.
int MoveText(Move move, bool with_promotion, char* out);

enum class ScoreKind : uint8_t { MateFor, MateAgainst, Centipawns };

void InfoLine(double nodes_per_second, uint8_t depth, uint8_t pv_length, ScoreKind kind, int32_t centipawns,
              uint64_t nodes, const PvLine& line);
void CurrMoveLine(const MoveList& list, uint8_t move_number, uint8_t index, uint8_t depth);
void BestMoveLine();
