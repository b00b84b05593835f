#include "skeleton/bone_record.h"

#include <cstring>
#include <new>

BoneRecord *CreateBoneRecord(std::string_view name, uint8_t vertexCount) {
    size_t nameLength = name.size();
    void *block = ::operator new(sizeof(BoneRecord) + nameLength + 1, std::nothrow);
    if (block == nullptr) return nullptr;
    BoneRecord *record = static_cast<BoneRecord *>(block);
    std::memset(record, 0, sizeof(BoneRecord));
    char *nameCopy = reinterpret_cast<char *>(record + 1);
    // An empty view may carry no storage at all.
    if (nameLength != 0) std::memcpy(nameCopy, name.data(), nameLength);
    nameCopy[nameLength] = '\0';
    record->name = nameCopy;
    record->vertexCount = vertexCount;
    return record;
}

void ReleaseBoneRecord(BoneRecord *record) { ::operator delete(record); }

void ClearBuilder(SkeletonBuilder &builder) {
    for (BoneRecord *record : builder.records) ReleaseBoneRecord(record);
    builder.records.clear();
    builder.nameIndex.clear();
    builder.roots = nullptr;
}

void RemovePassThroughRecords(SkeletonBuilder &builder) {
    size_t kept = 0;
    for (BoneRecord *record : builder.records) {
        if (record->passThrough)
            ReleaseBoneRecord(record);
        else
            builder.records[kept++] = record;
    }
    builder.records.resize(kept);
}
