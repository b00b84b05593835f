// vexil-host: runs the Vexil module on mesh files through the stand-in host
// and shows the skeleton it built.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "cli/program.h"

namespace {

std::string ProgramDirectory(const char *argv0) {
    std::string path;
#if defined(_WIN32)
    char buffer[4096];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer) path.assign(buffer, length);
#else
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length > 0 && static_cast<size_t>(length) < sizeof buffer) path.assign(buffer, static_cast<size_t>(length));
#endif
    if (path.empty()) path = argv0;
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

int main(int argc, char **argv) {
    try {
        return vexil_host::RunProgram(std::vector<std::string>(argv + 1, argv + argc), ProgramDirectory(argv[0]),
                                      std::cout, std::cerr);
    } catch (const std::bad_alloc &) {
        std::cerr << "vexil-host: memory ran out\n";
        return vexil_host::kExitOutOfMemory;
    }
}
