#include "makemove/make_move.h"

#include "makemove/board_edits.h"
#include "makemove/mover_squares.h"

namespace {

// A king move loses both rights; a rook leaving its corner loses that
// side's right, whichever rook it is, since the rights are never checked
// against the board again.
template <Colour C>
void DropOwnRights(Position& p, uint8_t piece, uint8_t from) {
    using S = MoverSquares<C>;
    if (piece == KING) {
        CastleQueenSide<C>(p) = 0;
        CastleKingSide<C>(p) = 0;
    } else if (piece == ROOK) {
        if (from == S::queen_rook_from) CastleQueenSide<C>(p) = 0;
        if (from == S::king_rook_from) CastleKingSide<C>(p) = 0;
    }
}

// A rook taken on the opponent's corner takes the opponent's right with it.
template <Colour C>
void DropTheirRookRights(Position& p, uint8_t captured, uint8_t to) {
    using S = MoverSquares<C>;
    if (captured != ROOK) return;
    if (to == S::their_queen_corner) S::TheirQueenSide(p) = 0;
    if (to == S::their_king_corner) S::TheirKingSide(p) = 0;
}

// Removes the opponent's piece on `to` and books its value for the mover.
template <Colour C>
void TakeVictim(Position& p, uint8_t to) {
    const uint8_t victim = Lift<Opponent<C>>(p, to);
    p.eval += MoverSquares<C>::material_sign * piece_value[victim];
}

template <Colour C>
void Promote(Position& p, uint8_t from, uint8_t to, uint8_t new_piece) {
    Lift<C>(p, from);
    Drop<C>(p, new_piece, to);
    p.eval += MoverSquares<C>::material_sign * (piece_value[new_piece] - piece_value[PAWN]);
}

}  // namespace

template <Colour C>
void MakeMove(Position& p, const MoveList& list, uint8_t index, UndoRecord& undo) {
    using S = MoverSquares<C>;
    const Move m = list.moves[index];
    const uint8_t type = MoveType(m), from = MoveFrom(m), to = MoveTo(m);

    CopyRights(undo, p);
    p.colour_move = Opponent<C>;
    // Only a double step sets a new square; x and y keep their old values
    // otherwise, which the unmake of a double step relies on.
    p.taking_passage_yes = 0;

    switch (type) {
        case MOVE_QUIET: {
            const uint8_t piece = Names<C>(p)[from];
            Relocate<C>(p, piece, from, to);
            if (piece == PAWN && to - from == S::double_push) {
                // Set after every double step, capturable or not.
                const uint8_t passed = static_cast<uint8_t>(from + S::forward);
                p.taking_passage_yes = 1;
                p.taking_passage_x = FileOf(passed);
                p.taking_passage_y = RankOf(passed);
            } else {
                DropOwnRights<C>(p, piece, from);
            }
            break;
        }
        case MOVE_CAPTURE: {
            TakeVictim<C>(p, to);
            const uint8_t piece = Names<C>(p)[from];
            Relocate<C>(p, piece, from, to);
            DropOwnRights<C>(p, piece, from);
            DropTheirRookRights<C>(p, MoveCaptured(m), to);
            break;
        }
        case MOVE_CASTLE_QUEEN:
            MoveKingAndRook<C>(p, from, to, S::queen_rook_from, S::queen_rook_to);
            CastleQueenSide<C>(p) = 0;
            CastleKingSide<C>(p) = 0;
            break;
        case MOVE_CASTLE_KING:
            MoveKingAndRook<C>(p, from, to, S::king_rook_from, S::king_rook_to);
            CastleQueenSide<C>(p) = 0;
            CastleKingSide<C>(p) = 0;
            break;
        case MOVE_EN_PASSANT:
            Relocate<C>(p, Names<C>(p)[from], from, to);
            Lift<Opponent<C>>(p, static_cast<uint8_t>(to + S::en_passant_victim));
            p.eval += S::material_sign * piece_value[PAWN];
            break;
        case MOVE_PROMOTE_KNIGHT:
        case MOVE_PROMOTE_BISHOP:
        case MOVE_PROMOTE_ROOK:
        case MOVE_PROMOTE_QUEEN:
            Promote<C>(p, from, to, type - 10);
            break;
        case MOVE_CAPTURE_PROMOTE_KNIGHT:
        case MOVE_CAPTURE_PROMOTE_BISHOP:
        case MOVE_CAPTURE_PROMOTE_ROOK:
        case MOVE_CAPTURE_PROMOTE_QUEEN:
            TakeVictim<C>(p, to);
            Promote<C>(p, from, to, type - 20);
            DropTheirRookRights<C>(p, MoveCaptured(m), to);
            break;
        default:
            break;
    }
    p.all_piece = p.all_white_piece | p.all_black_piece;
}

template void MakeMove<White>(Position&, const MoveList&, uint8_t, UndoRecord&);
template void MakeMove<Black>(Position&, const MoveList&, uint8_t, UndoRecord&);
