// Runs the Windows engine as a child process on anonymous pipes, the way a
// Windows GUI starts it: CreatePipe for both standard streams, CreateProcess
// with the pipe ends as its standard handles.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

struct EnginePipe {
    HANDLE process;
    HANDLE to_engine;    // our end of the engine's standard input
    HANDLE from_engine;  // our end of the engine's standard output
    HANDLE reader;       // thread that drains from_engine into output
    CRITICAL_SECTION lock;
    std::string output;  // raw bytes, guarded by lock
    bool output_closed;  // guarded by lock
};

// Starts `exe`; false when it cannot be started.
bool StartEngine(EnginePipe& engine, const char* exe);
// Writes raw bytes to the engine's standard input; false once the engine has
// stopped reading (it exited).
bool SendToEngine(EnginePipe& engine, const std::string& bytes);
// Closes the engine's standard input: end of input.
void CloseEngineInput(EnginePipe& engine);
// Waits until the output holds `needle` at or after `from`; true when found.
bool WaitForOutput(EnginePipe& engine, const std::string& needle, DWORD timeout_ms, size_t from = 0);
// Waits for the engine to exit and for its output to close. Returns the exit
// code, or -1 after killing an engine that overran the timeout.
long WaitForExit(EnginePipe& engine, DWORD timeout_ms);
// A copy of the output collected so far.
std::string EngineOutput(EnginePipe& engine);
// Kills an engine still running and releases every handle.
void StopEngine(EnginePipe& engine);
