#pragma once

#include "shell/host_api.h"

struct SkeletonBuilder;

// Runs the whole extraction for one selected item and sends its bone
// commands. Items that are not objects, and objects without a mesh, are
// passed over without touching the builder. Never throws: when memory runs
// out it sets the builder's `outOfMemory` and sends nothing for the object.
void ProcessObject(SkeletonBuilder &builder, LWItemID item);
