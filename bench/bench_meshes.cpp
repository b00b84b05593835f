#include "bench_meshes.h"

#include <cmath>
#include <vector>

using vexil_host::Mesh;

namespace vexil_bench {

namespace {

// A bone triangle from joint to tip, its roll corner a tenth of the way
// sideways, so the corners are told apart by length.
void AddBone(Mesh &mesh, const std::string &name, uint32_t joint, uint32_t tip) {
    const auto &j = mesh.points[joint];
    const auto &t = mesh.points[tip];
    float dx = t[0] - j[0], dy = t[1] - j[1], dz = t[2] - j[2];
    float length = std::sqrt(dx * dx + dy * dy + dz * dz);
    // Any direction not along the bone.
    uint32_t roll = std::fabs(dx) < 0.5f * length ? mesh.AddPoint(j[0] + 0.1f * length, j[1], j[2])
                                                  : mesh.AddPoint(j[0], j[1] + 0.1f * length, j[2]);
    mesh.AddPolygon({joint, tip, roll}, name);
}

// A character's 500 bones in a binary tree, each bone's children spread
// sideways above its tip.
void AddCharacterBones(Mesh &mesh) {
    uint32_t root = mesh.AddPoint(0, 0, 0);
    std::vector<uint32_t> tips = {mesh.AddPoint(0, 1, 0)};
    AddBone(mesh, "Bone0", root, tips[0]);
    for (int i = 1; i < 500; ++i) {
        uint32_t parentTip = tips[(i - 1) / 2];
        const auto p = mesh.points[parentTip];
        tips.push_back(mesh.AddPoint(p[0] + (i % 2 ? 0.3f : -0.3f), p[1] + 0.5f, p[2] + 0.01f * static_cast<float>(i)));
        AddBone(mesh, "Bone" + std::to_string(i), parentTip, tips.back());
    }
}

}  // namespace

// (a) Quadrangles, 200,000 hair guides in chains of five, and 500 bones.
std::unique_ptr<Mesh> CharacterWithHair() {
    auto mesh = std::make_unique<Mesh>();
    AddCharacterBones(*mesh);
    for (int guide = 0; guide < 40000; ++guide) {
        uint32_t previous = mesh->AddPoint(static_cast<float>(guide % 200), 2, static_cast<float>(guide / 200));
        for (int segment = 1; segment <= 5; ++segment) {
            uint32_t next = mesh->AddPoint(static_cast<float>(guide % 200), 2 + 0.1f * static_cast<float>(segment),
                                           static_cast<float>(guide / 200));
            mesh->AddPolygon({previous, next}, "Hair");
            previous = next;
        }
    }
    const size_t quads = 1000000 - 200000 - 500;
    for (size_t q = 0; q < quads; ++q) {
        float x = static_cast<float>(q % 1000), z = static_cast<float>(q / 1000);
        uint32_t a = mesh->AddPoint(x, 0, z), b = mesh->AddPoint(x + 1, 0, z), c = mesh->AddPoint(x + 1, 0, z + 1),
                 d = mesh->AddPoint(x, 0, z + 1);
        mesh->AddPolygon({a, b, c, d}, "Skin");
    }
    return mesh;
}

// (b) A parent bone and its child joined by one chain of 100,000 connectors,
// drawn alternately forwards and backwards.
std::unique_ptr<Mesh> LongConnectorChain() {
    auto mesh = std::make_unique<Mesh>();
    uint32_t start = mesh->AddPoint(0, 0, 0), tip = mesh->AddPoint(0, 1, 0);
    uint32_t previous = tip;
    for (int i = 1; i <= 100000; ++i) {
        uint32_t next = mesh->AddPoint(0.001f * static_cast<float>(i), 1, 0);
        if (i % 2)
            mesh->AddPolygon({previous, next}, "Link");
        else
            mesh->AddPolygon({next, previous}, "Link");
        previous = next;
    }
    AddBone(*mesh, "Child", previous, mesh->AddPoint(100, 2, 0));
    AddBone(*mesh, "Parent", start, tip);
    return mesh;
}

// (c) A 100 x 100 grid of connectors around the child's joint, with the
// parent's tip on the far corner.
std::unique_ptr<Mesh> ConnectorCage() {
    auto mesh = std::make_unique<Mesh>();
    const int n = 100;
    std::vector<uint32_t> node(n * n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) node[i * n + j] = mesh->AddPoint(static_cast<float>(i), static_cast<float>(j), 0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            if (j + 1 < n) mesh->AddPolygon({node[i * n + j], node[i * n + j + 1]}, "Cage");
            if (i + 1 < n) mesh->AddPolygon({node[i * n + j], node[(i + 1) * n + j]}, "Cage");
        }
    AddBone(*mesh, "Child", node[50 * n + 50], mesh->AddPoint(50, 50, 10));
    AddBone(*mesh, "Parent", mesh->AddPoint(99, 99, -10), node[99 * n + 99]);
    return mesh;
}

// (f) 500 bones in a body of 999,500 triangles that share one surface name.
std::unique_ptr<Mesh> BodyOfTriangles() {
    auto mesh = std::make_unique<Mesh>();
    AddCharacterBones(*mesh);
    for (size_t t = 0; t < 1000000 - 500; ++t) {
        float x = static_cast<float>(t % 1000), z = static_cast<float>(t / 1000);
        uint32_t a = mesh->AddPoint(x, 0, z), b = mesh->AddPoint(x + 1, 0, z), c = mesh->AddPoint(x + 0.5f, 0, z + 3);
        mesh->AddPolygon({a, b, c}, "Body");
    }
    return mesh;
}

// A tree of `count` bones, each hanging from bone i / `fanOut`; a fan-out of
// 1 makes a rope, each bone the child of the one before.
std::unique_ptr<Mesh> BoneTree(int count, int fanOut) {
    auto mesh = std::make_unique<Mesh>();
    std::vector<uint32_t> tips;
    uint32_t root = mesh->AddPoint(0, 0, 0);
    for (int i = 0; i < count; ++i) {
        uint32_t joint = i == 0 ? root : tips[(i - 1) / fanOut];
        const auto p = mesh->points[joint];
        tips.push_back(mesh->AddPoint(p[0] + 0.01f * static_cast<float>(i % 7), p[1] + 1, p[2]));
        AddBone(*mesh, "Bone" + std::to_string(i), joint, tips.back());
    }
    return mesh;
}

}  // namespace vexil_bench
