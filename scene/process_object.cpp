#include "scene/process_object.h"

#include <new>

#include "scene/emit_bones.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"
#include "skeleton/polygon_scan.h"

void ProcessObject(SkeletonBuilder &builder, LWItemID item) {
    if (hostItemInfo->type(item) != LWI_OBJECT) return;
    LWMeshInfo *mesh = hostObjectInfo->meshInfo(item, 0);
    if (mesh == nullptr) return;

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
