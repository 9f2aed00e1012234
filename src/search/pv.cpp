#include "search/pv.h"

#include "board/position_command.h"

PvLine pv;
Move current_line[104];
uint64_t path_keys[120];

namespace {

constexpr uint8_t PV_CAPACITY = sizeof pv.pv_moves / sizeof pv.pv_moves[0];

// Only the first pv_length moves mean anything, so only they are copied.
void CopyLine(PvLine& to, const PvLine& from) {
    for (uint8_t k = 0; k < from.pv_length; ++k) to.pv_moves[k] = from.pv_moves[k];
    to.pv_score = from.pv_score;
    to.pv_length = from.pv_length;
}

}  // namespace

void SavePv(PvLine& copy) { CopyLine(copy, pv); }

void RestorePv(const PvLine& copy) { CopyLine(pv, copy); }

// The line ends with the move that led to the node at `ply`. The search
// keeps ply below the line's capacity; the clamp only keeps a stray call
// inside the arrays.
void SetPvFromLine(uint8_t ply, int32_t score) {
    const uint8_t length = ply < PV_CAPACITY ? ply : PV_CAPACITY;
    for (uint8_t k = 0; k < length; ++k) pv.pv_moves[k] = current_line[k];
    pv.pv_score = score;
    pv.pv_length = length;
}

// Candidates are the positions 4, 6, 8, ... plies back, with the same side
// to move. From ply 4 on only the search path is examined; closer to the
// root the path is too short, so the game that led to the root stands in:
// game_history[game_length + ply - d] is the position d plies back.
bool IsRepetition(uint8_t ply) {
    const uint64_t key = path_keys[ply];
    if (ply >= 4) {
        for (int k = ply - 4; k >= 0; k -= 2) {
            if (path_keys[k] == key) return true;
        }
        return false;
    }
    for (int k = int{game_length} + ply - 4; k >= 0; k -= 2) {
        if (game_history[k] == key) return true;
    }
    return false;
}
