// The horizon gate between the node search and the quiescence search. Every
// 50,001st call it polls standard input for "stop" and "quit" and checks the
// iteration's time against time_limit.
#pragma once

#include "board/colour.h"
#include "protocol/line_input.h"

extern char poll_line[LINE_BUFFER_SIZE];

template <Colour C>
int32_t Horizon(Position& position, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node);

inline int32_t HorizonWhite(Position& p, int32_t a, int32_t b, uint8_t ply, uint8_t pv) { return Horizon<White>(p, a, b, ply, pv); }
inline int32_t HorizonBlack(Position& p, int32_t a, int32_t b, uint8_t ply, uint8_t pv) { return Horizon<Black>(p, a, b, ply, pv); }
