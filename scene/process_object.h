#pragma once

#include "shell/host_api.h"

struct SkeletonBuilder;

// Runs the whole extraction for one selected item and sends its bone
// commands. Items that are not objects, and objects without a mesh, are
// passed over without touching the builder. Never throws: when memory runs
// out it sets the builder's `outOfMemory` and sends nothing for the object.
// The object's mesh is handed back to the host (its `destroy`) before this
// returns, on every path; `mesh` is then none.
void ProcessObject(SkeletonBuilder &builder, LWItemID item);
