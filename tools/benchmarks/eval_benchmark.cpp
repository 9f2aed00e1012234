// Evaluate (and MaterialScore) over a fixed mix of middlegame and endgame
// positions; items per second is calls per second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "board/fen.h"
#include "eval/evaluate.h"

namespace {

constexpr const char* eval_positions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
    "r1bq1rk1/pp2bppp/2n1pn2/2pp4/3P4/2PBPN2/PP1N1PPP/R1BQ1RK1 w - - 0 8",
    "r2q1rk1/1b2bppp/p2ppn2/1p6/3NP3/1BN5/PPP2PPP/R2QR1K1 b - - 0 12",
    "2r2rk1/pp1bqppp/2n1pn2/3p4/2PP4/P1N1PN2/1P2BPPP/2RQ1RK1 w - - 1 14",
    "r4rk1/1pp2ppp/p1n5/4P3/2P1n3/2N5/PP3PPP/R3KB1R b KQ - 0 13",
    "8/5pk1/6p1/3P3p/2P4P/6P1/5K2/8 w - - 0 40",
    "8/8/4k3/3p1p2/3P1P2/4K3/8/8 b - - 0 50",
    "6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 30",
    "4r1k1/pp3ppp/8/3n4/8/2B5/PP3PPP/4R1K1 w - - 0 25",
};

std::vector<Position> LoadPositions() {
    std::vector<Position> positions;
    for (const char* fen : eval_positions) {
        Position p{};
        ParseFen(p, (std::string("fen ") + fen).c_str());
        positions.push_back(p);
    }
    return positions;
}

// One call of Score per position per iteration.
template <int32_t (*Score)(const Position&)>
void BM_Score(benchmark::State& state) {
    const std::vector<Position> positions = LoadPositions();
    for (auto _ : state) {
        for (const Position& p : positions) benchmark::DoNotOptimize(Score(p));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(positions.size()));
}
BENCHMARK_TEMPLATE(BM_Score, Evaluate)->Name("Evaluate");
BENCHMARK_TEMPLATE(BM_Score, MaterialScore)->Name("MaterialScore");

}  // namespace
