// Move ordering: the capture sort, killer moves and the table's move.
#pragma once

#include "search/hash_table.h"

extern Move killer_first[102];   // newest killer of each ply
extern Move killer_second[102];  // the one killer_first held before

void SortMoves(MoveList& list);
void KillersToFront(MoveList& list, uint8_t p, uint8_t ply);
void HashMoveToFront(MoveList& list, const HashEntry& entry);
void StoreKiller(uint8_t ply, const MoveList& list, uint8_t index);
