#pragma once

struct BoneRecord;
struct SkeletonBuilder;

// Gives each record the object's existing bone of its name; with two bones
// of one name, the later. Bones of other names are left alone. Throws
// std::bad_alloc, before anything is changed, when memory runs out.
void PairExistingBones(SkeletonBuilder &builder);

// Selects the object, creates the bones that records lack under their
// parents' bones, and sends every bone's rest pose. `records` must be in
// hierarchy order with rest transforms filled.
void EmitPairedBones(SkeletonBuilder &builder);

// Sends the commands that create the record's bone: under its parent's
// bone when the record has a parent whose bone exists, else as a root.
void SendCreateBone(SkeletonBuilder &builder, const BoneRecord &record);

// Selects the record's bone and sends its rest pose; `isNew` adds the
// activation a created bone needs.
void SendBonePose(SkeletonBuilder &builder, const BoneRecord &record, bool isNew);

// PairExistingBones, then EmitPairedBones.
void EmitBoneCommands(SkeletonBuilder &builder);
