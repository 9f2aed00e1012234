// A UCI chess engine: reads commands on standard input, answers on
// standard output.
#include "protocol/dispatcher.h"

int main() { return RunMainLoop(); }
