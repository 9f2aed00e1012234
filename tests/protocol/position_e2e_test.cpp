// "position" lines over pipes against the real engine: the warnings it
// writes for move texts it cannot play, and that no text, however broken,
// stops it answering.
#include <gtest/gtest.h>

#include <string>

#include "makemove/position_helpers.h"
#include "support/engine_process.h"

namespace {

using test_board::KnightShuffle;

constexpr const char* WARNING = "WARNING ! moves error\n";

struct Case {
    const char* input;
    int warnings;
};

const Case cases[] = {
    {"position startpos moves e2e4 e7e5 g1f3\n", 0},
    {"position startpos moves e2e5\n", 1},
    // The side to move stays after a failure, so Black's reply fails too.
    {"position startpos moves e2e5 e7e5\n", 2},
    {"position startpos moves e2e4 e7\n", 1},
    {"position fen k7/4P3/8/8/8/8/8/4K3 w - - 0 1 moves e7e8Q\n", 1},
    {"position fen k7/4P3/8/8/8/8/8/4K3 w - - 0 1 moves e7e8n\n", 0},
    {"position startpos moves e2e4r\n", 1},
    {"position startpos moves i2h3\n", 1},
    {"position startpos moves e2e4\r\n", 0},
    {"position startpos moves \n", 0},
    {"position startpos moves\n", 0},
};

TEST(PositionOverPipes, WarnsOncePerTextItCannotPlay) {
    for (const Case& c : cases) {
        const EngineRun run = RunEngine(std::string("uci\n") + c.input + "isready\n");
        const size_t start = run.output.find("uciok \n");
        ASSERT_NE(start, std::string::npos) << c.input;
        std::string want;
        for (int i = 0; i < c.warnings; ++i) want += WARNING;
        EXPECT_EQ(run.output.substr(start + 7), want + "readyok \n\n") << c.input;
        EXPECT_EQ(run.exit_code, 0) << c.input;
    }
}

// The move texts really are played: after h1h7 Black's king has one move.
TEST(PositionOverPipes, SearchStartsFromThePositionAfterTheMoves) {
    const EngineRun run = RunEngine("uci\nposition fen k7/8/8/8/8/8/8/K6R w - - 0 1 moves h1h7\ngo depth 1\n");
    EXPECT_NE(run.output.find("bestmove a8b8"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find(WARNING), std::string::npos);
}

TEST(PositionOverPipes, BrokenTextNeverStopsTheEngine) {
    std::string all_bytes;
    for (int i = 1; i < 256; ++i) {
        if (i != '\n') all_bytes += static_cast<char>(i);
    }
    const std::string lines[] = {
        "position fen",
        "position fen ",
        "position moves",
        "position fen moves e2e4",
        "position fen \xff\xfe\xfd moves \xff\xfe\xfd\xfc\xfb",
        "position fen 99999999999/pppppppppppppppp/PPPPPPPPPPP w KQkq z9 moves a7a8q",
        "position startpos moves " + std::string(60000, 'x'),
        "position startpos moves " + KnightShuffle(3000),
        "position " + all_bytes,
        "position startpos moves " + all_bytes,
    };
    for (const std::string& line : lines) {
        const EngineRun run = RunEngine("uci\n" + line + "\nisready\n");
        EXPECT_EQ(run.exit_code, 0) << line.substr(0, 60);
        EXPECT_NE(run.output.find("readyok \n"), std::string::npos) << line.substr(0, 60);
    }
}

// A game longer than the history still gives a position to search.
TEST(PositionOverPipes, LongGameStillSearches) {
    const EngineRun run = RunEngine("uci\nposition startpos moves " + KnightShuffle(1101) + "\ngo depth 2\n");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.output.find("bestmove "), std::string::npos);
    EXPECT_EQ(run.output.find(WARNING), std::string::npos);
}

}  // namespace
