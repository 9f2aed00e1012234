#include "makemove/board_edits.h"
#include "makemove/make_move.h"
#include "makemove/mover_squares.h"

namespace {

// Puts back the opponent's piece named by the move word (the make removed
// exactly that code) and takes its value off the mover's account.
template <Colour C>
void ReturnVictim(Position& p, uint8_t captured, uint8_t square) {
    Drop<Opponent<C>>(p, captured, square);
    p.eval -= MoverSquares<C>::material_sign * piece_value[captured];
}

// The promoted piece is read from the board, so one path serves all four
// promotion types.
template <Colour C>
void Unpromote(Position& p, uint8_t from, uint8_t to) {
    const uint8_t promoted = Lift<C>(p, to);
    Drop<C>(p, PAWN, from);
    p.eval += MoverSquares<C>::material_sign * (piece_value[PAWN] - piece_value[promoted]);
}

}  // namespace

template <Colour C>
void UnmakeMove(Position& p, const MoveList& list, uint8_t index, const UndoRecord& undo) {
    using S = MoverSquares<C>;
    const Move m = list.moves[index];
    const uint8_t type = MoveType(m), from = MoveFrom(m), to = MoveTo(m);

    // The record holds all seven bytes as they were before the make, so
    // copying them back undoes whichever of them the move changed.
    CopyRights(p, undo);
    p.colour_move = C;

    switch (type) {
        case MOVE_QUIET:
            Relocate<C>(p, Names<C>(p)[to], to, from);
            break;
        case MOVE_CAPTURE:
            Relocate<C>(p, Names<C>(p)[to], to, from);
            ReturnVictim<C>(p, MoveCaptured(m), to);
            break;
        case MOVE_CASTLE_QUEEN:
            MoveKingAndRook<C>(p, to, from, S::queen_rook_to, S::queen_rook_from);
            break;
        case MOVE_CASTLE_KING:
            MoveKingAndRook<C>(p, to, from, S::king_rook_to, S::king_rook_from);
            break;
        case MOVE_EN_PASSANT:
            Relocate<C>(p, Names<C>(p)[to], to, from);
            ReturnVictim<C>(p, MoveCaptured(m), static_cast<uint8_t>(to + S::en_passant_victim));
            break;
        case MOVE_PROMOTE_KNIGHT:
        case MOVE_PROMOTE_BISHOP:
        case MOVE_PROMOTE_ROOK:
        case MOVE_PROMOTE_QUEEN:
            Unpromote<C>(p, from, to);
            break;
        case MOVE_CAPTURE_PROMOTE_KNIGHT:
        case MOVE_CAPTURE_PROMOTE_BISHOP:
        case MOVE_CAPTURE_PROMOTE_ROOK:
        case MOVE_CAPTURE_PROMOTE_QUEEN:
            Unpromote<C>(p, from, to);
            ReturnVictim<C>(p, MoveCaptured(m), to);
            break;
        default:
            break;
    }
    p.all_piece = p.all_white_piece | p.all_black_piece;
}

template void UnmakeMove<White>(Position&, const MoveList&, uint8_t, const UndoRecord&);
template void UnmakeMove<Black>(Position&, const MoveList&, uint8_t, const UndoRecord&);
