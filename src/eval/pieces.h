// Knights and bishops by square, rooks by how far they reach along their
// own file. Queens and kings score nothing here; there is no phase.
#pragma once

#include <cstdint>

#include "board/types.h"

// Adds White's knight, bishop and rook scores to `score` and subtracts
// Black's.
void EvaluatePieces(const Position& position, int32_t& score);

// The squares a rook on s attacks along its file (0 to 7): up and down to
// the first piece, an enemy piece's square counted, an own piece's not.
// `own` is the occupancy of the rook's colour.
uint8_t RookFileMobility(uint8_t s, Bitboard occupied, Bitboard own);
