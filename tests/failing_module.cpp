// A module whose every run fails: it sends one command the host does not
// know, then reports BADAPP. Lets vexil-host's failure paths be tested with
// a real loaded library.
#include "shell/host_api.h"

namespace {

void *Startup() { return reinterpret_cast<void *>(4); }

void Shutdown(void *) {}

int Activate(int version, GlobalFunc *, void *local, void *) {
    if (version != LWLAYOUTGENERIC_VERSION) return AFUNC_BADVERSION;
    LWLayoutGeneric *generic = static_cast<LWLayoutGeneric *>(local);
    generic->evaluate(generic->data, "NoSuchCommand 1");
    return AFUNC_BADAPP;
}

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
