// The engine plays: searches driven over pipes, as a GUI drives them.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/engine_process.h"
#include "tools/bench_positions.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> InfoLines(const std::string& text) {
    std::vector<std::string> info;
    for (const std::string& line : Lines(text)) {
        if (line.rfind("info  nps ", 0) == 0) info.push_back(line);
    }
    return info;
}

std::string LastLine(const std::string& text) {
    const std::vector<std::string> lines = Lines(text);
    return lines.empty() ? "" : lines.back();
}

const std::regex kInfoShape(
    R"(info  nps \d+ depth \d+ seldepth \d+ score (cp|mate) -?\d+ nodes \d+ pv ([a-h][1-8][a-h][1-8][nbrq]? )*)");
const std::regex kCurrMoveShape(R"(info currmove [a-h][1-8][a-h][1-8] currmovenumber \d+ depth \d+)");

TEST(Search, DepthThreeWritesThreeReportsAndABestMove) {
    const EngineRun run = RunEngine("uci\nposition startpos\ngo depth 3\n");
    EXPECT_EQ(run.exit_code, 0);
    const std::vector<std::string> info = InfoLines(run.output);
    ASSERT_EQ(info.size(), 3u) << run.output;
    for (size_t i = 0; i < info.size(); ++i) {
        EXPECT_TRUE(std::regex_match(info[i], kInfoShape)) << info[i];
        EXPECT_NE(info[i].find(" depth " + std::to_string(i + 1) + " "), std::string::npos) << info[i];
    }
    int currmoves = 0;
    for (const std::string& line : Lines(run.output)) {
        if (line.rfind("info currmove", 0) == 0) {
            EXPECT_TRUE(std::regex_match(line, kCurrMoveShape)) << line;
            ++currmoves;
        }
    }
    EXPECT_EQ(currmoves, 60);  // 20 legal moves at each of three depths
    EXPECT_TRUE(std::regex_match(LastLine(run.output), std::regex("bestmove [a-h][1-8][a-h][1-8]"))) << run.output;
    EXPECT_EQ(run.output.find("ERROR"), std::string::npos);
}

struct MateCase {
    const char* name;
    const char* script;
    const char* score;
    const char* bestmove;
};

const MateCase kMateCases[] = {
    {"mate in one ends a deep search", "position fen 6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1\ngo depth 10\n",
     "score mate 1 ", "bestmove d1d8"},
    {"mate in one ends an infinite search", "position fen 6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1\ngo infinite\n",
     "score mate 1 ", "bestmove d1d8"},
    {"the mated side counts negative plies", "position fen k7/8/1K6/8/8/8/8/7R b - - 0 1\ngo depth 10\n",
     "score mate -2 ", "bestmove a8b8"},
    {"checkmated root", "position fen rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3\ngo depth 5\n",
     "score mate 0 ", "bestmove 0000"},
};

TEST(Search, MatesEndTheSearchAndAreReportedForTheSideToMove) {
    for (const MateCase& c : kMateCases) {
        SCOPED_TRACE(c.name);
        const EngineRun run = RunEngine(std::string("uci\n") + c.script);
        const std::vector<std::string> info = InfoLines(run.output);
        ASSERT_FALSE(info.empty()) << run.output;
        EXPECT_NE(info.back().find(c.score), std::string::npos) << info.back();
        EXPECT_EQ(LastLine(run.output), c.bestmove);
        EXPECT_EQ(run.output.find("ERROR"), std::string::npos) << run.output;
    }
}

TEST(Search, StalemateAnswersNullMoveAfterDrawReports) {
    const EngineRun run = RunEngine("uci\nposition fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\ngo depth 3\n");
    const std::vector<std::string> info = InfoLines(run.output);
    ASSERT_EQ(info.size(), 3u) << run.output;
    for (const std::string& line : info) EXPECT_NE(line.find(" seldepth 0 score cp 0 "), std::string::npos) << line;
    EXPECT_EQ(LastLine(run.output), "bestmove 0000");
}

TEST(Search, BlackScoresAreGivenForTheSideToMove) {
    // Black is a queen up: the report must be positive for Black.
    const EngineRun run = RunEngine("uci\nposition fen 4k3/8/8/8/8/8/3q4/4K3 b - - 0 1\ngo depth 2\n");
    const std::vector<std::string> info = InfoLines(run.output);
    ASSERT_FALSE(info.empty());
    std::smatch m;
    ASSERT_TRUE(std::regex_search(info.back(), m, std::regex(" score cp (-?\\d+) ")));
    EXPECT_GT(std::stoi(m[1]), 900);
}

TEST(Search, SameScriptGivesTheSameOutputApartFromSpeed) {
    const std::string script = "uci\nposition startpos moves e2e4 c7c5 g1f3\ngo depth 5\n";
    const std::regex nps(" nps \\d+ ");
    const std::string first = std::regex_replace(RunEngine(script).output, nps, " nps N ");
    const std::string second = std::regex_replace(RunEngine(script).output, nps, " nps N ");
    EXPECT_EQ(first, second);
}

TEST(Search, InfiniteSearchEndsOnStopWithAReportAndABestMove) {
    EngineProcess engine;
    engine.Send("uci\nposition startpos\ngo infinite\n");
    ASSERT_TRUE(engine.ReadUntil(" depth 4 ", 20000)) << engine.Output();
    engine.Send("isready\nstop\n");
    ASSERT_TRUE(engine.ReadUntil("bestmove ", 20000)) << engine.Output();
    engine.Send("isready\n");
    engine.CloseInput();
    EXPECT_EQ(engine.Wait(20000), 0);
    const std::string& out = engine.Output();
    // The isready sent during the search is dropped; the one after is answered.
    size_t ready = 0;
    for (size_t at = out.find("readyok "); at != std::string::npos; at = out.find("readyok ", at + 1)) ++ready;
    EXPECT_EQ(ready, 1u);
    EXPECT_LT(out.find("bestmove "), out.find("readyok "));
    // The interrupted iteration is reported right before the best move.
    const std::vector<std::string> lines = Lines(out);
    size_t best = 0;
    while (best < lines.size() && lines[best].rfind("bestmove ", 0) != 0) ++best;
    ASSERT_GT(best, 0u);
    ASSERT_LT(best, lines.size());
    EXPECT_TRUE(std::regex_match(lines[best - 1], kInfoShape)) << lines[best - 1];
    EXPECT_TRUE(std::regex_match(lines[best], std::regex("bestmove [a-h][1-8][a-h][1-8]")));
    EXPECT_EQ(out.find("ERROR"), std::string::npos);
}

TEST(Search, QuitDuringASearchExitsAtOnceWithoutBestMove) {
    EngineProcess engine;
    engine.Send("uci\nposition startpos\ngo infinite\n");
    ASSERT_TRUE(engine.ReadUntil(" depth 3 ", 20000));
    engine.Send("quit\n");
    EXPECT_EQ(engine.Wait(20000), 1);
    EXPECT_EQ(engine.Output().find("bestmove"), std::string::npos);
}

TEST(Search, TimeLimitsEndTheSearch) {
    for (const char* go : {"go movetime 300\n", "go wtime 1000 btime 1000\n", "go wtime 0\n"}) {
        SCOPED_TRACE(go);
        EngineProcess engine;
        engine.Send(std::string("uci\nposition startpos\n") + go);
        EXPECT_TRUE(engine.ReadUntil("bestmove ", 30000)) << engine.Output();
        engine.CloseInput();
        EXPECT_EQ(engine.Wait(10000), 0);
    }
}

TEST(Search, AnyLineStartingWithGoStartsASearch) {
    const EngineRun run = RunEngine("uci\nposition startpos\ngone\n");
    EXPECT_EQ(InfoLines(run.output).size(), 1u) << run.output;  // no limit: one iteration
    EXPECT_TRUE(std::regex_match(LastLine(run.output), std::regex("bestmove [a-h][1-8][a-h][1-8]")));
}

TEST(Search, GoBeforeUciStillSearches) {
    const EngineRun run = RunEngine("position startpos\ngo depth 2\nisready\n");
    EXPECT_EQ(InfoLines(run.output).size(), 2u) << run.output;
    EXPECT_NE(run.output.find("bestmove "), std::string::npos);
    EXPECT_EQ(run.exit_code, 0);
}

// Every bench position, as given and with the other side to move, searched
// a few plies: make/unmake and the key must always come back intact.
TEST(Search, SelfChecksStaySilentOnTheBenchPositions) {
    std::string script = "uci\n";
    int searches = 0;
    for (const char* line : bench_positions) {
        std::string position = line;
        script += position + "\ngo depth 4\n";
        ++searches;
        const size_t side = position.find(" w ") != std::string::npos ? position.find(" w ") : position.find(" b ");
        if (position.find("fen ") != std::string::npos && side != std::string::npos) {
            position[side + 1] = position[side + 1] == 'w' ? 'b' : 'w';
            script += position + "\ngo depth 3\n";
            ++searches;
        }
    }
    const EngineRun run = RunEngine(script, 120000);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.output.find("ERROR"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("white test_"), std::string::npos) << run.output;
    size_t bestmoves = 0;
    for (const std::string& l : Lines(run.output)) bestmoves += l.rfind("bestmove ", 0) == 0;
    EXPECT_EQ(bestmoves, static_cast<size_t>(searches));
}

TEST(Search, GarbageGoAndPositionLinesNeverCrash) {
    const EngineRun run = RunEngine(
        "uci\nposition fen garbage w KQkq zz\ngo depth\ngo wtime -99999999 btime x\n"
        "position fen 8/8/8/8/8/8/8/8 w - - 0 1\ngo depth 2\n"
        "position fen KKKKKKKK/QQQQQQQQ/8/8/8/8/qqqqqqqq/kkkkkkkk b - - 0 1\ngo depth 2\n"
        "position startpos moves e2e4 zzzz e7\ngo depth 2 ponder movestogo\nisready\n",
        60000);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.output.find("readyok "), std::string::npos);
}

}  // namespace
