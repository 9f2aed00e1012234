// Developer tools: each command takes the arguments after its name and
// returns the process exit code.
#pragma once

int PerftCommand(int argc, char** argv);
int DivideCommand(int argc, char** argv);
int EvalCommand(int argc, char** argv);
int BenchCommand(int argc, char** argv);
