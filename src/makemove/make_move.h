// Make and unmake: play the move at list.moves[index] on the position in
// place, and take it back exactly. Neither touches hash_key.
#pragma once

#include "board/colour.h"

template <Colour C>
void MakeMove(Position& position, const MoveList& list, uint8_t index, UndoRecord& undo);

template <Colour C>
void UnmakeMove(Position& position, const MoveList& list, uint8_t index, const UndoRecord& undo);

inline void MakeMoveWhite(Position& p, const MoveList& l, uint8_t i, UndoRecord& u) { MakeMove<White>(p, l, i, u); }
inline void MakeMoveBlack(Position& p, const MoveList& l, uint8_t i, UndoRecord& u) { MakeMove<Black>(p, l, i, u); }
inline void UnmakeMoveWhite(Position& p, const MoveList& l, uint8_t i, const UndoRecord& u) { UnmakeMove<White>(p, l, i, u); }
inline void UnmakeMoveBlack(Position& p, const MoveList& l, uint8_t i, const UndoRecord& u) { UnmakeMove<Black>(p, l, i, u); }
