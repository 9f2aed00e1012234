#include "board/zobrist.h"

#include "makemove/mover_squares.h"

uint64_t Z[2][7][64];

namespace {

// The engine's only random source. It starts at 1 once per process and is
// never reset, so a second InitZobrist continues the sequence.
uint32_t random_state = 1;

uint64_t Draw15() {
    random_state = random_state * 214013u + 2531011u;
    return (random_state >> 16) & 0x7FFF;
}

// The pieces' part of the key change, for the move of colour C.
template <Colour C>
uint64_t PieceKeys(Move m) {
    using S = MoverSquares<C>;
    constexpr int c = C, o = Opponent<C>;
    const uint8_t type = MoveType(m), from = MoveFrom(m), to = MoveTo(m);
    const uint8_t piece = MovePiece(m), captured = MoveCaptured(m);
    const uint64_t (&mine)[7][64] = Z[c];
    const uint64_t (&theirs)[7][64] = Z[o];

    switch (type) {
        case MOVE_QUIET:
            return mine[piece][from] ^ mine[piece][to];
        case MOVE_CAPTURE:
            return theirs[captured][to] ^ mine[piece][from] ^ mine[piece][to];
        case MOVE_CASTLE_QUEEN:
            return mine[piece][from] ^ mine[piece][to] ^ mine[ROOK][S::queen_rook_from] ^ mine[ROOK][S::queen_rook_to];
        case MOVE_CASTLE_KING:
            return mine[piece][from] ^ mine[piece][to] ^ mine[ROOK][S::king_rook_from] ^ mine[ROOK][S::king_rook_to];
        case MOVE_EN_PASSANT:
            return mine[piece][from] ^ mine[piece][to] ^ theirs[captured][to + S::en_passant_victim];
        case MOVE_PROMOTE_KNIGHT:
        case MOVE_PROMOTE_BISHOP:
        case MOVE_PROMOTE_ROOK:
        case MOVE_PROMOTE_QUEEN:
            return mine[piece][from] ^ mine[type - 10][to];
        case MOVE_CAPTURE_PROMOTE_KNIGHT:
        case MOVE_CAPTURE_PROMOTE_BISHOP:
        case MOVE_CAPTURE_PROMOTE_ROOK:
        case MOVE_CAPTURE_PROMOTE_QUEEN:
            return theirs[captured][to] ^ mine[piece][from] ^ mine[type - 20][to];
        default:
            return 0;
    }
}

}  // namespace

void InitZobrist() {
    for (auto& colour : Z) {
        for (int piece = 1; piece < 7; ++piece) {
            for (uint64_t& key : colour[piece]) {
                uint64_t k = Draw15();
                k = (k << 12) ^ Draw15();
                k = (k << 16) ^ Draw15();
                k = (k << 16) ^ Draw15();
                k = (k << 15) ^ Draw15();
                key = k;
            }
        }
    }
}

void ComputeHashKey(Position& p) {
    uint64_t key = 0;
    for (int s = 0; s < 64; ++s) {
        key ^= Z[1][p.white_name_from_coord[s]][s];
        key ^= Z[0][p.black_name_from_coord[s]][s];
    }
    if (p.colour_move == 1) key ^= SIDE_KEY;
    if (p.castling_K == 1) key ^= CASTLE_K_KEY;
    if (p.castling_Q == 1) key ^= CASTLE_Q_KEY;
    if (p.castling_k == 1) key ^= CASTLE_k_KEY;
    if (p.castling_q == 1) key ^= CASTLE_q_KEY;
    if (p.taking_passage_yes != 0) key ^= EnPassantKey(p.taking_passage_x, p.taking_passage_y);
    p.hash_key = key;
}

void UpdateHashKey(Position& p, const MoveList& list, uint8_t index, uint8_t mover, const UndoRecord& undo) {
    const Move m = list.moves[index];
    uint64_t key = p.hash_key ^ (mover == 1 ? PieceKeys<White>(m) : PieceKeys<Black>(m));
    // Every move hands the move to the other side.
    key ^= SIDE_KEY;
    if (p.castling_K != undo.castling_K) key ^= CASTLE_K_KEY;
    if (p.castling_Q != undo.castling_Q) key ^= CASTLE_Q_KEY;
    if (p.castling_k != undo.castling_k) key ^= CASTLE_k_KEY;
    if (p.castling_q != undo.castling_q) key ^= CASTLE_q_KEY;
    if (undo.taking_passage_yes != 0) key ^= EnPassantKey(undo.taking_passage_x, undo.taking_passage_y);
    if (p.taking_passage_yes != 0) key ^= EnPassantKey(p.taking_passage_x, p.taking_passage_y);
    p.hash_key = key;
}
