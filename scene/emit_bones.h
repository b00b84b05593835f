#pragma once

struct SkeletonBuilder;

// Pairs the object's existing bones with `records` by name, creates the
// missing bones under their parents' bones, and sends every bone's rest
// pose. `records` must be in hierarchy order with rest transforms filled.
void EmitBoneCommands(SkeletonBuilder &builder);
