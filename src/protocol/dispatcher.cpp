#include "protocol/dispatcher.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "board/position_command.h"
#include "board/zobrist.h"
#include "platform/platform.h"
#include "protocol/go_command.h"
#include "search/hash_table.h"

char command_line[LINE_BUFFER_SIZE];

namespace {

bool Equals(const char* line, const char* word) { return std::strcmp(line, word) == 0; }
bool BeginsWith(const char* line, const char* prefix) { return std::strncmp(line, prefix, std::strlen(prefix)) == 0; }

void UciCommand() {
    std::fputs("id name Morvane_j3_0_Beta_25_4_2010\n", stdout);
    std::fputs("id author Velkarin\n", stdout);
    std::fputs("option name Hash type spin default 1 min 1 max 1024\n", stdout);
    InitZobrist();
    HashAllocate();
    HashClear();
    hash_age = 0;
    std::fputs("uciok \n", stdout);
}

// Only the Hash option exists; any other option, or a Hash line without
// "Hash value ", is dropped silently.
void SetOptionCommand(const char* line) {
    const char* value = std::strstr(line, "Hash value ");
    if (value == nullptr) return;
    const uint16_t megabytes = static_cast<uint16_t>(std::atoi(value + std::strlen("Hash value ")));
    if (megabytes == 0) return;
    HashResize(megabytes);
    HashClear();
}

void NewGameCommand() {
    hash_age = 0;
    if (hash_table != nullptr) HashClear();
}

}  // namespace

void Dispatch(Position& position) {
    const char* line = command_line;
    if (Equals(line, "uci")) {
        UciCommand();
    } else if (BeginsWith(line, "setoption ")) {
        SetOptionCommand(line);
    } else if (Equals(line, "isready")) {
        std::fputs("readyok \n\n", stdout);
    } else if (BeginsWith(line, "position ")) {
        PositionCommand(position);
    } else if (BeginsWith(line, "go")) {
        GoCommand(position);
    } else if (Equals(line, "quit")) {
        HashRelease();
        std::exit(1);
    } else if (Equals(line, "ucinewgame")) {
        NewGameCommand();
    } else if (BeginsWith(line, "debug ") || Equals(line, "ponderhit") || Equals(line, "stop")) {
        // Accepted and ignored: no search is running here.
    } else {
        std::fputs("WARNING ! Unknown command\n", stdout);
    }
}

int RunMainLoop() {
    static Position position;  // the engine's one position record, all zero at start
    InitStreams();
    while (ReadLine(command_line)) Dispatch(position);
    return 0;
}
