// Move ordering: the capture sort, killer moves and the table's move.
#pragma once

#include "search/hash_table.h"

extern Move killer_first[102];   // newest killer of each ply
extern Move killer_second[102];  // the one killer_first held before

void SortMoves(MoveList& list);
// The i-th pass of SortMoves alone. Running the passes one by one, each
// just before its entry is needed, gives the same order as SortMoves and
// skips the passes a cutoff makes unnecessary.
void SortPass(MoveList& list, int i);
void KillersToFront(MoveList& list, uint8_t p, uint8_t ply);
void HashMoveToFront(MoveList& list, const HashEntry& entry);
// Brings the move to index 0 when the list holds it; 0 changes nothing.
void MoveToFront(MoveList& list, Move move);
void StoreKiller(uint8_t ply, const MoveList& list, uint8_t index);
