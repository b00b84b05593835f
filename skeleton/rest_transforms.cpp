#include "skeleton/rest_transforms.h"

#include "skeleton/bone_record.h"
#include "skeleton/vec_math.h"

void ComputeRestTransforms(SkeletonBuilder &builder) {
    for (BoneRecord *record : builder.records) {
        const BoneRecord *parent = record->parent;
        if (parent == nullptr) {
            record->restPosition = record->start;
            MatrixToHPB(record->frame, record->restRotation);
            continue;
        }
        // Express the offset and the axes in the parent's axes.
        Mat3 toParent;
        Mat3Transpose(parent->frame, toParent);
        Vec3 offset = record->start;
        Vec3Subtract(offset, parent->start);
        Mat3Transform(toParent, offset, record->restPosition);
        Mat3 local;
        Mat3Multiply(toParent, record->frame, local);
        MatrixToHPB(local, record->restRotation);
    }
}
