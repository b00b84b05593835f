#include "scene/process_object.h"

#include <new>

#include "scene/emit_bones.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"
#include "skeleton/polygon_scan.h"

namespace {

// Hands the object's mesh back to the host once the object is done, however
// it ends: the host allocated it for this call of meshInfo, and a mesh that
// is never destroyed stays allocated in the host for good. A null `destroy`
// means the host keeps the mesh itself.
struct MeshRelease {
    SkeletonBuilder &builder;
    LWMeshInfo *mesh;
    ~MeshRelease() {
        builder.mesh = nullptr;
        if (mesh->destroy != nullptr) mesh->destroy(mesh);
    }
};

}  // namespace

void ProcessObject(SkeletonBuilder &builder, LWItemID item) {
    if (hostItemInfo->type(item) != LWI_OBJECT) return;
    LWMeshInfo *mesh = hostObjectInfo->meshInfo(item, 0);
    if (mesh == nullptr) return;
    MeshRelease release{builder, mesh};

    ClearBuilder(builder);
    builder.object = item;
    builder.mesh = mesh;
    mesh->scanPolys(mesh, ScanPolygon, &builder);
    if (builder.outOfMemory || builder.records.empty()) return;

    // Both allocate before their first command, so a failure sends nothing
    // for this object.
    try {
        BuildHierarchy(builder);
        EmitBoneCommands(builder);
    } catch (const std::bad_alloc &) {
        builder.outOfMemory = true;
    }
}
