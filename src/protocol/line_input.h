// Reading one command line from standard input.
#pragma once

#include <cstddef>

// Size of a command buffer: at most 65,535 characters of text and the
// terminating zero.
inline constexpr size_t LINE_BUFFER_SIZE = 65536;

// Reads characters up to a line feed (consumed, not stored) into buffer and
// terminates it. A carriage return right before the line feed is dropped, so
// CRLF input reads like LF input. Fails (returns false, buffer empty) when
// input ends before the first character, when the line is longer than
// LINE_BUFFER_SIZE - 1 characters, or on a stream error. A last line without
// a line feed is still read.
bool ReadLine(char* buffer);
