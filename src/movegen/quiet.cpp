#include "movegen/quiet.h"

#include <algorithm>

#include "movegen/geometry.h"
#include "movegen/side_rules.h"

namespace {

// Quiet moves carry no key: nothing orders them by key, and the entries
// keep whatever the list held before.
inline void Emit(MoveList& list, uint8_t& n, Move move) { list.moves[n++] = move; }

inline void EmitQuietTo(MoveList& list, uint8_t& n, Bitboard targets, uint8_t from, uint8_t piece) {
    ForEachSquare(targets, [&](uint8_t to) { Emit(list, n, BuildMove(NO_PIECE, MOVE_QUIET, from, to, piece)); });
}

// Castling is the one move checked in full here: the right is trusted (no
// look at the king's or rook's square), the path must be empty, and the
// king's squares are tested one by one, stopping at the first attacked.
template <Colour C>
inline void Castle(MoveList& list, uint8_t& n, const Position& p, uint8_t king, const CastleMove& castle, uint8_t type) {
    if (!(p.*castle.right) || (p.all_piece & castle.must_be_empty)) return;
    for (uint8_t s : castle.tested) {
        if (CastleSquareAttacked<C>(p, s)) return;
    }
    Emit(list, n, BuildMove(NO_PIECE, type, king, castle.king_to, KING));
}

// Along each ray the empty squares come lowest first, so on a falling ray
// the farthest square is written first.
template <Direction... Ds>
inline void SliderQuiet(Directions<Ds...>, MoveList& list, uint8_t& n, const Position& p, Bitboard pieces, uint8_t piece) {
    ForEachSquare(pieces, [&](uint8_t from) { (EmitQuietTo(list, n, EmptyAlongRay<Ds>(from, p.all_piece), from, piece), ...); });
}

template <Colour C>
inline void PawnSteps(MoveList& list, uint8_t& n, const Position& p, uint8_t from) {
    using Rules = PawnRules<C>;
    // Steps onto the last rank are promotions, written by the capture generator.
    if (RankOf(from) == Rules::promotion_rank) return;
    const uint8_t single = static_cast<uint8_t>(from + Rules::forward);
    if (bit_mask[single] & p.all_piece) return;
    const Move single_step = BuildMove(NO_PIECE, MOVE_QUIET, from, single, PAWN);
    const uint8_t twice = static_cast<uint8_t>(single + Rules::forward);
    const bool double_step = RankOf(from) == Rules::start_rank && !(bit_mask[twice] & p.all_piece);
    if (!Rules::double_step_first) Emit(list, n, single_step);
    if (double_step) Emit(list, n, BuildMove(NO_PIECE, MOVE_QUIET, from, twice, PAWN));
    if (Rules::double_step_first) Emit(list, n, single_step);
}

// The steps of C's king on `king` and its castlings.
template <Colour C>
inline void KingQuiet(MoveList& list, uint8_t& n, const Position& p, uint8_t king) {
    EmitQuietTo(list, n, king_attacks[king] & ~p.all_piece, king, KING);
    Castle<C>(list, n, p, king, CastleRules<C>::queen_side, MOVE_CASTLE_QUEEN);
    Castle<C>(list, n, p, king, CastleRules<C>::king_side, MOVE_CASTLE_KING);
}

inline void KnightQuiet(MoveList& list, uint8_t& n, const Position& p, Bitboard knights) {
    ForEachSquare(knights, [&](uint8_t from) { EmitQuietTo(list, n, knight_attacks[from] & ~p.all_piece, from, KNIGHT); });
}

}  // namespace

template <Colour C>
void GenerateQuiet(MoveList& list, const Position& p) {
    const Bitboard* own = Pieces<C>(p);
    uint8_t n = list.move_count;
    if (own[KING]) KingQuiet<C>(list, n, p, LowestSquare(own[KING]));
    SliderQuiet(QueenDirections{}, list, n, p, own[QUEEN], QUEEN);
    SliderQuiet(RookDirections{}, list, n, p, own[ROOK], ROOK);
    SliderQuiet(BishopDirections{}, list, n, p, own[BISHOP], BISHOP);
    KnightQuiet(list, n, p, own[KNIGHT]);
    ForEachSquare(own[PAWN], [&](uint8_t from) { PawnSteps<C>(list, n, p, from); });
    list.move_count = n;
}

// Every quiet move leaves from the square of the piece that generated it,
// so running the generator for that one piece finds the move if
// GenerateQuiet would write it.
template <Colour C>
bool GeneratesQuiet(const Position& p, Move move) {
    const uint8_t from = MoveFrom(move);
    const Bitboard* own = Pieces<C>(p);
    MoveList scratch;
    uint8_t n = 0;
    switch (Names<C>(p)[from]) {
        case KING:
            if (from == LowestSquare(own[KING])) KingQuiet<C>(scratch, n, p, from);
            break;
        case QUEEN: SliderQuiet(QueenDirections{}, scratch, n, p, bit_mask[from], QUEEN); break;
        case ROOK: SliderQuiet(RookDirections{}, scratch, n, p, bit_mask[from], ROOK); break;
        case BISHOP: SliderQuiet(BishopDirections{}, scratch, n, p, bit_mask[from], BISHOP); break;
        case KNIGHT: KnightQuiet(scratch, n, p, bit_mask[from]); break;
        case PAWN: PawnSteps<C>(scratch, n, p, from); break;
        default: break;
    }
    return std::find(scratch.moves, scratch.moves + n, move) != scratch.moves + n;
}

// Only ever asked about the king's squares on C's home rank, which the
// opponent reaches only from the directions pointing away from that rank.
// No file guard on the pawn squares: from c1..g1 (c8..g8) both stay on the
// neighbouring rank.
template <Colour C>
uint8_t CastleSquareAttacked(const Position& p, uint8_t s) {
    constexpr Colour Them = Opponent<C>;
    using Rules = CastleRules<C>;
    const uint8_t* theirs = Names<Them>(p);
    if (const uint8_t code = FirstSliderOn<Them>(typename Rules::rook_rays{}, p, s, ROOK, QUEEN)) return code;
    if (const uint8_t code = FirstSliderOn<Them>(typename Rules::bishop_rays{}, p, s, BISHOP, QUEEN)) return code;
    if (knight_attacks[s] & Pieces<Them>(p)[KNIGHT]) return KNIGHT;
    if (king_attacks[s] & Pieces<Them>(p)[KING]) return KING;
    for (int8_t offset : Rules::pawn_offsets) {
        if (theirs[s + offset] == PAWN) return PAWN;
    }
    return 0;
}

template void GenerateQuiet<White>(MoveList&, const Position&);
template void GenerateQuiet<Black>(MoveList&, const Position&);
template bool GeneratesQuiet<White>(const Position&, Move);
template bool GeneratesQuiet<Black>(const Position&, Move);
template uint8_t CastleSquareAttacked<White>(const Position&, uint8_t);
template uint8_t CastleSquareAttacked<Black>(const Position&, uint8_t);
