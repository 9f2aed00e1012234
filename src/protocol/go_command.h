// The "go" command: search limits, the time budget and the start of the
// search.
#pragma once

#include "board/types.h"

void GoCommand(Position& position);
