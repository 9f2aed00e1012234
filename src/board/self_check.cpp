#include "board/self_check.h"

#include <cstdio>

namespace {

// One line per differing field; "test" is the copy, "bitboard" the live
// record.
template <typename T>
void Compare(const T& test, const T& live, const char* message) {
    if (test != live) std::printf("%s\n", message);
}

// Per-entry messages carry the index of the differing entry in decimal.
template <typename T>
void CompareEntry(const T& test, const T& live, const char* message, int index) {
    if (test != live) std::printf("%s%d\n", message, index);
}

}  // namespace

void CopyPosition(Position& copy, const Position& position) { copy = position; }

void TestPosition(const Position& test, const Position& live) {
    Compare(test.all_piece, live.all_piece, "white test_all_piece != bitboard->all_piece");
    Compare(test.all_white_piece, live.all_white_piece, "white test_all_white_piece != bitboard->all_white_piece");
    Compare(test.all_black_piece, live.all_black_piece, "white test_all_black_piece != bitboard->all_black_piece");
    Compare(test.colour_move, live.colour_move, "white test_colour_move != bitboard->colour_move");
    Compare(test.taking_passage_yes, live.taking_passage_yes,
            "white test_taking_passage_yes != bitboard->taking_passage_yes");
    Compare(test.taking_passage_x, live.taking_passage_x, "white test_taking_passage_x != bitboard->taking_passage_x");
    Compare(test.taking_passage_y, live.taking_passage_y, "white test_taking_passage_y != bitboard->taking_passage_y");
    Compare(test.castling_Q, live.castling_Q, "white test_castling_Q != bitboard->castling_Q");
    Compare(test.castling_K, live.castling_K, "white test_castling_K != bitboard->castling_K");
    Compare(test.castling_q, live.castling_q, "white test_castling_q != bitboard->castling_q");
    Compare(test.castling_k, live.castling_k, "white test_castling_k != bitboard->castling_k");
    Compare(test.hash_key, live.hash_key, "white test_hash_key !=  bitboard->hash_key");
    Compare(test.eval, live.eval, "white test_eval != bitboard->eval");
    for (int n = 0; n < 7; ++n) {
        CompareEntry(test.white_piece[n], live.white_piece[n], "white test_white_piece[n] = bitboard->white_piece[n]", n);
        CompareEntry(test.black_piece[n], live.black_piece[n], "white test_black_piece[n] = bitboard->black_piece[n]", n);
    }
    for (int k = 0; k < 64; ++k) {
        CompareEntry(test.white_name_from_coord[k], live.white_name_from_coord[k],
                     "white test_white_name_from_coord[k] = bitboard->white_name_from_coord[k]", k);
        CompareEntry(test.black_name_from_coord[k], live.black_name_from_coord[k],
                     "white test_black_name_from_coord[k] = bitboard->black_name_from_coord[k]", k);
    }
}
