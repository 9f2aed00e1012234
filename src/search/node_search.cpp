#include "search/node_search.h"

#include "board/zobrist.h"
#include "makemove/make_move.h"
#include "movegen/check.h"
#include "protocol/polling.h"
#include "search/hash_table.h"
#include "search/move_stages.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/search_side.h"
#include "search/search_state.h"

namespace {

// Score types stored with a node's result.
constexpr uint8_t SCORE_EXACT = 1;
constexpr uint8_t SCORE_CUTOFF = 2;
constexpr uint8_t SCORE_FAILED = 3;

// Null move with verification. Passes the move to the other side (no en
// passant) and searches four plies shallower; a result that still reaches
// the far bound ends the node, checked by a search five plies shallower
// when enough depth remains. True when the node is cut off.
template <Colour C>
bool NullMoveCutoff(Position& position, const Window& window, uint8_t depth, uint8_t ply, int32_t last_move_type) {
    using S = SearchSide<C>;
    const uint64_t key = position.hash_key;
    const uint8_t passage_yes = position.taking_passage_yes;
    const uint8_t passage_x = position.taking_passage_x;
    const uint8_t passage_y = position.taking_passage_y;

    if (passage_yes == 1) position.hash_key ^= EnPassantKey(passage_x, passage_y);
    position.hash_key ^= SIDE_KEY;
    position.colour_move = Opponent<C>;
    position.taking_passage_yes = position.taking_passage_x = position.taking_passage_y = 0;
    // The child's repetition test compares against the position after the
    // null move, not a key left over from another path.
    path_keys[ply + 1] = position.hash_key;

    const uint64_t nodes = node_count;
    const Window null_window = S::NullMoveWindow(window);
    const int32_t r =
        Search<Opponent<C>>(position, null_window.alpha, null_window.beta, depth - 4, ply + 1, last_move_type, 0, 0, 1);

    position.taking_passage_yes = passage_yes;
    position.taking_passage_x = passage_x;
    position.taking_passage_y = passage_y;
    position.colour_move = C;
    node_count = nodes;  // nodes below a null move are not counted
    position.hash_key = key;

    if (!S::CutsOff(r, window)) return false;
    if (depth - ply < 6) return true;
    const Window verify = S::VerificationWindow(window);
    const int32_t v = Search<C>(position, verify.alpha, verify.beta, depth - 5, ply, last_move_type, 0, 0, 1);
    return S::CutsOff(v, window);
}

}  // namespace

template <Colour C>
int32_t Search(Position& position, int32_t alpha, int32_t beta, uint8_t depth, uint8_t ply, int32_t last_move_type,
               uint8_t pv_node, uint8_t in_check, uint8_t null_forbidden) {
    using S = SearchSide<C>;
    constexpr Colour O = Opponent<C>;
    Window window{alpha, beta};

    if (stop_search == 1) return 0;
    if (ply >= depth || ply >= MAX_PLY) return Horizon<C>(position, alpha, beta, ply, pv_node);
    if (IsRepetition(ply)) {
        if (pv_node) SetPvFromLine(ply, 0);
        return 0;
    }
    if (!pv_node) {
        const int32_t v = HashProbe<C>(position.hash_key, ply, depth, alpha, beta);
        if (v != HASH_NONE) return v;
    }
    if (!null_forbidden && depth > 4 && depth - ply >= 2 && !pv_node && last_move_type != MOVE_CAPTURE && !in_check &&
        NullMoveCutoff<C>(position, window, depth, ply, last_move_type)) {
        return S::CutoffBound(window);
    }

    MoveList list;
    MoveStages stages;
    StartMoves<C>(list, stages, position, ply);
    const int late_move_threshold = list.capture_count + 2;

    const uint64_t key = position.hash_key;
    UndoRecord undo;
    PvLine saved_pv;
    const Bitboard needs_test = SquaresNeedingCheckTest<C>(position, in_check);
    int32_t best = S::worst;
    uint8_t best_index = 0, bound_index = 0;
    bool found_legal = false, bound_moved = false;

    for (int i = 0; MoveReady<C>(list, stages, position, ply, i); ++i) {
        const uint8_t index = static_cast<uint8_t>(i);
        const Move move = list.moves[i];
        const bool test = NeedsCheckTest(needs_test, move);
        MakeMove<C>(position, list, index, undo);
        if (test && InCheck<C>(position)) {
            UnmakeMove<C>(position, list, index, undo);
            continue;
        }
        ++node_count;
        found_legal = true;
        if (pv_node) current_line[ply] = move;
        UpdateHashKey(position, list, index, C, undo);
        HashPrefetch(position.hash_key);
        path_keys[ply + 1] = position.hash_key;

        uint8_t child_depth = depth;
        const uint8_t gives_check = InCheck<O>(position) ? 1 : 0;
        if (gives_check) child_depth = depth + 1;
        const uint8_t type = MoveType(move);
        const Window one_point = S::OnePoint(window);
        int32_t s;
        if (pv_node) {
            // On the principal variation a capture of an equal or bigger
            // piece is extended too (not on top of a check extension).
            if (type == MOVE_CAPTURE && MoveCaptured(move) >= MovePiece(move)) child_depth = depth + 1;
            if (i == 0) {
                s = Search<O>(position, window.alpha, window.beta, child_depth, ply + 1, type, 1, gives_check,
                              null_forbidden);
            } else {
                s = Search<O>(position, one_point.alpha, one_point.beta, child_depth, ply + 1, type, 0, gives_check,
                              null_forbidden);
                if (S::MovesBound(s, window)) {
                    s = Search<O>(position, window.alpha, window.beta, child_depth, ply + 1, type, 1, gives_check,
                                  null_forbidden);
                }
            }
        } else {
            // Late quiet moves are tried one ply shallower first.
            if (i > late_move_threshold && !gives_check && !in_check && depth - ply >= 3) {
                s = Search<O>(position, one_point.alpha, one_point.beta, depth - 1, ply + 1, type, 0, 0, null_forbidden);
            } else {
                s = S::SkippedReduction(window);
            }
            if (S::MovesBound(s, window)) {
                s = Search<O>(position, one_point.alpha, one_point.beta, child_depth, ply + 1, type, 0, gives_check,
                              null_forbidden);
            }
        }
        UnmakeMove<C>(position, list, index, undo);
        position.hash_key = key;

        if (S::Better(s, best)) {
            if (S::MovesBound(s, window)) {
                if (S::CutsOff(s, window)) {
                    // Scores that came back after a stop mean nothing: keep
                    // them out of the killers and the table.
                    if (!stop_search) {
                        if (type != MOVE_CAPTURE) StoreKiller(ply, list, index);
                        HashStore(list, index, key, s, SCORE_CUTOFF, depth, ply);
                    }
                    return s;
                }
                S::Bound(window) = s;
                bound_moved = true;
                bound_index = index;
                if (pv_node) SavePv(saved_pv);
            }
            best = s;
            best_index = index;
        }
    }

    if (!found_legal) {
        const int32_t s = InCheck<C>(position) ? S::Mated(ply) : 0;
        if (pv_node) SetPvFromLine(ply, s);
        return s;
    }
    const uint8_t remaining = depth - ply;
    if (bound_moved) {
        if (pv_node) RestorePv(saved_pv);
        if (!stop_search) {
            HashStoreMove(list, bound_index, key, remaining);
            HashStoreScore(key, S::Bound(window), SCORE_EXACT, remaining);
        }
        return best;
    }
    if (!stop_search) {
        HashStoreMove(list, best_index, key, remaining);
        HashStoreScore(key, best, SCORE_FAILED, remaining);
    }
    return best;
}

template int32_t Search<White>(Position&, int32_t, int32_t, uint8_t, uint8_t, int32_t, uint8_t, uint8_t, uint8_t);
template int32_t Search<Black>(Position&, int32_t, int32_t, uint8_t, uint8_t, int32_t, uint8_t, uint8_t, uint8_t);
