#include "board/fen.h"

#include <gtest/gtest.h>

#include <string>

#include "makemove/position_helpers.h"

namespace {

using namespace test_board;

TEST(Fen, StartPositionFields) {
    const Position p = FenPosition("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    EXPECT_EQ(p.all_white_piece, 0x000000000000FFFFu);
    EXPECT_EQ(p.all_black_piece, 0xFFFF000000000000u);
    EXPECT_EQ(p.all_piece, 0xFFFF00000000FFFFu);
    EXPECT_EQ(p.white_piece[PAWN], 0x000000000000FF00u);
    EXPECT_EQ(p.black_piece[PAWN], 0x00FF000000000000u);
    EXPECT_EQ(p.white_name_from_coord[4], KING);
    EXPECT_EQ(p.black_name_from_coord[59], QUEEN);
    EXPECT_EQ(p.colour_move, 1);
    EXPECT_EQ(p.castling_K + p.castling_Q + p.castling_k + p.castling_q, 4);
    EXPECT_EQ(p.taking_passage_yes, 0);
    EXPECT_TRUE(ConsistentRecord(p));
}

// Side, castling and en-passant fields, with what an earlier position left
// in the record where the text is silent or malformed.
struct FieldCase {
    const char* text;  // after the skipped first word
    uint8_t colour_before;
    uint8_t colour, K, Q, k, q, ep_yes, ep_x, ep_y;
};

const FieldCase field_cases[] = {
    {"fen 4k3/8/8/8/8/8/8/4K3 b - - 12 40", 1, 0, 0, 0, 0, 0, 0, 0, 0},
    {"fen rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 1, 0, 1, 1, 1, 1, 1, 4, 2},
    {"fen rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 1", 0, 1, 1, 1, 1, 1, 1, 3, 5},
    // Rights not named are cleared, whatever the record held.
    {"fen r3k2r/8/8/8/8/8/8/R3K2R w KQ - 0 1", 0, 1, 1, 1, 0, 0, 0, 0, 0},
    // An unknown side letter keeps the side to move.
    {"fen 4k3/8/8/8/8/8/8/4K3 x - - 0 1", 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {"fen 4k3/8/8/8/8/8/8/4K3 x - - 0 1", 0, 0, 0, 0, 0, 0, 0, 0, 0},
    // Two spaces after the side: the castling field is empty and "KQ" is
    // read as an en-passant square, which names no square and is dropped.
    {"fen r3k2r/8/8/8/8/8/8/R3K2R w  KQkq - 0 1", 0, 1, 0, 0, 0, 0, 0, 0, 0},
    // A right stands only with king and rook at home.
    {"fen r3k3/8/8/8/8/8/8/4K2R w KQkq - 0 1", 0, 1, 1, 0, 0, 1, 0, 0, 0},
    {"fen r3k2r/8/8/8/8/8/8/R2K3R b KQkq - 0 1", 1, 0, 0, 0, 1, 1, 0, 0, 0},
    // An en-passant square is kept only behind the pawn that just moved.
    {"fen 4k3/8/8/8/4P3/8/8/4K3 w - e3 0 1", 0, 1, 0, 0, 0, 0, 0, 0, 0},
    {"fen 4k3/8/8/8/8/8/8/4K3 b - e3 0 1", 1, 0, 0, 0, 0, 0, 0, 0, 0},
    {"fen 4k3/8/8/8/4P3/8/8/4K3 b - z9 0 1", 1, 0, 0, 0, 0, 0, 0, 0, 0},
    {"fen 4k3/8/8/8/4P3/8/8/4K3 b - e 0 1", 1, 0, 0, 0, 0, 0, 0, 0, 0},
    // Text that ends early: the side stays, no rights, no en passant; a
    // field cut short keeps what was read of it.
    {"fen 4k3/8/8/8/8/8/8/4K3", 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"fen 4k3/8/8/8/8/8/8/4K3 w", 0, 1, 0, 0, 0, 0, 0, 0, 0},
    {"fen r3k2r/8/8/8/8/8/8/R3K2R b KQ", 1, 0, 1, 1, 0, 0, 0, 0, 0},
    {"fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq e", 0, 1, 1, 1, 1, 1, 0, 0, 0},
    {"fen", 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"", 1, 1, 0, 0, 0, 0, 0, 0, 0},
};

TEST(Fen, SideCastlingAndEnPassantFields) {
    for (const FieldCase& c : field_cases) {
        Position p{};
        p.colour_move = c.colour_before;
        p.castling_K = p.castling_Q = p.castling_k = p.castling_q = 1;
        p.taking_passage_yes = 1, p.taking_passage_x = 7, p.taking_passage_y = 7;
        ParseFen(p, c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(p.colour_move, c.colour);
        EXPECT_EQ(p.castling_K, c.K);
        EXPECT_EQ(p.castling_Q, c.Q);
        EXPECT_EQ(p.castling_k, c.k);
        EXPECT_EQ(p.castling_q, c.q);
        EXPECT_EQ(p.taking_passage_yes, c.ep_yes);
        EXPECT_EQ(p.taking_passage_x, c.ep_x);
        EXPECT_EQ(p.taking_passage_y, c.ep_y);
        EXPECT_TRUE(ConsistentRecord(p));
    }
}

// Placement text, well-formed or not, gives exactly these pieces and never
// writes outside the board.
struct PlacementCase {
    const char* placement;
    const char* same_as;  // a well-formed placement with the same pieces
};

const PlacementCase placement_cases[] = {
    // An unknown character is one empty square.
    {"4k3/8/8/8/8/8/8/x3K3", "4k3/8/8/8/8/8/8/4K3"},
    // A ninth file or rank is ignored, not wrapped into the next rank.
    {"4k3/8/8/8/8/8/8/4K3R", "4k3/8/8/8/8/8/8/4K3"},
    {"4k3/8/8/8/8/8/8/8Q7/4K3", "4k3/8/8/8/8/8/8/8"},
    {"4k3/8/8/8/8/8/8/4K3/RNBQ", "4k3/8/8/8/8/8/8/4K3"},
    {"99999999k/8/8/8/8/8/8/4K3", "8/8/8/8/8/8/8/4K3"},
    // A pawn on the first or eighth rank is an empty square.
    {"P3k3/8/8/8/8/8/8/4K2p", "4k3/8/8/8/8/8/8/4K3"},
    {"3pk3/8/8/8/8/8/8/p3K3", "4k3/8/8/8/8/8/8/4K3"},
    {"////////////////////////////////////kK", "8/8/8/8/8/8/8/8"},
    {"rnbqkbnrrnbqkbnrrnbqkbnr", "rnbqkbnr/8/8/8/8/8/8/8"},
};

TEST(Fen, MalformedPlacementStaysOnTheBoard) {
    for (const PlacementCase& c : placement_cases) {
        const Position got = FenPosition(std::string(c.placement) + " w - - 0 1");
        const Position want = FenPosition(std::string(c.same_as) + " w - - 0 1");
        EXPECT_TRUE(SameBoard(got, want)) << c.placement;
        EXPECT_TRUE(ConsistentRecord(got)) << c.placement;
    }
}

// A very long field of any kind is read up to the terminator and no
// further.
TEST(Fen, LongGarbageTextIsReadSafely) {
    std::string text = "fen " + std::string(5000, 'K') + " " + std::string(3000, 'w') + " " + std::string(3000, 'Q');
    Position p{};
    ParseFen(p, text.c_str());
    EXPECT_TRUE(ConsistentRecord(p));
    EXPECT_EQ(p.white_piece[KING], 0xFF00000000000000u);  // the eighth rank, and nothing after it
    EXPECT_EQ(p.castling_Q, 0);                            // no king on e1
    std::string bytes = "fen ";
    for (int i = 1; i < 256; ++i) bytes += static_cast<char>(i);
    ParseFen(p, bytes.c_str());
    EXPECT_TRUE(ConsistentRecord(p));
}

}  // namespace
