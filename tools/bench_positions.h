// The bench's positions, as "position" command lines: openings,
// middlegames, endgames, promotions, checks, en passant, castling rights,
// mated and stalemated roots, both sides to move.
#pragma once

#include <cstddef>

inline constexpr int DEFAULT_BENCH_DEPTH = 7;

inline constexpr const char* bench_positions[] = {
    "position startpos",
    "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1",
    "position startpos moves e2e4 e7e5 g1f3 b8c6 f1b5 a7a6",
    "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "position fen r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "position fen rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "position fen r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "position fen rnbqkb1r/pp1p1ppp/4pn2/2p5/2PP4/2N5/PP2PPPP/R1BQKBNR w KQkq - 0 4",
    "position fen rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
    "position fen r1bq1rk1/pp2ppbp/2np1np1/8/3NP3/2N1BP2/PPPQ2PP/R3KB1R w KQ - 3 9",
    "position fen 2rq1rk1/pp1bppbp/2np1np1/8/3NP3/1BN1BP2/PPPQ2PP/2KR3R b - - 8 12",
    "position fen r2q1rk1/ppp2ppp/2n1bn2/2b1p3/3pP3/3P1NPP/PPP1NPB1/R1BQ1RK1 b - - 0 9",
    "position fen r1bqkbnr/pp1ppppp/2n5/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3",
    "position fen rnbqk1nr/pppp1ppp/8/4p3/1b1P4/8/PPP1PPPP/RNBQKBNR w KQkq - 1 3",
    "position fen 3r2k1/p4ppp/1p6/2p5/2P5/1P4P1/P4P1P/3R2K1 b - - 0 25",
    "position fen 8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "position fen 8/8/4k3/3p4/3P4/4K3/8/8 w - - 0 1",
    "position fen 8/8/1p1k4/p1p5/P1P2K2/1P6/8/8 b - - 0 40",
    "position fen 8/5k2/8/8/8/8/1P6/4K3 w - - 0 1",
    "position fen 6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1",
    "position fen 8/P7/8/8/8/8/6k1/4K3 w - - 0 1",
    "position fen r3k3/1P6/8/8/8/8/8/4K3 w q - 0 1",
    "position fen 4k3/8/8/8/8/8/1p6/R3K3 b Q - 0 1",
    "position fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1",
    "position fen r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1",
    "position fen 2k5/8/8/8/8/8/8/R3K2R w KQ - 0 1",
    "position fen 8/8/8/4k3/8/8/8/4KQ2 w - - 0 1",
    "position fen rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3",
    "position fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1",
    "position fen r1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 0 4",
};

inline constexpr size_t bench_position_count = sizeof bench_positions / sizeof bench_positions[0];
