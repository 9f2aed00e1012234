// Sets up a position from a tool argument: "startpos" or a FEN text.
#pragma once

#include "board/types.h"

void SetUpPosition(Position& position, const char* argument);
