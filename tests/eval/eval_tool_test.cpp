#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifndef MORVANE_TOOLS_BINARY
#define MORVANE_TOOLS_BINARY "build/morvane-tools"
#endif

namespace {

// Runs the tools binary through the shell and returns what it printed.
std::string RunTool(const std::string& arguments) {
    const std::string command = std::string(MORVANE_TOOLS_BINARY) + " " + arguments;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "";
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
    return output;
}

TEST(EvalTool, PrintsEvaluationAndMaterialOnOneLine) {
    EXPECT_EQ(RunTool("eval startpos"), "evaluate 0 material 0\n");
    EXPECT_EQ(RunTool("eval 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1'"),
              "evaluate 5 material 0\n");
    EXPECT_EQ(RunTool("eval '4k3/8/8/8/3p4/8/8/4K3 w - - 0 1'"), "evaluate -120 material -100\n");
}

}  // namespace
