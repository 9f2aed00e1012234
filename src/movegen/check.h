// Check detection: is the king of colour C attacked?
#pragma once

#include "board/colour.h"

// 0 when C's king is not attacked, else the code of the first attacker
// found. A side without a king is never in check.
template <Colour C>
uint8_t InCheck(const Position& position);

inline uint8_t InCheckWhite(const Position& position) { return InCheck<White>(position); }
inline uint8_t InCheckBlack(const Position& position) { return InCheck<Black>(position); }
