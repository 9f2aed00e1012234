// End-to-end: the Hash option and the table's life over pipes, exact bytes
// and exit codes, including the two fatal messages.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/engine_process.h"
#include "support/protocol_case.h"

namespace {

// The fatal messages in Windows-1251 bytes, each with its trailing space.
const std::string kNothingToRelease = "\xEE\xF1\xE2\xEE\xE1\xEE\xE6\xE4\xE0\xF2\xFC\x20\xED\xE5\xF7\xE5\xE3\xEE\x20\n";
const std::string kNoMemory = "\xEF\xE0\xEC\xFF\xF2\xE8\x20\xED\xE5\xF2\x20\n";

const ProtocolCase kCases[] = {
    {"resize_before_uci_is_fatal", "setoption name Hash value 16\nisready\n", kNothingToRelease, 1},
    {"value_read_like_atoi_before_uci", "setoption name Hash value   +8xyz\nisready\n", kNothingToRelease, 1},
    {"zero_before_uci_is_ignored", "setoption name Hash value 0\nisready\n", kReady, 0},
    {"65536_before_uci_is_ignored", "setoption name Hash value 65536\nisready\n", kReady, 0},
    {"minus_65536_before_uci_is_ignored", "setoption name Hash value -65536\nisready\n", kReady, 0},
    {"no_digits_before_uci_is_ignored", "setoption name Hash value x16\nisready\n", kReady, 0},
    {"malformed_hash_lines_are_ignored",
     "setoption name Hash value\nsetoption name hash value 16\nsetoption name Hash  value 16\nisready\n", kReady, 0},
    {"ucinewgame_before_uci_is_silent", "ucinewgame\nisready\nucinewgame\nuci\n", kReady + kUciReply, 0},
    {"resize_after_uci_is_silent", "uci\nsetoption name Hash value 16\nucinewgame\nisready\n", kUciReply + kReady, 0},
    {"zero_and_65536_after_uci_are_ignored", "uci\nsetoption name Hash value 0\nsetoption name Hash value 65536\nisready\n",
     kUciReply + kReady, 0},
    // Each of the first two asks for the largest table (805 MB, cleared page
    // by page), so the case keeps to two of them.
    {"huge_and_negative_values_are_clamped",
     "uci\nsetoption name Hash value 99999999999\nsetoption name Hash value -70000\n"
     "setoption name Hash value 2147483648\nsetoption name Hash value 65537\nisready\n",
     kUciReply + kReady, 0},
    {"quit_after_uci_exits_1", "uci\nquit\nisready\n", kUciReply, 1},
    {"quit_after_resize_exits_1", "uci\nsetoption name Hash value 4\nucinewgame\nquit\n", kUciReply, 1},
    {"quit_before_uci_exits_1", "quit\n", "", 1},
};

INSTANTIATE_TEST_SUITE_P(HashOption, ProtocolTest, ::testing::ValuesIn(kCases), ProtocolCaseName);

TEST(HashOptionSearch, SearchesWithAResizedTableAndAfterANewGame) {
    const EngineRun run = RunEngine(
        "uci\nsetoption name Hash value 2\nposition startpos\ngo depth 3\n"
        "ucinewgame\nposition startpos moves e2e4\ngo depth 3\nsetoption name Hash value 3\ngo depth 2\n");
    EXPECT_EQ(run.exit_code, 0);
    size_t count = 0;
    for (size_t at = run.output.find("bestmove "); at != std::string::npos; at = run.output.find("bestmove ", at + 1))
        ++count;
    EXPECT_EQ(count, 3u) << run.output;
}

// The engine under an address-space limit too small for a 1024 MB table:
// the resize fails and reports it.
TEST(HashOptionMemory, FailedAllocationWritesTheMessageAndExits1) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer runtime needs more address space than the limit leaves";
#endif
    char dir[] = "/tmp/morvane_hash_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string wrapper = std::string(dir) + "/engine";
    FILE* f = std::fopen(wrapper.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fprintf(f, "#!/bin/sh\nulimit -v 300000\nexec '%s'\n", MORVANE_BINARY);
    std::fclose(f);
    chmod(wrapper.c_str(), 0700);

    const EngineRun run = RunEngine("uci\nsetoption name Hash value 64\nsetoption name Hash value 1024\nisready\n", 20000,
                                    wrapper.c_str());
    EXPECT_EQ(run.output, kUciReply + kNoMemory);
    EXPECT_EQ(run.exit_code, 1);
    unlink(wrapper.c_str());
    rmdir(dir);
}

}  // namespace
