// Test helpers for the generators: a position from FEN text and a compact,
// readable listing of move-list entries, so that a case states its whole
// expected output (order, types, victims and keys) as one string.
#pragma once

#include <string>

#include "board/types.h"
#include "movegen/captures.h"
#include "movegen/quiet.h"
#include "support/board_text.h"

// The twin of the side to move, as every caller picks it.
inline void CapturesOfSideToMove(MoveList& list, const Position& p) {
    if (p.colour_move) GenerateCapturesWhite(list, p); else GenerateCapturesBlack(list, p);
}
inline void QuietOfSideToMove(MoveList& list, const Position& p) {
    if (p.colour_move) GenerateQuietWhite(list, p); else GenerateQuietBlack(list, p);
}

// "Pe7d8/25x4=25": piece letter, from, to, then "/type" unless quiet,
// "xcode" when something is captured, "=key" when keys are wanted.
inline std::string Describe(Move m, const int32_t* key) {
    std::string text;
    text += " PNBRQK?"[MovePiece(m)];
    for (const int s : {MoveFrom(m), MoveTo(m)}) {
        text += static_cast<char>('a' + s % 8);
        text += static_cast<char>('1' + s / 8);
    }
    if (MoveType(m) != MOVE_QUIET) text.append("/").append(std::to_string(MoveType(m)));
    if (MoveCaptured(m)) text.append("x").append(std::to_string(MoveCaptured(m)));
    if (key) text.append("=").append(std::to_string(*key));
    if (m >> 27) text.append("!high-bits");
    return text;
}

// Entries [begin, end) separated by single spaces.
inline std::string Listing(const MoveList& list, int begin, int end, bool with_keys) {
    std::string text;
    for (int i = begin; i < end; ++i) {
        if (i > begin) text += ' ';
        text += Describe(list.moves[i], with_keys ? &list.keys[i] : nullptr);
    }
    return text;
}
