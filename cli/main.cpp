// vexil-host: runs the Vexil module on mesh files through the stand-in host
// and shows the skeleton it built.
#include <algorithm>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

#include "cli/command_line.h"
#include "cli/program.h"
#include "host/file_path.h"

namespace {

std::string DirectoryOf(std::string path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

#if defined(_WIN32)
// The arguments as typed, any script, as UTF-8: the narrow command line
// would have gone through the ANSI code page.
std::vector<std::string> Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(vexil_host::Utf8Text(wide[i]));
    LocalFree(wide);
    return arguments;
}

std::string ProgramDirectory() {
    std::wstring path(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return ".";
    path.resize(length);
    return DirectoryOf(vexil_host::Utf8Text(path));
}

bool IsConsole(DWORD which) {
    DWORD mode;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}
#else
std::vector<std::string> Arguments(int argc, char **argv) { return std::vector<std::string>(argv + 1, argv + argc); }

std::string ProgramDirectory(const char *argv0) {
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length > 0 && static_cast<size_t>(length) < sizeof buffer)
        return DirectoryOf(std::string(buffer, static_cast<size_t>(length)));
    return DirectoryOf(argv0);
}
#endif

}  // namespace

int main(int argc, char **argv) {
#if defined(_WIN32)
    (void)argc, (void)argv;
    // A console shows what is written to it as UTF-8; a file gets the bytes.
    // The console's own code page comes back at the end, for the shell.
    const UINT consolePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments = Arguments();
    std::string directory = ProgramDirectory();
    DWORD processes[2];
    arguments = vexil_host::ConsoleArguments(GetConsoleProcessList(processes, 2), IsConsole(STD_INPUT_HANDLE),
                                             IsConsole(STD_OUTPUT_HANDLE), arguments);
#else
    std::vector<std::string> arguments = Arguments(argc, argv);
    std::string directory = ProgramDirectory(argv[0]);
#endif
    int status;
    try {
        status = vexil_host::RunProgram(arguments, directory, std::cout, std::cerr);
    } catch (const std::bad_alloc &) {
        std::cerr << "vexil-host: memory ran out\n";
        status = vexil_host::kExitOutOfMemory;
    }
    // Beside the files, the window may be about to close: keep it open
    // until the user has read it, after errors too.
    if (std::find(arguments.begin(), arguments.end(), "--beside") != arguments.end()) {
        std::cout << "Press Enter to close this window." << std::endl;
        std::string answer;
        std::getline(std::cin, answer);
    }
#if defined(_WIN32)
    std::cout.flush();
    if (consolePage != 0) SetConsoleOutputCP(consolePage);
#endif
    return status;
}
