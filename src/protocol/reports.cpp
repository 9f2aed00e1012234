#include "protocol/reports.h"

#include <cinttypes>
#include <cstdio>

#include "search/search_state.h"

namespace {

char PromotionLetter(uint8_t type) {
    switch (type) {
        case MOVE_PROMOTE_KNIGHT: case MOVE_CAPTURE_PROMOTE_KNIGHT: return 'n';
        case MOVE_PROMOTE_BISHOP: case MOVE_CAPTURE_PROMOTE_BISHOP: return 'b';
        case MOVE_PROMOTE_ROOK: case MOVE_CAPTURE_PROMOTE_ROOK: return 'r';
        case MOVE_PROMOTE_QUEEN: case MOVE_CAPTURE_PROMOTE_QUEEN: return 'q';
        default: return '\0';
    }
}

}  // namespace

int SquareText(uint8_t s, char* out) {
    out[0] = static_cast<char>('a' + s % 8);
    out[1] = static_cast<char>('1' + s / 8);
    out[2] = '\0';
    return 2;
}

int MoveText(Move move, bool with_promotion, char* out) {
    int n = SquareText(MoveFrom(move), out);
    n += SquareText(MoveTo(move), out + n);
    const char letter = with_promotion ? PromotionLetter(MoveType(move)) : '\0';
    if (letter != '\0') out[n++] = letter;
    out[n] = '\0';
    return n;
}

void InfoLine(double nodes_per_second, uint8_t depth, uint8_t pv_length, ScoreKind kind, int32_t centipawns,
              uint64_t nodes, const PvLine& line) {
    // Two spaces after "info" and a space after every move are part of the
    // line's shape.
    std::printf("info  nps %" PRIu64 " depth %u seldepth %u", static_cast<uint64_t>(nodes_per_second), depth,
                pv_length);
    if (kind == ScoreKind::MateFor) std::printf(" score mate %d", pv_length);
    else if (kind == ScoreKind::MateAgainst) std::printf(" score mate %d", -static_cast<int>(pv_length));
    else std::printf(" score cp %d", centipawns);
    std::printf(" nodes %" PRIu64 " pv ", nodes);
    char text[8];
    for (int i = 0; i < line.pv_length; ++i) {
        MoveText(line.pv_moves[i], true, text);
        std::printf("%s ", text);
    }
    std::fputs("\n", stdout);
}

void CurrMoveLine(const MoveList& list, uint8_t move_number, uint8_t index, uint8_t depth) {
    char text[8];
    MoveText(list.moves[index], false, text);
    std::printf("info currmove %s currmovenumber %u depth %u\n", text, move_number, depth);
    std::fflush(stdout);
}

void BestMoveLine() {
    char from[3], to[3];
    SquareText(best_from, from);
    SquareText(best_to, to);
    const char letter = PromotionLetter(MoveType(pv.pv_moves[0]));
    if (letter != '\0') std::printf("bestmove %s%s%c\n", from, to, letter);
    else std::printf("bestmove %s%s\n", from, to);
}
