// The staged move list: whatever the table's move and the killers hold,
// the early first move and the completed list are exactly the list ordered
// at once from every move.
#include "search/move_stages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "board/zobrist.h"
#include "movegen/all_moves.h"
#include "search/hash_table.h"
#include "search/ordering.h"
#include "support/sample_positions.h"

namespace {

// The order built in one go: all moves, the captures sorted, the killers
// behind a winning capture (or in front), the table's move first.
MoveList OrderedAtOnce(const Position& p, uint8_t ply, Move hash_move) {
    MoveList list;
    GenerateAllOfSideToMove(list, p);
    SortMoves(list);
    KillersToFront(list, list.capture_count > 0 && list.keys[0] >= 0 ? 1 : 0, ply);
    MoveToFront(list, hash_move);
    return list;
}

// The staged list of the side to move, entry 0 read before the rest is
// generated, as the search reads it.
struct Staged {
    bool has_first;
    Move first;
    MoveList list;
};

template <Colour C>
Staged StagedOrder(const Position& p, uint8_t ply) {
    Staged s{};
    MoveStages stages;
    StartMoves<C>(s.list, stages, p, ply);
    s.has_first = MoveReady<C>(s.list, stages, p, ply, 0);
    s.first = s.list.moves[0];
    MoveReady<C>(s.list, stages, p, ply, 1);
    return s;
}

class MoveStagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (Z[1][PAWN][8] == 0) InitZobrist();
        HashAllocate();
        std::memset(killer_first, 0, sizeof killer_first);
        std::memset(killer_second, 0, sizeof killer_second);
    }
    void TearDown() override { HashRelease(); }

    // Puts the move in the table for the key (0 leaves a move of another
    // position in the key's entry instead, so that nothing matches).
    static void SetHashMove(uint64_t key, Move m) {
        MoveList one{};
        one.moves[0] = m != 0 ? m : 12345;
        HashStoreMove(one, 0, m != 0 ? key : key ^ (uint64_t{1} << 40), 255);
    }
};

TEST_F(MoveStagesTest, GiveTheOrderOfTheWholeListWhateverTheTableAndKillersHold) {
    const std::vector<Position> positions = SamplePositions();
    const uint8_t ply = 5;
    const Move foreign = BuildMove(NO_PIECE, MOVE_QUIET, 0, 63, QUEEN);  // in no sample position's list
    for (size_t k = 0; k < positions.size(); ++k) {
        Position p = positions[k];
        ComputeHashKey(p);
        MoveList all;
        GenerateAllOfSideToMove(all, p);
        // Candidates: nothing, the last capture, a quiet move from the middle,
        // the last quiet move, and a move the position does not have.
        std::vector<Move> candidates = {0, foreign};
        if (all.capture_count > 0) candidates.push_back(all.moves[all.capture_count - 1]);
        if (all.move_count > all.capture_count) {
            candidates.push_back(all.moves[(all.capture_count + all.move_count) / 2]);
            candidates.push_back(all.moves[all.move_count - 1]);
        }
        for (Move hash_move : candidates) {
            for (Move first_killer : candidates) {
                for (Move second_killer : candidates) {
                    SetHashMove(p.hash_key, hash_move);
                    killer_first[ply] = first_killer;
                    killer_second[ply] = second_killer;
                    const MoveList want = OrderedAtOnce(p, ply, hash_move);
                    const Staged got = p.colour_move == 1 ? StagedOrder<White>(p, ply) : StagedOrder<Black>(p, ply);
                    SCOPED_TRACE("position " + std::to_string(k));
                    ASSERT_EQ(got.has_first, want.move_count > 0);
                    if (got.has_first) {
                        ASSERT_EQ(got.first, want.moves[0]);
                    }
                    ASSERT_EQ(got.list.capture_count, want.capture_count);
                    ASSERT_EQ(got.list.move_count, want.move_count);
                    for (uint8_t i = 0; i < want.move_count; ++i) ASSERT_EQ(got.list.moves[i], want.moves[i]) << +i;
                }
            }
        }
    }
}

}  // namespace
