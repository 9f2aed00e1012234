// Playing moves given in UCI coordinate text.
#pragma once

#include "board/types.h"

// Plays one move text (four characters and an optional promotion letter)
// by matching it against the generated moves, or writes
// "WARNING ! moves error" and leaves the position alone.
void ApplyMoveText(Position& position, const char* text);

// The loop over the text after "moves ": plays each move text and records
// the key after each in game_history.
void ApplyMoveTexts(Position& position, const char* text);
