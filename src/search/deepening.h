// Iterative deepening: one whole search for a "go" command, ending with
// the "bestmove" reply.
#pragma once

#include "board/types.h"
#include "protocol/time_budget.h"

void Deepening(Position& position, const SearchLimits& limits);
