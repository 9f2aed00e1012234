// The Windows console platform: the engine runs as a console program that a
// GUI starts with pipes, or by hand in a console window.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <ctime>

#include "platform/platform.h"

namespace {

// Console mode flags that would queue window-resize and mouse events among
// the keystrokes; the engine only cares about typed lines.
constexpr DWORD WINDOW_INPUT_MODE = 0x0008;
constexpr DWORD MOUSE_INPUT_MODE = 0x0010;

// Set up on the first poll and kept for the life of the process.
struct InputState {
    bool set_up;
    HANDLE handle;
    bool is_pipe;  // anything that is not a console: a pipe, a file, a null device
};

InputState input_state;

void SetUpInput() {
    input_state.set_up = true;
    input_state.handle = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    input_state.is_pipe = !GetConsoleMode(input_state.handle, &mode);
    if (input_state.is_pipe) return;
    SetConsoleMode(input_state.handle, mode & ~(WINDOW_INPUT_MODE | MOUSE_INPUT_MODE));
    // Whatever was typed before the first search began is thrown away, so a
    // stray key press cannot be taken for a command line.
    FlushConsoleInputBuffer(input_state.handle);
}

}  // namespace

// Text mode is the C runtime's default for the standard streams, so replies
// end in CR LF and CR LF input arrives as LF; only the buffers go.
void InitStreams() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stdin, nullptr, _IONBF, 0);
}

uint32_t InputAvailable() {
    if (!input_state.set_up) SetUpInput();
    if (input_state.is_pipe) {
        DWORD bytes = 0;
        // A failed peek (typically the GUI closed its end) must still lead to
        // a read, which then sees the end of input.
        if (!PeekNamedPipe(input_state.handle, nullptr, 0, nullptr, &bytes, nullptr)) return 1;
        return bytes;
    }
    DWORD events = 0;
    GetNumberOfConsoleInputEvents(input_state.handle, &events);
    // A single pending event is usually the key-up of the Enter that started
    // the search, not the beginning of a new line.
    return events > 1 ? events : 0;
}

// The C runtime's clock() counts wall time on Windows, in milliseconds
// since the process started (CLOCKS_PER_SEC is 1000 there).
int64_t ClockMs() { return static_cast<int64_t>(std::clock()) * 1000 / CLOCKS_PER_SEC; }
