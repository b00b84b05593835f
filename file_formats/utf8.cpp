#include "file_formats/utf8.h"

#include <cstdint>

namespace vexil_host {

size_t Utf8SequenceLength(std::string_view text, size_t at) {
    unsigned char c = static_cast<unsigned char>(text[at]);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    uint32_t code = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
    for (size_t k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(text[at + k]);
        if ((next >> 6) != 2) return 0;
        code = code << 6 | (next & 0x3F);
    }
    static const uint32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    bool valid = code >= kLeast[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    return valid ? length : 0;
}

std::string MarkupText(const std::string &raw) {
    std::string out;
    for (size_t i = 0; i < raw.size();) {
        unsigned char c = static_cast<unsigned char>(raw[i]);
        size_t length = Utf8SequenceLength(raw, i);
        if (length == 0 || (length == 1 && c < 0x20 && c != '\t')) {
            out += '?';
            i += 1;
            continue;
        }
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out.append(raw, i, length);
        i += length;
    }
    return out;
}

}  // namespace vexil_host
