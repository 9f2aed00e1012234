#include "board/move_text.h"

#include <gtest/gtest.h>

#include <string>

#include "board/position_command.h"
#include "board/zobrist.h"
#include "makemove/position_helpers.h"

namespace {

using namespace test_board;

constexpr const char* WARNING = "WARNING ! moves error\n";
constexpr const char* START_FEN = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

std::string Warnings(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += WARNING;
    return s;
}

// One text on one position: either the position it leads to, or the
// warning and no change at all.
struct Case {
    const char* name;
    const char* before;
    const char* text;
    const char* after;  // nullptr: the warning, position unchanged
};

const Case cases[] = {
    {"quiet knight", START_FEN, "g1f3", "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R b KQkq - 1 1"},
    {"black double step", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "e7e5",
     "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2"},
    {"no letter promotes to a queen", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8", "k3Q3/8/8/8/8/8/8/4K3 b - - 0 1"},
    {"q", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8q", "k3Q3/8/8/8/8/8/8/4K3 b - - 0 1"},
    {"r", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8r", "k3R3/8/8/8/8/8/8/4K3 b - - 0 1"},
    {"b", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8b", "k3B3/8/8/8/8/8/8/4K3 b - - 0 1"},
    {"n", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8n", "k3N3/8/8/8/8/8/8/4K3 b - - 0 1"},
    {"capital letter", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8Q", nullptr},
    {"capture promotion to knight", "k2r4/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8n", "k2N4/8/8/8/8/8/8/4K3 b - - 0 1"},
    {"black promotion to rook", "4k3/8/8/8/8/8/3p4/K7 b - - 0 1", "d2d1r", "4k3/8/8/8/8/8/8/K2r4 w - - 0 1"},
    {"castling by the king's move", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1",
     "r3k2r/8/8/8/8/8/8/R4RK1 b kq - 0 1"},
    {"black castles queen-side", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "2kr3r/8/8/8/8/8/8/R3K2R w KQ - 0 1"},
    {"en passant", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6", "4k3/8/3P4/8/8/8/8/4K3 b - - 0 1"},
    // Played unchecked: the pinned bishop leaves its king attacked.
    {"pseudo-legal move", "4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1", "e2d3", "4k3/4r3/8/8/8/3B4/8/4K3 b - - 0 1"},
    {"impossible move", START_FEN, "e2e5", nullptr},
    {"move of the side not to move", START_FEN, "e7e5", nullptr},
    {"empty squares", START_FEN, "e4e5", nullptr},
    // "q" selects the match itself, promotion or not; any other letter on a
    // move that does not promote selects nothing.
    {"q after a quiet move", START_FEN, "e2e4q", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"},
    {"r after a quiet move", START_FEN, "e2e4r", nullptr},
    {"n after the last move of the list", START_FEN, "h2h4n", nullptr},
    {"letter that is no promotion", START_FEN, "e2e4x", nullptr},
    // A character outside a-h or 1-8 names no square, so it cannot alias
    // a real one ("i2" is not h1).
    {"file past h", "4k3/8/8/8/8/8/8/4K2R w - - 0 1", "i2h3", nullptr},
    {"rank zero", "4k3/8/8/8/8/8/8/4K2R w - - 0 1", "h0h3", nullptr},
    {"upper-case file", "4k3/8/8/8/8/8/8/4K2R w - - 0 1", "H1h3", nullptr},
    {"short text", START_FEN, "e2e", nullptr},
    {"empty text", START_FEN, "", nullptr},
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class MoveTextCase : public ::testing::TestWithParam<Case> {};

TEST_P(MoveTextCase, PlaysTheMatchingMoveOrWarns) {
    const Case& c = GetParam();
    Position p = FenPosition(c.before);
    p.hash_key = 0x5555;
    const Position before = p;
    ::testing::internal::CaptureStdout();
    ApplyMoveText(p, c.text);
    const std::string out = ::testing::internal::GetCapturedStdout();
    if (c.after == nullptr) {
        EXPECT_EQ(out, WARNING);
        EXPECT_TRUE(SameRecord(p, before));
        return;
    }
    EXPECT_EQ(out, "");
    const Position want = FenPosition(c.after);
    EXPECT_TRUE(SameBoard(p, want));
    EXPECT_TRUE(SameSideAndRights(p, want));
    EXPECT_EQ(p.hash_key, before.hash_key);  // the key is the loop's business
}

INSTANTIATE_TEST_SUITE_P(Texts, MoveTextCase, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

// The loop over the text after "moves ", started as the position command
// starts it: history reset, entry 0 the start key.
class MoveTextLoop : public ::testing::Test {
protected:
    void SetUp() override { EnsureZobrist(); }
    std::string Run(const std::string& texts, const char* fen = START_FEN) {
        position = FenPosition(fen);
        ComputeHashKey(position);
        for (int i = 0; i < GAME_HISTORY_SIZE; ++i) game_history[i] = static_cast<uint64_t>(i);
        game_history[0] = position.hash_key;
        game_length = 0;
        ::testing::internal::CaptureStdout();
        ApplyMoveTexts(position, texts.c_str());
        return ::testing::internal::GetCapturedStdout();
    }
    Position position{};
};

// Spaces, promotion letters and failures as the loop sees them: how many
// warnings, how many history entries, and the position reached.
TEST_F(MoveTextLoop, CountsTextsAndWarns) {
    struct LoopCase {
        const char* texts;
        int warnings;
        uint16_t length;
        const char* fen_after;
    } loop_cases[] = {
        {"e2e4 e7e5 g1f3", 0, 3, "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2"},
        {"e2e4    e7e5   ", 0, 2, "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2"},
        // A failed text keeps the side to move, so the next one usually fails too.
        {"e2e5 e7e5", 2, 2, START_FEN},
        {"e2e5 e2e4", 1, 2, "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"},
        // A cut-off last text warns and ends the list without an entry.
        {"e2e4 e7", 1, 1, "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"},
        {"e", 1, 0, START_FEN},
        // Five characters without a space: the fifth is a promotion letter.
        {"e2e4e7e5", 2, 1, START_FEN},
        {"g1f3 \x01\xff\x7f\x80 ", 1, 2, "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R b KQkq - 1 1"},
    };
    for (const LoopCase& c : loop_cases) {
        SCOPED_TRACE(c.texts);
        EXPECT_EQ(Run(c.texts), Warnings(c.warnings));
        EXPECT_EQ(game_length, c.length);
        EXPECT_TRUE(SameBoard(position, FenPosition(c.fen_after)));
        EXPECT_EQ(position.hash_key, KeyOf(c.fen_after));
        EXPECT_EQ(game_history[game_length], position.hash_key);
    }
}

TEST_F(MoveTextLoop, FailedTextRecordsTheUnchangedKey) {
    EXPECT_EQ(Run("e2e5"), WARNING);
    EXPECT_EQ(game_length, 1);
    EXPECT_EQ(game_history[1], game_history[0]);
    EXPECT_EQ(game_history[2], 2u);
}

TEST_F(MoveTextLoop, CountsPast255WithoutWrapping) {
    EXPECT_EQ(Run(KnightShuffle(300)), "");
    EXPECT_EQ(game_length, 300);
    EXPECT_EQ(game_history[300], KeyOf(START_FEN));
    EXPECT_EQ(game_history[44], KeyOf(START_FEN));
    EXPECT_EQ(game_history[45], KeyOf("rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R b KQkq - 1 1"));
}

// Beyond 999 texts the moves are still played but the history is full.
TEST_F(MoveTextLoop, HistoryStopsAt999WhileMovesGoOn) {
    EXPECT_EQ(Run(KnightShuffle(1002)), "");
    EXPECT_EQ(game_length, 999);
    // 999 texts: 249 cycles and three more, the knight back on g1.
    EXPECT_EQ(game_history[999], KeyOf("rnbqkb1r/pppppppp/5n2/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 3 2"));
    // 1002 texts: 250 cycles and both knights out again.
    EXPECT_TRUE(SameBoard(position, FenPosition("rnbqkb1r/pppppppp/5n2/8/8/5N2/PPPPPPPP/RNBQKB1R w KQkq - 2 2")));
    EXPECT_EQ(position.colour_move, 1);
}

}  // namespace
