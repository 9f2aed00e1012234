// Drives a real engine binary as a child process over pipes, as a GUI does.
#pragma once

#include <sys/types.h>

#include <string>

#ifndef MORVANE_BINARY
#define MORVANE_BINARY "build/morvane"
#endif

class EngineProcess {
public:
    explicit EngineProcess(const char* binary = MORVANE_BINARY);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Writes raw bytes to the engine's standard input, collecting its output
    // meanwhile so that neither side can block the other. Returns false once
    // the engine has closed its input.
    bool Send(const std::string& text);
    // Collects output until it contains needle (searching from offset `from`)
    // or the timeout passes; true when found.
    bool ReadUntil(const std::string& needle, int timeout_ms, size_t from = 0);
    // Closes the engine's standard input (end of input).
    void CloseInput();
    // Waits for the engine to exit, collecting its output. Returns the exit
    // code, 128 + signal for a crash, or -1 after killing it on timeout.
    int Wait(int timeout_ms);

    const std::string& Output() const { return output_; }

private:
    // Reads whatever output is ready within timeout_ms; false at end of output.
    bool Collect(int timeout_ms);

    pid_t pid_ = -1;
    int to_engine_ = -1;
    int from_engine_ = -1;
    bool output_closed_ = false;
    int exit_code_ = -1;
    std::string output_;
};

struct EngineRun {
    std::string output;
    int exit_code;
};

// Feeds `input` to a fresh engine, closes its input and waits for it to end.
EngineRun RunEngine(const std::string& input, int timeout_ms = 20000, const char* binary = MORVANE_BINARY);
