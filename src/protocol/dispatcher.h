// The command loop of the engine and the dispatcher of UCI commands.
#pragma once

#include "board/types.h"
#include "protocol/line_input.h"

// The current command, without its line end.
extern char command_line[LINE_BUFFER_SIZE];

// Acts on command_line. "quit" ends the process with exit code 1.
void Dispatch(Position& position);

// Reads and dispatches lines until input ends; returns the exit code 0.
int RunMainLoop();
