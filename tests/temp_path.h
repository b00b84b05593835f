// Where a test writes its scratch files.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include <unistd.h>

namespace vexil_test {

// A scratch file's path in a folder of this process's own: ctest runs each
// test in a process of its own, side by side, and two tests writing one
// file (each its "plain.obj" in the same folder) would read each other's.
// The name is kept as given, since vexil-host names layers after files.
inline std::string TempPath(const std::string &name) {
    static const std::string folder = [] {
        std::string path = ::testing::TempDir() + "vexil_test_" + std::to_string(::getpid());
        std::filesystem::create_directories(path);
        return path + "/";
    }();
    return folder + name;
}

}  // namespace vexil_test
