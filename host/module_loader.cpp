#include "host/module_loader.h"

#include "host/file_path.h"

#include <cstring>
#include <sstream>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vexil_host {

namespace {

void *OpenLibrary(const std::string &path, std::string &error) {
#if defined(_WIN32)
    HMODULE library = LoadLibraryW(WideText(path).c_str());
    if (library == nullptr) error = "Windows error " + std::to_string(GetLastError());
    return reinterpret_cast<void *>(library);
#else
    void *library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) error = dlerror();
    return library;
#endif
}

void *FindSymbol(void *library, const char *name) {
#if defined(_WIN32)
    return reinterpret_cast<void *>(GetProcAddress(reinterpret_cast<HMODULE>(library), name));
#else
    return dlsym(library, name);
#endif
}

void CloseLibrary(void *library) {
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(library));
#else
    dlclose(library);
#endif
}

std::string Hex(uint32_t value) {
    std::ostringstream text;
    text.exceptions(std::ios::badbit);  // running out of memory must not cut the text short unseen
    text << "0x" << std::hex << value;
    return text.str();
}

}  // namespace

LoadedModule::LoadedModule(const std::string &path) : path_(path) {
    std::string error;
    library_ = OpenLibrary(path, error);
    if (library_ == nullptr) throw ModuleError(path + ": not a loadable module (" + error + ")");
    try {
        descriptor_ = static_cast<ModuleDescriptor *>(FindSymbol(library_, "_mod_descrip"));
        if (descriptor_ == nullptr) throw ModuleError(path + ": exports no _mod_descrip");
        if (descriptor_->sysSync != MOD_SYSSYNC)
            throw ModuleError(path + ": sysSync is " + Hex(descriptor_->sysSync) + ", expected " + Hex(MOD_SYSSYNC));
        if (descriptor_->sysVersion != MOD_SYSVER)
            throw ModuleError(path + ": sysVersion is " + std::to_string(descriptor_->sysVersion) + ", expected " +
                              std::to_string(MOD_SYSVER));
        if (descriptor_->sysMachine != MOD_MACHINE)
            throw ModuleError(path + ": sysMachine is " + Hex(descriptor_->sysMachine) + ", expected " +
                              Hex(MOD_MACHINE));
        for (const ServerRecord *server = descriptor_->serverDefs; server != nullptr && server->className != nullptr;
             ++server) {
            if (std::strcmp(server->className, "LayoutGeneric") == 0 && server->name != nullptr &&
                std::strcmp(server->name, "Vexil") == 0) {
                activate_ = server->activate;
                break;
            }
        }
        if (activate_ == nullptr) throw ModuleError(path + ": offers no LayoutGeneric server named Vexil");
        if (descriptor_->startup != nullptr) {
            startupValue_ = descriptor_->startup();
            if (startupValue_ == nullptr) throw ModuleError(path + ": startup failed");
        }
    } catch (...) {
        CloseLibrary(library_);
        throw;
    }
}

LoadedModule::~LoadedModule() {
    if (descriptor_->shutdown != nullptr) descriptor_->shutdown(startupValue_);
    CloseLibrary(library_);
}

}  // namespace vexil_host
