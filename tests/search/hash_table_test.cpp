// The transposition table: sizes, the two slots' replacement rules and the
// bound senses of the two probes.
#include "search/hash_table.h"

#include <gtest/gtest.h>

namespace {

// Keys built from a lock (high half) and an index (low half), so that two
// positions can be made to share an entry.
constexpr uint64_t Key(uint32_t lock, uint32_t index) { return uint64_t{lock} << 32 | index; }
constexpr uint64_t KEY_A = Key(0x1234567u, 77);
constexpr uint64_t KEY_B = Key(0x7654321u, 77);  // same entry as KEY_A, another position

MoveList ListOf(Move m) {
    MoveList list{};
    list.moves[3] = m;
    list.capture_count = list.move_count = 4;
    return list;
}

class HashTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        HashAllocate();
        hash_age = 0;
    }
    void TearDown() override {
        HashRelease();
        hash_age = 0;
    }
    void StoreMove(uint64_t key, Move m, uint8_t depth) { HashStoreMove(ListOf(m), 3, key, depth); }
    const HashEntry& EntryAt(uint64_t key) { return hash_table[static_cast<uint32_t>(key) & hash_mask]; }
};

TEST(HashTableSize, EntriesPerMegabyteArePowersOfTwoWithinTheRequest) {
    struct Case {
        uint16_t megabytes;
        uint32_t entries;
    };
    const Case cases[] = {
        {1, 32768},     {2, 65536},      {3, 131072},       {4, 131072},      {16, 524288},
        {64, 2097152},  {1024, 33554432}, {0, 32768} /* 0 counts as 1 */, {5000, 33554432}, {65535, 33554432},
    };
    HashAllocate();
    EXPECT_EQ(hash_mask + 1, 32768u) << "default table";
    for (const Case& c : cases) {
        HashResize(c.megabytes);
        ASSERT_NE(hash_table, nullptr);
        EXPECT_EQ(hash_mask + 1, c.entries) << c.megabytes << " MB";
    }
    HashResize(1024);
    HashAllocate();  // a repeated "uci" comes back to the default size
    EXPECT_EQ(hash_mask + 1, 32768u);
    HashRelease();
    EXPECT_EQ(hash_table, nullptr);
}

TEST(HashTableSize, EnsureCreatesTheDefaultTableOnlyWhenNoneExists) {
    HashRelease();
    HashEnsure();
    ASSERT_NE(hash_table, nullptr);
    EXPECT_EQ(hash_mask + 1, 32768u);
    HashResize(16);
    const HashEntry* table = hash_table;
    HashEnsure();
    EXPECT_EQ(hash_table, table);
    EXPECT_EQ(hash_mask + 1, 524288u);
    HashRelease();
}

TEST(HashTableDeathTest, ResizeWithoutTableWritesTheMessageAndExits1) {
    HashRelease();
    EXPECT_EXIT(HashResize(16), ::testing::ExitedWithCode(1), "");
}

TEST_F(HashTableTest, MoveSlotMatchesOnlyItsOwnLock) {
    EXPECT_EQ(HashMoveEntry(KEY_A), nullptr);
    StoreMove(KEY_A, 0x1234, 2);
    const HashEntry* entry = HashMoveEntry(KEY_A);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->move, 0x1234u);
    EXPECT_EQ(entry->move_depth, 2);
    EXPECT_EQ(HashMoveEntry(KEY_B), nullptr);
}

TEST_F(HashTableTest, ClearEmptiesBothSlotsOfEveryEntry) {
    StoreMove(KEY_A, 0x1234, 9);
    HashStoreScore(KEY_A, 150, 2, 9);
    const uint64_t last = Key(0x99u, hash_mask);
    StoreMove(last, 0x4321, 9);
    HashClear();
    EXPECT_EQ(HashMoveEntry(KEY_A), nullptr);
    EXPECT_EQ(HashMoveEntry(last), nullptr);
    EXPECT_EQ(HashProbeWhite(KEY_A, 0, 1, 0, 100), HASH_NONE);
    // A cleared slot takes any store, however deep its old content was.
    StoreMove(KEY_A, 0x5555, 0);
    HashStoreScore(KEY_A, 10, 1, 0);
    EXPECT_EQ(EntryAt(KEY_A).move, 0x5555u);
    EXPECT_EQ(EntryAt(KEY_A).score, 10);
}

TEST_F(HashTableTest, MoveSlotKeepsDeeperMovesOfTheRunningSearchOnly) {
    struct Case {
        const char* name;
        uint64_t key;           // the second store's position
        uint8_t age_at_second;  // hash_age of the second store; the first is at 5
        uint8_t depth;          // the second store's depth; the first is at 5
        bool replaced;
    };
    const Case cases[] = {
        {"shallower other position, same search", KEY_B, 5, 3, false},
        {"shallower same position, same search", KEY_A, 5, 3, false},
        {"equal depth, same search", KEY_B, 5, 5, true},
        {"deeper, same search", KEY_A, 5, 6, true},
        {"next search, depth 0", KEY_B, 6, 0, true},
        {"earlier generation number after a wrap", KEY_B, 1, 0, true},
    };
    for (const Case& c : cases) {
        HashClear();
        hash_age = 5;
        StoreMove(KEY_A, 0xAAAA, 5);
        hash_age = c.age_at_second;
        StoreMove(c.key, 0xBBBB, c.depth);
        const HashEntry& e = EntryAt(KEY_A);
        EXPECT_EQ(e.move, c.replaced ? 0xBBBBu : 0xAAAAu) << c.name;
        EXPECT_EQ(e.move_lock, static_cast<uint32_t>((c.replaced ? c.key : KEY_A) >> 32)) << c.name;
        EXPECT_EQ(e.move_depth, c.replaced ? c.depth : 5) << c.name;
        EXPECT_EQ(e.move_age, c.replaced ? c.age_at_second : 5) << c.name;
    }
}

TEST_F(HashTableTest, ScoreSlotReplacementByPositionAgeAndDepth) {
    struct Case {
        const char* name;
        uint8_t stored_age;
        uint64_t key;  // the second store's position; the first is KEY_A at depth 6
        uint8_t age_now;
        uint8_t depth;
        bool replaced;
    };
    const Case cases[] = {
        {"other position one search old, shallower", 4, KEY_B, 5, 4, false},
        {"other position two searches old, shallower", 3, KEY_B, 5, 4, true},
        {"other position same search, equal depth", 5, KEY_B, 5, 6, true},
        {"other position same search, shallower", 5, KEY_B, 5, 5, false},
        {"same position very old, shallower", 1, KEY_A, 200, 5, false},
        {"same position very old, equal depth", 1, KEY_A, 200, 6, true},
        {"same position same search, deeper", 5, KEY_A, 5, 7, true},
        {"stored at 251, generation wrapped to 1", 251, KEY_B, 1, 4, false},
        {"stored at 250, generation wrapped to 2", 250, KEY_B, 2, 4, false},
        {"stored at 250, wrapped, deep enough", 250, KEY_B, 2, 6, true},
        {"stored after uci at 0, generation 2", 0, KEY_B, 2, 0, true},
    };
    for (const Case& c : cases) {
        HashClear();
        hash_age = c.stored_age;
        HashStoreScore(KEY_A, 111, 1, 6);
        hash_age = c.age_now;
        HashStoreScore(c.key, 222, 3, c.depth);
        const HashEntry& e = EntryAt(KEY_A);
        EXPECT_EQ(e.score, c.replaced ? 222 : 111) << c.name;
        EXPECT_EQ(e.score_type, c.replaced ? 3 : 1) << c.name;
        EXPECT_EQ(e.score_lock, static_cast<uint32_t>((c.replaced ? c.key : KEY_A) >> 32)) << c.name;
        EXPECT_EQ(e.score_depth, c.replaced ? c.depth : 6) << c.name;
        EXPECT_EQ(e.score_age, c.replaced ? c.age_now : c.stored_age) << c.name;
    }
}

TEST_F(HashTableTest, StoreWritesBothSlotsAtTheRemainingDepth) {
    hash_age = 7;
    HashStore(ListOf(0xCAFE), 3, KEY_A, -40, 2, 9, 4);
    const HashEntry& e = EntryAt(KEY_A);
    EXPECT_EQ(e.move, 0xCAFEu);
    EXPECT_EQ(e.move_depth, 5);
    EXPECT_EQ(e.move_age, 7);
    EXPECT_EQ(e.score, -40);
    EXPECT_EQ(e.score_type, 2);
    EXPECT_EQ(e.score_depth, 5);
    EXPECT_EQ(e.score_age, 7);
    EXPECT_EQ(HashMoveEntry(KEY_A), &e);
}

TEST_F(HashTableTest, ProbesReadEachBoundTypeForTheirOwnSide) {
    enum Side { W, B };
    struct Case {
        Side side;
        uint8_t type;
        int32_t score;
        int32_t alpha, beta;
        int32_t want;
    };
    // Stored at remaining depth 3; probed with ply 2, depth 5.
    const Case cases[] = {
        // White: a cut-off score is a lower bound, usable at or above beta.
        {W, 2, 150, 100, 150, 150},
        {W, 2, 150, 100, 151, HASH_NONE},
        {W, 2, 150, 200, 300, HASH_NONE},  // below alpha does not count for a lower bound
        // White: other types are upper bounds, usable strictly below alpha.
        {W, 3, -40, -39, 100, -40},
        {W, 3, -40, -40, 100, HASH_NONE},
        {W, 1, -40, -39, 100, -40},
        {W, 1, -40, -100, 100, HASH_NONE},  // an exact score inside the window is never returned
        // Black: a cut-off score is an upper bound, usable at or below alpha.
        {B, 2, 150, 150, 300, 150},
        {B, 2, 150, 149, 300, HASH_NONE},
        {B, 2, 150, 0, 100, HASH_NONE},
        // Black: other types are lower bounds, usable strictly above beta.
        {B, 3, -40, -100, -41, -40},
        {B, 3, -40, -100, -40, HASH_NONE},
        {B, 1, -40, -100, -41, -40},
        {B, 1, -40, -100, 100, HASH_NONE},
    };
    for (const Case& c : cases) {
        HashClear();
        HashStoreScore(KEY_A, c.score, c.type, 3);
        const int32_t got = c.side == W ? HashProbeWhite(KEY_A, 2, 5, c.alpha, c.beta)
                                        : HashProbeBlack(KEY_A, 2, 5, c.alpha, c.beta);
        EXPECT_EQ(got, c.want) << (c.side == W ? "White" : "Black") << " type " << +c.type << " score " << c.score
                               << " window " << c.alpha << "," << c.beta;
    }
}

TEST_F(HashTableTest, ProbeNeedsTheLockAndEnoughDepth) {
    HashStoreScore(KEY_A, 500, 2, 3);
    EXPECT_EQ(HashProbeWhite(KEY_A, 2, 5, 0, 100), 500) << "required depth 3";
    EXPECT_EQ(HashProbeWhite(KEY_A, 2, 6, 0, 100), HASH_NONE) << "required depth 4";
    EXPECT_EQ(HashProbeBlack(KEY_A, 1, 5, 600, 700), HASH_NONE) << "required depth 4";
    EXPECT_EQ(HashProbeWhite(KEY_B, 2, 5, 0, 100), HASH_NONE) << "another position in the entry";
    // The required depth is signed: a node past its depth needs none.
    HashClear();
    HashStoreScore(KEY_A, 500, 2, 0);
    EXPECT_EQ(HashProbeWhite(KEY_A, 7, 5, 0, 100), 500);
}

}  // namespace
