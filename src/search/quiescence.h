// Quiescence search: stand pat, then captures only.
#pragma once

#include "board/colour.h"

template <Colour C>
int32_t Quiescence(Position& position, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node);

inline int32_t QuiescenceWhite(Position& p, int32_t a, int32_t b, uint8_t ply, uint8_t pv) { return Quiescence<White>(p, a, b, ply, pv); }
inline int32_t QuiescenceBlack(Position& p, int32_t a, int32_t b, uint8_t ply, uint8_t pv) { return Quiescence<Black>(p, a, b, ply, pv); }
