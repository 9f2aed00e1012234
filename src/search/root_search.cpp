#include "search/root_search.h"

#include <cstdio>
#include <cstring>

#include "board/self_check.h"
#include "board/zobrist.h"
#include "makemove/make_move.h"
#include "movegen/check.h"
#include "protocol/reports.h"
#include "search/hash_table.h"
#include "search/node_search.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/search_side.h"
#include "search/search_state.h"

namespace {

// The root's result stored with every iteration: every move was searched.
constexpr uint8_t SCORE_FAILED = 3;

void ClearKillers() {
    std::memset(killer_first, 0, 100 * sizeof(Move));
    std::memset(killer_second, 0, 100 * sizeof(Move));
}

}  // namespace

template <Colour C>
int32_t RootSearch(Position& position, MoveList& list, uint8_t depth) {
    using S = SearchSide<C>;
    constexpr Colour O = Opponent<C>;

    ClearKillers();
    Window window{-INFINITE_SCORE, INFINITE_SCORE};
    int32_t best = S::worst;
    uint8_t best_index = 0;
    uint8_t move_number = 1;
    poll_counter = 0;
    stop_search = 0;

    SortMoves(list);
    if (const HashEntry* entry = HashMoveEntry(position.hash_key)) HashMoveToFront(list, *entry);

    Position copy;
    CopyPosition(copy, position);
    const uint64_t key = position.hash_key;
    PvLine previous_pv, best_pv;
    SavePv(previous_pv);
    UndoRecord undo;
    bool found_legal = false, bound_moved = false, completed_any = false;

    for (int i = 0; i < list.move_count; ++i) {
        const uint8_t index = static_cast<uint8_t>(i);
        MakeMove<C>(position, list, index, undo);
        if (InCheck<C>(position)) {
            UnmakeMove<C>(position, list, index, undo);
            list.keys[i] = S::illegal_root_key;
            continue;
        }
        ++node_count;
        found_legal = true;
        CurrMoveLine(list, move_number, index, depth);
        const Move move = list.moves[i];
        current_line[0] = move;
        UpdateHashKey(position, list, index, C, undo);
        path_keys[1] = position.hash_key;

        uint8_t child_depth = depth;
        const uint8_t gives_check = InCheck<O>(position) ? 1 : 0;
        if (gives_check) child_depth = depth + 1;
        const uint8_t type = MoveType(move);
        int32_t s;
        if (i == 0) {
            s = Search<O>(position, window.alpha, window.beta, child_depth, 1, type, 1, gives_check, 0);
        } else {
            const Window one_point = S::OnePoint(window);
            s = Search<O>(position, one_point.alpha, one_point.beta, child_depth, 1, type, 0, gives_check, 0);
            if (S::MovesBound(s, window)) {
                s = Search<O>(position, window.alpha, window.beta, child_depth, 1, type, 1, gives_check, 0);
            }
        }
        UnmakeMove<C>(position, list, index, undo);
        list.keys[i] = s;
        position.hash_key = key;

        // A move whose search a stop cut short has no meaningful score; only
        // completed searches may change the best move, the bound or pv. In
        // the first iteration the first legal move stands in case nothing
        // completes, so that there is always a move to play.
        const bool completed = stop_search == 0 || (depth == 1 && !completed_any);
        if (completed) {
            completed_any = true;
            if (S::Better(s, best)) {
                best_index = index;
                best_from = MoveFrom(move);
                best_to = MoveTo(move);
                best = s;
                if (S::MovesBound(s, window)) {
                    S::Bound(window) = s;
                    bound_moved = true;
                    SavePv(best_pv);
                    if (s != pv.pv_score) std::printf("%s\n", S::value_error);
                }
            }
        }
        if (stop_search != 1) ++move_number;
    }

    TestPosition(copy, position);

    if (!found_legal) {
        const int32_t s = InCheck<C>(position) ? S::Mated(0) : 0;
        pv.pv_score = s;
        pv.pv_length = 0;
        return s;
    }
    if (!completed_any) {
        // Interrupted before any move completed: the previous iteration's
        // line and score stand (best_from/best_to were not touched).
        RestorePv(previous_pv);
        return previous_pv.pv_score;
    }
    if (bound_moved) RestorePv(best_pv);
    if (!stop_search) {
        HashStoreMove(list, best_index, key, depth);
        HashStoreScore(key, best, SCORE_FAILED, depth);
    }
    return best;
}

template int32_t RootSearch<White>(Position&, MoveList&, uint8_t);
template int32_t RootSearch<Black>(Position&, MoveList&, uint8_t);
