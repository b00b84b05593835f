// The host's plug-in interface as Vexil reaches it: the records the host
// hands the module, the tables its services yield, and the descriptor the
// module exports. Every record is declared in the host's own 64-bit layout
// (the same on Windows and Linux), member by member up to the last one the
// module uses; the static_asserts at the end pin each offset. A member the
// module never touches keeps its place as an LWUnusedFunc slot under the
// host's name: it must never be called.
//
// Ownership, for every record below: the host owns it and keeps it alive
// for at least the call it is handed in (service tables: the activation;
// a mesh: until the module calls its `destroy`); the module borrows and
// never frees, except the mesh, which it hands back with `destroy`. IDs are
// opaque pointer-sized values, compared by identity; zero means none.
#pragma once

#include <stddef.h>
#include <stdint.h>

extern "C" {

typedef struct LWItemHandle *LWItemID;
typedef struct LWPntHandle *LWPntID;
typedef struct LWPolHandle *LWPolID;
typedef uint32_t LWID;

// A slot of the host's table that the module never calls.
typedef void LWUnusedFunc(void);

// Tag type for a polygon's surface name: 'SURF'.
enum : LWID { LWID_SURF = 0x53555246u };

// Service lookup. The module asks with GFUSE_TRANSIENT and never releases.
typedef void *GlobalFunc(const char *serviceName, int useMode);
enum { GFUSE_TRANSIENT = 0 };

// Activation status codes, the host's.
enum {
    AFUNC_OK = 0,
    AFUNC_BADVERSION = 1,  // interface version other than the one served
    AFUNC_BADGLOBAL = 2,   // a service missing or the options panel not made
    AFUNC_BADLOCAL = 3,
    // The run failed; the host tells the user. Vexil returns it when memory
    // ran out: everything was released, and the user's frame and selection
    // were put back if the run had moved them.
    AFUNC_BADAPP = 4,
    // Failed, and the host shows nothing. Never used: the user would not
    // learn that the run failed.
    AFUNC_BADAPP_SILENT = 5,
};

// Command evaluator, handed to each activation as its local data.
// `evaluate` gets `data` and a zero-terminated command that lives for the
// call only; it returns the host's answer, which the module never examines.
typedef struct LWLayoutGeneric {
    LWUnusedFunc *saveScene;
    LWUnusedFunc *loadScene;
    void *data;
    LWUnusedFunc *lookup;
    LWUnusedFunc *execute;
    int (*evaluate)(void *data, const char *command);
} LWLayoutGeneric;

// ---- Panels ("LWPanelServices") ----

typedef struct LWPanelHandle *LWPanelID;

enum { LWT_INTEGER = 2, LWT_BOOLEAN = 8 };
enum { CTL_VALUE = 4 };
enum { PANF_BLOCKING = 1 };

// The integer form of a control value.
typedef struct LWValInt {
    int type;  // LWT_INTEGER
    int value;
    int defVal;
} LWValInt;

// The widest form; only its size matters to the module.
typedef struct LWValWidest {
    int type;
    double values[4];
} LWValWidest;

// A value passed to and from a control. The host may write all of it, so
// the module always hands over the whole union; `type` says which form.
typedef union LWValue {
    int type;
    LWValInt intv;
    LWValWidest widest;
} LWValue;

// What kind of control `addControl` is to make. The host may read all of
// it, so the module always hands over the whole union, zeroed but for `type`.
typedef union LWPanControlDesc {
    int type;
    struct {
        int type;
        int reserved;
        void *slots[5];
    } widest;
} LWPanControlDesc;

// A control made by `addControl`; owned by its panel, gone with `destroy`.
typedef struct LWControl LWControl;
struct LWControl {
    LWUnusedFunc *draw;
    void (*get)(LWControl *control, int tag, LWValue *value);  // writes the value back
    void (*set)(LWControl *control, int tag, LWValue *value);  // shows the value
    void *priv_data;                                           // the host's own
};

typedef struct LWPanelFuncs {
    // Returns a panel, or zero when none can be made.
    LWPanelID (*create)(const char *title, void *data);
    void (*destroy)(LWPanelID panel);
    // With PANF_BLOCKING, returns only once the user has closed the panel.
    int (*open)(LWPanelID panel, int flags);
    LWUnusedFunc *handle;
    LWUnusedFunc *draw;
    LWUnusedFunc *close;
    LWUnusedFunc *get;
    LWUnusedFunc *set;
    // Returns the new control, or zero.
    LWControl *(*addControl)(LWPanelID panel, const char *controlType, LWPanControlDesc *description,
                             const char *label);
} LWPanelFuncs;

// ---- Items ("LW Item Info 5") ----

enum { LWI_OBJECT = 0, LWI_LIGHT = 1, LWI_CAMERA = 2, LWI_BONE = 3 };

typedef struct LWItemInfo {
    // First item of a type; for LWI_BONE, the first bone of `owner`. Zero if none.
    LWItemID (*first)(int itemType, LWItemID owner);
    // The next item of the same type (for a bone: of the same object), or zero.
    LWItemID (*next)(LWItemID item);
    LWUnusedFunc *firstChild;
    LWUnusedFunc *nextChild;
    LWUnusedFunc *parent;
    LWUnusedFunc *target;
    LWUnusedFunc *goal;
    int (*type)(LWItemID item);
    // Zero-terminated name, valid until the scene next changes.
    const char *(*name)(LWItemID item);
} LWItemInfo;

// ---- Meshes ----

typedef struct LWMeshInfo LWMeshInfo;

// Called once per polygon from inside `scanPolys`; 0 asks the host to go on.
typedef size_t LWPolScanFunc(void *userData, LWPolID polygon);

struct LWMeshInfo {
    void *priv;  // the host's own
    // Frees the mesh; may be zero, meaning the mesh is not to be freed.
    // After it, nothing of the mesh may be asked for.
    void (*destroy)(LWMeshInfo *mesh);
    LWUnusedFunc *numPoints;
    LWUnusedFunc *numPolygons;
    LWUnusedFunc *scanPoints;
    size_t (*scanPolys)(LWMeshInfo *mesh, LWPolScanFunc *callback, void *userData);
    // Writes the point's base position in object space.
    void (*pntBasePos)(LWMeshInfo *mesh, LWPntID point, float position[3]);
    LWUnusedFunc *pntOtherPos;
    LWUnusedFunc *pntVLookup;
    LWUnusedFunc *pntVSelect;
    LWUnusedFunc *pntVGet;
    LWUnusedFunc *polType;
    int (*polSize)(LWMeshInfo *mesh, LWPolID polygon);
    LWPntID (*polVertex)(LWMeshInfo *mesh, LWPolID polygon, int vertexIndex);
    // Zero-terminated tag text, or zero when the polygon has no tag of that
    // type; the text is valid for the call only.
    const char *(*polTag)(LWMeshInfo *mesh, LWPolID polygon, LWID tagType);
};

// ---- Objects ("LW Object Info 7") ----

typedef struct LWObjectInfo {
    LWUnusedFunc *filename;
    LWUnusedFunc *numPoints;
    LWUnusedFunc *numPolygons;
    LWUnusedFunc *shadowOpts;
    LWUnusedFunc *dissolve;
    // A new mesh of the object, or zero; the caller hands it back with its
    // `destroy`.
    LWMeshInfo *(*meshInfo)(LWItemID object, int frozen);
} LWObjectInfo;

// ---- Interface state ("LW Interface Info 7") ----

typedef struct LWInterfaceInfo {
    double curTime;            // seconds
    const LWItemID *selItems;  // selected items, ended by a zero ID
} LWInterfaceInfo;

// ---- Scene ("LW Scene Info 6") ----

typedef struct LWSceneInfo {
    const char *name;
    const char *filename;
    int numPoints;
    int numPolygons;
    int renderType;
    int renderOpts;
    int frameStart;
    int frameEnd;
    int frameStep;
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

// The host's layout, offset by offset.
#define VEXIL_HOST_OFFSET(record, member, offset) \
    static_assert(offsetof(record, member) == (offset), #record "." #member " must lie at " #offset)

static_assert(sizeof(void *) == 8, "the host loads 64-bit modules only");

VEXIL_HOST_OFFSET(ModuleDescriptor, sysSync, 0);
VEXIL_HOST_OFFSET(ModuleDescriptor, sysVersion, 4);
VEXIL_HOST_OFFSET(ModuleDescriptor, sysMachine, 8);
VEXIL_HOST_OFFSET(ModuleDescriptor, startup, 16);
VEXIL_HOST_OFFSET(ModuleDescriptor, shutdown, 24);
VEXIL_HOST_OFFSET(ModuleDescriptor, serverDefs, 32);
static_assert(sizeof(ModuleDescriptor) == 40, "ModuleDescriptor is 40 bytes");
VEXIL_HOST_OFFSET(ServerRecord, className, 0);
VEXIL_HOST_OFFSET(ServerRecord, name, 8);
VEXIL_HOST_OFFSET(ServerRecord, activate, 16);
VEXIL_HOST_OFFSET(ServerRecord, tagInfo, 24);
static_assert(sizeof(ServerRecord) == 32, "ServerRecord is 32 bytes");

VEXIL_HOST_OFFSET(LWItemInfo, first, 0);
VEXIL_HOST_OFFSET(LWItemInfo, next, 8);
VEXIL_HOST_OFFSET(LWItemInfo, firstChild, 16);
VEXIL_HOST_OFFSET(LWItemInfo, nextChild, 24);
VEXIL_HOST_OFFSET(LWItemInfo, parent, 32);
VEXIL_HOST_OFFSET(LWItemInfo, target, 40);
VEXIL_HOST_OFFSET(LWItemInfo, goal, 48);
VEXIL_HOST_OFFSET(LWItemInfo, type, 56);
VEXIL_HOST_OFFSET(LWItemInfo, name, 64);

VEXIL_HOST_OFFSET(LWObjectInfo, filename, 0);
VEXIL_HOST_OFFSET(LWObjectInfo, numPoints, 8);
VEXIL_HOST_OFFSET(LWObjectInfo, numPolygons, 16);
VEXIL_HOST_OFFSET(LWObjectInfo, shadowOpts, 24);
VEXIL_HOST_OFFSET(LWObjectInfo, dissolve, 32);
VEXIL_HOST_OFFSET(LWObjectInfo, meshInfo, 40);

VEXIL_HOST_OFFSET(LWMeshInfo, priv, 0);
VEXIL_HOST_OFFSET(LWMeshInfo, destroy, 8);
VEXIL_HOST_OFFSET(LWMeshInfo, numPoints, 16);
VEXIL_HOST_OFFSET(LWMeshInfo, numPolygons, 24);
VEXIL_HOST_OFFSET(LWMeshInfo, scanPoints, 32);
VEXIL_HOST_OFFSET(LWMeshInfo, scanPolys, 40);
VEXIL_HOST_OFFSET(LWMeshInfo, pntBasePos, 48);
VEXIL_HOST_OFFSET(LWMeshInfo, pntOtherPos, 56);
VEXIL_HOST_OFFSET(LWMeshInfo, pntVLookup, 64);
VEXIL_HOST_OFFSET(LWMeshInfo, pntVSelect, 72);
VEXIL_HOST_OFFSET(LWMeshInfo, pntVGet, 80);
VEXIL_HOST_OFFSET(LWMeshInfo, polType, 88);
VEXIL_HOST_OFFSET(LWMeshInfo, polSize, 96);
VEXIL_HOST_OFFSET(LWMeshInfo, polVertex, 104);
VEXIL_HOST_OFFSET(LWMeshInfo, polTag, 112);

VEXIL_HOST_OFFSET(LWInterfaceInfo, curTime, 0);
VEXIL_HOST_OFFSET(LWInterfaceInfo, selItems, 8);

VEXIL_HOST_OFFSET(LWSceneInfo, name, 0);
VEXIL_HOST_OFFSET(LWSceneInfo, filename, 8);
VEXIL_HOST_OFFSET(LWSceneInfo, numPoints, 16);
VEXIL_HOST_OFFSET(LWSceneInfo, numPolygons, 20);
VEXIL_HOST_OFFSET(LWSceneInfo, renderType, 24);
VEXIL_HOST_OFFSET(LWSceneInfo, renderOpts, 28);
VEXIL_HOST_OFFSET(LWSceneInfo, frameStart, 32);
VEXIL_HOST_OFFSET(LWSceneInfo, frameEnd, 36);
VEXIL_HOST_OFFSET(LWSceneInfo, frameStep, 40);
VEXIL_HOST_OFFSET(LWSceneInfo, framesPerSecond, 48);

VEXIL_HOST_OFFSET(LWPanelFuncs, create, 0);
VEXIL_HOST_OFFSET(LWPanelFuncs, destroy, 8);
VEXIL_HOST_OFFSET(LWPanelFuncs, open, 16);
VEXIL_HOST_OFFSET(LWPanelFuncs, handle, 24);
VEXIL_HOST_OFFSET(LWPanelFuncs, draw, 32);
VEXIL_HOST_OFFSET(LWPanelFuncs, close, 40);
VEXIL_HOST_OFFSET(LWPanelFuncs, get, 48);
VEXIL_HOST_OFFSET(LWPanelFuncs, set, 56);
VEXIL_HOST_OFFSET(LWPanelFuncs, addControl, 64);

VEXIL_HOST_OFFSET(LWControl, draw, 0);
VEXIL_HOST_OFFSET(LWControl, get, 8);
VEXIL_HOST_OFFSET(LWControl, set, 16);
VEXIL_HOST_OFFSET(LWControl, priv_data, 24);

VEXIL_HOST_OFFSET(LWLayoutGeneric, saveScene, 0);
VEXIL_HOST_OFFSET(LWLayoutGeneric, loadScene, 8);
VEXIL_HOST_OFFSET(LWLayoutGeneric, data, 16);
VEXIL_HOST_OFFSET(LWLayoutGeneric, lookup, 24);
VEXIL_HOST_OFFSET(LWLayoutGeneric, execute, 32);
VEXIL_HOST_OFFSET(LWLayoutGeneric, evaluate, 40);

VEXIL_HOST_OFFSET(LWValue, type, 0);
VEXIL_HOST_OFFSET(LWValInt, type, 0);
VEXIL_HOST_OFFSET(LWValInt, value, 4);
VEXIL_HOST_OFFSET(LWValInt, defVal, 8);
static_assert(sizeof(LWValInt) == 12, "the integer form of LWValue is 12 bytes");
static_assert(sizeof(LWValue) == 40, "LWValue is 40 bytes");
VEXIL_HOST_OFFSET(LWPanControlDesc, type, 0);
static_assert(sizeof(LWPanControlDesc) == 48, "LWPanControlDesc is 48 bytes");

#undef VEXIL_HOST_OFFSET
