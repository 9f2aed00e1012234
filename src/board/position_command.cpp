#include "board/position_command.h"

#include <cstring>

#include "board/fen.h"
#include "board/move_text.h"
#include "board/zobrist.h"
#include "protocol/dispatcher.h"

uint64_t game_history[GAME_HISTORY_SIZE];
uint16_t game_length;

void PositionCommand(Position& position) {
    // "startpos" is never looked for: a line without "fen " is the start.
    const char* fen = std::strstr(command_line, "fen ");
    const char* moves = std::strstr(command_line, "moves ");

    ParseFen(position, fen != nullptr ? fen : START_POSITION_TEXT);
    // Entries the game has not reached hold their own index, a value no
    // real key is expected to take.
    for (int i = 0; i < GAME_HISTORY_SIZE; ++i) game_history[i] = static_cast<uint64_t>(i);
    ComputeHashKey(position);
    game_history[0] = position.hash_key;
    game_length = 0;

    if (moves != nullptr) ApplyMoveTexts(position, moves + std::strlen("moves "));
}
