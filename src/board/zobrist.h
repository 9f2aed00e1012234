// Zobrist keys: the random piece-square keys, the fixed keys for side,
// castling and en passant, the key from scratch and its update after a move.
#pragma once

#include "board/types.h"

// Z[colour][piece][square]; colour 0 = Black, 1 = White. Zero until the
// first InitZobrist.
extern uint64_t Z[2][7][64];

// Fixed keys, XORed in while their condition holds.
inline constexpr uint64_t SIDE_KEY = 0x7C0228DD624EC390;  // White to move
inline constexpr uint64_t CASTLE_K_KEY = 0xB3598055CE64A656;
inline constexpr uint64_t CASTLE_Q_KEY = 0x12A8F886AF9418C2;
inline constexpr uint64_t CASTLE_k_KEY = 0x1877B67E57A764D5;
inline constexpr uint64_t CASTLE_q_KEY = 0xD4490AD346F14431;

// The en-passant key is one constant whose low byte is changed by the two
// coordinates, not a key per square.
constexpr uint64_t EnPassantKey(uint8_t x, uint8_t y) { return 0x6BE8C34538F83F11ull ^ static_cast<uint8_t>(x ^ y); }

// Fills Z from the engine's own 15-bit generator; every call continues the
// generator where the previous one stopped.
void InitZobrist();

// hash_key from the other fields of the record.
void ComputeHashKey(Position& position);

// hash_key after the move at list.moves[index], just made by the twin of
// `mover` (1 = White, 0 = Black) with `undo` filled by that make.
void UpdateHashKey(Position& position, const MoveList& list, uint8_t index, uint8_t mover, const UndoRecord& undo);
