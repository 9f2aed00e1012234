// Test helpers that read positions and squares from text.
#pragma once

#include <string>

#include "board/fen.h"
#include "board/types.h"

// A position straight from a FEN text (hash_key and eval left at 0).
inline Position FenPosition(const std::string& fen) {
    Position p{};
    ParseFen(p, ("fen " + fen).c_str());
    return p;
}

// The square named "a1" .. "h8".
inline uint8_t SquareOf(const char* name) { return static_cast<uint8_t>((name[1] - '1') * 8 + (name[0] - 'a')); }
