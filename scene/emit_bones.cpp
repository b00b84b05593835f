#include "scene/emit_bones.h"

#include <cstring>
#include <string_view>
#include <unordered_map>

#include "shell/command.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"

namespace {

bool SameName(const char *a, const char *b) { return std::strcmp(a, b) == 0; }

bool HasName(LWItemID bone, const char *name) {
    const char *boneName = hostItemInfo->name(bone);
    return boneName != nullptr && SameName(boneName, name);
}

// The object's first bone named `name`, looked up afresh, or none.
LWItemID FindBoneByName(const SkeletonBuilder &builder, const char *name) {
    for (LWItemID bone = hostItemInfo->first(LWI_BONE, builder.object); bone != nullptr;
         bone = hostItemInfo->next(bone))
        if (HasName(bone, name)) return bone;
    return nullptr;
}

// The bone just created for `name`: the object's first bone of that name.
//
// The enumeration is taken up after `lastSeen`, the last bone this emission
// has seen of the object's bones. A bone found there is still the first of
// its name in the whole enumeration: no bone seen before can carry the name,
// since a bone of that name seen while pairing would have been paired (and
// the record not created), and bones created since carry the names of other
// records, which are unique. So a host that appends new bones costs a call
// or two per bone instead of a walk over all of them. When nothing is found
// after `lastSeen`, the host has put the bone elsewhere: walk again from the
// first bone, so that it still gets exactly the first match.
LWItemID FindCreatedBone(const SkeletonBuilder &builder, LWItemID &lastSeen, const char *name) {
    bool fromFirst = lastSeen == nullptr;
    LWItemID bone = fromFirst ? hostItemInfo->first(LWI_BONE, builder.object) : hostItemInfo->next(lastSeen);
    for (; bone != nullptr; bone = hostItemInfo->next(bone)) {
        lastSeen = bone;
        if (HasName(bone, name)) return bone;
    }
    return fromFirst ? nullptr : FindBoneByName(builder, name);
}

}  // namespace

void SendCreateBone(SkeletonBuilder &builder, const BoneRecord &record) {
    // A parent whose bone could not be found again has no item to select:
    // selecting item 0 would leave some unrelated bone selected and hang the
    // child under it, so the child becomes a root bone instead.
    if (record.parent != nullptr && record.parent->bone != nullptr) {
        SendCommand(builder, "SelectItem %x", record.parent->bone);
        SendCommand(builder, "AddChildBone %s", record.name);
    } else {
        SendCommand(builder, "AddBone %s", record.name);
    }
}

void SendBonePose(SkeletonBuilder &builder, const BoneRecord &record, bool isNew) {
    const Vec3 &position = record.restPosition;
    const Vec3 &rotation = record.restRotation;  // sent heading, pitch, bank
    SendCommand(builder, "SelectItem %x", record.bone);
    if (isNew) SendCommand(builder, "BoneActive 1");
    SendCommand(builder, "BoneRestPosition %f %f %f", position.x, position.y, position.z);
    SendCommand(builder, "BoneRestLength %f", record.length);
    SendCommand(builder, "ItemIconScale %f", record.length);
    SendCommand(builder, "Position %f %f %f", position.x, position.y, position.z);
    if (builder.pivotMode != 0) {
        SendCommand(builder, "BoneRestRotation 0 0 0");
        SendCommand(builder, "PivotRotation %f %f %f", rotation.y, rotation.x, rotation.z);
        SendCommand(builder, "RecordPivotRotation");
    } else {
        SendCommand(builder, "Rotation %f %f %f", rotation.y, rotation.x, rotation.z);
        SendCommand(builder, "BoneRestRotation %f %f %f", rotation.y, rotation.x, rotation.z);
    }
    SendCommand(builder, "BoneWeightMapName %s", record.name);
}

void PairExistingBones(SkeletonBuilder &builder) {
    // Names left after hierarchy building are unique, so an index by name
    // finds the same record as walking the list for the first match.
    std::unordered_map<std::string_view, BoneRecord *> byName;
    byName.reserve(builder.records.size());
    for (BoneRecord *record : builder.records) byName.emplace(record->name, record);
    for (LWItemID bone = hostItemInfo->first(LWI_BONE, builder.object); bone != nullptr;
         bone = hostItemInfo->next(bone)) {
        const char *name = hostItemInfo->name(bone);
        if (name == nullptr) continue;
        auto record = byName.find(name);
        if (record != byName.end()) record->second->bone = bone;
    }
}

void EmitBoneCommands(SkeletonBuilder &builder) {
    PairExistingBones(builder);
    EmitPairedBones(builder);
}

void EmitPairedBones(SkeletonBuilder &builder) {
    SendCommand(builder, "SelectItem %x", builder.object);
    LWItemID lastSeen = nullptr;  // of the object's bones, in enumeration order
    for (BoneRecord *record : builder.records) {
        bool isNew = false;
        if (record->bone == nullptr) {
            SendCreateBone(builder, *record);
            record->bone = FindCreatedBone(builder, lastSeen, record->name);
            if (record->bone == nullptr) continue;
            isNew = true;
        }
        SendBonePose(builder, *record, isNew);
    }
}
