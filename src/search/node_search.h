// Alpha-beta node search in minimax form: White's twin maximises, Black's
// minimises, both over White-view scores.
#pragma once

#include "board/colour.h"

template <Colour C>
int32_t Search(Position& position, int32_t alpha, int32_t beta, uint8_t depth, uint8_t ply, int32_t last_move_type,
               uint8_t pv_node, uint8_t in_check, uint8_t null_forbidden);

inline int32_t SearchWhite(Position& p, int32_t a, int32_t b, uint8_t d, uint8_t ply, int32_t t, uint8_t pv, uint8_t chk, uint8_t nf) {
    return Search<White>(p, a, b, d, ply, t, pv, chk, nf);
}
inline int32_t SearchBlack(Position& p, int32_t a, int32_t b, uint8_t d, uint8_t ply, int32_t t, uint8_t pv, uint8_t chk, uint8_t nf) {
    return Search<Black>(p, a, b, d, ply, t, pv, chk, nf);
}
