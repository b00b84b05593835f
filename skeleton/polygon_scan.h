#pragma once

#include "shell/host_api.h"

struct Vec3;

// The edge test of a triangle with these corners: measures edge 0 (corner 0
// to 1), 1 (1 to 2) and 2 (2 to 0) in that order into `length`, and returns
// the first one shorter than kMinLength, where measuring stops, or -1 when
// every edge is long enough for a bone.
int MeasureEdges(const Vec3 corner[3], float length[3]);

// The host's per-polygon callback during `scanPolys`; `userData` is the
// SkeletonBuilder, whose `mesh` is read and whose `records` grow by one
// record per two- or three-vertex polygon. Always returns 0 (go on) and
// never throws: when memory runs out it sets the builder's `outOfMemory` and
// makes no more records.
extern "C" size_t ScanPolygon(void *userData, LWPolID polygon);
