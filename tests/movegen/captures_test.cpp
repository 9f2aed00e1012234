#include "movegen/captures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "movegen/move_listing.h"

namespace {

constexpr Move kUntouched = 0xFFFFFFFFu;

struct Case {
    const char* name;
    const char* fen;
    const char* want;  // every entry with its key, in list order
};

// Each case states the whole output: which moves, in which order, with which
// victim, type and key. The side to move picks the twin.
const Case kCases[] = {
    {"start position, White", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", ""},
    {"start position, Black", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1", ""},
    {"push promotions, then capture runs, lowest target first", "3r1n1k/4P3/8/8/8/8/8/4K3 w - - 0 1",
     "Pe7e8/15=15 Pe7e8/14=14 Pe7e8/13=13 Pe7e8/12=12 Pe7d8/25x4=25 Pe7d8/24x4=24 Pe7d8/23x4=23 Pe7d8/22x4=22 "
     "Pe7f8/25x2=25 Pe7f8/24x2=24 Pe7f8/23x2=23 Pe7f8/22x2=22"},
    {"blocked promotion with nothing to take", "4n2k/4P3/8/8/8/8/8/4K3 w - - 0 1", ""},
    {"Black promotions toward the first rank", "4k3/8/8/8/8/8/3p4/2N1Q1K1 b - - 0 1",
     "Pd2d1/15=15 Pd2d1/14=14 Pd2d1/13=13 Pd2d1/12=12 Pd2c1/25x2=25 Pd2c1/24x2=24 Pd2c1/23x2=23 Pd2c1/22x2=22 "
     "Pd2e1/25x5=25 Pd2e1/24x5=24 Pd2e1/23x5=23 Pd2e1/22x5=22"},
    {"keys: victim first, then the cheaper attacker", "4k3/7p/8/2q1p3/3P4/8/7Q/4K3 w - - 0 1",
     "Pd4c5/2x5=49 Pd4e5/2x1=9 Qh2h7/2x1=5 Qh2e5/2x1=5"},
    {"White en passant", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "Pe5d6/5x1=5"},
    {"White en passant from the a-file", "4k3/8/8/Pp6/8/8/8/4K3 w - b6 0 1", "Pa5b6/5x1=5"},
    {"White en passant from the h-file", "4k3/8/8/6pP/8/8/8/4K3 w - g6 0 1", "Ph5g6/5x1=5"},
    {"White en passant by two pawns", "4k3/8/8/3PpP2/8/8/8/4K3 w - e6 0 1", "Pd5e6/5x1=5 Pf5e6/5x1=5"},
    {"ordinary capture before the same pawn's en passant", "4k3/8/5n2/3pP3/8/8/8/4K3 w - d6 0 1",
     "Pe5f6/2x2=19 Pe5d6/5x1=5"},
    {"Black en passant", "4k3/8/8/8/3Pp3/8/8/4K3 b - d3 0 1", "Pe4d3/5x1=5"},
    {"Black en passant from the a-file", "4k3/8/8/8/pP6/8/8/4K3 b - b3 0 1", "Pa4b3/5x1=5"},
    {"Black en passant from the h-file", "4k3/8/8/8/6Pp/8/8/4K3 b - g3 0 1", "Ph4g3/5x1=5"},
    {"Black en passant by two pawns", "4k3/8/8/8/3pPp2/8/8/4K3 b - e3 0 1", "Pd4e3/5x1=5 Pf4e3/5x1=5"},
    {"rook ray stopped by an own piece", "4k3/8/8/q7/8/P7/8/R3K3 w - - 0 1", ""},
    {"rook ray open to the victim", "4k3/8/8/q7/8/8/8/R3K3 w - - 0 1", "Ra1a5/2x5=46"},
    {"two knights on one victim, lower knight first", "4k3/8/8/3r4/8/2N1N3/8/4K3 w - - 0 1",
     "Nc3d5/2x4=38 Ne3d5/2x4=38"},
    {"no king, no king captures", "4k3/8/8/8/8/8/3pp3/6N1 w - - 0 1", "Ng1e2/2x1=8"},
    {"bishop rays NE, NW, SW, SE", "K7/8/1p3p2/8/3B4/8/1p3p2/7k w - - 0 1",
     "Bd4f6/2x1=7 Bd4b6/2x1=7 Bd4b2/2x1=7 Bd4f2/2x1=7"},
    {"rook rays N, W, S, E, far blockers", "K7/3n4/8/8/b2R3r/8/8/3q3k w - - 0 1",
     "Rd4d7/2x2=16 Rd4a4/2x3=26 Rd4d1/2x5=46 Rd4h4/2x4=36"},
    {"queen rays N, W, S, E, NE, NW, SW, SE", "K7/8/1p1p1p2/8/1p1Q1p2/8/1p1p1p2/7k w - - 0 1",
     "Qd4d6/2x1=5 Qd4b4/2x1=5 Qd4d2/2x1=5 Qd4f4/2x1=5 Qd4f6/2x1=5 Qd4b6/2x1=5 Qd4b2/2x1=5 Qd4f2/2x1=5"},
    {"White kinds: pawns, knights, bishops, rooks, queens, king", "7k/8/8/8/2b5/1n3r1p/p5P1/KQRBN3 w - - 0 1",
     "Pg2f3/2x4=39 Pg2h3/2x1=9 Ne1f3/2x4=38 Bd1f3/2x4=37 Bd1b3/2x2=17 Rc1c4/2x3=26 Qb1b3/2x2=15 Qb1a2/2x1=5 "
     "Ka1a2/2x1=4"},
    {"Black kinds, with Black's rays in the same order", "kqrbn3/P5p1/1N3R1P/2B5/8/8/8/7K b - - 0 1",
     "Pg7f6/2x4=39 Pg7h6/2x1=9 Ne8f6/2x4=38 Bd8b6/2x2=17 Bd8f6/2x4=37 Rc8c5/2x3=26 Qb8b6/2x2=15 Qb8a7/2x1=5 "
     "Ka8a7/2x1=4"},
};

TEST(GenerateCaptures, WritesExactlyTheListedEntriesFromEntryZero) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Position p = FenPosition(c.fen);
        MoveList list;
        std::fill(std::begin(list.moves), std::end(list.moves), kUntouched);
        list.capture_count = list.move_count = 200;  // a previous node's leftovers
        CapturesOfSideToMove(list, p);
        EXPECT_EQ(Listing(list, 0, list.move_count, true), c.want);
        EXPECT_EQ(list.capture_count, list.move_count);
        EXPECT_EQ(list.moves[list.move_count], kUntouched) << "wrote past its own entries";
    }
}

// A stale en-passant square whose step would wrap round the board edge (a
// pawn on h5 "capturing" to a7) must not produce a move.
TEST(GenerateCaptures, EnPassantFileGuardsStopWrappingTargets) {
    struct Wrap {
        const char* fen;
        uint8_t x, y;
    };
    const Wrap cases[] = {
        {"4k3/p7/8/7P/8/8/8/4K3 w - - 0 1", 0, 6},  // h5 + 9 = a7
        {"4k3/8/8/P7/8/8/8/4K3 w - - 0 1", 7, 4},   // a5 + 7 = h5
        {"4k3/8/8/8/p7/8/8/4K3 b - - 0 1", 7, 1},   // a4 - 9 = h2
        {"4k3/8/8/8/7p/8/8/4K3 b - - 0 1", 0, 3},   // h4 - 7 = a4
    };
    for (const Wrap& w : cases) {
        SCOPED_TRACE(w.fen);
        Position p = FenPosition(w.fen);
        p.taking_passage_yes = 1;
        p.taking_passage_x = w.x;
        p.taking_passage_y = w.y;
        MoveList list;
        CapturesOfSideToMove(list, p);
        EXPECT_EQ(Listing(list, 0, list.move_count, true), "");
    }
}

}  // namespace
