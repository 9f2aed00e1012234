#include "search/deepening.h"

#include <cstdio>

#include "board/colour.h"
#include "board/position_command.h"
#include "board/zobrist.h"
#include "eval/evaluate.h"
#include "makemove/make_move.h"
#include "movegen/all_moves.h"
#include "movegen/check.h"
#include "platform/platform.h"
#include "protocol/reports.h"
#include "search/pv.h"
#include "search/root_search.h"
#include "search/scores.h"
#include "search/search_state.h"

namespace {

template <Colour C>
bool HasLegalMove(Position& position, const MoveList& list) {
    UndoRecord undo;
    for (int i = 0; i < list.move_count; ++i) {
        MakeMove<C>(position, list, static_cast<uint8_t>(i), undo);
        const bool legal = !InCheck<C>(position);
        UnmakeMove<C>(position, list, static_cast<uint8_t>(i), undo);
        if (legal) return true;
    }
    return false;
}

// Stand-ins for the positions of a path not searched yet: small distinct
// numbers that no real key is likely to equal.
void SeedPathKeys(uint64_t root_key) {
    for (uint64_t i = 1; i < 120; ++i) path_keys[i] = i;
    path_keys[0] = root_key;
}

// Reports the iteration; true when its score was a mate (which ends the
// search).
bool Report(int32_t score, uint8_t colour_move, uint8_t depth, uint64_t nodes, double elapsed) {
    const int32_t s = colour_move == 1 ? score : -score;  // for the side to move
    ScoreKind kind = ScoreKind::Centipawns;
    if (s > MATE_REPORT_THRESHOLD) kind = ScoreKind::MateFor;
    if (s < -MATE_REPORT_THRESHOLD) kind = ScoreKind::MateAgainst;
    InfoLine(nodes / elapsed, depth, pv.pv_length, kind, s, nodes, pv);
    return kind != ScoreKind::Centipawns;
}

void CheckKey(const Position& position, uint64_t saved_key) {
    if (position.hash_key != saved_key) std::fputs("\nERROR HESH Test_Deepening \n", stdout);
}

}  // namespace

void Deepening(Position& position, const SearchLimits& limits) {
    const SearchBudget budget = ComputeBudget(limits, game_length, position.colour_move);
    time_limit = budget.time_limit;
    poll_counter = 0;
    stop_search = 0;
    search_node_total = 0;

    const int32_t test_eval = MaterialScore(position);
    position.eval = test_eval;
    ComputeHashKey(position);
    const uint64_t saved_key = position.hash_key;
    SeedPathKeys(saved_key);

    const bool white = position.colour_move == 1;
    MoveList list;
    GenerateAllOfSideToMove(list, position);
    const bool has_legal_move = white ? HasLegalMove<White>(position, list) : HasLegalMove<Black>(position, list);

    bool mate = false;
    for (uint8_t depth = 1; !mate && depth <= 50 && !stop_search; ++depth) {
        node_count = 0;
        iteration_start = ClockMs();
        const int32_t score = white ? RootSearchWhite(position, list, depth) : RootSearchBlack(position, list, depth);
        const double elapsed = IterationSeconds();
        const uint64_t nodes = node_count;
        search_node_total += nodes;

        if (position.eval != test_eval) std::fputs("ERROR test_eval != bitboard->eval\n", stdout);
        CheckKey(position, saved_key);
        mate = Report(score, position.colour_move, depth, nodes, elapsed);

        // An iteration over the soft budget ends the search, but never the
        // first one.
        if (budget.soft_budget != NO_TIME && budget.soft_budget < elapsed && depth >= 2) break;
        if (depth >= budget.max_depth) break;
    }

    CheckKey(position, saved_key);
    if (!has_legal_move) {
        std::fputs("bestmove 0000\n", stdout);
        return;
    }
    BestMoveLine();
    if (best_from != MoveFrom(pv.pv_moves[0])) std::fputs("ERROR from(Deepening)\n", stdout);
    if (best_to != MoveTo(pv.pv_moves[0])) std::fputs("ERROR to(Deepening)\n", stdout);
}
