// The few services the engine needs from the operating system. Everything
// else in the engine is portable; only the files behind this header differ
// between platforms.
#pragma once

#include <cstdint>

// Standard input and output without buffers: replies reach the GUI at once,
// and input is taken byte by byte so that InputAvailable sees every unread
// byte.
void InitStreams();

// Non-zero when input is waiting on standard input (or the test failed, so
// that a read is attempted). Never blocks and never consumes input.
uint32_t InputAvailable();

// A clock in milliseconds for measuring search time.
int64_t ClockMs();
