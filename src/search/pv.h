// The principal variation, the current search line and repetition
// detection along the search path and the game history.
#pragma once

#include "board/types.h"

struct PvLine {
    Move pv_moves[101];
    int32_t pv_score;
    uint8_t pv_length;
};

extern PvLine pv;                 // the line of best play of the running iteration
extern Move current_line[104];    // move searched at each ply of the current path (PV nodes only)
extern uint64_t path_keys[120];   // hash_key of the position at each ply of the current path

void SavePv(PvLine& copy);
void RestorePv(const PvLine& copy);
// pv becomes current_line[0 .. ply - 1] with the given score.
void SetPvFromLine(uint8_t ply, int32_t score);
// True when path_keys[ply] repeats an earlier position with the same side
// to move, on the search path or, near the root, in the game history.
bool IsRepetition(uint8_t ply);
