// The input test and the horizon gate, with a real pipe standing in for
// standard input of the test process.
#include "protocol/polling.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "eval/evaluate.h"
#include "makemove/position_helpers.h"
#include "platform/platform.h"
#include "search/quiescence.h"
#include "search/search_state.h"

namespace {

// Puts the read end of a fresh pipe on descriptor 0 for the life of the
// fixture and puts the real standard input back afterwards.
class StdinPipe : public ::testing::Test {
protected:
    void SetUp() override {
        std::setvbuf(stdin, nullptr, _IONBF, 0);  // as the engine runs: no byte read ahead
        // A runner may start the tests with descriptor 0 closed; the pipe
        // would then take that number itself and vanish with its duplicate.
        if (fcntl(0, F_GETFD) == -1) {
            ASSERT_EQ(open("/dev/null", O_RDONLY), 0);
        }
        saved_stdin_ = dup(0);
        ASSERT_GT(saved_stdin_, 0);
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        ASSERT_EQ(dup2(fds[0], 0), 0);
        close(fds[0]);
        writer_ = fds[1];
        std::clearerr(stdin);
    }
    void TearDown() override {
        CloseWriter();
        dup2(saved_stdin_, 0);
        close(saved_stdin_);
        std::clearerr(stdin);
    }
    void Write(const std::string& text) {
        ASSERT_EQ(write(writer_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void CloseWriter() {
        if (writer_ >= 0) close(writer_);
        writer_ = -1;
    }
    // Everything still waiting in the pipe (the writer must be closed).
    std::string Drain() {
        CloseWriter();
        std::string rest;
        char buffer[256];
        ssize_t n;
        while ((n = read(0, buffer, sizeof buffer)) > 0) rest.append(buffer, static_cast<size_t>(n));
        return rest;
    }

    int saved_stdin_ = -1;
    int writer_ = -1;
};

using InputAvailableTest = StdinPipe;

TEST_F(InputAvailableTest, ReportsWaitingInputWithoutConsumingIt) {
    EXPECT_EQ(InputAvailable(), 0u) << "empty pipe";
    Write("st");
    EXPECT_NE(InputAvailable(), 0u) << "part of a line";
    Write("op\n");
    EXPECT_NE(InputAvailable(), 0u);
    EXPECT_NE(InputAvailable(), 0u) << "asking again still finds it";
    char buffer[8] = {};
    ASSERT_EQ(read(0, buffer, 5), 5);
    EXPECT_STREQ(buffer, "stop\n") << "no byte was taken by the test";
    EXPECT_EQ(InputAvailable(), 0u) << "drained again";
}

TEST_F(InputAvailableTest, EndOfInputCountsAsWaiting) {
    CloseWriter();
    EXPECT_NE(InputAvailable(), 0u);
    EXPECT_NE(InputAvailable(), 0u);
}

// The gate on a quiet middle-game position, whose quiescence score is
// compared with a direct call.
class HorizonTest : public StdinPipe {
protected:
    void SetUp() override {
        StdinPipe::SetUp();
        position_ = FenPosition("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
        position_.eval = MaterialScore(position_);
        stop_search = 0;
        time_limit = 0;
        iteration_start = ClockMs();
        poll_line[0] = '\0';
    }
    void TearDown() override {
        stop_search = 0;
        poll_counter = 0;
        time_limit = 0;
        StdinPipe::TearDown();
    }
    Position position_{};
};

TEST_F(HorizonTest, ReturnsTheQuiescenceScoreOfTheSideToMove) {
    const int32_t white = QuiescenceWhite(position_, -300, 300, 6, 0);
    const int32_t black = QuiescenceBlack(position_, -300, 300, 6, 0);
    ASSERT_NE(white, black) << "the position must tell the twins apart";
    poll_counter = 0;
    EXPECT_EQ(HorizonWhite(position_, -300, 300, 6, 0), white);
    EXPECT_EQ(HorizonBlack(position_, -300, 300, 6, 0), black);
    EXPECT_EQ(poll_counter, 2);
}

TEST_F(HorizonTest, PollsOnlyAfter50000Calls) {
    Write("stop\n");
    poll_counter = 50000;
    HorizonWhite(position_, -300, 300, 6, 0);
    EXPECT_EQ(poll_counter, 50001) << "the 50,001st call still only counts";
    EXPECT_EQ(stop_search, 0);
    EXPECT_NE(InputAvailable(), 0u) << "nothing was read";

    HorizonBlack(position_, -300, 300, 6, 0);
    EXPECT_EQ(poll_counter, 1) << "the poll restarts the count";
    EXPECT_EQ(stop_search, 1);
    EXPECT_STREQ(poll_line, "stop");
}

TEST_F(HorizonTest, OnePollReadsOneLineAndDropsAllButStop) {
    struct Case {
        const char* input;
        const char* line_read;
        uint8_t stops;
        const char* left;
    };
    const Case cases[] = {
        {"isready\nstop\n", "isready", 0, "stop\n"},
        {"stop \n", "stop ", 0, ""},
        {"Stop\n", "Stop", 0, ""},
        {"stop\r\n", "stop", 1, ""},
        {"stop\nquit\n", "stop", 1, "quit\n"},
        {"position startpos\n", "position startpos", 0, ""},
    };
    for (const Case& c : cases) {
        StdinPipe::TearDown();
        StdinPipe::SetUp();
        Write(c.input);
        stop_search = 0;
        poll_counter = 50001;
        HorizonWhite(position_, -300, 300, 6, 0);
        EXPECT_STREQ(poll_line, c.line_read) << c.input;
        EXPECT_EQ(stop_search, c.stops) << c.input;
        EXPECT_EQ(Drain(), c.left) << c.input;
    }
}

TEST_F(HorizonTest, EndOfInputReadsAnEmptyLineAndGoesOn) {
    CloseWriter();
    std::strcpy(poll_line, "stale");
    poll_counter = 50001;
    HorizonWhite(position_, -300, 300, 6, 0);
    EXPECT_STREQ(poll_line, "");
    EXPECT_EQ(stop_search, 0);
}

TEST_F(HorizonTest, ClockStopsOnlyAPositiveLimitThatHasPassed) {
    struct Case {
        double limit;
        int64_t elapsed_ms;
        uint8_t stops;
    };
    const Case cases[] = {
        {0.5, 2000, 1},   {5.0, 0, 0},    {0.0, 100000, 0}, {-1.0, 100000, 0},
        {0.005, 0, 1},    // elapsed counts as at least 0.01 s
        {0.02, 0, 0},
    };
    for (const Case& c : cases) {
        stop_search = 0;
        time_limit = c.limit;
        iteration_start = ClockMs() - c.elapsed_ms;
        poll_counter = 50001;
        HorizonWhite(position_, -300, 300, 6, 0);
        EXPECT_EQ(stop_search, c.stops) << "limit " << c.limit << " s after " << c.elapsed_ms << " ms";
    }
}

TEST_F(HorizonTest, QuitEndsTheProcessWithCode1) {
    Write("quit\n");
    poll_counter = 50001;
    EXPECT_EXIT(HorizonWhite(position_, -300, 300, 6, 0), ::testing::ExitedWithCode(1), "");
}

}  // namespace
