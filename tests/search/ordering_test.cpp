// Move ordering: the capture sort's exact order among equal keys, killers
// and the table's move brought forward, and the killer tables' upkeep.
#include "search/ordering.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Moves are named by letters; the word of letter X is 1000 + X, so no move
// is 0 and each name maps to one word.
Move Word(char name) { return 1000u + static_cast<Move>(name); }

// A list of the named moves; the first `captures` carry the given keys, the
// rest stand for quiet moves whose keys are left at a marker value.
MoveList MakeList(const char* names, uint8_t captures, std::initializer_list<int32_t> keys = {}) {
    MoveList list{};
    const uint8_t n = static_cast<uint8_t>(std::strlen(names));
    for (uint8_t i = 0; i < n; ++i) {
        list.moves[i] = Word(names[i]);
        list.keys[i] = -777;
    }
    uint8_t i = 0;
    for (int32_t key : keys) list.keys[i++] = key;
    list.capture_count = captures;
    list.move_count = n;
    return list;
}

std::string Names(const MoveList& list) {
    std::string names;
    for (uint8_t i = 0; i < list.move_count; ++i) names += static_cast<char>(list.moves[i] - 1000);
    return names;
}

// Each move keeps its own key wherever it went.
void ExpectKeysFollowMoves(const MoveList& before, const MoveList& after) {
    for (uint8_t i = 0; i < after.move_count; ++i) {
        for (uint8_t j = 0; j < before.move_count; ++j) {
            if (before.moves[j] == after.moves[i]) {
                EXPECT_EQ(after.keys[i], before.keys[j]) << "move at " << +i;
            }
        }
    }
}

TEST(SortMoves, ExchangeSortLeavesEqualKeysInItsOwnOrder) {
    struct Case {
        const char* names;
        uint8_t captures;
        std::initializer_list<int32_t> keys;
        const char* want;
    };
    const Case cases[] = {
        {"ABC", 3, {1, 1, 2}, "CBA"},          // A and B swap places on the way
        {"ABCD", 4, {5, 7, 7, 3}, "BCAD"},
        {"ABCD", 4, {1, 2, 3, 4}, "DCBA"},
        {"ABCD", 4, {-5, 0, -1, -900}, "BCAD"},
        {"A", 1, {9}, "A"},
        {"ABCxyz", 0, {}, "ABCxyz"},            // no captures: nothing moves
        {"ABxyz", 2, {1, 2}, "BAxyz"},          // quiet moves behind the captures untouched
    };
    for (const Case& c : cases) {
        MoveList list = MakeList(c.names, c.captures, c.keys);
        list.keys[c.captures] = 1000000;  // a stale key behind the captures must not be sorted in
        const MoveList before = list;
        SortMoves(list);
        EXPECT_EQ(Names(list), c.want) << c.names;
        ExpectKeysFollowMoves(before, list);
        for (uint8_t i = 0; i + 1 < c.captures; ++i) EXPECT_GE(list.keys[i], list.keys[i + 1]) << c.names;
    }
}

class KillerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(killer_first, 0, sizeof killer_first);
        std::memset(killer_second, 0, sizeof killer_second);
    }
};

TEST_F(KillerTest, KillersGoToTheirPlacesWhenTheyCan) {
    struct Case {
        const char* name;
        const char* list;
        uint8_t captures;
        uint8_t p;
        char first, second;  // '\0' leaves the killer empty
        const char* want;
    };
    const Case cases[] = {
        {"quiet list, p 0", "abcdef", 0, 0, 'e', 'c', "ecabdf"},
        {"best capture stays in front, p 1", "XYabcd", 2, 1, 'd', 'b', "XdbYac"},
        {"killer before its target stays", "Xabc", 1, 1, 'X', 'c', "Xacb"},
        {"first killer absent", "abcd", 0, 0, 'z', 'c', "acbd"},
        {"second killer absent", "abcd", 0, 0, 'c', 'z', "cabd"},
        {"second killer already at p, first absent", "abcd", 0, 0, 'z', 'a', "abcd"},
        {"both absent", "abcd", 0, 0, 'y', 'z', "abcd"},
        {"empty killers match nothing", "abcd", 0, 0, '\0', '\0', "abcd"},
        {"killers already in place", "abcd", 0, 1, 'b', 'c', "abcd"},
        {"killer in the last place", "abcd", 0, 0, 'd', 'z', "dabc"},
    };
    const uint8_t ply = 7;
    for (const Case& c : cases) {
        killer_first[ply] = c.first ? Word(c.first) : 0;
        killer_second[ply] = c.second ? Word(c.second) : 0;
        MoveList list = MakeList(c.list, c.captures);
        for (uint8_t i = 0; i < list.move_count; ++i) list.keys[i] = 10 * i;
        const MoveList before = list;
        KillersToFront(list, c.p, ply);
        EXPECT_EQ(Names(list), c.want) << c.name;
        ExpectKeysFollowMoves(before, list);
    }
}

TEST_F(KillerTest, KillersOfAnotherPlyAreNotUsed) {
    killer_first[3] = Word('c');
    MoveList list = MakeList("abc", 0);
    KillersToFront(list, 0, 4);
    EXPECT_EQ(Names(list), "abc");
}

TEST(HashMoveToFront, BringsTheStoredMoveToTheHeadOrLeavesTheList) {
    struct Case {
        char stored;
        const char* want;
    };
    const Case cases[] = {{'d', "dabce"}, {'e', "eabcd"}, {'a', "abcde"}, {'z', "abcde"}};
    for (const Case& c : cases) {
        MoveList list = MakeList("abcde", 2, {5, 4});
        const MoveList before = list;
        HashEntry entry{};
        entry.move = Word(c.stored);
        HashMoveToFront(list, entry);
        EXPECT_EQ(Names(list), c.want) << c.stored;
        ExpectKeysFollowMoves(before, list);
    }
}

TEST(HashMoveToFront, LooksOnlyInsideTheList) {
    MoveList list = MakeList("abc", 0);
    list.moves[3] = Word('d');  // beyond move_count
    HashEntry entry{};
    entry.move = Word('d');
    HashMoveToFront(list, entry);
    EXPECT_EQ(Names(list), "abc");
}

TEST_F(KillerTest, StoreKillerShiftsOrSwapsAndIgnoresARepeat) {
    const MoveList list = MakeList("abc", 0);
    struct Step {
        uint8_t index;
        char first, second;  // expected after the store; '\0' = empty
    };
    const Step steps[] = {
        {0, 'a', '\0'},
        {0, 'a', '\0'},  // the same move again changes nothing
        {1, 'b', 'a'},
        {0, 'a', 'b'},   // the second killer comes back: the two swap
        {2, 'c', 'a'},
    };
    const uint8_t ply = 12;
    for (const Step& s : steps) {
        StoreKiller(ply, list, s.index);
        EXPECT_EQ(killer_first[ply], s.first ? Word(s.first) : 0) << "after storing index " << +s.index;
        EXPECT_EQ(killer_second[ply], s.second ? Word(s.second) : 0) << "after storing index " << +s.index;
    }
    EXPECT_EQ(killer_first[ply - 1], 0u);
    EXPECT_EQ(killer_first[ply + 1], 0u);
}

}  // namespace
