#include "movegen/captures.h"

#include "movegen/geometry.h"
#include "movegen/side_rules.h"

namespace {

// Writes one entry and its key. The counter is 8 bits wide like the
// list's counts, so an index never leaves the arrays.
inline void Emit(MoveList& list, uint8_t& n, Move move, int32_t key) {
    list.moves[n] = move;
    list.keys[n] = key;
    ++n;
}

// A promotion run for one from/to pair: queen, rook, bishop, knight. The
// move-text reader relies on the queen standing first. The key equals the
// type, so capturing promotions (types 22-25) sort above plain ones.
inline void EmitPromotions(MoveList& list, uint8_t& n, uint8_t from, uint8_t to, uint8_t captured, uint8_t queen_type) {
    for (uint8_t type = queen_type; type > queen_type - 4; --type) Emit(list, n, BuildMove(captured, type, from, to, PAWN), type);
}

// Most valuable victim first, then least valuable attacker.
inline void EmitCapture(MoveList& list, uint8_t& n, uint8_t from, uint8_t to, uint8_t captured, uint8_t piece) {
    Emit(list, n, BuildMove(captured, MOVE_CAPTURE, from, to, piece), 10 * captured - piece);
}

template <Colour C>
void PawnCaptures(MoveList& list, uint8_t& n, const Position& p, uint8_t from) {
    using Rules = PawnRules<C>;
    const uint8_t* victims = Names<Opponent<C>>(p);
    const Bitboard targets = Rules::attacks[from] & Occupancy<Opponent<C>>(p);
    if (RankOf(from) == Rules::promotion_rank) {
        const uint8_t ahead = static_cast<uint8_t>(from + Rules::forward);
        if (!(bit_mask[ahead] & p.all_piece)) EmitPromotions(list, n, from, ahead, NO_PIECE, MOVE_PROMOTE_QUEEN);
        ForEachSquare(targets, [&](uint8_t to) { EmitPromotions(list, n, from, to, victims[to], MOVE_CAPTURE_PROMOTE_QUEEN); });
    } else {
        ForEachSquare(targets, [&](uint8_t to) { EmitCapture(list, n, from, to, victims[to], PAWN); });
    }
    if (p.taking_passage_yes && RankOf(from) == Rules::en_passant_rank) {
        const uint8_t to = static_cast<uint8_t>(p.taking_passage_y * 8 + p.taking_passage_x);
        for (const DiagonalStep& test : Rules::en_passant_tests) {
            if (to == from + test.offset && FileOf(from) != test.excluded_file) {
                // The victim stands behind the target square, beside the pawn.
                Emit(list, n, BuildMove(victims[to - Rules::forward], MOVE_EN_PASSANT, from, to, PAWN), MOVE_EN_PASSANT);
            }
        }
    }
}

// The pawns that have something to generate: a capture, a promotion, or
// an en-passant capture. The others are skipped without a look at their
// squares; the order of the rest is unchanged.
template <Colour C>
inline Bitboard PawnsWithCaptures(const Position& p, Bitboard pawns) {
    using Rules = PawnRules<C>;
    const Bitboard theirs = Occupancy<Opponent<C>>(p);
    // Pawns standing one diagonal step behind an enemy piece (a superset:
    // steps round the board's edge are sorted out by the attack table).
    Bitboard attackers;
    if constexpr (Rules::forward > 0) attackers = (theirs >> 7) | (theirs >> 9);
    else attackers = (theirs << 7) | (theirs << 9);
    Bitboard wanted = attackers | (pawns & (Bitboard{0xFF} << (8 * Rules::promotion_rank)));
    if (p.taking_passage_yes) wanted |= Bitboard{0xFF} << (8 * Rules::en_passant_rank);
    return pawns & wanted;
}

// A slider captures only its nearest blocker on each ray, and only when
// that blocker is the opponent's; a ray without any enemy piece on it is
// passed over before the bit scan.
template <Colour C, Direction D>
inline void SliderCapture(MoveList& list, uint8_t& n, const Position& p, uint8_t from, uint8_t piece) {
    if (!(RayTable<D>()[from] & Occupancy<Opponent<C>>(p))) return;
    const int to = NearestBlocker<D>(from, p.all_piece);
    if (to >= 0 && (bit_mask[to] & Occupancy<Opponent<C>>(p))) EmitCapture(list, n, from, to, Names<Opponent<C>>(p)[to], piece);
}

// A slider with no enemy piece anywhere on its rays has nothing to take;
// one AND finds that out before any ray is walked.
template <Colour C, Direction... Ds>
inline void SliderCaptures(Directions<Ds...>, MoveList& list, uint8_t& n, const Position& p, uint8_t piece) {
    const Bitboard theirs = Occupancy<Opponent<C>>(p);
    ForEachSquare(Pieces<C>(p)[piece], [&](uint8_t from) {
        if (lines_of<Directions<Ds...>>[from] & theirs) (SliderCapture<C, Ds>(list, n, p, from, piece), ...);
    });
}

template <Colour C>
inline void LeaperCaptures(const SquareTable& attacks, Bitboard pieces, MoveList& list, uint8_t& n, const Position& p, uint8_t piece) {
    const Bitboard theirs = Occupancy<Opponent<C>>(p);
    const uint8_t* victims = Names<Opponent<C>>(p);
    ForEachSquare(pieces, [&](uint8_t from) {
        ForEachSquare(attacks[from] & theirs, [&](uint8_t to) { EmitCapture(list, n, from, to, victims[to], piece); });
    });
}

}  // namespace

template <Colour C>
void GenerateCaptures(MoveList& list, const Position& p) {
    const Bitboard* own = Pieces<C>(p);
    uint8_t n = 0;
    ForEachSquare(PawnsWithCaptures<C>(p, own[PAWN]), [&](uint8_t from) { PawnCaptures<C>(list, n, p, from); });
    LeaperCaptures<C>(knight_attacks, own[KNIGHT], list, n, p, KNIGHT);
    SliderCaptures<C>(BishopDirections{}, list, n, p, BISHOP);
    SliderCaptures<C>(RookDirections{}, list, n, p, ROOK);
    SliderCaptures<C>(QueenDirections{}, list, n, p, QUEEN);
    // Only the lowest king counts; a side without one simply has no king moves.
    if (own[KING]) LeaperCaptures<C>(king_attacks, bit_mask[LowestSquare(own[KING])], list, n, p, KING);
    list.capture_count = list.move_count = n;
}

template void GenerateCaptures<White>(MoveList&, const Position&);
template void GenerateCaptures<Black>(MoveList&, const Position&);
