"""0 A.D.'s rigged animals and people (Debian's 0ad-data, CC BY-SA 3.0) as glTF
files that skinbench.py can prepare: the game ships each mesh in its own
binary form (PMD) with the artist's weights, and its skeleton's bones, in
order, as an XML tree apart from it.

PMD, version 4: "PSMD", version, data size; the vertices (position, normal,
texture coordinates, four bone numbers and four weights); the faces (three
16-bit vertex numbers each); the bones' rest transforms in world space
(translation, then rotation as a quaternion x, y, z, w), in the order of the
standard skeleton's bones read depth first.
"""
import base64
import json
import struct
import xml.etree.ElementTree as ET
import zipfile

ARCHIVE = "/usr/share/games/0ad/mods/public/public.zip"


def read_pmd(data):
    if data[:4] != b"PSMD":
        raise ValueError("not a PMD mesh")
    version, = struct.unpack_from("<I", data, 4)
    at = 12
    count, = struct.unpack_from("<I", data, at); at += 4
    texture_sets = 1
    if version >= 4:
        texture_sets, = struct.unpack_from("<I", data, at); at += 4
    positions, joints, weights = [], [], []
    for _ in range(count):
        positions.append(struct.unpack_from("<3f", data, at)); at += 24 + 8 * texture_sets
        joints.append(struct.unpack_from("<4B", data, at)); at += 4
        weights.append(struct.unpack_from("<4f", data, at)); at += 16
    faces_count, = struct.unpack_from("<I", data, at); at += 4
    faces = [struct.unpack_from("<3H", data, at + 6 * i) for i in range(faces_count)]
    at += 6 * faces_count
    bones_count, = struct.unpack_from("<I", data, at); at += 4
    bones = []
    for _ in range(bones_count):
        bones.append((struct.unpack_from("<3f", data, at), struct.unpack_from("<4f", data, at + 12)))
        at += 28
    return positions, joints, weights, faces, bones


def skeleton_tree(xml_text):
    """(name, parent number) of each bone of the file's standard skeleton, depth first."""
    bones = []

    def visit(element, parent):
        for child in element.findall("bone"):
            bones.append((child.get("name"), parent))
            visit(child, len(bones) - 1)

    visit(ET.fromstring(xml_text).find("standard_skeleton"), -1)
    return bones


def matrix_of(translation, rotation):
    x, y, z, w = rotation
    return [[1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w), translation[0]],
            [2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w), translation[1]],
            [2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y), translation[2]],
            [0, 0, 0, 1]]


def inverse_rigid(m):
    r = [[m[j][i] for j in range(3)] for i in range(3)]
    t = [-sum(r[i][k] * m[k][3] for k in range(3)) for i in range(3)]
    return [r[0] + [t[0]], r[1] + [t[1]], r[2] + [t[2]], [0, 0, 0, 1]]


def write_gltf(mesh_entry, skeleton_entry, out_path, archive=ARCHIVE):
    """Writes the mesh `mesh_entry` of the archive, skinned to the standard
    skeleton of `skeleton_entry`, as one glTF file. Bones the model does not
    place (left at the origin, unweighted) stay in the node tree but out of
    the skin, so that no bone runs to the origin."""
    with zipfile.ZipFile(archive) as z:
        positions, joints, weights, faces, rest = read_pmd(z.read(mesh_entry))
        tree = skeleton_tree(z.read(skeleton_entry))
    if len(tree) != len(rest):
        raise ValueError("%s has %d bones, %s %d" % (mesh_entry, len(rest), skeleton_entry, len(tree)))
    weighed = {j for js, ws in zip(joints, weights) for j, w in zip(js, ws) if j != 255 and w > 0}
    placed = [k for k, (t, q) in enumerate(rest) if k in weighed or any(abs(c) > 0 for c in t)]
    skin_joint = {k: i for i, k in enumerate(placed)}
    nodes = [{"name": name} for name, _ in tree]
    for k, (_, parent) in enumerate(tree):
        if parent >= 0:
            nodes[parent].setdefault("children", []).append(k)
    world = [matrix_of(t, q) for t, q in rest]
    for k, (_, parent) in enumerate(tree):
        local = world[k] if parent < 0 else \
            [[sum(inverse_rigid(world[parent])[i][m] * world[k][m][j] for m in range(4)) for j in range(4)] for i in range(4)]
        nodes[k]["matrix"] = [local[i][j] for j in range(4) for i in range(4)]
    blob = bytearray()

    def add(fmt, rows):
        offset = len(blob)
        for row in rows:
            blob.extend(struct.pack(fmt, *row))
        while len(blob) % 4:
            blob.append(0)
        return offset, len(blob) - offset

    skin_joints = [[skin_joint.get(j, 0) if j != 255 else 0 for j in js] for js in joints]
    skin_weights = [[w if j != 255 and j in skin_joint else 0.0 for j, w in zip(js, ws)] for js, ws in zip(joints, weights)]
    views = [add("<3f", positions), add("<4H", skin_joints), add("<4f", skin_weights), add("<3H", faces),
             add("<16f", [[inverse_rigid(world[k])[i][j] for j in range(4) for i in range(4)] for k in placed])]
    lo = [min(p[k] for p in positions) for k in range(3)]
    hi = [max(p[k] for p in positions) for k in range(3)]
    accessors = [
        {"bufferView": 0, "componentType": 5126, "count": len(positions), "type": "VEC3", "min": lo, "max": hi},
        {"bufferView": 1, "componentType": 5123, "count": len(positions), "type": "VEC4"},
        {"bufferView": 2, "componentType": 5126, "count": len(positions), "type": "VEC4"},
        {"bufferView": 3, "componentType": 5123, "count": 3 * len(faces), "type": "SCALAR"},
        {"bufferView": 4, "componentType": 5126, "count": len(placed), "type": "MAT4"},
    ]
    roots = [k for k, (_, parent) in enumerate(tree) if parent < 0]
    nodes.append({"name": "mesh", "mesh": 0, "skin": 0})
    doc = {
        "asset": {"version": "2.0", "generator": "vexil bench, from 0 A.D.'s " + mesh_entry},
        "scene": 0, "scenes": [{"nodes": roots + [len(nodes) - 1]}], "nodes": nodes,
        "meshes": [{"primitives": [{"attributes": {"POSITION": 0, "JOINTS_0": 1, "WEIGHTS_0": 2}, "indices": 3}]}],
        "skins": [{"joints": placed, "inverseBindMatrices": 4}],
        "accessors": accessors,
        "bufferViews": [{"buffer": 0, "byteOffset": offset, "byteLength": length} for offset, length in views],
        "buffers": [{"byteLength": len(blob),
                     "uri": "data:application/octet-stream;base64," + base64.b64encode(bytes(blob)).decode()}],
    }
    with open(out_path, "w") as out:
        json.dump(doc, out)
