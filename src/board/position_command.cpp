#include "board/position_command.h"

uint64_t game_history[GAME_HISTORY_SIZE];
uint16_t game_length;

void PositionCommand(Position&) {}
