#include "tools/tool_position.h"

#include <cstring>
#include <string>

#include "board/fen.h"
#include "board/position_command.h"
#include "board/zobrist.h"

void SetUpPosition(Position& position, const char* argument) {
    position = Position{};
    const std::string text = std::strcmp(argument, "startpos") == 0
                                 ? START_POSITION_TEXT
                                 : std::string("fen ") + argument;
    ParseFen(position, text.c_str());
    ComputeHashKey(position);
}
