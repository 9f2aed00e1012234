// libFuzzer target: arbitrary bytes, cut into lines, go through the real
// command dispatcher. Searches are bounded to one or two plies, and the
// lines that would end the process ("quit", an over-long line) or take
// the machine's memory (a huge Hash value) are kept out, so the fuzzer can
// go on.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "board/types.h"
#include "protocol/dispatcher.h"

namespace {

Position position;

// Rewrites one input line into what the harness lets the engine see; an
// empty result means the line is skipped.
std::string Admit(const std::string& raw, uint8_t salt) {
    if (raw.size() >= LINE_BUFFER_SIZE - 1) return "";
    // The dispatcher reads the line as a C string: it ends at the first NUL.
    const std::string line = raw.substr(0, raw.find('\0'));
    if (line == "quit") return "";
    if (line.compare(0, 2, "go") == 0) return salt & 1 ? "go depth 2" : "go depth 1";
    if (line.compare(0, 10, "setoption ") == 0) {
        const size_t at = line.find("Hash value ");
        if (at != std::string::npos) {
            const unsigned megabytes = static_cast<uint16_t>(std::atoi(line.c_str() + at + 11));
            if (megabytes > 8) return "setoption name Hash value " + std::to_string(megabytes % 8 + 1);
        }
    }
    return raw;
}

void Run(const std::string& line) {
    std::memcpy(command_line, line.data(), line.size());
    command_line[line.size()] = '\0';
    Dispatch(position);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Reports go nowhere, and the search's input polling sees an empty
    // input rather than the fuzzer's terminal.
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    if (!std::freopen("/dev/null", "r", stdin)) return 0;
    Run("uci");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string line;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::string admitted = Admit(line, static_cast<uint8_t>(i));
            if (!admitted.empty() || line.empty()) Run(admitted);
            line.clear();
        } else {
            line.push_back(static_cast<char>(data[i]));
        }
    }
    return 0;
}
