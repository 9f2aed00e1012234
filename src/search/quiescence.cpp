#include "search/quiescence.h"

#include "eval/evaluate.h"
#include "makemove/make_move.h"
#include "movegen/captures.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/scores.h"
#include "search/search_side.h"

namespace {

// Victim kinds not worth capturing when the stand-pat score misses the
// side's own bound by more than the margin: pawns, then minor pieces, then
// rooks. Queens and the king are always worth a look.
constexpr int32_t PAWN_MARGIN = 160;
constexpr int32_t MINOR_MARGIN = 500;
constexpr int32_t ROOK_MARGIN = 700;

// How far the stand-pat score falls short of the side's own bound: below
// alpha for White, above beta for Black.
template <Colour C>
int32_t Shortfall(int32_t stand, const Window& w) {
    if constexpr (C == White) return w.alpha - stand; else return stand - w.beta;
}

// Takes hopeless victims out of the opponent's occupancy so that the
// generator never produces their captures. all_piece is left alone, so the
// removed pieces still block lines; en passant and plain promotions do not
// depend on the opponent's occupancy and are still generated.
template <Colour C>
void ThinVictims(Position& position, int32_t shortfall) {
    constexpr Colour Them = Opponent<C>;
    Bitboard& victims = Occupancy<Them>(position);
    const Bitboard* pieces = Pieces<Them>(position);
    if (shortfall > PAWN_MARGIN) {
        victims ^= pieces[PAWN];
        if (shortfall > MINOR_MARGIN) {
            victims ^= pieces[KNIGHT];
            victims ^= pieces[BISHOP];
            if (shortfall > ROOK_MARGIN) victims ^= pieces[ROOK];
        }
    }
}

}  // namespace

template <Colour C>
int32_t Quiescence(Position& position, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    using Side = SearchSide<C>;
    constexpr Colour Them = Opponent<C>;
    Window w{alpha, beta};

    const int32_t stand = Evaluate(position) + position.eval;
    bool bound_moved = false;
    if (Side::MovesBound(stand, w)) {
        if (Side::CutsOff(stand, w)) return stand;
        Side::Bound(w) = stand;
        bound_moved = true;
    }
    int32_t best = stand;

    MoveList list;
    // At the end of the per-ply tables the node is scored as if it had no
    // capture, so the line never outgrows current_line and pv.
    if (ply >= MAX_PLY) {
        list.capture_count = 0;
    } else {
        const Bitboard saved_victims = Occupancy<Them>(position);
        ThinVictims<C>(position, Shortfall<C>(stand, w));
        GenerateCaptures<C>(list, position);
        Occupancy<Them>(position) = saved_victims;
    }

    PvLine saved_line;  // written only in principal-variation nodes
    UndoRecord undo;
    for (uint8_t i = 0; i < list.capture_count; ++i) {
        SortPass(list, i);  // the sort is done lazily: most nodes cut off early
        const Move move = list.moves[i];
        MakeMove<C>(position, list, i, undo);
        if (pv_node) current_line[ply] = move;
        // No legality test after the make: an illegal capture is refuted here,
        // one ply later, by taking the king.
        if (MoveCaptured(move) == KING) {
            const int32_t s = SearchSide<Them>::Mated(ply);
            UnmakeMove<C>(position, list, i, undo);
            if (pv_node) SetPvFromLine(ply, s);
            return s;
        }
        const int32_t s = Quiescence<Them>(position, w.alpha, w.beta, ply + 1, pv_node);
        UnmakeMove<C>(position, list, i, undo);
        if (Side::Better(s, best)) {
            best = s;
            if (Side::MovesBound(s, w)) {
                if (Side::CutsOff(s, w)) return s;
                Side::Bound(w) = s;
                bound_moved = true;
                if (pv_node) SavePv(saved_line);
            }
        }
    }

    if (pv_node && bound_moved) {
        if (best == stand) {
            SetPvFromLine(ply, stand);
        } else {
            RestorePv(saved_line);
        }
    }
    return best;
}

template int32_t Quiescence<White>(Position&, int32_t, int32_t, uint8_t, uint8_t);
template int32_t Quiescence<Black>(Position&, int32_t, int32_t, uint8_t, uint8_t);
