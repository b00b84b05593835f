// Why a rig came out as it did: which triangles did not become bones and
// why, how each bone found its parent, why each root is a root. Runs the
// module's own scan, joint search and hierarchy again, keeping their
// reasons, so that it cannot tell a different story from the module. The
// module never calls it; vexil-host does, to tell a rigger what to fix.
#pragma once

#include <string>
#include <vector>

#include "shell/host_api.h"
#include "skeleton/vec_math.h"

enum class Severity { Warning, Note };

// One thing worth telling about an object's mesh.
struct Finding {
    std::string kind;                // "unwelded", "shared-name", ...
    Severity severity;
    std::vector<std::string> bones;  // the bones (or surfaces) it is about
    LWPolID polygon;                 // the polygon at fault; none for the object as a whole
    std::vector<Vec3> marks;         // object-space places to mark on a drawing
    std::string message;             // one line, without the kind
};

// A bone as the module makes it, and how it came to hang where it does.
struct BoneStory {
    std::string name;
    std::string parent;     // empty for a root
    std::string how;        // how the parent was found, or why it is a root
    LWPolID polygon;        // its triangle
    Vec3 joint, tip, roll;  // its corners, object space
    float length;
    size_t scanOrder;       // where its triangle stands among the mesh's records
};

struct Diagnosis {
    std::vector<Finding> findings;  // warnings first, each kind in mesh order; then notes
    std::vector<BoneStory> bones;   // parents before children, as the module sends them
    // The drawn skeleton, in mesh order: the triangles that became bones and
    // the pass-through triangles a joint search crossed.
    std::vector<LWPolID> skeletonPolygons;
};

// Diagnoses the mesh through the host's mesh service (scanPolys, polSize,
// polVertex, polTag, pntBasePos); asks for no other service and sends no
// command. Throws std::bad_alloc when memory runs out.
Diagnosis DiagnoseMesh(LWMeshInfo *mesh);

// A name as messages show it: quoted, control bytes as '?', cut after 60
// bytes.
std::string QuotedName(const std::string &name);

// The distance between two positions, worked out in double so that it is
// exact enough to compare with small tolerances.
double DistanceBetween(const Vec3 &a, const Vec3 &b);

// A number as messages show it: shortest decimals, a zero without its sign.
std::string NumberText(float value);

// A position as messages show it: "(x, y, z)".
std::string PositionText(const Vec3 &position);
