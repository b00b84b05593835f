#include "host/file_path.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vexil_host {

#if defined(_WIN32)
std::wstring WideText(const std::string &utf8) {
    if (utf8.empty()) return std::wstring();
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string Utf8Text(const std::wstring &wide) {
    if (wide.empty()) return std::string();
    int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::filesystem::path FilePath(const std::string &utf8) { return std::filesystem::path(WideText(utf8)); }
#else
std::filesystem::path FilePath(const std::string &utf8) { return std::filesystem::path(utf8); }
#endif

}  // namespace vexil_host
