#include "board/position_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "board/zobrist.h"
#include "makemove/position_helpers.h"
#include "protocol/dispatcher.h"

namespace {

using namespace test_board;

constexpr const char* START_FEN = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Runs one "position" line as the dispatcher would, with real keys so that
// different positions get different history entries.
class PositionLine : public ::testing::Test {
protected:
    void SetUp() override { EnsureZobrist(); }
    std::string Run(const std::string& line) {
        std::snprintf(command_line, sizeof command_line, "%s", line.c_str());
        ::testing::internal::CaptureStdout();
        PositionCommand(position);
        return ::testing::internal::GetCapturedStdout();
    }
    Position position{};
};

TEST_F(PositionLine, StartposResetsPositionHistoryAndKey) {
    Run("position startpos moves e2e4 e7e5");
    EXPECT_EQ(Run("position startpos"), "");
    const Position want = FenPosition(START_FEN);
    EXPECT_TRUE(SameBoard(position, want));
    EXPECT_EQ(position.colour_move, 1);
    EXPECT_EQ(position.castling_K + position.castling_Q + position.castling_k + position.castling_q, 4);
    EXPECT_EQ(position.taking_passage_yes, 0);
    EXPECT_EQ(game_length, 0);
    EXPECT_EQ(position.hash_key, KeyOf(START_FEN));
    EXPECT_EQ(game_history[0], position.hash_key);
    // Entries the game has not reached hold their index.
    for (int i = 1; i < GAME_HISTORY_SIZE; ++i) ASSERT_EQ(game_history[i], static_cast<uint64_t>(i)) << i;
}

// "fen " and "moves " are found anywhere in the line; without "fen " the
// line means the start position, whatever else it says.
TEST_F(PositionLine, FenAndMovesAreFoundAnywhere) {
    struct Case {
        const char* line;
        const char* fen_after;
        uint16_t length;
    } cases[] = {
        {"position fen 4k3/8/8/8/8/8/8/4K3 b - - 12 40", "4k3/8/8/8/8/8/8/4K3 b - - 0 1", 0},
        {"position anything at all", START_FEN, 0},
        {"position startpos fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", 0},
        {"position startpos moves g1f3", "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R b KQkq - 1 1", 1},
        {"position fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1 moves e1d2 e8f7", "8/5k2/8/8/8/8/3K4/8 w - - 0 1", 2},
        {"position moves e2e4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(Run(c.line), "");
        EXPECT_TRUE(SameBoard(position, FenPosition(c.fen_after)));
        EXPECT_EQ(position.colour_move, FenPosition(c.fen_after).colour_move);
        EXPECT_EQ(game_length, c.length);
        EXPECT_EQ(position.hash_key, KeyOf(c.fen_after));
    }
}

TEST_F(PositionLine, HistoryHoldsTheKeyAfterEveryMove) {
    Run("position startpos moves e2e4 e7e5 g1f3");
    EXPECT_EQ(position.colour_move, 0);
    EXPECT_EQ(game_length, 3);
    const char* path[] = {START_FEN, "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
                          "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2",
                          "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(game_history[i], KeyOf(path[i])) << i;
    EXPECT_EQ(game_history[4], 4u);
    EXPECT_EQ(position.hash_key, game_history[3]);
}

// A side letter the reader does not know keeps the side of the position
// before: the one thing that survives from an earlier command.
TEST_F(PositionLine, UnknownSideKeepsTheEarlierSide) {
    Run("position startpos moves e2e4");
    Run("position fen 4k3/8/8/8/8/8/8/4K3 ? - - 0 1");
    EXPECT_EQ(position.colour_move, 0);
}

}  // namespace
