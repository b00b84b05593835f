#pragma once

struct SkeletonBuilder;

// Fills `restPosition` and `restRotation` of every record in `records`:
// relative to the parent's start joint and axes, or in object space for a
// root. Reads `parent`, `frame` and `start` only; order does not matter.
void ComputeRestTransforms(SkeletonBuilder &builder);
