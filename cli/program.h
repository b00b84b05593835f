// vexil-host as a whole: from its arguments to its exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vexil_host {

// Exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitModuleFailed = 1;   // the module reported a failure
constexpr int kExitBadInput = 2;       // a bad command line or mesh file; the module is not run
constexpr int kExitNoModule = 3;       // the module could not be loaded
constexpr int kExitWarnings = 4;       // --strict, and there were warnings
constexpr int kExitOutOfMemory = 5;    // memory ran out; the message says where

// Runs vexil-host with `arguments` (without the program's name); the module
// is looked for in `programDirectory` unless --module names it. Writes what
// goes to standard output to `out` and the rest to `err`. Never throws.
int RunProgram(const std::vector<std::string> &arguments, const std::string &programDirectory, std::ostream &out,
               std::ostream &err);

}  // namespace vexil_host
