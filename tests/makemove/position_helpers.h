// Small helpers the board, make and perft tests share: setting up a
// position from a FEN, naming squares and moves, recounting material and
// comparing two records field by field.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "board/zobrist.h"
#include "board/types.h"
#include "support/board_text.h"

namespace test_board {

// A move word from its text ("e2e4") and the fields text cannot carry.
inline Move Mv(const char* text, uint8_t type, uint8_t piece, uint8_t captured = 0) {
    return BuildMove(captured, type, SquareOf(text), SquareOf(text + 2), piece);
}

// Real keys for tests that tell positions apart by key; drawn once, since
// every draw continues the generator.
inline void EnsureZobrist() {
    if (Z[1][PAWN][8] == 0) InitZobrist();
}

inline uint64_t KeyOf(const std::string& fen) {
    Position p = FenPosition(fen);
    ComputeHashKey(p);
    return p.hash_key;
}

// Knights out and back, as move texts: every four texts return to the
// start position.
inline std::string KnightShuffle(int texts) {
    const char* cycle[] = {"g1f3 ", "g8f6 ", "f3g1 ", "f6g8 "};
    std::string s;
    for (int i = 0; i < texts; ++i) s += cycle[i % 4];
    return s;
}

inline int32_t MaterialRecount(const Position& p) {
    int32_t sum = 0;
    for (int s = 0; s < 64; ++s) sum += piece_value[p.white_name_from_coord[s]] - piece_value[p.black_name_from_coord[s]];
    return sum;
}

// A one-move list, for make and unmake on a hand-built move word.
inline MoveList ListOf(Move m) {
    MoveList list{};
    list.moves[0] = m;
    list.capture_count = list.move_count = 1;
    return list;
}

// Pieces, occupancy and both square arrays agree.
inline ::testing::AssertionResult SameBoard(const Position& a, const Position& b) {
    if (a.all_piece != b.all_piece) return ::testing::AssertionFailure() << "all_piece";
    if (a.all_white_piece != b.all_white_piece) return ::testing::AssertionFailure() << "all_white_piece";
    if (a.all_black_piece != b.all_black_piece) return ::testing::AssertionFailure() << "all_black_piece";
    for (int c = 0; c < 7; ++c) {
        if (a.white_piece[c] != b.white_piece[c]) return ::testing::AssertionFailure() << "white_piece[" << c << "]";
        if (a.black_piece[c] != b.black_piece[c]) return ::testing::AssertionFailure() << "black_piece[" << c << "]";
    }
    for (int s = 0; s < 64; ++s) {
        if (a.white_name_from_coord[s] != b.white_name_from_coord[s])
            return ::testing::AssertionFailure() << "white_name_from_coord[" << s << "]";
        if (a.black_name_from_coord[s] != b.black_name_from_coord[s])
            return ::testing::AssertionFailure() << "black_name_from_coord[" << s << "]";
    }
    return ::testing::AssertionSuccess();
}

// Side to move, the four castling rights and the en-passant flag agree.
inline ::testing::AssertionResult SameSideAndRights(const Position& a, const Position& b) {
    const uint8_t fa[6] = {a.colour_move, a.castling_K, a.castling_Q, a.castling_k, a.castling_q, a.taking_passage_yes};
    const uint8_t fb[6] = {b.colour_move, b.castling_K, b.castling_Q, b.castling_k, b.castling_q, b.taking_passage_yes};
    const char* names[6] = {"colour_move", "castling_K", "castling_Q", "castling_k", "castling_q", "taking_passage_yes"};
    for (int i = 0; i < 6; ++i) {
        if (fa[i] != fb[i]) return ::testing::AssertionFailure() << names[i] << ": " << +fa[i] << " vs " << +fb[i];
    }
    return ::testing::AssertionSuccess();
}

// Every field of the record, one by one (padding bytes are never compared).
inline ::testing::AssertionResult SameRecord(const Position& a, const Position& b) {
    if (auto board = SameBoard(a, b); !board) return board;
    const auto field = [](const char* name, auto x, auto y) {
        return x == y ? ::testing::AssertionSuccess()
                      : ::testing::AssertionFailure() << name << ": " << +x << " vs " << +y;
    };
    for (auto r : {field("colour_move", a.colour_move, b.colour_move),
                   field("taking_passage_yes", a.taking_passage_yes, b.taking_passage_yes),
                   field("taking_passage_x", a.taking_passage_x, b.taking_passage_x),
                   field("taking_passage_y", a.taking_passage_y, b.taking_passage_y),
                   field("castling_Q", a.castling_Q, b.castling_Q), field("castling_K", a.castling_K, b.castling_K),
                   field("castling_q", a.castling_q, b.castling_q), field("castling_k", a.castling_k, b.castling_k),
                   field("hash_key", a.hash_key, b.hash_key), field("eval", a.eval, b.eval)}) {
        if (!r) return r;
    }
    return ::testing::AssertionSuccess();
}

// The record's own invariants: occupancies are the unions of the piece
// bitboards, the colours never share a square, entry 0 stays empty and the
// square arrays name exactly the pieces the bitboards hold.
inline ::testing::AssertionResult ConsistentRecord(const Position& p) {
    Bitboard white = 0, black = 0;
    for (int c = 1; c < 7; ++c) white |= p.white_piece[c], black |= p.black_piece[c];
    if (p.white_piece[0] || p.black_piece[0]) return ::testing::AssertionFailure() << "piece bitboard 0 not empty";
    if (white != p.all_white_piece || black != p.all_black_piece)
        return ::testing::AssertionFailure() << "occupancy is not the union of the pieces";
    if (white & black) return ::testing::AssertionFailure() << "a square held by both colours";
    if (p.all_piece != (white | black)) return ::testing::AssertionFailure() << "all_piece";
    for (int s = 0; s < 64; ++s) {
        const uint8_t w = p.white_name_from_coord[s], b = p.black_name_from_coord[s];
        if (w > 6 || b > 6) return ::testing::AssertionFailure() << "bad code on square " << s;
        for (int c = 1; c < 7; ++c) {
            if (((p.white_piece[c] >> s) & 1) != (w == c) || ((p.black_piece[c] >> s) & 1) != (b == c))
                return ::testing::AssertionFailure() << "square " << s << " disagrees with piece " << c;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace test_board
