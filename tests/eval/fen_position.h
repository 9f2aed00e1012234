// A position straight from a FEN text, for the evaluation tests.
#pragma once

#include <string>

#include "board/fen.h"
#include "board/types.h"

inline Position FenPosition(const char* fen) {
    Position p{};
    ParseFen(p, (std::string("fen ") + fen).c_str());
    return p;
}
