#include "protocol/go_command.h"

#include <cstdlib>
#include <cstring>

#include "protocol/dispatcher.h"
#include "search/deepening.h"
#include "search/hash_table.h"

namespace {

char go_line[LINE_BUFFER_SIZE];  // the words are cut in a copy; command_line stays intact

// Cuts the copy into words separated by runs of spaces, as strtok does.
char* NextWord(char*& cursor) {
    while (*cursor == ' ') ++cursor;
    if (*cursor == '\0') return nullptr;
    char* word = cursor;
    while (*cursor != ' ' && *cursor != '\0') ++cursor;
    if (*cursor == ' ') *cursor++ = '\0';
    return word;
}

bool Is(const char* word, const char* keyword) { return std::strcmp(word, keyword) == 0; }

}  // namespace

// A keyword whose value is missing at the end of the line leaves its limit
// absent.
SearchLimits ParseGoLimits(char* cursor) {
    SearchLimits limits;
    NextWord(cursor);  // the command word itself
    while (char* word = NextWord(cursor)) {
        if (Is(word, "infinite")) {
            limits.infinite = true;
            continue;
        }
        const bool takes_value = Is(word, "depth") || Is(word, "wtime") || Is(word, "btime") || Is(word, "winc") ||
                                 Is(word, "binc") || Is(word, "movestogo") || Is(word, "movetime");
        if (!takes_value) continue;  // unknown words are skipped one at a time
        const char* value = NextWord(cursor);
        if (value == nullptr) break;
        const int number = std::atoi(value);
        if (Is(word, "depth")) limits.depth = static_cast<uint8_t>(number);
        if (Is(word, "wtime")) limits.white_clock = number / 1000.0;
        if (Is(word, "btime")) limits.black_clock = number / 1000.0;
        if (Is(word, "movetime")) limits.move_time = number / 1000.0;
        // winc, binc and movestogo: the value is consumed and not used.
    }
    return limits;
}

namespace {

// Generations run 1..251 and start again at 1.
void AdvanceHashAge() {
    if (hash_age > 250) hash_age = 0;
    ++hash_age;
}

}  // namespace

void GoCommand(Position& position) {
    std::memcpy(go_line, command_line, sizeof go_line);
    const SearchLimits limits = ParseGoLimits(go_line);
    AdvanceHashAge();
    HashEnsure();  // a "go" before "uci" still searches with a table
    Deepening(position, limits);
}
