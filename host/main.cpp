#include <cstdio>
#include <string>

#include "host/module_loader.h"
#include "host/services.h"

int main(int argc, char **argv) {
    std::string modulePath = argc > 1 ? argv[1] : "Vexil.p";
    try {
        vexil_host::Scene scene;
        vexil_host::StandInHost host(scene);
        vexil_host::LoadedModule module(modulePath);
        int status = module.Activation()(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr);
        for (const std::string &command : host.commands) std::printf("%s\n", command.c_str());
        return status == AFUNC_OK ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "vexil-host: %s\n", error.what());
        return 2;
    }
}
