#include "engine_pipe.h"

namespace {

// Drains the engine's output as it comes, so that the engine never blocks
// on a full pipe while the driver is busy writing its input.
DWORD WINAPI ReadOutput(LPVOID parameter) {
    EnginePipe& engine = *static_cast<EnginePipe*>(parameter);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(engine.from_engine, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        EnterCriticalSection(&engine.lock);
        engine.output.append(buffer, got);
        LeaveCriticalSection(&engine.lock);
    }
    EnterCriticalSection(&engine.lock);
    engine.output_closed = true;
    LeaveCriticalSection(&engine.lock);
    return 0;
}

void CloseIfOpen(HANDLE& handle) {
    if (handle != nullptr) CloseHandle(handle);
    handle = nullptr;
}

}  // namespace

bool StartEngine(EnginePipe& engine, const char* exe) {
    engine.process = engine.to_engine = engine.from_engine = engine.reader = nullptr;
    engine.output.clear();
    engine.output_closed = false;
    InitializeCriticalSection(&engine.lock);

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE child_input = nullptr, child_output = nullptr;
    if (!CreatePipe(&child_input, &engine.to_engine, &inheritable, 0)) return false;
    if (!CreatePipe(&engine.from_engine, &child_output, &inheritable, 0)) {
        CloseHandle(child_input);
        CloseIfOpen(engine.to_engine);
        return false;
    }
    // Only the child's ends may be inherited: an inherited copy of our write
    // end would keep the engine's input open after CloseEngineInput.
    SetHandleInformation(engine.to_engine, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(engine.from_engine, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = child_input;
    startup.hStdOutput = child_output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    std::string command_line = std::string("\"") + exe + "\"";
    const BOOL started = CreateProcessA(exe, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &info);
    // The child holds its own copies now; ours would hide its exit from the
    // reader and its end of input from the engine.
    CloseHandle(child_input);
    CloseHandle(child_output);
    if (!started) {
        CloseIfOpen(engine.to_engine);
        CloseIfOpen(engine.from_engine);
        return false;
    }
    CloseHandle(info.hThread);
    engine.process = info.hProcess;
    engine.reader = CreateThread(nullptr, 0, ReadOutput, &engine, 0, nullptr);
    return engine.reader != nullptr;
}

bool SendToEngine(EnginePipe& engine, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        if (engine.to_engine == nullptr) return false;
        DWORD wrote = 0;
        const DWORD chunk = static_cast<DWORD>(bytes.size() - sent < 65536 ? bytes.size() - sent : 65536);
        if (!WriteFile(engine.to_engine, bytes.data() + sent, chunk, &wrote, nullptr)) return false;
        sent += wrote;
    }
    return true;
}

void CloseEngineInput(EnginePipe& engine) { CloseIfOpen(engine.to_engine); }

std::string EngineOutput(EnginePipe& engine) {
    EnterCriticalSection(&engine.lock);
    std::string copy = engine.output;
    LeaveCriticalSection(&engine.lock);
    return copy;
}

bool WaitForOutput(EnginePipe& engine, const std::string& needle, DWORD timeout_ms, size_t from) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        EnterCriticalSection(&engine.lock);
        const bool found = engine.output.size() >= from && engine.output.find(needle, from) != std::string::npos;
        const bool closed = engine.output_closed;
        LeaveCriticalSection(&engine.lock);
        if (found) return true;
        if (closed || GetTickCount64() >= deadline) return false;
        Sleep(5);
    }
}

long WaitForExit(EnginePipe& engine, DWORD timeout_ms) {
    if (WaitForSingleObject(engine.process, timeout_ms) != WAIT_OBJECT_0) {
        TerminateProcess(engine.process, 255);
        WaitForSingleObject(engine.process, INFINITE);
        WaitForSingleObject(engine.reader, INFINITE);
        return -1;
    }
    // The output closes with the process; wait for the last bytes.
    WaitForSingleObject(engine.reader, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(engine.process, &code);
    return static_cast<long>(code);
}

void StopEngine(EnginePipe& engine) {
    if (engine.process != nullptr && WaitForSingleObject(engine.process, 0) != WAIT_OBJECT_0) {
        TerminateProcess(engine.process, 255);
        WaitForSingleObject(engine.process, INFINITE);
    }
    CloseIfOpen(engine.to_engine);
    if (engine.reader != nullptr) WaitForSingleObject(engine.reader, INFINITE);
    CloseIfOpen(engine.reader);
    CloseIfOpen(engine.from_engine);
    CloseIfOpen(engine.process);
    DeleteCriticalSection(&engine.lock);
}
