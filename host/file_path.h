// File names as vexil-host holds them, UTF-8 on every system, and as the
// system opens them: bytes on Linux, wide characters on Windows, so that
// a folder named in any script opens.
#pragma once

#include <filesystem>
#include <string>

namespace vexil_host {

// The path to open for a file name held as UTF-8.
std::filesystem::path FilePath(const std::string &utf8);

#if defined(_WIN32)
// UTF-8 and Windows' UTF-16, both ways; text that is not valid becomes U+FFFD.
std::wstring WideText(const std::string &utf8);
std::string Utf8Text(const std::wstring &wide);
#endif

}  // namespace vexil_host
