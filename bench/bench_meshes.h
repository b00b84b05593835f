// The large meshes the benchmarks run on, generated.
#pragma once

#include <memory>
#include <string>

#include "host/scene.h"

namespace vexil_bench {

// (a) 1,000,000 polygons: quadrangles, 200,000 hair guides in chains of five,
// and a character's 500 bones.
std::unique_ptr<vexil_host::Mesh> CharacterWithHair();

// (b) A parent bone and its child joined by one chain of 100,000
// connectors, drawn alternately forwards and backwards.
std::unique_ptr<vexil_host::Mesh> LongConnectorChain();

// (c) A 100 x 100 grid of connectors around the child's joint, with the
// parent's tip on the far corner.
std::unique_ptr<vexil_host::Mesh> ConnectorCage();

// (f) 500 bones in a body of 999,500 triangles that share one surface name.
std::unique_ptr<vexil_host::Mesh> BodyOfTriangles();

// A tree of `count` bones, each hanging from bone i / `fanOut`; a fan-out of
// 1 makes a rope, each bone the child of the one before.
std::unique_ptr<vexil_host::Mesh> BoneTree(int count, int fanOut);

}  // namespace vexil_bench
