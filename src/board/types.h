// The vocabulary every module shares: squares, piece codes, the position
// record, the 32-bit move word and the move list. Plain data only; the
// operations on them live in the modules that name them.
#pragma once

#include <cstdint>

using Bitboard = uint64_t;
using Move = uint32_t;

// Piece codes, the same for both colours: the colour is given by which
// field of the position holds the code.
enum PieceCode : uint8_t {
    NO_PIECE = 0,
    PAWN = 1,
    KNIGHT = 2,
    BISHOP = 3,
    ROOK = 4,
    QUEEN = 5,
    KING = 6,
};

// Move types carried in bits 6-11 of a move word.
enum MoveType : uint8_t {
    MOVE_QUIET = 1,
    MOVE_CAPTURE = 2,
    MOVE_CASTLE_QUEEN = 3,
    MOVE_CASTLE_KING = 4,
    MOVE_EN_PASSANT = 5,
    MOVE_PROMOTE_KNIGHT = 12,
    MOVE_PROMOTE_BISHOP = 13,
    MOVE_PROMOTE_ROOK = 14,
    MOVE_PROMOTE_QUEEN = 15,
    MOVE_CAPTURE_PROMOTE_KNIGHT = 22,
    MOVE_CAPTURE_PROMOTE_BISHOP = 23,
    MOVE_CAPTURE_PROMOTE_ROOK = 24,
    MOVE_CAPTURE_PROMOTE_QUEEN = 25,
};

// Material value by piece code; make/unmake keep the balance in `eval`.
inline constexpr int32_t piece_value[7] = {0, 100, 400, 400, 600, 1200, 90000};

// The position record. Field order and widths are fixed: the self-check
// compares the record field by field, and the colour twins read the same
// fields at mirrored places.
struct Position {
    Bitboard all_piece;
    Bitboard all_white_piece;
    Bitboard all_black_piece;
    Bitboard white_piece[7];  // by piece code; entry 0 always 0
    Bitboard black_piece[7];
    uint8_t white_name_from_coord[64];  // piece code on each square, 0 = none
    uint8_t black_name_from_coord[64];
    uint8_t colour_move;  // 1 = White to move, 0 = Black
    uint8_t taking_passage_yes;
    uint8_t taking_passage_x;
    uint8_t taking_passage_y;
    uint8_t castling_Q;
    uint8_t castling_K;
    uint8_t castling_q;
    uint8_t castling_k;
    uint64_t hash_key;
    int32_t eval;  // material balance, White's view, kings included
};

// The seven bytes a make can destroy, in the record's order.
struct UndoRecord {
    uint8_t taking_passage_yes;
    uint8_t taking_passage_x;
    uint8_t taking_passage_y;
    uint8_t castling_Q;
    uint8_t castling_K;
    uint8_t castling_q;
    uint8_t castling_k;
};

// Move word fields: captured 0-5, type 6-11, from 12-17, to 18-23,
// moving piece 24-26.
constexpr Move BuildMove(uint32_t captured, uint32_t type, uint32_t from, uint32_t to, uint32_t piece) {
    return captured | type << 6 | from << 12 | to << 18 | piece << 24;
}
constexpr uint8_t MoveCaptured(Move m) { return m & 0x3F; }
constexpr uint8_t MoveType(Move m) { return (m >> 6) & 0x3F; }
constexpr uint8_t MoveFrom(Move m) { return (m >> 12) & 0x3F; }
constexpr uint8_t MoveTo(Move m) { return (m >> 18) & 0x3F; }
constexpr uint8_t MovePiece(Move m) { return (m >> 24) & 7; }

// Captures first (with keys), quiet moves appended behind them. Both counts
// are 8 bits wide, so an index written through them never leaves the arrays.
struct MoveList {
    Move moves[256];
    int32_t keys[256];
    uint8_t capture_count;
    uint8_t move_count;
};
