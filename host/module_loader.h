// Loads a module file the way the host does and runs its activation.
#pragma once

#include <stdexcept>
#include <string>

#include "shell/host_api.h"

namespace vexil_host {

// A module that cannot be loaded or used; the message says why, for a user.
class ModuleError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A loaded module: the library is open, its descriptor checked and its
// `startup` called; the destructor calls `shutdown` and unloads it.
class LoadedModule {
  public:
    explicit LoadedModule(const std::string &path);
    ~LoadedModule();
    LoadedModule(const LoadedModule &) = delete;
    LoadedModule &operator=(const LoadedModule &) = delete;

    // The activation of the server of class "LayoutGeneric" named "Vexil".
    ActivateFunc *Activation() const { return activate_; }

  private:
    std::string path_;
    void *library_ = nullptr;
    ModuleDescriptor *descriptor_ = nullptr;
    void *startupValue_ = nullptr;
    ActivateFunc *activate_ = nullptr;
};

}  // namespace vexil_host
