// What differs between the White and Black twins of the searches. Scores
// are always from White's side: White maximises and moves alpha, Black
// minimises and moves beta. A window (alpha, beta) means the same for both.
#pragma once

#include "board/colour.h"
#include "search/scores.h"

struct Window {
    int32_t alpha;
    int32_t beta;
};

template <Colour C>
struct SearchSide;

template <>
struct SearchSide<White> {
    static constexpr int32_t worst = -INFINITE_SCORE;  // start value of a node's best score
    static constexpr int32_t illegal_root_key = -MATE_SCORE;  // sorts an illegal root move last
    static constexpr const char* value_error = "ERROR white value ";

    static bool Better(int32_t s, int32_t best) { return s > best; }
    // A score that moves this side's bound, and one that reaches the other's.
    static bool MovesBound(int32_t s, const Window& w) { return s > w.alpha; }
    static bool CutsOff(int32_t s, const Window& w) { return s >= w.beta; }
    static int32_t& Bound(Window& w) { return w.alpha; }
    static int32_t CutoffBound(const Window& w) { return w.beta; }
    // The one-point window at this side's bound, and the score that stands
    // in for a reduced search that was not made (it always triggers the
    // full-depth search).
    static Window OnePoint(const Window& w) { return {w.alpha, w.alpha + 1}; }
    static int32_t SkippedReduction(const Window& w) { return w.alpha + 1; }
    // The null move's child and the verification search use the one-point
    // windows at the two bounds; outside the principal variation they are
    // the same window.
    static Window NullMoveWindow(const Window& w) { return {w.alpha, w.alpha + 1}; }
    static Window VerificationWindow(const Window& w) { return {w.beta - 1, w.beta}; }
    // Score of this side checkmated at ply p.
    static int32_t Mated(uint8_t ply) { return -(MATE_SCORE - 1000 * ply); }
};

template <>
struct SearchSide<Black> {
    static constexpr int32_t worst = INFINITE_SCORE;
    static constexpr int32_t illegal_root_key = MATE_SCORE;
    static constexpr const char* value_error = "ERROR black value ";

    static bool Better(int32_t s, int32_t best) { return s < best; }
    static bool MovesBound(int32_t s, const Window& w) { return s < w.beta; }
    static bool CutsOff(int32_t s, const Window& w) { return s <= w.alpha; }
    static int32_t& Bound(Window& w) { return w.beta; }
    static int32_t CutoffBound(const Window& w) { return w.alpha; }
    static Window OnePoint(const Window& w) { return {w.beta - 1, w.beta}; }
    static int32_t SkippedReduction(const Window& w) { return w.beta - 1; }
    static Window NullMoveWindow(const Window& w) { return {w.beta - 1, w.beta}; }
    static Window VerificationWindow(const Window& w) { return {w.alpha, w.alpha + 1}; }
    static int32_t Mated(uint8_t ply) { return MATE_SCORE - 1000 * ply; }
};
