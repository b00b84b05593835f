#include "shell/command.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "skeleton/bone_record.h"

namespace {

// Appends bytes to a bounded buffer, remembering when they stopped fitting.
struct TextSink {
    char *buffer;
    size_t size;
    size_t length;
    bool overflow;
};

void Append(TextSink &sink, const char *text, size_t count) {
    if (sink.overflow || count >= sink.size - sink.length) {
        sink.overflow = true;
        return;
    }
    std::memcpy(sink.buffer + sink.length, text, count);
    sink.length += count;
}

void AppendFixed(TextSink &sink, double value) {
    // Non-finite values are written as C's printf writes them.
    if (std::isnan(value)) {
        if (std::signbit(value))
            Append(sink, "-nan", 4);
        else
            Append(sink, "nan", 3);
        return;
    }
    if (std::isinf(value)) {
        if (value < 0)
            Append(sink, "-inf", 4);
        else
            Append(sink, "inf", 3);
        return;
    }
    // to_chars ignores the locale and rounds as printf does in the C locale;
    // the largest float has 39 digits before the point.
    char digits[64];
    std::to_chars_result result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    Append(sink, digits, static_cast<size_t>(result.ptr - digits));
}

void AppendDecimal(TextSink &sink, int value) {
    char digits[16];
    std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
    Append(sink, digits, static_cast<size_t>(result.ptr - digits));
}

void AppendLowHex(TextSink &sink, const void *id) {
    uint32_t low = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(id));
    char digits[16];
    std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, low, 16);
    Append(sink, digits, static_cast<size_t>(result.ptr - digits));
}

}  // namespace

int FormatCommandV(char *buffer, size_t size, const char *format, va_list values) {
    if (size == 0) return -1;
    TextSink sink = {buffer, size, 0, false};
    for (const char *p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            Append(sink, p, 1);
            continue;
        }
        ++p;
        switch (*p) {
            case 's': {
                const char *text = va_arg(values, const char *);
                Append(sink, text, std::strlen(text));
                break;
            }
            case 'f':
                AppendFixed(sink, va_arg(values, double));
                break;
            case 'd':
                AppendDecimal(sink, va_arg(values, int));
                break;
            case 'x':
                AppendLowHex(sink, va_arg(values, void *));
                break;
            case '%':
                Append(sink, "%", 1);
                break;
            default:
                // The module's own formats use nothing else; a stray '%' at
                // the end must not walk past the terminator.
                if (*p == '\0') --p;
                break;
        }
    }
    if (sink.overflow) {
        buffer[0] = '\0';
        return -1;
    }
    buffer[sink.length] = '\0';
    return static_cast<int>(sink.length);
}

int FormatCommand(char *buffer, size_t size, const char *format, ...) {
    va_list values;
    va_start(values, format);
    int length = FormatCommandV(buffer, size, format, values);
    va_end(values);
    return length;
}

int SendCommand(SkeletonBuilder &builder, const char *format, ...) {
    char command[kCommandBufferSize];
    va_list values;
    va_start(values, format);
    int length = FormatCommandV(command, sizeof command, format, values);
    va_end(values);
    if (length < 0) return kCommandTooLong;
    return builder.generic->evaluate(builder.generic->data, command);
}
