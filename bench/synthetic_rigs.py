"""Rigs drawn here, each with the weights it should get: tubes around chains
and limbs, and limbs that touch without being joined by the surface.

Each is written as skinbench.py's prepare would write a character (model.obj:
the skin's points first, then the bones as triangles; ref.json: points,
triangles, bones and the wanted weights as "artist"), but straight, with no
welding by position, so that points of two parts at one place stay two
points; they are scored by point number. ref.json also keeps, per point, the
bones it may take weight from ("allowed") and what the case checks.
"""
import json
import math
import os

import numpy as np


class Rig:
    def __init__(self, name):
        self.name = name
        self.points, self.quads, self.triangles = [], [], []
        self.bones = []          # name, head, tail, parent name
        self.wanted = []         # per point: {bone name: weight}
        self.allowed = []        # per point: bone names it may take weight from
        self.rings = []          # per point: (part, place along it) or None
        self.checks = []

    def bone(self, name, head, tail, parent=None):
        self.bones.append({"name": name, "head": [float(c) for c in head], "tail": [float(c) for c in tail],
                           "parent": parent})
        return name

    def chain(self, prefix, joints, parent=None):
        names = []
        for k in range(len(joints) - 1):
            names.append(self.bone("%s%d" % (prefix, k + 1), joints[k], joints[k + 1], names[-1] if names else parent))
        return names

    def tube(self, centres, radius, sides, wanted, allowed, part, places=None, flatten=1.0):
        """A closed tube of quadrangles around the polyline `centres`, capped by
        fans; `wanted(i, point)` gives the weights of a point of ring i (the
        caps' middles take their end ring's)."""
        centres = np.asarray(centres, dtype=float)
        tangents = np.gradient(centres, axis=0)
        tangents /= np.linalg.norm(tangents, axis=1)[:, None]
        # Frames carried along the tube without twisting.
        ref = np.array([0.0, 0.0, 1.0]) if abs(tangents[0][2]) < 0.9 else np.array([1.0, 0.0, 0.0])
        u = np.cross(tangents[0], ref); u /= np.linalg.norm(u)
        first = len(self.points)
        for i, c in enumerate(centres):
            if i > 0:
                u = u - tangents[i] * (u @ tangents[i]); u /= np.linalg.norm(u)
            w = np.cross(tangents[i], u)
            for s in range(sides):
                a = 2 * math.pi * s / sides
                p = c + radius * (math.cos(a) * u + flatten * math.sin(a) * w)
                self.add_point(p, wanted(i, p), allowed, (part, places[i] if places is not None else i))
        at = lambda i, s: first + i * sides + s % sides
        for i in range(len(centres) - 1):
            for s in range(sides):
                self.quads.append((at(i, s), at(i + 1, s), at(i + 1, s + 1), at(i, s + 1)))
        for end, ring in ((centres[0], 0), (centres[-1], len(centres) - 1)):
            middle = self.add_point(end, wanted(ring, end), allowed, (part, places[ring] if places is not None else ring))
            for s in range(sides):
                corners = (middle, at(ring, s + 1), at(ring, s)) if ring == 0 else (middle, at(ring, s), at(ring, s + 1))
                self.triangles.append(corners)

    def add_point(self, p, wanted, allowed, ring):
        self.points.append([float(c) for c in p])
        self.wanted.append({k: float(v) for k, v in wanted.items() if v > 0})
        self.allowed.append(sorted(allowed))
        self.rings.append(ring)
        return len(self.points) - 1

    def first_use_order(self):
        """The points renumbered in the order the faces first use them, as the
        OBJ reader numbers an object's points, so that our glTF's vertex i is
        point i."""
        order, seen = [], set()
        for face in self.quads + self.triangles:
            for c in face:
                if c not in seen:
                    seen.add(c); order.append(c)
        number = {old: new for new, old in enumerate(order)}
        self.points = [self.points[i] for i in order]
        self.wanted = [self.wanted[i] for i in order]
        self.allowed = [self.allowed[i] for i in order]
        self.rings = [self.rings[i] for i in order]
        self.quads = [tuple(number[c] for c in q) for q in self.quads]
        self.triangles = [tuple(number[c] for c in t) for t in self.triangles]

    def write(self, folder):
        os.makedirs(folder, exist_ok=True)
        self.first_use_order()
        lines = ["# %s: a rig drawn for the weights bench" % self.name]
        lines += ["v %.7f %.7f %.7f" % tuple(p) for p in self.points]
        number = len(self.points) + 1
        tail_point = {}
        for b in self.bones:
            head, tail = np.array(b["head"]), np.array(b["tail"])
            parent = b["parent"]
            if parent is not None and np.allclose(tail_point[parent][1], head):
                head_number = tail_point[parent][0]
            else:
                lines.append("v %.7f %.7f %.7f" % tuple(head)); head_number = number; number += 1
            lines.append("v %.7f %.7f %.7f" % tuple(tail)); tail_number = number; number += 1
            axis = tail - head; length = np.linalg.norm(axis); a = axis / length
            other = np.array([0, 0, 1.0]) if abs(a[2]) < 0.9 else np.array([1.0, 0, 0])
            side = np.cross(a, other); side /= np.linalg.norm(side)
            lines.append("v %.7f %.7f %.7f" % tuple(head + 0.05 * length * side)); roll = number; number += 1
            tail_point[b["name"]] = (tail_number, tail)
            lines += ["usemtl %s" % b["name"], "f %d %d %d" % (head_number, tail_number, roll)]
            if parent is not None and head_number != tail_point[parent][0]:
                lines += ["usemtl link_%s" % b["name"], "l %d %d" % (tail_point[parent][0], head_number)]
        lines.append("usemtl skin")
        lines += ["f " + " ".join(str(c + 1) for c in q) for q in self.quads]
        lines += ["f " + " ".join(str(c + 1) for c in t) for t in self.triangles]
        with open(os.path.join(folder, "model.obj"), "w") as out:
            out.write("\n".join(lines) + "\n")
        triangles = [t for q in self.quads for t in ((q[0], q[1], q[2]), (q[0], q[2], q[3]))] + self.triangles
        with open(os.path.join(folder, "ref.json"), "w") as out:
            json.dump({"source": self.name, "points": self.points, "triangles": triangles, "bones": self.bones,
                       "artist": self.wanted, "allowed": self.allowed, "rings": self.rings,
                       "checks": self.checks, "by_index": True}, out)


def middle_to_middle(names, place):
    """A chain's weights at `place` bones along it (bone k spans [k, k + 1]):
    falling linearly from one bone's middle to the next."""
    s = min(max(place - 0.5, 0.0), len(names) - 1.0)
    k = min(int(math.floor(s)), len(names) - 2) if len(names) > 1 else 0
    t = s - k
    if len(names) == 1:
        return {names[0]: 1.0}
    return {names[k]: 1 - t, names[k + 1]: t}


def limb_ramp(parent, child, along, diameter, width=1.1):
    """A limb joint's weights at `along` past the joint: the child's rising
    from 0.1 to 0.9 over `width` limb diameters centred on the joint."""
    ramp = width * diameter / 0.8
    t = min(max(0.5 + along / ramp, 0.0), 1.0)
    return {parent: 1 - t, child: t}


def straight_tube(bones, radius, sides=16, rings_per_bone=8):
    rig = Rig("tube of 12 bones, radius %g" % radius)
    names = rig.chain("bone", [(0, k, 0) for k in range(bones + 1)])
    count = bones * rings_per_bone
    places = [i / rings_per_bone for i in range(count + 1)]
    rig.tube([(0, y, 0) for y in places], radius, sides, lambda i, p: middle_to_middle(names, places[i]),
             names, 0, places)
    rig.checks.append({"kind": "chain", "bones": names})
    return rig


def two_bone_limb(radius=0.2):
    rig = Rig("two-bone limb, radius %g" % radius)
    names = rig.chain("limb", [(0, 0, 0), (0, 1, 0), (0, 2, 0)])
    places = [i / 40 for i in range(81)]
    rig.tube([(0, y, 0) for y in places], radius, 16,
             lambda i, p: limb_ramp(names[0], names[1], places[i] - 1, 2 * radius), names, 0, places)
    rig.checks.append({"kind": "limb", "parent": names[0], "child": names[1], "joint": 1.0, "diameter": 2 * radius})
    return rig


def coil(turns=3, per_turn=8, helix=1.0, radius=0.15):
    """A tube coiled until each turn touches the next."""
    rig = Rig("tube coiled until it touches itself")
    pitch = 2 * radius
    def at(turn):
        a = 2 * math.pi * turn
        return (helix * math.cos(a), pitch * turn, helix * math.sin(a))
    bones = turns * per_turn
    names = rig.chain("coil", [at(k / per_turn) for k in range(bones + 1)])
    places = [i / 8 for i in range(8 * bones + 1)]
    rig.tube([at(p / per_turn) for p in places], radius, 16, lambda i, p: middle_to_middle(names, places[i]),
             names, 0, places)
    # A point may take weight only from the bones next to its own along the coil.
    for i, ring in enumerate(rig.rings):
        k = min(int(ring[1]), bones - 1)
        rig.allowed[i] = names[max(0, k - 2): k + 3]
    rig.checks.append({"kind": "chain", "bones": names})
    rig.checks.append({"kind": "apart"})
    return rig


def legs(overlap):
    """Two legs, each its own closed tube, touching along the inner thigh
    (overlap 0: some points of both at one place) or passing into each other
    by `overlap` of their radius."""
    rig = Rig("two legs %s" % ("touching" if overlap == 0 else "intersecting by %d%% of the radius" % round(100 * overlap)))
    radius = 0.12
    half = radius - overlap * radius / 2
    hips = rig.bone("hips", (0, 1.3, 0), (0, 1.1, 0))
    places = [i / 40 for i in range(41)]
    for side, x in (("left", -half), ("right", half)):
        names = rig.chain(side + "_leg", [(x, 1.0, 0), (x, 0.5, 0), (x, 0.05, 0)], hips)
        rig.tube([(x, 1.0 - y, 0) for y in places], radius, 16,
                 lambda i, p, n=names: limb_ramp(n[0], n[1], places[i] - 0.5, 2 * radius), names + [hips], side,
                 places)
        rig.checks.append({"kind": "limb", "parent": names[0], "child": names[1], "joint": 0.5, "diameter": 2 * radius,
                           "part": side})
    rig.checks.append({"kind": "apart"})
    return rig


def hand():
    """A palm, four fingers side by side, touching, and a thumb; each finger
    its own closed tube, its root inside the palm."""
    rig = Rig("hand of four fingers side by side and a thumb")
    radius = 0.1
    palm = rig.bone("palm", (0, 0, 0), (0, 0.8, 0))
    places = [i / 20 for i in range(18)]
    rig.tube([(0, y, 0) for y in places], 0.42, 24, lambda i, p: {palm: 1.0}, [palm], "palm", places, flatten=0.3)
    lengths = (0.3, 0.25, 0.2)
    fingers = [("index", -3 * radius), ("middle", -radius), ("ring", radius), ("little", 3 * radius)]
    for name, x in fingers:
        joints = [(x, 0.8, 0)]
        for length in lengths:
            joints.append((x, joints[-1][1] + length, 0))
        bones = rig.chain(name, joints, palm)
        add_finger(rig, name, bones, np.array(joints[0], dtype=float), np.array([0, 1.0, 0]), lengths, radius, palm)
    direction = np.array([1.0, 1.0, 0]) / math.sqrt(2)
    start = np.array([0.36, 0.3, 0])
    joints = [start]
    for length in lengths:
        joints.append(joints[-1] + length * direction)
    bones = rig.chain("thumb", [tuple(j) for j in joints], palm)
    add_finger(rig, "thumb", bones, start, direction, lengths, radius, palm)
    rig.checks.append({"kind": "apart"})
    return rig


def add_finger(rig, part, bones, root, direction, lengths, radius, palm):
    total = sum(lengths)
    places = [-0.06 + i * (total + 0.06) / 40 for i in range(41)]
    joints_at = np.cumsum((0,) + lengths)

    def wanted(i, p):
        s = places[i]
        if s <= 0:
            return {bones[0]: 1.0}
        for k in range(1, len(bones)):
            if abs(s - joints_at[k]) < radius * 1.1 / 0.8 * 2:
                return limb_ramp(bones[k - 1], bones[k], s - joints_at[k], 2 * radius)
        k = min(int(np.searchsorted(joints_at, s, side="right")) - 1, len(bones) - 1)
        return {bones[k]: 1.0}

    rig.tube([root + s * direction for s in places], radius, 12, wanted, bones + [palm], part, places)


def arm_against_body():
    """An arm hanging against the side of the body, its own closed tube."""
    rig = Rig("arm hanging against the body")
    spine = rig.chain("spine", [(0, 0, 0), (0, 0.5, 0), (0, 1.0, 0), (0, 1.5, 0), (0, 2.0, 0)])
    shoulder = rig.bone("shoulder", (0, 1.5, 0), (0.38, 1.75, 0), spine[2])
    arm = rig.chain("arm", [(0.38, 1.75, 0), (0.38, 1.2, 0), (0.38, 0.7, 0), (0.38, 0.5, 0)], shoulder)
    body = [i / 40 for i in range(81)]
    rig.tube([(0, y, 0) for y in body], 0.3, 24, lambda i, p: middle_to_middle(spine, 2 * body[i]),
             spine + [shoulder], "body", body)
    arm_places = [i / 80 for i in range(109)]

    def wanted(i, p):
        y = 1.8 - arm_places[i]
        if y > 1.2 + 0.3:
            return {arm[0]: 1.0}
        if y > 0.95:
            return limb_ramp(arm[0], arm[1], 1.2 - y, 0.16)
        if y > 0.7 + 0.15:
            return {arm[1]: 1.0}
        return limb_ramp(arm[1], arm[2], 0.7 - y, 0.16)

    rig.tube([(0.38, 1.8 - s, 0) for s in arm_places], 0.08, 12, wanted, arm + [shoulder], "arm", arm_places)
    rig.checks.append({"kind": "apart"})
    return rig


def all_rigs():
    return {
        "tube12_r0.1": straight_tube(12, 0.1),
        "tube12_r0.5": straight_tube(12, 0.5),
        "tube12_r1": straight_tube(12, 1.0, sides=24),
        "limb2_r0.2": two_bone_limb(),
        "coil": coil(),
        "legs_touching": legs(0.0),
        "legs_into_20": legs(0.2),
        "legs_into_50": legs(0.5),
        "hand": hand(),
        "arm_against_body": arm_against_body(),
    }
