// The "position" command and the history of game positions.
#pragma once

#include "board/types.h"

inline constexpr int GAME_HISTORY_SIZE = 1000;

// Entry 0: key of the position set up by the FEN; entry k: key after the
// k-th move text.
extern uint64_t game_history[GAME_HISTORY_SIZE];
// Number of move texts applied since the FEN (index of the current entry).
extern uint16_t game_length;

// Rebuilds the position, the history and the key from command_line.
void PositionCommand(Position& position);
