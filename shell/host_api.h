// The host's plug-in interface as Vexil relies on it: the records the host
// hands the module, the tables its services yield, and the descriptor the
// module exports. Written from what the module needs; members the module
// never touches are left out. Every layout here is shared with the stand-in
// host, which builds the same records on its side.
//
// Ownership, for every record below: the host owns it and keeps it alive
// for at least the call it is handed in (services: the activation); the
// module borrows and never frees. IDs are opaque pointer-sized values,
// compared by identity; zero means none.
#pragma once

#include <stddef.h>
#include <stdint.h>

extern "C" {

typedef struct LWItemHandle *LWItemID;
typedef struct LWPntHandle *LWPntID;
typedef struct LWPolHandle *LWPolID;
typedef uint32_t LWID;

// Tag type for a polygon's surface name: 'SURF'.
enum : LWID { LWID_SURF = 0x53555246u };

// Service lookup. The module asks with GFUSE_TRANSIENT and never releases.
typedef void *GlobalFunc(const char *serviceName, int useMode);
enum { GFUSE_TRANSIENT = 0 };

// Activation status codes.
enum {
    AFUNC_OK = 0,
    AFUNC_BADVERSION = 1,  // interface version other than the one served
    AFUNC_BADGLOBAL = 2,   // a service missing or the options panel not made
    // The run stopped because memory ran out. Everything was released; the
    // user's frame and selection were put back if the run had moved them.
    AFUNC_OUTOFMEMORY = 5,
};

// Command evaluator, handed to each activation as its local data. `evaluate`
// gets `data` and a zero-terminated command that lives for the call only.
typedef struct LWLayoutGeneric {
    int (*evaluate)(void *data, const char *command);
    void *data;
} LWLayoutGeneric;

// ---- Panels ("LWPanelServices") ----

typedef struct LWPanelHandle *LWPanelID;

enum { LWT_INTEGER = 2, LWT_BOOLEAN = 8 };
enum { CTL_VALUE = 4 };
enum { PANF_BLOCKING = 1 };

// A value passed to and from a control; `type` says which member is meant.
typedef struct LWValue {
    int type;
    int intv;
} LWValue;

// What kind of control `addControl` is to make.
typedef struct LWPanControlDesc {
    int type;
} LWPanControlDesc;

// A control made by `addControl`; owned by its panel, gone with `destroy`.
typedef struct LWControl LWControl;
struct LWControl {
    void (*get)(LWControl *control, int tag, LWValue *value);  // writes value back
    void (*set)(LWControl *control, int tag, LWValue *value);  // shows value
    void *hostData;                                            // the host's own
};

typedef struct LWPanelFuncs {
    // Returns a panel, or zero when none can be made.
    LWPanelID (*create)(const char *title, void *data);
    void (*destroy)(LWPanelID panel);
    // With PANF_BLOCKING, returns only once the user has closed the panel.
    int (*open)(LWPanelID panel, int flags);
    // Returns the new control, or zero.
    LWControl *(*addControl)(LWPanelID panel, const char *controlType,
                             LWPanControlDesc *description, const char *label);
} LWPanelFuncs;

// ---- Items ("LW Item Info 5") ----

enum { LWI_OBJECT = 0, LWI_LIGHT = 1, LWI_CAMERA = 2, LWI_BONE = 3 };

typedef struct LWItemInfo {
    // First item of a type; for LWI_BONE, the first bone of `owner`. Zero if none.
    LWItemID (*first)(int itemType, LWItemID owner);
    // The next item of the same type (for a bone: of the same object), or zero.
    LWItemID (*next)(LWItemID item);
    // Zero-terminated name, valid until the scene next changes.
    const char *(*name)(LWItemID item);
    int (*type)(LWItemID item);
} LWItemInfo;

// ---- Meshes ----

typedef struct LWMeshInfo LWMeshInfo;

// Called once per polygon from inside `scanPolys`; 0 asks the host to go on.
typedef size_t LWPolScanFunc(void *userData, LWPolID polygon);

struct LWMeshInfo {
    void *hostData;
    int (*scanPolys)(LWMeshInfo *mesh, LWPolScanFunc *callback, void *userData);
    int (*polSize)(LWMeshInfo *mesh, LWPolID polygon);
    LWPntID (*polVertex)(LWMeshInfo *mesh, LWPolID polygon, int vertexIndex);
    // Zero-terminated tag text; the pointer is valid for the call only.
    const char *(*polTag)(LWMeshInfo *mesh, LWPolID polygon, LWID tagType);
    // Writes the point's base position in object space.
    void (*pntBasePos)(LWMeshInfo *mesh, LWPntID point, float position[3]);
};

// ---- Objects ("LW Object Info 7") ----

typedef struct LWObjectInfo {
    // The object's mesh, or zero. The host keeps it alive for the activation.
    LWMeshInfo *(*meshInfo)(LWItemID object, int frozen);
} LWObjectInfo;

// ---- Interface state ("LW Interface Info 7") ----

typedef struct LWInterfaceInfo {
    double curTime;           // seconds
    const LWItemID *selItems; // selected items, ended by a zero ID
} LWInterfaceInfo;

// ---- Scene ("LW Scene Info 6") ----

typedef struct LWSceneInfo {
    double framesPerSecond;
} LWSceneInfo;

// ---- The module's export ----

typedef int ActivateFunc(int version, GlobalFunc *global, void *local, void *serverData);

typedef struct ServerTagInfo ServerTagInfo;

// One server the module offers; a list of them ends with an all-zero entry.
typedef struct ServerRecord {
    const char *className;
    const char *name;
    ActivateFunc *activate;
    const ServerTagInfo *tagInfo;
} ServerRecord;

// The one exported record. Static data of the module, alive while it is loaded.
typedef struct ModuleDescriptor {
    uint32_t sysSync;
    uint32_t sysVersion;
    uint32_t sysMachine;
    void *(*startup)(void);
    void (*shutdown)(void *startupValue);
    ServerRecord *serverDefs;
} ModuleDescriptor;

enum : uint32_t {
    MOD_SYSSYNC = 0x04121994u,
    MOD_SYSVER = 3u,
    MOD_MACHINE = 0x00000300u,
};

// The only interface version the activation serves.
enum { LWLAYOUTGENERIC_VERSION = 2 };

}  // extern "C"

static_assert(sizeof(void *) == 8, "the host loads 64-bit modules only");
static_assert(offsetof(ModuleDescriptor, sysSync) == 0, "descriptor layout");
static_assert(offsetof(ModuleDescriptor, sysVersion) == 4, "descriptor layout");
static_assert(offsetof(ModuleDescriptor, sysMachine) == 8, "descriptor layout");
static_assert(offsetof(ModuleDescriptor, startup) == 16, "descriptor layout");
static_assert(offsetof(ModuleDescriptor, shutdown) == 24, "descriptor layout");
static_assert(offsetof(ModuleDescriptor, serverDefs) == 32, "descriptor layout");
static_assert(sizeof(ModuleDescriptor) == 40, "descriptor layout");
static_assert(offsetof(ServerRecord, className) == 0, "server entry layout");
static_assert(offsetof(ServerRecord, name) == 8, "server entry layout");
static_assert(offsetof(ServerRecord, activate) == 16, "server entry layout");
static_assert(offsetof(ServerRecord, tagInfo) == 24, "server entry layout");
static_assert(sizeof(ServerRecord) == 32, "server entry layout");
