// The FEN reader.
#pragma once

#include "board/types.h"

// Sets every field but hash_key and eval from the text, whose first word
// (normally "fen") is skipped. Malformed text never writes outside the
// record.
void ParseFen(Position& position, const char* text);
