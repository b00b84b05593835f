// vexil-dress-biped: makes the dressed example from a drawn skeleton: a box
// of skin around every bone triangle, written as OBJ and as an LWO2 twin
// whose weight maps give each box to its bone and blend the two boxes that
// meet at a joint half and half.
#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "file_formats/lwo_writer.h"
#include "file_formats/mesh_file.h"
#include "file_formats/obj_writer.h"

using vexil_host::Mesh;
using vexil_host::MeshObject;
using vexil_host::WeightMap;

namespace {

using Point = std::array<float, 3>;

struct Bone {
    std::string name;
    Point joint, tip, roll;
};

float Distance(const Point &a, const Point &b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

// Every triangle as the module reads it: the joint opposite the longest
// edge, the tip at the other end of the middle one.
std::vector<Bone> BonesOf(const Mesh &mesh) {
    std::vector<Bone> bones;
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
        if (mesh.PolygonSize(polygon) != 3) continue;
        const uint32_t *v = mesh.PolygonVertices(polygon);
        Point c[3] = {mesh.points[v[0]], mesh.points[v[1]], mesh.points[v[2]]};
        float opposite[3] = {Distance(c[1], c[2]), Distance(c[2], c[0]), Distance(c[0], c[1])};
        int joint = 0;
        for (int i = 1; i < 3; ++i)
            if (opposite[i] > opposite[joint]) joint = i;
        int a = (joint + 1) % 3, b = (joint + 2) % 3;
        int tip = Distance(c[joint], c[a]) > Distance(c[joint], c[b]) ? a : b;
        bones.push_back({*mesh.SurfaceOf(polygon), c[joint], c[tip], c[3 - joint - tip]});
    }
    return bones;
}

// The bone whose `end` (joint or tip) lies nearest `at` within `reach`, or -1.
int BoneNear(const std::vector<Bone> &bones, size_t self, const Point &at, bool byTip, float reach) {
    int found = -1;
    float best = reach;
    for (size_t i = 0; i < bones.size(); ++i) {
        float distance = Distance(at, byTip ? bones[i].tip : bones[i].joint);
        if (i != self && distance <= best) found = static_cast<int>(i), best = distance;
    }
    return found;
}

void AddWeight(std::vector<WeightMap> &maps, const std::string &name, uint32_t point, float weight) {
    for (WeightMap &map : maps)
        if (map.name == name) {
            map.points.push_back(point);
            map.weights.push_back(weight);
            return;
        }
    maps.push_back({name, {point}, {weight}});
}

// A box around the bone from its joint to its tip, its sides facing away
// from the bone's Y (roll) and X axes; corners listed clockwise seen from
// outside, as the modeller lists them.
void Dress(MeshObject &object, const std::vector<Bone> &bones, size_t b) {
    const Bone &bone = bones[b];
    Mesh &mesh = *object.mesh;
    float length = Distance(bone.joint, bone.tip);
    float half = std::min(0.06f, std::max(0.012f, 0.25f * length));
    Point z, y, x;
    for (int k = 0; k < 3; ++k) z[k] = (bone.tip[k] - bone.joint[k]) / length;
    float along = 0;
    for (int k = 0; k < 3; ++k) along += (bone.roll[k] - bone.joint[k]) * z[k];
    for (int k = 0; k < 3; ++k) y[k] = bone.roll[k] - bone.joint[k] - along * z[k];
    float yLength = std::sqrt(y[0] * y[0] + y[1] * y[1] + y[2] * y[2]);
    for (float &c : y) c /= yLength;
    x = {y[1] * z[2] - y[2] * z[1], y[2] * z[0] - y[0] * z[2], y[0] * z[1] - y[1] * z[0]};

    // Rings of four corners at the joint (0-3) and at the tip (4-7).
    const float sides[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    uint32_t corner[8];
    for (int ring = 0; ring < 2; ++ring) {
        const Point &centre = ring == 0 ? bone.joint : bone.tip;
        for (int i = 0; i < 4; ++i) {
            Point p;
            for (int k = 0; k < 3; ++k) p[k] = centre[k] + half * (sides[i][0] * x[k] + sides[i][1] * y[k]);
            corner[ring * 4 + i] = mesh.AddPoint(p[0], p[1], p[2]);
        }
    }
    std::vector<std::vector<uint32_t>> faces = {{0, 1, 2, 3}, {4, 7, 6, 5}};
    for (uint32_t i = 0; i < 4; ++i) faces.push_back({i, (i + 1) % 4, 4 + (i + 1) % 4, 4 + i});
    Point centre;
    for (int k = 0; k < 3; ++k) centre[k] = (bone.joint[k] + bone.tip[k]) / 2;
    for (std::vector<uint32_t> &face : faces) {
        for (uint32_t &i : face) i = corner[i];
        // Seen from outside, clockwise: the modeller's normal, the first
        // edge across the last, points outwards.
        const Point &p0 = mesh.points[face[0]], &p1 = mesh.points[face[1]], &p2 = mesh.points[face[2]];
        Point u, v, middle = {0, 0, 0};
        for (int k = 0; k < 3; ++k) u[k] = p1[k] - p0[k], v[k] = p2[k] - p0[k];
        Point normal = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        for (uint32_t i : face)
            for (int k = 0; k < 3; ++k) middle[k] += mesh.points[i][k] / 4;
        float outwards = 0;
        for (int k = 0; k < 3; ++k) outwards += normal[k] * (middle[k] - centre[k]);
        if (outwards < 0) std::reverse(face.begin(), face.end());
        mesh.AddPolygon(face, "Skin");
        object.polygonSource.push_back(0);
    }

    // The rings where two bones meet are shared half and half.
    const float reach = 0.06f;
    int parent = BoneNear(bones, b, bone.joint, true, reach);
    int child = BoneNear(bones, b, bone.tip, false, reach);
    for (int i = 0; i < 8; ++i) {
        int other = i < 4 ? parent : child;
        AddWeight(object.weightMaps, bone.name, corner[i], other < 0 ? 1.0f : 0.5f);
        if (other >= 0) AddWeight(object.weightMaps, bones[static_cast<size_t>(other)].name, corner[i], 0.5f);
    }
}

void Write(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out.flush()) throw std::runtime_error(path + ": cannot be written");
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::cerr << "usage: vexil-dress-biped SKELETON.obj DRESSED.obj DRESSED.lwo\n";
        return 2;
    }
    try {
        std::vector<MeshObject> objects = vexil_host::ReadMeshFile(argv[1]);
        for (MeshObject &object : objects) {
            std::vector<Bone> bones = BonesOf(*object.mesh);
            for (size_t b = 0; b < bones.size(); ++b) Dress(object, bones, b);
        }
        Write(argv[2], vexil_host::WriteObj(objects, "# The biped of biped.obj in a box of skin around every bone, made by\n"
                                        "# vexil-dress-biped. Its LWO2 twin holds weight maps; here every point\n"
                                        "# follows its nearest bone.\n"));
        Write(argv[3], vexil_host::WriteLwo(objects));
    } catch (const std::exception &error) {
        std::cerr << "vexil-dress-biped: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
