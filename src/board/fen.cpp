#include "board/fen.h"

#include <cstring>

#include "movegen/geometry.h"

namespace {

// Piece code of a FEN letter and whether it is White's; code 0 for any
// other character.
struct FenPiece {
    uint8_t code;
    bool white;
};

FenPiece PieceOfLetter(char c) {
    switch (c) {
        case 'P': return {PAWN, true};
        case 'N': return {KNIGHT, true};
        case 'B': return {BISHOP, true};
        case 'R': return {ROOK, true};
        case 'Q': return {QUEEN, true};
        case 'K': return {KING, true};
        case 'p': return {PAWN, false};
        case 'n': return {KNIGHT, false};
        case 'b': return {BISHOP, false};
        case 'r': return {ROOK, false};
        case 'q': return {QUEEN, false};
        case 'k': return {KING, false};
        default: return {NO_PIECE, false};
    }
}

void ClearBoard(Position& p) {
    p.all_piece = p.all_white_piece = p.all_black_piece = 0;
    std::memset(p.white_piece, 0, sizeof p.white_piece);
    std::memset(p.black_piece, 0, sizeof p.black_piece);
    std::memset(p.white_name_from_coord, 0, sizeof p.white_name_from_coord);
    std::memset(p.black_name_from_coord, 0, sizeof p.black_name_from_coord);
}

void PutPiece(Position& p, FenPiece piece, int square) {
    const Bitboard bit = bit_mask[square];
    if (piece.white) {
        p.all_white_piece |= bit;
        p.white_piece[piece.code] |= bit;
        p.white_name_from_coord[square] = piece.code;
    } else {
        p.all_black_piece |= bit;
        p.black_piece[piece.code] |= bit;
        p.black_name_from_coord[square] = piece.code;
    }
}

// Reads the placement field up to the first space (or the end of the
// text). Squares off the board are ignored, and so is a pawn on the first
// or eighth rank (it counts as one empty square).
const char* ReadPlacement(Position& p, const char* c) {
    int row = 0, file = 0;  // row 0 is the eighth rank
    for (; *c != ' ' && *c != '\0'; ++c) {
        const FenPiece piece = PieceOfLetter(*c);
        if (piece.code != NO_PIECE) {
            const int rank = 7 - row;
            const bool on_board = row < 8 && file < 8;
            const bool pawn_on_edge = piece.code == PAWN && (rank == 0 || rank == 7);
            if (on_board && !pawn_on_edge) PutPiece(p, piece, rank * 8 + file);
            ++file;
        } else if (*c >= '1' && *c <= '8') {
            file += *c - '0';
        } else if (*c == '/') {
            ++row;
            file = 0;
        } else {
            ++file;
        }
    }
    return c;
}

const char* SkipSpaces(const char* c) {
    while (*c == ' ') ++c;
    return c;
}

// A castling right stands only with king and rook on their home squares,
// so that a castling move can never conjure a rook.
void DropImpossibleRights(Position& p) {
    const bool white_king = p.white_name_from_coord[4] == KING;
    const bool black_king = p.black_name_from_coord[60] == KING;
    if (!(white_king && p.white_name_from_coord[7] == ROOK)) p.castling_K = 0;
    if (!(white_king && p.white_name_from_coord[0] == ROOK)) p.castling_Q = 0;
    if (!(black_king && p.black_name_from_coord[63] == ROOK)) p.castling_k = 0;
    if (!(black_king && p.black_name_from_coord[56] == ROOK)) p.castling_q = 0;
}

// An en-passant square stands only on the board, on the rank behind a pawn
// of the side that just moved, with that pawn in front of it.
bool EnPassantSquarePlausible(const Position& p) {
    const uint8_t x = p.taking_passage_x, y = p.taking_passage_y;
    if (x > 7 || y > 7) return false;
    if (y == 2 && p.colour_move == 0) return p.white_name_from_coord[3 * 8 + x] == PAWN;
    if (y == 5 && p.colour_move == 1) return p.black_name_from_coord[4 * 8 + x] == PAWN;
    return false;
}

void ReadEnPassant(Position& p, const char* c) {
    p.taking_passage_yes = p.taking_passage_x = p.taking_passage_y = 0;
    if (*c == '-' || *c == '\0') return;
    p.taking_passage_yes = 1;
    p.taking_passage_x = (*c >= 'a' && *c <= 'h') ? static_cast<uint8_t>(*c - 'a') : 255;
    ++c;
    p.taking_passage_y = (*c >= '1' && *c <= '8') ? static_cast<uint8_t>(*c - '1') : 255;
    if (!EnPassantSquarePlausible(p)) p.taking_passage_yes = p.taking_passage_x = p.taking_passage_y = 0;
}

}  // namespace

void ParseFen(Position& p, const char* text) {
    ClearBoard(p);

    const char* c = text;
    while (*c != ' ' && *c != '\0') ++c;  // the first word ("fen")
    c = SkipSpaces(c);

    c = ReadPlacement(p, c);
    p.all_piece = p.all_white_piece | p.all_black_piece;

    // Fields the text does not reach: no castling right, no en passant.
    p.castling_Q = p.castling_K = p.castling_q = p.castling_k = 0;
    p.taking_passage_yes = p.taking_passage_x = p.taking_passage_y = 0;

    c = SkipSpaces(c);
    if (*c == 'w') p.colour_move = 1;
    if (*c == 'b') p.colour_move = 0;
    // Over the letter and exactly one space.
    if (*c == '\0' || *++c == '\0') return;
    ++c;

    for (; *c != ' ' && *c != '\0'; ++c) {
        if (*c == 'K') p.castling_K = 1;
        if (*c == 'Q') p.castling_Q = 1;
        if (*c == 'k') p.castling_k = 1;
        if (*c == 'q') p.castling_q = 1;
    }
    DropImpossibleRights(p);

    ReadEnPassant(p, SkipSpaces(c));
}
