// Runs the built Vexil.p through the stand-in host, as the host would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/module_loader.h"
#include "host/scene.h"
#include "host/services.h"

namespace vexil_test {

// One module load with a scene and a host serving it. Activate may be called
// several times; the scene keeps what each run did.
struct ModuleHarness {
    explicit ModuleHarness(vexil_host::HostOptions options = {})
        : host(scene, std::move(options)), module(VEXIL_MODULE_PATH) {}

    // Runs the module once; by the time it returns, every mesh it was handed
    // must have been handed back exactly once (a second destroy, or any use
    // of a destroyed mesh, stops the stand-in host).
    int Activate(int version = LWLAYOUTGENERIC_VERSION) {
        int status = module.Activation()(version, host.Global(), host.Generic(), nullptr);
        size_t returnable = host.options.meshesWithoutDestroy ? 0 : host.meshesHandedOut;
        EXPECT_EQ(host.meshesDestroyed, returnable) << "meshes handed out: " << host.meshesHandedOut;
        return status;
    }

    vexil_host::Scene scene;
    vexil_host::StandInHost host;
    vexil_host::LoadedModule module;
};

// The low 32 bits of an ID as %x writes them.
inline std::string Hex(LWItemID id) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(id)));
    return text;
}

}  // namespace vexil_test
