// The "go" command: search limits, the time budget and the start of the
// search.
#pragma once

#include "board/types.h"
#include "protocol/time_budget.h"

// Reads the limits from a "go" line, cutting it into words in place: the
// first word is the command itself, unknown words are skipped one at a
// time, the values of winc, binc and movestogo are consumed and dropped.
SearchLimits ParseGoLimits(char* line);

// Parses command_line, advances the table generation and runs the search,
// which ends with the "bestmove" reply.
void GoCommand(Position& position);
