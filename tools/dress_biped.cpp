// vexil-dress-biped: makes the dressed examples from a drawn skeleton,
// each written as OBJ and as an LWO2 twin. By default a box of skin around
// every bone triangle, the LWO2 twin with weight maps that give each box to
// its bone and blend the two boxes that meet at a joint half and half. With
// --closed, one closed surface around every bone, joints included, and no
// weight maps: a body for automatic weights.
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

// A capsule of the bone's own thickness around it: negative inside.
float CapsuleDistance(const Bone &bone, const Point &p, float radius) {
    float length = Distance(bone.joint, bone.tip);
    float along = 0, lengthSquared = length * length;
    for (int k = 0; k < 3; ++k) along += (p[k] - bone.joint[k]) * (bone.tip[k] - bone.joint[k]);
    float t = lengthSquared > 0 ? std::min(1.0f, std::max(0.0f, along / lengthSquared)) : 0;
    Point nearest;
    for (int k = 0; k < 3; ++k) nearest[k] = bone.joint[k] + t * (bone.tip[k] - bone.joint[k]);
    return Distance(p, nearest) - radius;
}

// One closed surface around the union of the bones' capsules, as quadrangles
// between the cells of a grid the surface passes through: Gibson, "Constrained
// elastic surface nets" (1998), without the relaxing. Each cell's point lies at
// the mean of the places where the surface crosses the cell's edges.
void Clothe(MeshObject &object, std::vector<Bone> bones, float step) {
    Mesh &mesh = *object.mesh;
    std::vector<float> radius;
    for (const Bone &bone : bones) radius.push_back(std::min(0.09f, std::max(0.022f, 0.3f * Distance(bone.joint, bone.tip))));
    // Connectors join what they link: the legs to the hips.
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon)
        if (mesh.PolygonSize(polygon) == 2) {
            const uint32_t *v = mesh.PolygonVertices(polygon);
            bones.push_back({"", mesh.points[v[0]], mesh.points[v[1]], mesh.points[v[0]]});
            radius.push_back(0.07f);
        }
    Point low = {1e9f, 1e9f, 1e9f}, high = {-1e9f, -1e9f, -1e9f};
    for (const Bone &bone : bones)
        for (const Point &end : {bone.joint, bone.tip})
            for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], end[k]), high[k] = std::max(high[k], end[k]);
    int size[3];
    for (int k = 0; k < 3; ++k) {
        low[k] -= 0.1f + 2 * step;
        size[k] = static_cast<int>((high[k] + 0.1f + 2 * step - low[k]) / step) + 1;
    }
    auto index = [&](int i, int j, int k) { return (static_cast<size_t>(k) * size[1] + j) * size[0] + i; };
    auto place = [&](int i, int j, int k) {
        return Point{low[0] + i * step, low[1] + j * step, low[2] + k * step};
    };
    std::vector<float> field(static_cast<size_t>(size[0]) * size[1] * size[2]);
    for (int k = 0; k < size[2]; ++k)
        for (int j = 0; j < size[1]; ++j)
            for (int i = 0; i < size[0]; ++i) {
                float least = 1e9f;
                for (size_t b = 0; b < bones.size(); ++b)
                    least = std::min(least, CapsuleDistance(bones[b], place(i, j, k), radius[b]));
                field[index(i, j, k)] = least;
            }
    // A point for each cell (named by its lowest corner) the surface crosses.
    std::vector<uint32_t> cellPoint(field.size(), UINT32_MAX);
    for (int k = 0; k + 1 < size[2]; ++k)
        for (int j = 0; j + 1 < size[1]; ++j)
            for (int i = 0; i + 1 < size[0]; ++i) {
                Point sum = {0, 0, 0};
                int crossings = 0;
                for (int corner = 0; corner < 8; ++corner)
                    for (int axis = 0; axis < 3; ++axis) {
                        if (corner & (1 << axis)) continue;
                        int a[3] = {i + (corner & 1), j + ((corner >> 1) & 1), k + ((corner >> 2) & 1)};
                        int b[3] = {a[0], a[1], a[2]};
                        ++b[axis];
                        float fa = field[index(a[0], a[1], a[2])], fb = field[index(b[0], b[1], b[2])];
                        if ((fa < 0) == (fb < 0)) continue;
                        Point pa = place(a[0], a[1], a[2]), pb = place(b[0], b[1], b[2]);
                        float t = fa / (fa - fb);
                        for (int c = 0; c < 3; ++c) sum[c] += pa[c] + t * (pb[c] - pa[c]);
                        ++crossings;
                    }
                if (crossings == 0) continue;
                cellPoint[index(i, j, k)] = mesh.AddPoint(sum[0] / crossings, sum[1] / crossings, sum[2] / crossings);
            }
    // A quadrangle across every grid edge the surface crosses, through the
    // points of the four cells around the edge, clockwise seen from outside.
    for (int k = 1; k + 1 < size[2]; ++k)
        for (int j = 1; j + 1 < size[1]; ++j)
            for (int i = 1; i + 1 < size[0]; ++i)
                for (int axis = 0; axis < 3; ++axis) {
                    int b[3] = {i, j, k};
                    ++b[axis];
                    float fa = field[index(i, j, k)], fb = field[index(b[0], b[1], b[2])];
                    if ((fa < 0) == (fb < 0)) continue;
                    int u = (axis + 1) % 3, v = (axis + 2) % 3;
                    std::vector<uint32_t> quad;
                    for (const auto &offset : {std::array<int, 2>{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
                        int cell[3] = {i, j, k};
                        cell[u] -= offset[0];
                        cell[v] -= offset[1];
                        quad.push_back(cellPoint[index(cell[0], cell[1], cell[2])]);
                    }
                    // Going round u then v turns about +axis; the surface's
                    // outside lies where the field grows, and clockwise seen
                    // from there turns about the other way.
                    if (fa < 0) std::reverse(quad.begin(), quad.end());
                    mesh.AddPolygon(quad, "Skin");
                    object.polygonSource.push_back(0);
                }
}

void Write(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out.flush()) throw std::runtime_error(path + ": cannot be written");
}

}  // namespace

int main(int argc, char **argv) {
    bool closed = argc == 5 && std::string(argv[1]) == "--closed";
    if (argc != 4 && !closed) {
        std::cerr << "usage: vexil-dress-biped [--closed] SKELETON.obj DRESSED.obj DRESSED.lwo\n";
        return 2;
    }
    char **files = argv + (closed ? 2 : 1);
    try {
        std::vector<MeshObject> objects = vexil_host::ReadMeshFile(files[0]);
        for (MeshObject &object : objects) {
            std::vector<Bone> bones = BonesOf(*object.mesh);
            if (closed)
                Clothe(object, bones, 0.03f);
            else
                for (size_t b = 0; b < bones.size(); ++b) Dress(object, bones, b);
        }
        const char *heading =
            closed ? "# The biped of biped.obj in one closed skin around all its bones, made by\n"
                     "# vexil-dress-biped --closed. No weight maps: vexil-host works the weights out.\n"
                   : "# The biped of biped.obj in a box of skin around every bone, made by\n"
                     "# vexil-dress-biped. Its LWO2 twin holds weight maps; here vexil-host works\n"
                     "# the weights out.\n";
        Write(files[1], vexil_host::WriteObj(objects, heading));
        Write(files[2], vexil_host::WriteLwo(objects));
    } catch (const std::exception &error) {
        std::cerr << "vexil-dress-biped: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
