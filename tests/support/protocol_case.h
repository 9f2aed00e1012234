// Table-driven end-to-end protocol tests: a script of input lines and the
// exact bytes and exit code the engine must answer with.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

inline const std::string kUciReply =
    "id name Morvane_j3_0_Beta_25_4_2010\n"
    "id author Velkarin\n"
    "option name Hash type spin default 1 min 1 max 1024\n"
    "uciok \n";
inline const std::string kReady = "readyok \n\n";
inline const std::string kUnknown = "WARNING ! Unknown command\n";

struct ProtocolCase {
    const char* name;
    std::string input;
    std::string output;
    int exit_code;
};

inline void PrintTo(const ProtocolCase& c, std::ostream* os) { *os << c.name; }

// Each table is instantiated with INSTANTIATE_TEST_SUITE_P(Prefix,
// ProtocolTest, ::testing::ValuesIn(table), ProtocolCaseName).
class ProtocolTest : public ::testing::TestWithParam<ProtocolCase> {};

inline std::string ProtocolCaseName(const ::testing::TestParamInfo<ProtocolCase>& info) { return info.param.name; }
