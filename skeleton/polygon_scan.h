#pragma once

#include "shell/host_api.h"

// The host's per-polygon callback during `scanPolys`; `userData` is the
// SkeletonBuilder, whose `mesh` is read and whose `records` grow by one
// record per two- or three-vertex polygon. Always returns 0 (go on) and
// never throws: when memory runs out it sets the builder's `outOfMemory` and
// makes no more records.
extern "C" size_t ScanPolygon(void *userData, LWPolID polygon);
