// The "position" command and the history of game positions.
#pragma once

#include "board/types.h"

inline constexpr int GAME_HISTORY_SIZE = 1000;

// The position a "position" line without "fen " sets up, written as a "fen"
// argument so that ParseFen skips its first word as in the other use.
inline constexpr const char* START_POSITION_TEXT = "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 ";

// Entry 0: key of the position set up by the FEN; entry k: key after the
// k-th move text.
extern uint64_t game_history[GAME_HISTORY_SIZE];
// Number of move texts applied since the FEN (index of the current entry).
extern uint16_t game_length;

// Rebuilds the position, the history and the key from command_line.
void PositionCommand(Position& position);
