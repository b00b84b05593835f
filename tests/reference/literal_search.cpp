#include "reference/literal_search.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "scene/emit_bones.h"
#include "shell/command.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"

BoneRecord *LiteralFindJointParent(const BoneRecord *searcher, LWPntID point, const std::vector<BoneRecord *> &list) {
    if (point == nullptr) return nullptr;
    std::vector<BoneRecord *> work(list);
    // Points this call has moved to through pass-through triangles: coming
    // back to one would repeat the same steps for ever.
    std::vector<LWPntID> passed = {point};
    size_t i = 0;
    while (i < work.size()) {
        BoneRecord *entry = work[i];
        if (entry == searcher) {
            ++i;
            continue;
        }
        if (entry->vertexCount == 3) {
            if (entry->endPoint != point) {
                ++i;
                continue;
            }
            if (!entry->passThrough) return entry;
            point = entry->startPoint;
            if (point == nullptr || std::find(passed.begin(), passed.end(), point) != passed.end()) return nullptr;
            passed.push_back(point);
            i = 0;
            continue;
        }
        LWPntID farEnd;
        if (entry->endPoint == point)
            farEnd = entry->startPoint;
        else if (entry->startPoint == point)
            farEnd = entry->endPoint;
        else {
            ++i;
            continue;
        }
        work.erase(work.begin() + static_cast<ptrdiff_t>(i));
        if (BoneRecord *found = LiteralFindJointParent(entry, farEnd, work)) return found;
        i = 0;
    }
    return nullptr;
}

std::vector<BoneRecord *> LiteralFindParents(const SkeletonBuilder &builder) {
    std::vector<BoneRecord *> parents(builder.records.size(), nullptr);
    for (size_t i = 0; i < builder.records.size(); ++i) {
        BoneRecord *record = builder.records[i];
        if (!record->passThrough) parents[i] = LiteralFindJointParent(record, record->startPoint, builder.records);
    }
    return parents;
}

std::vector<bool> LiteralSharedNames(const std::vector<BoneRecord *> &records) {
    std::vector<bool> shared(records.size(), false);
    for (size_t i = 0; i < records.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (std::strcmp(records[j]->name, records[i]->name) == 0) {
                shared[i] = shared[j] = true;
                break;
            }
        }
    }
    return shared;
}

void LiteralPairExistingBones(SkeletonBuilder &builder) {
    for (LWItemID bone = hostItemInfo->first(LWI_BONE, builder.object); bone != nullptr;
         bone = hostItemInfo->next(bone)) {
        const char *name = hostItemInfo->name(bone);
        if (name == nullptr) continue;
        for (BoneRecord *record : builder.records) {
            if (std::strcmp(record->name, name) == 0) {
                record->bone = bone;
                break;
            }
        }
    }
}

void LiteralEmitPairedBones(SkeletonBuilder &builder) {
    SendCommand(builder, "SelectItem %x", builder.object);
    for (BoneRecord *record : builder.records) {
        bool isNew = false;
        if (record->bone == nullptr) {
            SendCreateBone(builder, *record);
            // Every created bone is looked up by a walk from the first bone.
            for (LWItemID bone = hostItemInfo->first(LWI_BONE, builder.object); bone != nullptr;
                 bone = hostItemInfo->next(bone)) {
                const char *name = hostItemInfo->name(bone);
                if (name != nullptr && std::strcmp(name, record->name) == 0) {
                    record->bone = bone;
                    break;
                }
            }
            if (record->bone == nullptr) continue;
            isNew = true;
        }
        SendBonePose(builder, *record, isNew);
    }
}
