// Copy of the position record and the field-by-field comparison that
// reports every field make/unmake failed to restore.
#pragma once

#include "board/types.h"

void CopyPosition(Position& copy, const Position& position);

// Writes one line per differing field; "test" is the copy, "bitboard" the
// live record.
void TestPosition(const Position& copy, const Position& position);
