#include "movegen/quiet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

#include "movegen/move_listing.h"
#include "support/sample_positions.h"

namespace {

constexpr int32_t kStaleKey = -12345;

// Captures then quiet moves into one list, as every caller does; the list
// starts with stale keys so that a quiet entry writing one shows.
MoveList AllMoves(const Position& p) {
    MoveList list;
    std::fill(std::begin(list.keys), std::end(list.keys), kStaleKey);
    CapturesOfSideToMove(list, p);
    QuietOfSideToMove(list, p);
    return list;
}

// Only the castling entries, in list order.
std::string Castles(const MoveList& list) {
    std::string text;
    for (int i = list.capture_count; i < list.move_count; ++i) {
        const uint8_t type = MoveType(list.moves[i]);
        if (type != MOVE_CASTLE_QUEEN && type != MOVE_CASTLE_KING) continue;
        if (!text.empty()) text += ' ';
        text += Describe(list.moves[i], nullptr);
    }
    return text;
}

struct Case {
    const char* name;
    const char* fen;
    const char* want;  // the quiet entries behind the captures, in order
};

const Case kCases[] = {
    {"start position, White: knights, then each pawn's single and double step",
     "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
     "Nb1a3 Nb1c3 Ng1f3 Ng1h3 Pa2a3 Pa2a4 Pb2b3 Pb2b4 Pc2c3 Pc2c4 Pd2d3 Pd2d4 Pe2e3 Pe2e4 Pf2f3 Pf2f4 Pg2g3 Pg2g4 "
     "Ph2h3 Ph2h4"},
    {"start position, Black: each pawn's double step before its single step",
     "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1",
     "Nb8a6 Nb8c6 Ng8f6 Ng8h6 Pa7a5 Pa7a6 Pb7b5 Pb7b6 Pc7c5 Pc7c6 Pd7d5 Pd7d6 Pe7e5 Pe7e6 Pf7f5 Pf7f6 Pg7g5 Pg7g6 "
     "Ph7h5 Ph7h6"},
    {"rook rays N, W, S, E; falling rays farthest square first", "K7/8/8/8/3R4/8/8/7k w - - 0 1",
     "Ka8a7 Ka8b7 Ka8b8 Rd4d5 Rd4d6 Rd4d7 Rd4d8 Rd4a4 Rd4b4 Rd4c4 Rd4d1 Rd4d2 Rd4d3 Rd4e4 Rd4f4 Rd4g4 Rd4h4"},
    {"queen rays in order, stopping short of any blocker", "7k/8/8/8/3Q4/8/8/K7 w - - 0 1",
     "Ka1b1 Ka1a2 Ka1b2 Qd4d5 Qd4d6 Qd4d7 Qd4d8 Qd4a4 Qd4b4 Qd4c4 Qd4d1 Qd4d2 Qd4d3 Qd4e4 Qd4f4 Qd4g4 Qd4h4 "
     "Qd4e5 Qd4f6 Qd4g7 Qd4c5 Qd4b6 Qd4a7 Qd4b2 Qd4c3 Qd4g1 Qd4f2 Qd4e3"},
    {"kinds: king, queens, rooks, bishops, knights, pawns", "7k/8/8/8/8/2P5/1PN5/KBQR4 w - - 0 1",
     "Ka1a2 Qc1d2 Qc1e3 Qc1f4 Qc1g5 Qc1h6 Rd1d2 Rd1d3 Rd1d4 Rd1d5 Rd1d6 Rd1d7 Rd1d8 Rd1e1 Rd1f1 Rd1g1 Rd1h1 "
     "Bb1a2 Nc2e1 Nc2a3 Nc2e3 Nc2b4 Nc2d4 Pb2b3 Pb2b4 Pc3c4"},
    {"Black bishop rays NE, NW, SW, SE", "k7/8/8/4b3/8/8/8/7K b - - 0 1",
     "Ka8a7 Ka8b7 Ka8b8 Be5f6 Be5g7 Be5h8 Be5d6 Be5c7 Be5b8 Be5a1 Be5b2 Be5c3 Be5d4 Be5h2 Be5g3 Be5f4"},
    {"White pawns: blocked double step, no step onto the last rank", "7k/4P3/8/8/2n5/8/P1P5/4K3 w - - 0 1",
     "Ke1d1 Ke1f1 Ke1d2 Ke1e2 Ke1f2 Pa2a3 Pa2a4 Pc2c3"},
    {"Black pawns: blocked steps, no step onto the first rank", "4k3/p1p1p3/4B1p1/2P5/8/8/1p6/4K3 b - - 0 1",
     "Ke8d7 Ke8f7 Ke8d8 Ke8f8 Pg6g5 Pa7a5 Pa7a6 Pc7c6"},
};

TEST(GenerateQuiet, AppendsExactlyTheListedEntriesBehindTheCaptures) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Position p = FenPosition(c.fen);
        MoveList captures_only;
        CapturesOfSideToMove(captures_only, p);
        const MoveList list = AllMoves(p);
        EXPECT_EQ(list.capture_count, captures_only.capture_count) << "the quiet generator changed capture_count";
        EXPECT_EQ(Listing(list, list.capture_count, list.move_count, false), c.want);
        for (int i = list.capture_count; i < list.move_count; ++i) EXPECT_EQ(list.keys[i], kStaleKey) << i;
    }
}

struct CastleCase {
    const char* name;
    const char* fen;
    const char* want;
};

const CastleCase kCastleCases[] = {
    {"White: both sides, queen-side first", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "Ke1c1/3 Ke1g1/4"},
    {"White: bishop on a6 hits f1", "4k3/8/b7/8/8/8/8/R3K2R w KQ - 0 1", "Ke1c1/3"},
    {"White: bishop on b4 hits e1", "4k3/8/8/8/1b6/8/8/R3K2R w KQ - 0 1", ""},
    {"White: b1 attacked does not matter", "1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "Ke1c1/3 Ke1g1/4"},
    {"White: no queen-side right", "4k3/8/8/8/8/8/8/R3K2R w K - 0 1", "Ke1g1/4"},
    {"White: pieces on b1 and g1", "4k3/8/8/8/8/8/8/RN2K1NR w KQ - 0 1", ""},
    {"White: pawn on e2 hits d1 and f1", "4k3/8/8/8/8/8/4p3/R3K2R w KQ - 0 1", ""},
    {"White: knight on h3 hits g1", "4k3/8/8/8/8/7n/8/R3K2R w KQ - 0 1", "Ke1c1/3"},
    {"White: rook on the e-file checks the king", "4k3/8/8/4r3/8/8/8/R3K2R w KQ - 0 1", ""},
    {"White: rook on g1 hits e1 along the rank", "4k3/8/8/8/8/8/8/R3K1r1 w Q - 0 1", ""},
    {"White: king on d2 hits c1, d1, e1", "8/8/8/8/8/8/3k4/R3K2R w KQ - 0 1", ""},
    {"Black: both sides, queen-side first", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "Ke8c8/3 Ke8g8/4"},
    {"Black: bishop on a3 hits f8", "r3k2r/8/8/8/8/B7/8/4K3 b kq - 0 1", "Ke8c8/3"},
    {"Black: bishop on b5 hits e8", "r3k2r/8/8/1B6/8/8/8/4K3 b kq - 0 1", ""},
    {"Black: b8 attacked does not matter", "r3k2r/8/8/8/8/8/8/1R2K3 b kq - 0 1", "Ke8c8/3 Ke8g8/4"},
    {"Black: pawn on c7 hits d8", "r3k2r/2P5/8/8/8/8/8/4K3 b kq - 0 1", "Ke8g8/4"},
    {"Black: knight on e6 hits d8 and f8", "r3k2r/8/4N3/8/8/8/8/4K3 b kq - 0 1", ""},
    {"Black: queen on h5 hits e8 on the diagonal", "r3k2r/8/8/7Q/8/8/8/4K3 b kq - 0 1", ""},
    {"Black: queen on a5 hits d8 on the diagonal", "r3k2r/8/8/Q7/8/8/8/4K3 b kq - 0 1", "Ke8g8/4"},
};

TEST(GenerateQuiet, CastlesOnlyWithRightEmptyPathAndUnattackedKingSquares) {
    for (const CastleCase& c : kCastleCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Castles(AllMoves(FenPosition(c.fen))), c.want);
    }
}

// The generator trusts the rights: it never looks for the rook. The FEN
// reader would drop a right without its rook, so the right is set by hand.
TEST(GenerateQuiet, TrustsCastlingRightsWithoutLookingForTheRook) {
    Position white = FenPosition("4k3/8/8/8/8/8/8/R3K3 w Q - 0 1");
    white.castling_K = 1;
    EXPECT_EQ(Castles(AllMoves(white)), "Ke1c1/3 Ke1g1/4");

    Position black = FenPosition("4k2r/8/8/8/8/8/8/4K3 b k - 0 1");
    black.castling_q = 1;
    EXPECT_EQ(Castles(AllMoves(black)), "Ke8c8/3 Ke8g8/4");
}

// The castling test names the attacker it finds first; the generator only
// needs nonzero, but a wrong code would show a ray or square read wrongly.
TEST(CastleSquareAttacked, NamesTheAttackerOfAHomeRankSquare) {
    struct AttackCase {
        const char* fen;
        const char* square;
        uint8_t want;
    };
    const AttackCase cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", "f1", 0},
        {"2r1k3/8/8/8/8/8/8/4K3 w - - 0 1", "c1", ROOK},
        {"2r1k3/8/8/8/8/8/2P5/4K3 w - - 0 1", "c1", 0},
        {"4k3/8/8/8/8/8/8/q3K3 w - - 0 1", "d1", QUEEN},
        {"4k3/8/8/8/8/8/8/4K2q w - - 0 1", "f1", QUEEN},
        {"4k3/8/8/8/8/b7/8/4K3 w - - 0 1", "c1", BISHOP},
        {"4k3/8/8/8/7q/8/8/4K3 w - - 0 1", "e1", QUEEN},
        {"4k3/8/8/8/8/8/4n3/4K3 w - - 0 1", "c1", KNIGHT},
        {"4k3/8/8/8/8/8/5p2/4K3 w - - 0 1", "g1", PAWN},
        {"4k3/8/8/8/8/8/1p6/4K3 w - - 0 1", "c1", PAWN},
        {"4k3/8/8/8/8/8/2p5/4K3 w - - 0 1", "c1", 0},
        {"4k3/8/8/8/8/8/8/2r1K3 w - - 0 1", "d1", ROOK},
        {"4k3/8/8/8/8/8/8/4K3 b - - 0 1", "f8", 0},
        {"4k3/8/8/8/8/8/8/2R1K3 b - - 0 1", "c8", ROOK},
        {"4k3/8/8/8/8/8/Q7/4K3 b - - 0 1", "g8", QUEEN},
        {"4k3/8/B7/8/8/8/8/4K3 b - - 0 1", "c8", BISHOP},
        {"4k3/4N3/8/8/8/8/8/4K3 b - - 0 1", "g8", KNIGHT},
        {"4k3/3P4/8/8/8/8/8/4K3 b - - 0 1", "c8", PAWN},
        {"4k3/3P4/8/8/8/8/8/4K3 b - - 0 1", "d8", 0},
        {"Q1n1k3/8/8/8/8/8/8/4K3 b - - 0 1", "d8", 0},
    };
    for (const AttackCase& c : cases) {
        SCOPED_TRACE(std::string(c.fen) + " " + c.square);
        const Position p = FenPosition(c.fen);
        const uint8_t s = static_cast<uint8_t>(SquareOf(c.square));
        EXPECT_EQ(p.colour_move ? CastleSquareAttackedWhite(p, s) : CastleSquareAttackedBlack(p, s), c.want);
    }
}

}  // namespace

namespace {

bool GeneratesQuietOfSideToMove(const Position& p, Move m) {
    return p.colour_move == 1 ? GeneratesQuiet<White>(p, m) : GeneratesQuiet<Black>(p, m);
}

// Every move word of every sample position, asked of every sample
// position, gets the answer the full generator gives.
TEST(GeneratesQuiet, AgreesWithTheGeneratorOnEveryMoveWord) {
    const std::vector<Position> positions = SamplePositions();
    std::set<Move> pool;
    for (const Position& p : positions) {
        const MoveList list = AllMoves(p);
        pool.insert(list.moves, list.moves + list.move_count);
    }
    for (size_t k = 0; k < positions.size(); ++k) {
        const MoveList list = AllMoves(positions[k]);
        const std::set<Move> quiet(list.moves + list.capture_count, list.moves + list.move_count);
        for (Move m : pool) {
            ASSERT_EQ(GeneratesQuietOfSideToMove(positions[k], m), quiet.count(m) == 1)
                << "position " << k << ", move " << Describe(m, nullptr);
        }
    }
}

}  // namespace
