// Runs the vexil-host program as a user would and reads what it wrote.
#pragma once

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "temp_path.h"

#include <unistd.h>
#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace vexil_test {

struct Outcome {
    int status;
    std::string output;
};

// A command line for popen and std::system: cmd.exe takes the program's path
// with backslashes, and the whole line in one more pair of quotes.
inline std::string ShellCommand(std::string program, const std::string &arguments) {
#if defined(_WIN32)
    std::replace(program.begin(), program.end(), '/', '\\');
    return "\"\"" + program + "\" " + arguments + "\"";
#else
    return "\"" + program + "\" " + arguments;
#endif
}

enum class Streams { Output, OutputAndErrors, ErrorsOnly };

// Runs vexil-host with `arguments` (already quoted for the shell) and reads
// the streams asked for.
inline Outcome RunHost(const std::string &arguments, Streams streams) {
#if defined(_WIN32)
    const char *const redirect[] = {" 2>NUL", " 2>&1", " 2>&1 >NUL"};
#else
    const char *const redirect[] = {" 2>/dev/null", " 2>&1", " 2>&1 >/dev/null"};
#endif
    std::string command = ShellCommand(VEXIL_HOST_PATH, arguments + redirect[static_cast<int>(streams)]);
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string output;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
    int status = pclose(pipe);
#if !defined(_WIN32)
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return {status, output};
}

// Standard error is folded into the output when `withErrors`.
inline Outcome RunHost(const std::string &arguments, bool withErrors = false) {
    return RunHost(arguments, withErrors ? Streams::OutputAndErrors : Streams::Output);
}

inline std::string Example(const std::string &name) { return std::string("\"") + VEXIL_EXAMPLES_DIR + "/" + name + "\""; }

inline std::string WriteTemp(const std::string &name, const std::string &text) {
    std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

inline std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline size_t CountStartingWith(const std::vector<std::string> &lines, const std::string &prefix) {
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string &line) {
        return line.compare(0, prefix.size(), prefix) == 0;
    }));
}

}  // namespace vexil_test
