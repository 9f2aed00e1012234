// The principal variation copies and the repetition test over the search
// path and the game history.
#include "search/pv.h"

#include <gtest/gtest.h>

#include "board/position_command.h"

namespace {

TEST(PvLine, SetFromLineTakesTheMovesThatLedToTheNode) {
    for (int k = 0; k < 104; ++k) current_line[k] = 500u + k;
    SetPvFromLine(0, 77);
    EXPECT_EQ(pv.pv_length, 0);
    EXPECT_EQ(pv.pv_score, 77);
    SetPvFromLine(3, -993000);
    ASSERT_EQ(pv.pv_length, 3);
    EXPECT_EQ(pv.pv_score, -993000);
    EXPECT_EQ(pv.pv_moves[0], 500u);
    EXPECT_EQ(pv.pv_moves[2], 502u);
    SetPvFromLine(100, 5);  // the longest line the search can make
    EXPECT_EQ(pv.pv_length, 100);
    EXPECT_EQ(pv.pv_moves[99], 599u);
}

TEST(PvLine, SaveAndRestoreBringBackTheSavedLine) {
    for (int k = 0; k < 104; ++k) current_line[k] = 900u + k;
    SetPvFromLine(4, 123);
    PvLine saved{};
    SavePv(saved);
    EXPECT_EQ(saved.pv_length, 4);
    EXPECT_EQ(saved.pv_score, 123);
    EXPECT_EQ(saved.pv_moves[3], 903u);

    for (int k = 0; k < 104; ++k) current_line[k] = 1u + k;
    SetPvFromLine(7, -5);
    RestorePv(saved);
    EXPECT_EQ(pv.pv_length, 4);
    EXPECT_EQ(pv.pv_score, 123);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(pv.pv_moves[k], 900u + k);
}

class RepetitionTest : public ::testing::Test {
protected:
    // Every key distinct: path keys 1000 + ply, history keys 5000 + index.
    void SetUp() override {
        for (int k = 0; k < 120; ++k) path_keys[k] = 1000u + k;
        for (int k = 0; k < GAME_HISTORY_SIZE; ++k) game_history[k] = 5000u + k;
        game_length = 10;
    }
    void TearDown() override { game_length = 0; }
};

TEST_F(RepetitionTest, DeepNodesLookBackAlongThePathOnly) {
    struct Case {
        uint8_t ply;
        int earlier_ply;  // the path entry the node's key equals
        bool repeats;
    };
    const Case cases[] = {
        {4, 0, true},   {6, 2, true},  {6, 0, true},   {9, 1, true},  {40, 0, true},
        {6, 4, false}, {4, 2, false}, {5, 3, false},  // two plies back is never a candidate
        {5, 2, false}, {6, 1, false},                 // the other side to move
        {5, 1, true},
    };
    for (const Case& c : cases) {
        SetUp();
        path_keys[c.ply] = path_keys[c.earlier_ply];
        EXPECT_EQ(IsRepetition(c.ply), c.repeats) << "ply " << +c.ply << " vs ply " << c.earlier_ply;
    }
}

TEST_F(RepetitionTest, DeepNodesIgnoreTheGameHistory) {
    for (int k = 0; k <= game_length; ++k) {
        SetUp();
        path_keys[5] = game_history[k];
        EXPECT_FALSE(IsRepetition(5)) << "history entry " << k;
        path_keys[4] = game_history[k];
        EXPECT_FALSE(IsRepetition(4)) << "history entry " << k;
    }
}

TEST_F(RepetitionTest, NodesNearTheRootLookBackIntoTheGame) {
    // With 10 moves played, the node at ply p is game position 10 + p; the
    // candidates are 4, 6, 8, ... moves back.
    struct Case {
        uint8_t ply;
        const char* examined;  // '1' where game_history[k] is a candidate, k = 0..10
    };
    const Case cases[] = {
        {1, "01010101000"},
        {2, "10101010100"},
        {3, "01010101010"},
    };
    for (const Case& c : cases) {
        for (int k = 0; k <= 10; ++k) {
            SetUp();
            path_keys[c.ply] = game_history[k];
            EXPECT_EQ(IsRepetition(c.ply), c.examined[k] == '1') << "ply " << +c.ply << ", history entry " << k;
        }
        SetUp();
        path_keys[c.ply] = path_keys[0];  // the root is game_history[10], which is never a candidate
        EXPECT_FALSE(IsRepetition(c.ply)) << "ply " << +c.ply;
    }
}

TEST_F(RepetitionTest, ShortGamesHaveNoCandidatesForTheFirstPlies) {
    struct Case {
        uint16_t game_length;
        uint8_t ply;
        bool candidate_0;  // whether game_history[0] is examined
    };
    const Case cases[] = {
        {0, 1, false}, {0, 2, false}, {0, 3, false}, {1, 3, true}, {1, 2, false}, {2, 2, true}, {3, 1, true},
    };
    for (const Case& c : cases) {
        SetUp();
        game_length = c.game_length;
        path_keys[c.ply] = game_history[0];
        EXPECT_EQ(IsRepetition(c.ply), c.candidate_0) << "game length " << c.game_length << ", ply " << +c.ply;
    }
}

TEST_F(RepetitionTest, LongestHistoryIsReadInside) {
    game_length = 999;
    path_keys[3] = game_history[998];
    EXPECT_TRUE(IsRepetition(3));
    path_keys[3] = game_history[999];
    EXPECT_FALSE(IsRepetition(3));
}

}  // namespace
