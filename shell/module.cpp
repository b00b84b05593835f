// The module's one export: the descriptor the host reads when it loads the
// library, and the list of servers it offers.
#include "shell/activate.h"
#include "shell/host_api.h"

namespace {

// The host only needs a non-null value back.
void *Startup() { return reinterpret_cast<void *>(4); }

void Shutdown(void *) {}

ServerRecord servers[] = {
    {"LayoutGeneric", "Vexil", Activate, nullptr},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace

extern "C" {
#if defined(_WIN32)
__declspec(dllexport)
#else
__attribute__((visibility("default")))
#endif
ModuleDescriptor _mod_descrip = {MOD_SYSSYNC, MOD_SYSVER, MOD_MACHINE, Startup, Shutdown, servers};
}
