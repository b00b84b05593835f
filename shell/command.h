// The one road by which a command text reaches the host.
#pragma once

#include <stdarg.h>
#include <stddef.h>

struct SkeletonBuilder;

// Room for a command and its terminating zero.
constexpr size_t kCommandBufferSize = 256;

// What SendCommand returns for a command it did not send because its text
// would not fit the buffer. No caller needs to look at it.
constexpr int kCommandTooLong = -1;

// Formats `format` with its values into `buffer` (`size` bytes) and returns
// the text's length, or -1 when the text and its zero do not fit; the buffer
// then holds no usable text. Placeholders: %s (zero-terminated bytes, as they
// stand), %f (a double: fixed, six decimals, a full stop, whatever the
// locale), %d (int, signed decimal), %x (a pointer-sized ID: its low 32 bits
// in lowercase hex). Allocates nothing.
int FormatCommandV(char *buffer, size_t size, const char *format, va_list values);
int FormatCommand(char *buffer, size_t size, const char *format, ...);

// Formats the command into a buffer of its own and hands it to the builder's
// evaluator; returns what the evaluator returned. A command of 256 characters
// or more is not sent at all (a cut name would address the wrong bone), and
// kCommandTooLong is returned.
int SendCommand(SkeletonBuilder &builder, const char *format, ...);
