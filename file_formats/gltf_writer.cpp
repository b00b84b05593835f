#include "file_formats/gltf_writer.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <unordered_map>

#include <tiny_gltf.h>

#include "file_formats/utf8.h"
#include "host/bone_pose.h"

namespace vexil_host {

namespace {

using Vec = std::array<double, 3>;
using Matrix = std::array<Vec, 3>;  // [row][column]
using Quaternion = std::array<double, 4>;  // x, y, z, w

// From the host's axes to glTF's.
//
// The host is left-handed and glTF right-handed, both with +Y up. Mirroring
// z, (x, y, z) -> (x, y, -z), carries every point over, each joint's place
// among them.
//
// A bone's frame in the host has rows X, Y, Z: Z from the joint to the tip,
// Y towards the roll corner, X = Y x Z by the usual component formula. Its
// rotation is not read off the mesh but from what the commands set: heading,
// pitch and bank relative to the parent bone, which the module works out from
// the frame by turning it back, heading about Y, then pitch about X, then
// bank about Z. Building the frame again, bank about Z first, then pitch,
// then heading (FrameFromHPB), and composing it down the chain of parents
// (ObjectBonePoses) gives the frame in object space that the host holds. In
// pivot mode the rest rotation is zero and the pivot rotation holds the
// angles; the frame is the two combined, the same frame.
//
// Mirrored, Z' = m(Z) still points at the tip and Y' = m(Y) at the roll
// side. A mirror turns cross products round, m(a) x m(b) = -m(a x b), so
// m(X) = -(Y' x Z'): the +X that completes a right-handed frame is
// X' = -m(X). X', Y', Z' are the columns of the joint's rotation in glTF.
Vec Mirror(const Vec &v) { return {v[0], v[1], -v[2]}; }

Matrix JointRotation(const BonePose &pose) {
    Vec x = Mirror(pose.axes[0]), y = Mirror(pose.axes[1]), z = Mirror(pose.axes[2]);
    Matrix rotation;
    for (int i = 0; i < 3; ++i) rotation[i] = {-x[i], y[i], z[i]};
    return rotation;
}

Matrix Multiply(const Matrix &a, const Matrix &b) {
    Matrix out{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return out;
}

Matrix Transposed(const Matrix &m) {
    Matrix out;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out[i][j] = m[j][i];
    return out;
}

Vec Apply(const Matrix &m, const Vec &v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The unit quaternion of a rotation matrix, taken from its largest diagonal
// term so that no division loses precision.
Quaternion QuaternionOf(const Matrix &m) {
    Quaternion q;
    double trace = m[0][0] + m[1][1] + m[2][2];
    if (trace > 0) {
        double s = std::sqrt(trace + 1) * 2;
        q = {(m[2][1] - m[1][2]) / s, (m[0][2] - m[2][0]) / s, (m[1][0] - m[0][1]) / s, s / 4};
    } else if (m[0][0] > m[1][1] && m[0][0] > m[2][2]) {
        double s = std::sqrt(1 + m[0][0] - m[1][1] - m[2][2]) * 2;
        q = {s / 4, (m[0][1] + m[1][0]) / s, (m[0][2] + m[2][0]) / s, (m[2][1] - m[1][2]) / s};
    } else if (m[1][1] > m[2][2]) {
        double s = std::sqrt(1 + m[1][1] - m[0][0] - m[2][2]) * 2;
        q = {(m[0][1] + m[1][0]) / s, s / 4, (m[1][2] + m[2][1]) / s, (m[0][2] - m[2][0]) / s};
    } else {
        double s = std::sqrt(1 + m[2][2] - m[0][0] - m[1][1]) * 2;
        q = {(m[0][2] + m[2][0]) / s, (m[1][2] + m[2][1]) / s, s / 4, (m[1][0] - m[0][1]) / s};
    }
    double length = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
    for (double &c : q) c /= length;
    return q;
}

Matrix MatrixOf(const Quaternion &q) {
    double x = q[0], y = q[1], z = q[2], w = q[3];
    return {{{1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)},
             {2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)},
             {2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)}}};
}

bool Finite(const Vec &v) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }
bool FitsFloat(double value) { return std::fabs(value) <= FLT_MAX; }

std::string Quoted(const std::string &name) {
    std::string text = "'";
    for (char c : name) text += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return text + "'";
}

// A bone as the file holds it: a joint node.
struct Joint {
    const Item *bone;
    int parent;             // among the object's joints, or -1 for the object's node
    Vec translation;        // relative to the parent, glTF's axes
    Quaternion rotation;
    Matrix worldRotation;   // as the written values compose
    Vec worldTranslation;
};

// The object's bones in depth-first order, parents before children and
// siblings in the order the host enumerates them, each joint placed as its
// written values compose. Bones whose values are not finite are left out
// with a warning, and their children hang from the nearest ancestor kept.
std::vector<Joint> PlanJoints(const Scene &scene, const Item &object, std::vector<std::string> &warnings) {
    std::unordered_map<LWItemID, BonePose> poses = ObjectBonePoses(scene, object);
    std::vector<BoneInTree> order = BonesDepthFirst(scene, object);
    // The joint each entry became, or, left out, the joint it hangs from.
    std::vector<int> jointOf(order.size(), -1);
    std::vector<Joint> joints;
    for (size_t entry = 0; entry < order.size(); ++entry) {
        const Item *bone = order[entry].bone;
        int parent = order[entry].parent < 0 ? -1 : jointOf[static_cast<size_t>(order[entry].parent)];
        const BoneState &values = bone->bone;
        const BonePose &pose = poses.at(bone->id);
        bool ownValuesFinite = Finite(values.restPosition) && Finite(values.restRotation) &&
                               std::isfinite(values.restLength) &&
                               (!values.pivotRecorded || Finite(values.pivotRotation));
        Joint joint{bone, parent, {}, {}, {}, {}};
        Matrix parentRotation = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
        Vec parentTranslation = {0, 0, 0};
        if (parent >= 0) {
            parentRotation = joints[static_cast<size_t>(parent)].worldRotation;
            parentTranslation = joints[static_cast<size_t>(parent)].worldTranslation;
        }
        bool placed = ownValuesFinite && Finite(pose.start) && Finite(pose.tip);
        if (placed) {
            Matrix toParent = Transposed(parentRotation);
            Vec world = Mirror(pose.start), offset;
            for (int k = 0; k < 3; ++k) offset[k] = world[k] - parentTranslation[k];
            joint.translation = Apply(toParent, offset);
            joint.rotation = QuaternionOf(Multiply(toParent, JointRotation(pose)));
            // What an importer composes from the written values, to which
            // the inverse bind matrix must be true.
            joint.worldRotation = Multiply(parentRotation, MatrixOf(joint.rotation));
            Vec turned = Apply(parentRotation, joint.translation);
            for (int k = 0; k < 3; ++k) joint.worldTranslation[k] = parentTranslation[k] + turned[k];
            Vec inverse = Apply(Transposed(joint.worldRotation), joint.worldTranslation);
            placed = Finite(joint.translation) &&
                     std::isfinite(joint.rotation[0] + joint.rotation[1] + joint.rotation[2] + joint.rotation[3]) &&
                     FitsFloat(inverse[0]) && FitsFloat(inverse[1]) && FitsFloat(inverse[2]);
        }
        if (placed) {
            jointOf[entry] = static_cast<int>(joints.size());
            joints.push_back(joint);
        } else {
            jointOf[entry] = parent;
            warnings.push_back("bone " + Quoted(bone->name) + " of object " + Quoted(object.name) +
                               " is left out of the glTF file: " +
                               (ownValuesFinite ? "its place lies beyond what 32-bit floats hold"
                                                : "its rest values are not finite numbers"));
        }
    }
    return joints;
}

// Writes each vertex's JOINTS_0 and WEIGHTS_0 from its influences, each
// bone as its joint. Only the first `usable` joints take part: JOINTS_0
// cannot name more than 65536; a vertex left with no joint follows joint 0.
// Unused places hold joint 0 with weight 0.
void WriteInfluences(const SkinWeights &weights, const std::vector<Joint> &joints, size_t usable, bool wide,
                     unsigned char *jointsOut, unsigned char *weightsOut) {
    std::unordered_map<const Item *, uint32_t> jointOf;
    for (uint32_t j = 0; j < usable; ++j) jointOf[joints[j].bone] = j;
    std::vector<uint32_t> jointOfBone(weights.bones.size(), UINT32_MAX);
    bool identity = true;
    for (size_t b = 0; b < weights.bones.size(); ++b) {
        auto found = jointOf.find(weights.bones[b].bone);
        if (found != jointOf.end()) jointOfBone[b] = found->second;
        identity = identity && jointOfBone[b] == b;
    }
    std::vector<BoneWeight> kept;
    for (const Influences &influences : weights.influences) {
        Influences written = influences;
        if (!identity) {
            kept.clear();
            for (int i = 0; i < 4 && influences.weight[i] > 0; ++i)
                if (jointOfBone[influences.bone[i]] != UINT32_MAX)
                    kept.push_back({jointOfBone[influences.bone[i]], influences.weight[i]});
            written = HeaviestFour(kept);
            if (written.Empty()) written.weight[0] = 1;
        }
        for (int i = 0; i < 4; ++i) {
            if (wide) {
                uint16_t narrow = static_cast<uint16_t>(written.bone[i]);
                std::memcpy(jointsOut, &narrow, sizeof narrow);
                jointsOut += sizeof narrow;
            } else {
                *jointsOut++ = static_cast<uint8_t>(written.bone[i]);
            }
        }
        std::memcpy(weightsOut, written.weight.data(), sizeof written.weight);
        weightsOut += sizeof written.weight;
    }
}

size_t UsableJoints(const std::vector<Joint> &joints) { return std::min<size_t>(joints.size(), 65536); }

// One glTF buffer, filled section by section, each section a buffer view.
class BufferBuilder {
  public:
    // `bytes`: room for every section, so that the buffer is allocated once.
    BufferBuilder(tinygltf::Model &model, size_t bytes) : model_(model) {
        // GLB and data URIs count their bytes in 32 bits.
        if (bytes > std::numeric_limits<uint32_t>::max() - 4096)
            throw std::length_error("the glTF data would pass the 4 GiB one buffer can hold");
        model_.buffers.emplace_back();
        model_.buffers[0].data.reserve(bytes);
    }

    // A section's size, padded as each view begins on a 4-byte boundary.
    static size_t Padded(size_t bytes) { return (bytes + 3) / 4 * 4; }

    // A view of `bytes` bytes for an accessor, and where to write them.
    unsigned char *View(size_t bytes, int target, int &view) {
        std::vector<unsigned char> &data = model_.buffers[0].data;
        size_t offset = Padded(data.size());
        data.resize(offset + bytes);
        tinygltf::BufferView bufferView;
        bufferView.buffer = 0;
        bufferView.byteOffset = offset;
        bufferView.byteLength = bytes;
        bufferView.target = target;
        view = static_cast<int>(model_.bufferViews.size());
        model_.bufferViews.push_back(bufferView);
        return data.data() + offset;
    }

    // An accessor of `count` elements over a new view; returns its number.
    int Accessor(size_t count, int componentType, int type, int target, unsigned char *&bytes) {
        size_t size = static_cast<size_t>(tinygltf::GetComponentSizeInBytes(componentType)) *
                      static_cast<size_t>(tinygltf::GetNumComponentsInType(type)) * count;
        tinygltf::Accessor accessor;
        bytes = View(size, target, accessor.bufferView);
        accessor.componentType = componentType;
        accessor.type = type;
        accessor.count = count;
        model_.accessors.push_back(accessor);
        return static_cast<int>(model_.accessors.size() - 1);
    }

  private:
    tinygltf::Model &model_;
};

template <typename T>
void Put(unsigned char *&at, T value) {
    std::memcpy(at, &value, sizeof value);
    at += sizeof value;
}

// The skin's mesh: positions in glTF's axes, its triangles, and, with
// joints, the joints and weights of each vertex. Returns the mesh's number.
int AddMesh(tinygltf::Model &model, BufferBuilder &buffer, const Item &object, const SkinWeights &weights,
            const std::vector<Joint> &joints) {
    const Skin &skin = weights.skin;
    const Mesh &mesh = *object.mesh;
    tinygltf::Primitive primitive;
    primitive.mode = TINYGLTF_MODE_TRIANGLES;

    unsigned char *at;
    int positions = buffer.Accessor(skin.points.size(), TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3,
                                    TINYGLTF_TARGET_ARRAY_BUFFER, at);
    for (uint32_t point : skin.points) {
        const auto &p = mesh.points[point];
        const float mirrored[3] = {p[0], p[1], -p[2]};
        std::memcpy(at, mirrored, sizeof mirrored);
        at += sizeof mirrored;
    }
    model.accessors[static_cast<size_t>(positions)].minValues = {skin.low[0], skin.low[1], -skin.high[2]};
    model.accessors[static_cast<size_t>(positions)].maxValues = {skin.high[0], skin.high[1], -skin.low[2]};
    primitive.attributes["POSITION"] = positions;

    // The modeller lists a polygon's corners clockwise seen from its front,
    // glTF counter-clockwise. Mirroring z mirrors the viewer too, so the
    // order as seen stays as it was: each triangle is turned round.
    primitive.indices = buffer.Accessor(skin.triangles.size(), TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, TINYGLTF_TYPE_SCALAR,
                                        TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER, at);
    for (size_t t = 0; t < skin.triangles.size(); t += 3) {
        const uint32_t turned[3] = {skin.triangles[t], skin.triangles[t + 2], skin.triangles[t + 1]};
        std::memcpy(at, turned, sizeof turned);
        at += sizeof turned;
    }

    if (!joints.empty() && !weights.influences.empty()) {
        size_t usable = UsableJoints(joints);
        bool wide = usable > 256;
        unsigned char *jointsAt, *weightsAt;
        primitive.attributes["JOINTS_0"] =
            buffer.Accessor(skin.points.size(),
                            wide ? TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT : TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE,
                            TINYGLTF_TYPE_VEC4, TINYGLTF_TARGET_ARRAY_BUFFER, jointsAt);
        primitive.attributes["WEIGHTS_0"] = buffer.Accessor(skin.points.size(), TINYGLTF_COMPONENT_TYPE_FLOAT,
                                                            TINYGLTF_TYPE_VEC4, TINYGLTF_TARGET_ARRAY_BUFFER, weightsAt);
        WriteInfluences(weights, joints, usable, wide, jointsAt, weightsAt);
    }

    tinygltf::Mesh gltfMesh;
    gltfMesh.name = ValidUtf8(object.name);
    gltfMesh.primitives.push_back(primitive);
    model.meshes.push_back(gltfMesh);
    return static_cast<int>(model.meshes.size() - 1);
}

// The skin: its joints and the inverse of each joint's place at rest.
int AddSkin(tinygltf::Model &model, BufferBuilder &buffer, const std::vector<Joint> &joints, int objectNode,
            int firstJointNode) {
    tinygltf::Skin skin;
    skin.skeleton = objectNode;
    unsigned char *at;
    skin.inverseBindMatrices =
        buffer.Accessor(joints.size(), TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_MAT4, 0, at);
    for (size_t j = 0; j < joints.size(); ++j) {
        skin.joints.push_back(firstJointNode + static_cast<int>(j));
        const Matrix &r = joints[j].worldRotation;
        Vec back = Apply(Transposed(r), joints[j].worldTranslation);
        // Column by column: the transposed rotation, then -R^T t.
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 3; ++row) Put(at, static_cast<float>(r[column][row]));
            Put(at, 0.0f);
        }
        for (int row = 0; row < 3; ++row) Put(at, static_cast<float>(-back[row]));
        Put(at, 1.0f);
    }
    model.skins.push_back(skin);
    return static_cast<int>(model.skins.size() - 1);
}

}  // namespace

std::string ValidUtf8(const std::string &text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        out.append(text, i, length);
        i += length;
    }
    return out;
}

std::vector<std::string> WriteGltf(const Scene &scene, const std::vector<GltfObject> &objects, bool binary,
                                   std::ostream &out) {
    std::vector<std::string> warnings;
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "vexil-host";
    // What each object holds, and the room its sections take in the buffer.
    struct Plan {
        const GltfObject *wanted;
        const Item *object;
        std::vector<Joint> joints;
        const SkinWeights *weights;
    };
    std::vector<Plan> plans;
    size_t bytes = 0;
    for (const GltfObject &wanted : objects) {
        const Item *object = scene.Find(wanted.id);
        if (object == nullptr || object->type != ItemType::Object) continue;
        static const SkinWeights kNoSkin;
        Plan plan{&wanted, object, PlanJoints(scene, *object, warnings), wanted.weights ? wanted.weights : &kNoSkin};
        const Skin &skin = plan.weights->skin;
        if (plan.joints.empty() && skin.TriangleCount() == 0) continue;
        size_t vertices = skin.points.size();
        if (skin.TriangleCount() > 0) {
            bytes += BufferBuilder::Padded(vertices * 12) + BufferBuilder::Padded(skin.triangles.size() * 4);
            if (!plan.joints.empty() && !plan.weights->influences.empty())
                bytes += BufferBuilder::Padded(vertices * (UsableJoints(plan.joints) > 256 ? 8 : 4)) + vertices * 16;
        }
        bytes += plan.joints.size() * 64;
        plans.push_back(std::move(plan));
    }

    BufferBuilder buffer(model, bytes);
    tinygltf::Scene gltfScene;
    for (const Plan &plan : plans) {
        const Item *object = plan.object;
        const std::vector<Joint> &joints = plan.joints;
        const Skin &skin = plan.weights->skin;

        int objectNode = static_cast<int>(model.nodes.size());
        int firstJointNode = objectNode + 1;
        model.nodes.emplace_back();
        model.nodes.back().name = ValidUtf8(object->name);
        for (size_t j = 0; j < joints.size(); ++j) {
            const Joint &joint = joints[j];
            tinygltf::Node node;
            node.name = ValidUtf8(joint.bone->name);
            node.translation = {joint.translation[0], joint.translation[1], joint.translation[2]};
            node.rotation = {joint.rotation[0], joint.rotation[1], joint.rotation[2], joint.rotation[3]};
            node.extras = tinygltf::Value(tinygltf::Value::Object{
                {"restLength", tinygltf::Value(joint.bone->bone.restLength)},
                {"weightMap", tinygltf::Value(ValidUtf8(joint.bone->bone.weightMap))}});
            model.nodes.push_back(node);
            int number = firstJointNode + static_cast<int>(j);
            int parent = joint.parent < 0 ? objectNode : firstJointNode + joint.parent;
            model.nodes[static_cast<size_t>(parent)].children.push_back(number);
        }
        // The skinned mesh sits on the object's node, a root without a
        // transform, as glTF asks of a skinned mesh's node.
        if (skin.TriangleCount() > 0)
            model.nodes[static_cast<size_t>(objectNode)].mesh = AddMesh(model, buffer, *object, *plan.weights, joints);
        if (!joints.empty()) {
            int skinNumber = AddSkin(model, buffer, joints, objectNode, firstJointNode);
            if (skin.TriangleCount() > 0) model.nodes[static_cast<size_t>(objectNode)].skin = skinNumber;
        }
        gltfScene.nodes.push_back(objectNode);
    }
    model.scenes.push_back(gltfScene);
    model.defaultScene = 0;
    if (model.buffers[0].data.empty()) {
        model.buffers.clear();
    }
    tinygltf::TinyGLTF writer;
    writer.WriteGltfSceneToStream(&model, out, false, binary);
    return warnings;
}

}  // namespace vexil_host
