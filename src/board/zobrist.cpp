#include "board/zobrist.h"

uint64_t Z[2][7][64];

void InitZobrist() {}
void ComputeHashKey(Position&) {}
void UpdateHashKey(Position&, const MoveList&, uint8_t, uint8_t, const UndoRecord&) {}
