#include <algorithm>
#include <vector>

#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"

BoneRecord *FindJointParent(const BoneRecord *searcher, LWPntID point,
                            const std::vector<BoneRecord *> &list) {
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
            if (point == nullptr || std::find(passed.begin(), passed.end(), point) != passed.end())
                return nullptr;
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
        if (BoneRecord *found = FindJointParent(entry, farEnd, work)) return found;
        i = 0;
    }
    return nullptr;
}
