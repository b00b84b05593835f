// UTF-8, as the text formats we write must hold it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexil_host {

// The length (1 to 4) of the valid UTF-8 sequence that begins at `at`, or 0
// when the byte there begins none: a stray continuation byte, a cut
// sequence, an overlong form, a surrogate or a code point past U+10FFFF.
size_t Utf8SequenceLength(std::string_view text, size_t at);

// Text safe inside XML or HTML text: markup escaped, control bytes and
// broken UTF-8 as '?'.
std::string MarkupText(const std::string &raw);

}  // namespace vexil_host
