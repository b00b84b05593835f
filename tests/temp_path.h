// Where a test writes its scratch files.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

#include <unistd.h>

namespace vexil_test {

// A folder of this process's own, removed with everything in it when the
// process ends, so that test runs leave nothing behind.
class ScratchFolder {
  public:
    ScratchFolder() : path_(::testing::TempDir() + "vexil_test_" + std::to_string(::getpid())) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
    const std::string &Path() const { return path_; }

  private:
    std::string path_;
};

// A scratch file's path in a folder of this process's own: ctest runs each
// test in a process of its own, side by side, and two tests writing one
// file (each its "plain.obj" in the same folder) would read each other's.
// The name is kept as given, since vexil-host names layers after files.
inline std::string TempPath(const std::string &name) {
    static const ScratchFolder folder;
    return folder.Path() + "/" + name;
}

}  // namespace vexil_test
