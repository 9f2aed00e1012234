// A spread of positions for tests that compare two ways of computing the
// same thing: openings, castling and en-passant boards, promotions, odd
// boards (two kings, no king), and every position one move after each of
// them, the move taken without a legality test.
#pragma once

#include <vector>

#include "makemove/make_move.h"
#include "movegen/all_moves.h"
#include "support/board_text.h"

inline std::vector<Position> SamplePositions() {
    const char* fens[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1",
        "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
        "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1",
        "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
        "8/8/8/K1pP3r/8/8/8/7k w - c6 0 2",  // the en-passant capture opens the rank
        "4k3/8/8/8/8/8/8/K1K5 w - - 0 1",    // two White kings: only the lowest moves
        "4k3/8/8/8/8/8/8/2K5 w - - 0 1",     // ... and the higher one alone
        "8/3p4/8/8/3Q4/8/8/8 b - - 0 1",     // no kings at all
    };
    std::vector<Position> positions;
    for (const char* fen : fens) {
        const Position p = FenPosition(fen);
        positions.push_back(p);
        MoveList list;
        GenerateAllOfSideToMove(list, p);
        for (uint8_t i = 0; i < list.move_count; ++i) {
            Position child = p;
            UndoRecord undo;
            if (p.colour_move == 1) MakeMoveWhite(child, list, i, undo); else MakeMoveBlack(child, list, i, undo);
            positions.push_back(child);
        }
    }
    return positions;
}
