#include "tools/tool_position.h"

#include <cstring>
#include <string>

#include "board/fen.h"
#include "board/zobrist.h"

void SetUpPosition(Position& position, const char* argument) {
    position = Position{};
    const std::string text = std::strcmp(argument, "startpos") == 0
                                 ? "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 "
                                 : std::string("fen ") + argument;
    ParseFen(position, text.c_str());
    ComputeHashKey(position);
}
