#include "scene/emit_bones.h"

#include <cstring>
#include <string_view>
#include <unordered_map>

#include "shell/command.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"

namespace {

bool SameName(const char *a, const char *b) { return std::strcmp(a, b) == 0; }

// The object's first bone named `name`, looked up afresh, or none.
LWItemID FindBoneByName(const SkeletonBuilder &builder, const char *name) {
    for (LWItemID bone = hostItemInfo->first(LWI_BONE, builder.object); bone != nullptr;
         bone = hostItemInfo->next(bone)) {
        const char *boneName = hostItemInfo->name(bone);
        if (boneName != nullptr && SameName(boneName, name)) return bone;
    }
    return nullptr;
}

// Sends the creation command and returns the created bone, or none.
LWItemID CreateBone(SkeletonBuilder &builder, const BoneRecord &record) {
    // A parent whose bone could not be found again has no item to select:
    // selecting item 0 would leave some unrelated bone selected and hang the
    // child under it, so the child becomes a root bone instead.
    if (record.parent != nullptr && record.parent->bone != nullptr) {
        SendCommand(builder, "SelectItem %x", record.parent->bone);
        SendCommand(builder, "AddChildBone %s", record.name);
    } else {
        SendCommand(builder, "AddBone %s", record.name);
    }
    return FindBoneByName(builder, record.name);
}

void SendRestPose(SkeletonBuilder &builder, const BoneRecord &record, bool isNew) {
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

}  // namespace

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
    for (BoneRecord *record : builder.records) {
        bool isNew = false;
        if (record->bone == nullptr) {
            record->bone = CreateBone(builder, *record);
            if (record->bone == nullptr) continue;
            isNew = true;
        }
        SendRestPose(builder, *record, isNew);
    }
}
