#include "board/move_text.h"

#include <cstdio>
#include <cstring>

#include "board/position_command.h"
#include "board/zobrist.h"
#include "makemove/make_move.h"
#include "movegen/all_moves.h"

namespace {

constexpr size_t MOVE_TEXT_LENGTH = 4;

void MovesError() { std::fputs("WARNING ! moves error\n", stdout); }

// The square named by two characters, or -1. A bad letter must name no
// square at all: folding it into a number could alias a real square
// ("i2" would otherwise read as h1).
int SquareOfText(const char* t) {
    const bool file_ok = t[0] >= 'a' && t[0] <= 'h';
    const bool rank_ok = t[1] >= '1' && t[1] <= '8';
    if (!file_ok || !rank_ok) return -1;
    return (t[1] - '1') * 8 + (t[0] - 'a');
}

// How far past the first from/to match a promotion letter points: the
// capture generator writes a pair's promotions as queen, rook, bishop,
// knight. -1 for a letter that names no promotion.
int PromotionOffset(char letter) {
    switch (letter) {
        case '\0': case 'q': return 0;
        case 'r': return 1;
        case 'b': return 2;
        case 'n': return 3;
        default: return -1;
    }
}

bool SameSquares(Move m, int from, int to) { return MoveFrom(m) == from && MoveTo(m) == to; }

// Plays the move of colour C from `from` to `to` selected by `offset`, if
// the generated list holds it; the move stays on the board unchecked.
template <Colour C>
bool PlayMatch(Position& position, int from, int to, int offset) {
    MoveList list;
    GenerateAll<C>(list, position);

    int match = 0;
    while (match < list.move_count && !SameSquares(list.moves[match], from, to)) ++match;
    if (match == list.move_count) return false;
    // The letter must land on one of the same pair's promotions, never on an
    // unrelated move or beyond the list.
    const int chosen = match + offset;
    if (chosen >= list.move_count || !SameSquares(list.moves[chosen], from, to)) return false;

    UndoRecord undo;
    MakeMove<C>(position, list, static_cast<uint8_t>(chosen), undo);
    return true;
}

}  // namespace

void ApplyMoveText(Position& position, const char* text) {
    if (strnlen(text, MOVE_TEXT_LENGTH) < MOVE_TEXT_LENGTH) return MovesError();
    const int from = SquareOfText(text), to = SquareOfText(text + 2);
    // A space ends the text as the terminator does.
    const int offset = PromotionOffset(text[4] == ' ' ? '\0' : text[4]);
    if (from < 0 || to < 0 || offset < 0) return MovesError();

    const bool played = position.colour_move == 1 ? PlayMatch<White>(position, from, to, offset)
                                                  : PlayMatch<Black>(position, from, to, offset);
    if (!played) MovesError();
}

void ApplyMoveTexts(Position& position, const char* text) {
    uint16_t count = 0;
    const char* c = text;
    while (*c != '\0') {
        // A cut-off last text is not a move; reading it as four characters
        // would run past the end of the line.
        if (strnlen(c, MOVE_TEXT_LENGTH) < MOVE_TEXT_LENGTH) return MovesError();
        char move[MOVE_TEXT_LENGTH + 2] = {c[0], c[1], c[2], c[3], '\0', '\0'};
        c += MOVE_TEXT_LENGTH;
        if (*c != '\0' && *c != ' ') move[MOVE_TEXT_LENGTH] = *c++;

        ApplyMoveText(position, move);
        // From scratch after every text, played or not: a failed text still
        // takes a history entry with the unchanged position's key.
        ComputeHashKey(position);
        // The history holds the 999 positions after the FEN's; later texts
        // are still played, but the count and the history stop there.
        if (count < GAME_HISTORY_SIZE - 1) {
            ++count;
            game_history[count] = position.hash_key;
            game_length = count;
        }
        while (*c == ' ') ++c;
    }
}
