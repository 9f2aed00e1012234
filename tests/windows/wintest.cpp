// End-to-end tests of the Windows engine, run under wine or on Windows.
//
//   wintest write DIR        writes each scripted scenario's input to DIR\NAME.in
//                            and the names to DIR\list.txt
//   wintest run ENGINE DIR   feeds each NAME.in to ENGINE over pipes and compares
//                            the replies and the exit code with NAME.out and
//                            NAME.code (what the Linux engine answered to the
//                            same bytes), then runs the live scenarios
//
// The expected replies come from the Linux build at test time, so the
// scenarios need no hand-written search output and stay valid as the engine
// grows. Replies are compared after turning CR LF into LF and blanking the
// "nps" figures, which depend on the clock.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine_pipe.h"

namespace {

constexpr DWORD SCRIPT_TIMEOUT_MS = 120000;
constexpr DWORD LIVE_TIMEOUT_MS = 60000;

struct Scripted {
    const char* name;
    std::string input;
    // Replies where the Windows text mode must differ from the Linux engine,
    // with LF line ends; nullptr: the Linux engine's replies.
    const char* windows_output;
    int windows_exit_code;
};

// Noise for the malformed-input case: no line of it may start a search,
// quit, resize the table or set a position, and no byte of it is Ctrl-Z,
// which ends text-mode input on Windows only.
std::string Noise() {
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        char c = static_cast<char>(state >> 24);
        if (c == 'g' || c == 'q' || c == 's' || c == 'p' || c == '\x1a') c = 'x';
        noise.push_back(c);
    }
    return noise + "\nisready\n";
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

const Scripted kScripted[] = {
    // The dispatcher.
    {"end_of_input_exits_0", "", nullptr, 0},
    {"uci_identifies", "uci\n", nullptr, 0},
    {"second_uci_answers_the_same", "uci\nuci\n", nullptr, 0},
    {"isready", "isready\n", nullptr, 0},
    {"last_line_without_line_feed", "isready", nullptr, 0},
    {"crlf_line_ends", "uci\r\nisready\r\n", nullptr, 0},
    {"empty_line_is_unknown", "\n", nullptr, 0},
    {"trailing_space_is_unknown", "uci \nisready \nquit \n", nullptr, 0},
    {"commands_are_case_sensitive", "UCI\nIsready\nQuit\n", nullptr, 0},
    {"quit_exits_1_silently", "quit\nisready\n", nullptr, 0},
    {"silent_commands", "debug on\nponderhit\nstop\ndebug \nucinewgame\n", nullptr, 0},
    {"debug_alone_is_unknown", "debug\n", nullptr, 0},
    {"position_without_space_is_unknown", "position\n", nullptr, 0},
    {"setoption_other_option_is_silent", "uci\nsetoption name Ponder value true\nisready\n", nullptr, 0},
    {"setoption_hash_resizes", "uci\nsetoption name Hash value 16\nisready\n", nullptr, 0},
    {"setoption_before_uci_is_fatal", "setoption name Hash value 16\nisready\n", nullptr, 0},
    {"unknown_then_known", "hello\nisready\n", nullptr, 0},
    {"nul_byte_ends_the_command", std::string("isready\0junk\n", 13), nullptr, 0},
    {"longest_line_is_dispatched", std::string(65535, 'x') + "\nisready\n", nullptr, 0},
    {"over_long_line_ends_the_engine", std::string(65536, 'x') + "\nisready\n", nullptr, 0},
    {"arbitrary_bytes_never_crash", Noise(), nullptr, 0},
    // Text mode: the C runtime turns the CR LF into LF before the line
    // reader drops a CR before the LF, so a stray CR there goes too.
    {"cr_before_crlf_is_dropped_by_text_mode", "isready\r\r\n", "readyok \n\n", 0},
    // Text mode: Ctrl-Z is the end of input, as in any Windows console program.
    {"ctrl_z_ends_input_in_text_mode", "isready\n\x1a\nisready\n", "readyok \n\n", 0},
    // Positions and searches.
    {"go_depth_3_after_moves", "uci\nposition startpos moves e2e4 e7e5 g1f3\ngo depth 3\nisready\n", nullptr, 0},
    {"bare_go_searches_one_ply", "uci\nposition startpos\ngo\n", nullptr, 0},
    {"any_go_prefix_starts_a_search", "uci\nposition startpos moves d2d4\ngone\n", nullptr, 0},
    {"go_before_uci", "position startpos moves d2d4 d7d5\ngo depth 2\n", nullptr, 0},
    {"promotion_is_spelt_with_its_letter", "uci\nposition fen 8/4P1k1/8/8/8/8/8/4K3 w - - 0 1\ngo depth 3\n", nullptr, 0},
    {"castling_moves_from_fen",
     "uci\nposition fen r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq - 0 1 moves e1g1 e8c8\ngo depth 3\n", nullptr, 0},
    {"mate_score", "uci\nposition fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1\ngo depth 3\n", nullptr, 0},
    {"black_to_move_and_new_game",
     "uci\nposition startpos moves e2e4\ngo depth 3\nucinewgame\nposition startpos moves e2e4\ngo depth 3\n", nullptr, 0},
    {"long_game_history", "uci\nposition startpos moves " + Repeat("g1f3 g8f6 f3g1 f6g8 ", 260) + "\ngo depth 3\n", nullptr,
     0},
    // Malformed commands: warnings or silence, never a crash.
    {"bad_move_texts", "uci\nposition startpos moves e2e5 zz99 e2\ngo depth 2\n", nullptr, 0},
    {"garbage_fen", "uci\nposition fen xyz/ppp 9 9 9\ngo depth 2\n", nullptr, 0},
    {"empty_board_fen", "uci\nposition fen 8/8/8/8/8/8/8/8 w - - 0 1\ngo depth 2\n", nullptr, 0},
    {"missing_fen", "uci\nposition fen \ngo depth 1\nposition \ngo depth 1\n", nullptr, 0},
    {"garbage_go_limits", "uci\nposition startpos\ngo depth abc\ngo depth\ngo wtime\ngo movestogo 40 winc x depth 2\n",
     nullptr, 0},
};

// --- Files --------------------------------------------------------------------

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    bytes.clear();
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
    return true;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// --- Comparison ---------------------------------------------------------------

// Turns the engine's CR LF line ends into LF; false if a line ended in a bare
// LF, which would mean standard output is not in text mode.
bool ToLfLineEnds(const std::string& raw, std::string& out) {
    out.clear();
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r')) return false;
        out.push_back(raw[i]);
    }
    return true;
}

// Replaces each " nps <number>" figure by " nps *".
std::string BlankNps(const std::string& text) {
    static const char kNps[] = " nps ";
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, sizeof kNps - 1, kNps) == 0) {
            out += " nps *";
            i += sizeof kNps - 1;
            if (i < text.size() && text[i] == '-') ++i;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

// Where two texts first differ, with a little context, bytes escaped.
std::string Difference(const std::string& want, const std::string& got) {
    size_t at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
    const auto excerpt = [at](const std::string& text) {
        std::string out;
        const size_t begin = at > 40 ? at - 40 : 0;
        for (size_t i = begin; i < text.size() && i < at + 40; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            char escaped[8];
            if (c == '\n') out += "\\n";
            else if (c == '\r') out += "\\r";
            else if (c < 32 || c >= 127) { std::snprintf(escaped, sizeof escaped, "\\x%02x", c); out += escaped; }
            else out.push_back(static_cast<char>(c));
        }
        return out;
    };
    return "first difference at byte " + std::to_string(at) + "\n    want: " + excerpt(want) +
           "\n    got:  " + excerpt(got);
}

// --- Running ------------------------------------------------------------------

struct Tally {
    int passed = 0;
    int failed = 0;
};

void Report(Tally& tally, const char* name, bool ok, const std::string& why) {
    if (ok) {
        ++tally.passed;
        std::printf("PASS %s\n", name);
    } else {
        ++tally.failed;
        std::printf("FAIL %s: %s\n", name, why.c_str());
    }
    std::fflush(stdout);
}

void RunScripted(Tally& tally, const char* engine_exe, const std::string& dir, const Scripted& scenario) {
    std::string input, want, code_text;
    if (!ReadFileBytes(dir + "\\" + scenario.name + ".in", input) ||
        !ReadFileBytes(dir + "\\" + scenario.name + ".out", want) ||
        !ReadFileBytes(dir + "\\" + scenario.name + ".code", code_text)) {
        Report(tally, scenario.name, false, "expected replies missing: run the Linux engine on the inputs first");
        return;
    }
    long want_code = std::atol(code_text.c_str());
    if (scenario.windows_output != nullptr) {
        want = scenario.windows_output;
        want_code = scenario.windows_exit_code;
    } else if (want_code >= 128) {
        Report(tally, scenario.name, false, "the Linux engine crashed on this input, exit " + code_text);
        return;
    }

    EnginePipe engine;
    if (!StartEngine(engine, engine_exe)) {
        StopEngine(engine);
        Report(tally, scenario.name, false, "cannot start the engine");
        return;
    }
    SendToEngine(engine, input);  // fails harmlessly once the engine has quit
    CloseEngineInput(engine);
    const long code = WaitForExit(engine, SCRIPT_TIMEOUT_MS);
    const std::string raw = EngineOutput(engine);
    StopEngine(engine);

    std::string got;
    if (code != want_code) {
        Report(tally, scenario.name, false, "exit code " + std::to_string(code) + ", want " + std::to_string(want_code));
    } else if (!ToLfLineEnds(raw, got)) {
        Report(tally, scenario.name, false, "a reply ends in a bare LF, not CR LF");
    } else {
        want = BlankNps(want);
        got = BlankNps(got);
        Report(tally, scenario.name, got == want, got == want ? "" : Difference(want, got));
    }
}

size_t Count(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++count;
    return count;
}

// Starts a search that only "stop" or "quit" can end and waits for its first
// report, so that what follows reaches the engine's polling, not its main loop.
bool StartInfiniteSearch(EnginePipe& engine, const char* exe, std::string& why) {
    if (!StartEngine(engine, exe)) {
        why = "cannot start the engine";
        return false;
    }
    SendToEngine(engine, "uci\nposition startpos moves e2e4\ngo infinite\n");
    if (!WaitForOutput(engine, "info  nps", LIVE_TIMEOUT_MS)) {
        why = "no search report within the time-out";
        return false;
    }
    return true;
}

// "isready" during a search is read by the polling and dropped; "stop" ends
// the search with a "bestmove"; after it, the main loop answers again.
bool StopEndsAnInfiniteSearch(const char* exe, std::string& why) {
    EnginePipe engine;
    bool ok = StartInfiniteSearch(engine, exe, why);
    if (ok) {
        SendToEngine(engine, "isready\nstop\n");
        ok = WaitForOutput(engine, "bestmove ", LIVE_TIMEOUT_MS);
        if (!ok) why = "no bestmove after stop";
    }
    size_t bestmove_at = 0;
    if (ok) {
        const std::string out = EngineOutput(engine);
        bestmove_at = out.find("bestmove ");
        ok = out.find("readyok") == std::string::npos;
        if (!ok) why = "isready was answered during the search";
    }
    if (ok) {
        SendToEngine(engine, "isready\n");
        ok = WaitForOutput(engine, "readyok \r\n\r\n", LIVE_TIMEOUT_MS, bestmove_at);
        if (!ok) why = "isready after the search got no readyok";
    }
    if (ok) {
        CloseEngineInput(engine);
        const long code = WaitForExit(engine, LIVE_TIMEOUT_MS);
        const std::string out = EngineOutput(engine);
        ok = code == 0 && Count(out, "bestmove ") == 1;
        if (!ok) why = "exit code " + std::to_string(code) + " with " + std::to_string(Count(out, "bestmove ")) +
                       " bestmove lines, want 0 and 1";
    }
    StopEngine(engine);
    return ok;
}

// "quit" during a search ends the process at once: exit code 1, no bestmove.
bool QuitDuringASearch(const char* exe, std::string& why) {
    EnginePipe engine;
    bool ok = StartInfiniteSearch(engine, exe, why);
    if (ok) {
        SendToEngine(engine, "quit\n");
        const long code = WaitForExit(engine, LIVE_TIMEOUT_MS);
        const std::string out = EngineOutput(engine);
        ok = code == 1 && out.find("bestmove") == std::string::npos;
        if (!ok) why = "exit code " + std::to_string(code) + (out.find("bestmove") != std::string::npos ? " and a bestmove" : "");
    }
    StopEngine(engine);
    return ok;
}

// A fixed time per move ends the search through the engine's clock: a clock
// that stood still would let the search run on to depth 50.
bool MoveTimeStopsByTheClock(const char* exe, std::string& why) {
    EnginePipe engine;
    bool ok = StartEngine(engine, exe);
    if (!ok) why = "cannot start the engine";
    if (ok) {
        SendToEngine(engine, "uci\nposition startpos\n");
        ok = WaitForOutput(engine, "uciok", LIVE_TIMEOUT_MS);
        if (!ok) why = "no uciok";
    }
    // Timed from the "go", not from the start of the process, which under
    // wine alone may take longer than the budget.
    const ULONGLONG start = GetTickCount64();
    if (ok) {
        SendToEngine(engine, "go movetime 300\n");
        ok = WaitForOutput(engine, "bestmove ", LIVE_TIMEOUT_MS);
        if (!ok) why = "no bestmove within the time-out";
    }
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (ok) {
        // The last iteration alone took longer than the 300 ms budget.
        ok = elapsed >= 300;
        if (!ok) why = "bestmove after " + std::to_string(elapsed) + " ms, before the budget had passed";
    }
    if (ok) {
        CloseEngineInput(engine);
        ok = WaitForExit(engine, LIVE_TIMEOUT_MS) == 0;
        if (!ok) why = "no clean exit at end of input";
    }
    StopEngine(engine);
    return ok;
}

struct Live {
    const char* name;
    bool (*run)(const char* exe, std::string& why);
};

const Live kLive[] = {
    {"stop_ends_an_infinite_search", StopEndsAnInfiniteSearch},
    {"quit_during_a_search_exits_1", QuitDuringASearch},
    {"movetime_stops_by_the_clock", MoveTimeStopsByTheClock},
};

int WriteInputs(const std::string& dir) {
    std::string list;
    for (const Scripted& scenario : kScripted) {
        if (!WriteFileBytes(dir + "\\" + scenario.name + ".in", scenario.input)) {
            std::fprintf(stderr, "cannot write %s\\%s.in\n", dir.c_str(), scenario.name);
            return 2;
        }
        list += std::string(scenario.name) + "\n";
    }
    return WriteFileBytes(dir + "\\list.txt", list) ? 0 : 2;
}

int RunAll(const char* engine_exe, const std::string& dir) {
    Tally tally;
    for (const Scripted& scenario : kScripted) RunScripted(tally, engine_exe, dir, scenario);
    for (const Live& live : kLive) {
        std::string why;
        const bool ok = live.run(engine_exe, why);
        Report(tally, live.name, ok, why);
    }
    std::printf("%d passed, %d failed\n", tally.passed, tally.failed);
    return tally.failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "write") == 0) return WriteInputs(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "run") == 0) return RunAll(argv[2], argv[3]);
    std::fprintf(stderr, "usage: wintest write DIR | wintest run ENGINE.exe DIR\n");
    return 2;
}
