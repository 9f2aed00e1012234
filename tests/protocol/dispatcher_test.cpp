// End-to-end: the real engine binary over pipes, exact bytes and exit codes.
#include <gtest/gtest.h>

#include <string>

#include "support/engine_process.h"
#include "support/protocol_case.h"

namespace {

const ProtocolCase kCases[] = {
    {"end_of_input_exits_0", "", "", 0},
    {"uci_identifies", "uci\n", kUciReply, 0},
    {"second_uci_answers_the_same", "uci\nuci\n", kUciReply + kUciReply, 0},
    {"isready", "isready\n", kReady, 0},
    {"last_line_without_line_feed_is_dispatched", "isready", kReady, 0},
    {"crlf_line_ends", "uci\r\nisready\r\n", kUciReply + kReady, 0},
    {"lone_cr_is_part_of_the_line", "isready\r\r\n", kUnknown, 0},
    {"empty_line_is_unknown", "\n", kUnknown, 0},
    {"trailing_space_is_unknown", "uci \nisready \nquit \n", kUnknown + kUnknown + kUnknown, 0},
    {"commands_are_case_sensitive", "UCI\nIsready\nQuit\n", kUnknown + kUnknown + kUnknown, 0},
    {"quit_exits_1_silently", "quit\nisready\n", "", 1},
    {"silent_commands", "debug on\nponderhit\nstop\ndebug \n", "", 0},
    {"debug_alone_is_unknown", "debug\n", kUnknown, 0},
    {"position_without_space_is_unknown", "position\n", kUnknown, 0},
    {"setoption_other_option_is_silent", "setoption name Ponder value true\n", "", 0},
    {"unknown_then_known", "hello\nisready\n", kUnknown + kReady, 0},
    {"nul_byte_ends_the_command", std::string("isready\0junk\n", 13), kReady, 0},
    {"longest_line_is_dispatched", std::string(65535, 'x') + "\nisready\n", kUnknown + kReady, 0},
    {"over_long_line_ends_the_engine", std::string(65536, 'x') + "\nisready\n", "", 0},
};

TEST_P(ProtocolTest, RepliesByteForByte) {
    const ProtocolCase& c = GetParam();
    const EngineRun run = RunEngine(c.input);
    EXPECT_EQ(run.output, c.output);
    EXPECT_EQ(run.exit_code, c.exit_code);
}

INSTANTIATE_TEST_SUITE_P(Dispatcher, ProtocolTest, ::testing::ValuesIn(kCases), ProtocolCaseName);

TEST(DispatcherBinaryInput, ArbitraryBytesNeverCrash) {
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        noise.push_back(static_cast<char>(state >> 24));
    }
    // No line of the noise may start a search or quit; keep it to dispatcher
    // paths that answer or stay silent.
    for (size_t i = 0; i < noise.size(); ++i) {
        if (noise[i] == 'g' || noise[i] == 'q' || noise[i] == 's' || noise[i] == 'p') noise[i] = 'x';
    }
    const EngineRun run = RunEngine(noise + "\nisready\n");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.output.find(kReady), std::string::npos);
}

}  // namespace
