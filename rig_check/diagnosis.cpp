// The diagnosis: the module's scan, joint search and hierarchy, run with
// their reasons kept (which polygon each record came from, the path of each
// search, the rings cut), then read for the mistakes riggers make.
#include "rig_check/diagnosis.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <new>
#include <string_view>
#include <unordered_map>

#include "rig_check/place_index.h"
#include "shell/command.h"
#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"
#include "skeleton/joint_search.h"
#include "skeleton/polygon_scan.h"

namespace {

// Wraps the module's scan to remember which polygon each record came from.
struct ScanWatch {
    SkeletonBuilder *builder;
    std::vector<LWPolID> polygonOf;  // per record, in scan order
    size_t polygons;                 // every polygon the host handed over
};

size_t WatchPolygon(void *data, LWPolID polygon) {
    ScanWatch &watch = *static_cast<ScanWatch *>(data);
    ++watch.polygons;
    size_t before = watch.builder->records.size();
    ScanPolygon(watch.builder, polygon);
    if (watch.builder->records.size() > before) watch.polygonOf.push_back(polygon);
    return 0;
}

Vec3 PositionOf(LWMeshInfo *mesh, LWPntID point) {
    float position[3] = {0, 0, 0};
    mesh->pntBasePos(mesh, point, position);
    return {position[0], position[1], position[2]};
}

std::string Count(size_t count, const char *one, const char *many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// "'A', 'B' and 'C'", at most `most` names and then how many more.
std::string NameList(const std::vector<std::string> &names, size_t most = 8) {
    std::string text;
    size_t shown = std::min(names.size(), most);
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) text += i + 1 == shown && shown == names.size() ? " and " : ", ";
        text += QuotedName(names[i]);
    }
    if (shown < names.size()) text += " and " + std::to_string(names.size() - shown) + " more";
    return text;
}

// Distinct names, in first-seen order.
void AddDistinct(std::vector<std::string> &names, const std::string &name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

bool Finite(const Vec3 &v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// The module's name commands: a name that makes any of them too long for
// the command buffer leaves the bone uncreated or its weight map unnamed.
struct NameCommand {
    const char *format;
    bool creates;
};
constexpr NameCommand kNameCommands[] = {
    {"AddBone %s", true}, {"AddChildBone %s", true}, {"BoneWeightMapName %s", false}};

class Diagnoser {
  public:
    explicit Diagnoser(LWMeshInfo *mesh) : mesh_(mesh) {}

    Diagnosis Run() {
        SkeletonBuilder builder{};
        builder.mesh = mesh_;
        ScanWatch watch{&builder, {}, 0};
        try {
            mesh_->scanPolys(mesh_, WatchPolygon, &watch);
            // A diagnosis must not tell of a mesh it could not read whole.
            if (builder.outOfMemory) throw std::bad_alloc();
            Diagnose(builder, watch);
        } catch (...) {
            ClearBuilder(builder);
            throw;
        }
        ClearBuilder(builder);
        std::stable_sort(diagnosis_.findings.begin(), diagnosis_.findings.end(),
                         [](const Finding &a, const Finding &b) { return a.severity < b.severity; });
        return std::move(diagnosis_);
    }

  private:
    void Warn(const char *kind, std::vector<std::string> bones, LWPolID polygon, std::vector<Vec3> marks,
              std::string message) {
        diagnosis_.findings.push_back(
            {kind, Severity::Warning, std::move(bones), polygon, std::move(marks), std::move(message)});
    }
    void Note(const char *kind, std::vector<std::string> bones, std::string message) {
        diagnosis_.findings.push_back({kind, Severity::Note, std::move(bones), nullptr, {}, std::move(message)});
    }

    // The triangle's corners in vertex order.
    void Corners(LWPolID polygon, LWPntID points[3], Vec3 corners[3]) const {
        for (int i = 0; i < 3; ++i) {
            points[i] = mesh_->polVertex(mesh_, polygon, i);
            corners[i] = PositionOf(mesh_, points[i]);
        }
    }

    void Diagnose(SkeletonBuilder &builder, const ScanWatch &watch) {
        const std::vector<BoneRecord *> records = builder.records;  // scan order
        const std::vector<LWPolID> &polygonOf = watch.polygonOf;
        size_t others = watch.polygons - records.size();

        std::unordered_map<std::string_view, size_t> nameUses;
        for (const BoneRecord *record : records) ++nameUses[record->name];
        auto isBone = [&](size_t i) { return records[i]->vertexCount == 3 && !records[i]->passThrough; };
        auto isDegenerate = [&](size_t i) { return records[i]->vertexCount == 3 && records[i]->endPoint == nullptr; };

        // The module's searches, each with its path kept.
        JointIndex index = BuildJointIndex(builder.records);
        std::vector<BoneRecord *> parents(records.size(), nullptr);
        std::vector<SearchTrace> traces(records.size());
        std::vector<bool> crossed(records.size(), false);
        for (size_t i = 0; i < records.size(); ++i) {
            if (!isBone(i)) continue;
            parents[i] = FindJointParent(index, i, records[i]->startPoint, &traces[i]);
            for (uint32_t step : traces[i].crossed) crossed[step] = true;
        }

        for (size_t i = 0; i < records.size(); ++i)
            if (isBone(i) || (crossed[i] && records[i]->vertexCount == 3))
                diagnosis_.skeletonPolygons.push_back(polygonOf[i]);

        Degenerate(records, polygonOf, isDegenerate);
        SharedNames(records, polygonOf, nameUses, crossed, isDegenerate);
        for (size_t i = 0; i < records.size(); ++i)
            if (isBone(i)) Names(*records[i], polygonOf[i]);
        Unwelded(records, polygonOf, parents, isBone);
        for (size_t i = 0; i < records.size(); ++i)
            if (isBone(i) && traces[i].loop) Loop(records, polygonOf[i], i, traces[i]);

        // How each bone found its parent, told while the connectors and
        // pass-through triangles it crossed still exist.
        std::unordered_map<const BoneRecord *, std::string> how;
        std::unordered_map<const BoneRecord *, size_t> scanOrder;
        for (size_t i = 0; i < records.size(); ++i) {
            if (!isBone(i)) continue;
            how[records[i]] = How(records, i, parents[i], traces[i]);
            scanOrder[records[i]] = i;
        }
        auto polygonOfBone = [&](const BoneRecord *bone) { return polygonOf[scanOrder.at(bone)]; };

        std::vector<std::vector<BoneRecord *>> rings;
        AssembleHierarchy(builder, parents, &rings);
        for (const std::vector<BoneRecord *> &ring : rings) Ring(ring, polygonOfBone(ring.front()), how);

        std::vector<std::string> roots;
        for (const BoneRecord *record : builder.records) {
            LWPolID polygon = polygonOfBone(record);
            if (!Finite(record->restPosition) || !Finite(record->restRotation) || !std::isfinite(record->length))
                Warn("non-finite", {record->name}, polygon, {},
                     "the rest values of bone " + QuotedName(record->name) +
                         " are not finite numbers: its corners lie too far apart for 32-bit floats");
            if (record->parent == nullptr) roots.push_back(record->name);
            diagnosis_.bones.push_back(Story(*record, polygon, how.at(record), scanOrder.at(record)));
        }

        if (!roots.empty()) Note("roots", roots, (roots.size() == 1 ? "root: " : "roots: ") + NameList(roots, 12));
        if (others > 0)
            Note("other-polygons", {},
                 Count(others, "polygon is", "polygons are") + " neither a triangle nor a two-point polygon and " +
                     (others == 1 ? "takes" : "take") + " no part in the skeleton");
    }

    void Degenerate(const std::vector<BoneRecord *> &records, const std::vector<LWPolID> &polygonOf,
                    const std::function<bool(size_t)> &isDegenerate) {
        for (size_t i = 0; i < records.size(); ++i) {
            if (!isDegenerate(i)) continue;
            LWPntID points[3];
            Vec3 corners[3];
            Corners(polygonOf[i], points, corners);
            float length[3];
            int edge = MeasureEdges(corners, length);
            if (edge < 0) continue;  // cannot happen: the scan measured the same
            const Vec3 &a = corners[edge], &b = corners[(edge + 1) % 3];
            Warn("degenerate", {records[i]->name}, polygonOf[i], {a},
                 "a triangle of surface " + QuotedName(records[i]->name) +
                     " has two corners closer than 0.00001, at " + PositionText(a) + " and " + PositionText(b) +
                     ", so it is no bone: pull them apart or delete the triangle");
        }
    }

    void SharedNames(const std::vector<BoneRecord *> &records, const std::vector<LWPolID> &polygonOf,
                     const std::unordered_map<std::string_view, size_t> &nameUses, const std::vector<bool> &crossed,
                     const std::function<bool(size_t)> &isDegenerate) {
        // Per surface: how many triangles lost to a shared name, and the first.
        struct Lost {
            size_t count, first;
        };
        std::unordered_map<std::string_view, Lost> lost;
        std::vector<std::string_view> order;
        for (size_t i = 0; i < records.size(); ++i) {
            const BoneRecord &record = *records[i];
            // Triangles a search crossed are pass-through links, as meant.
            if (record.vertexCount != 3 || !record.passThrough || isDegenerate(i) || crossed[i]) continue;
            auto entry = lost.emplace(record.name, Lost{0, i});
            if (entry.second) order.push_back(record.name);
            ++entry.first->second.count;
        }
        for (std::string_view name : order) {
            const Lost &surface = lost.at(name);
            const BoneRecord &first = *records[surface.first];
            Warn("shared-name", {std::string(name)}, polygonOf[surface.first], {},
                 Count(surface.count, "triangle", "triangles") + " of surface " + QuotedName(std::string(name)) +
                     (surface.count == 1 ? " is not a bone" : " are not bones") + ": " +
                     std::to_string(nameUses.at(name)) + " polygons use the name (the first triangle at " +
                     PositionText(first.start) + "); give each bone a surface of its own");
        }
    }

    void Names(const BoneRecord &record, LWPolID polygon) {
        const std::string name = record.name;
        bool uncreated = false, unnamedMap = false;
        char command[kCommandBufferSize];
        for (const NameCommand &c : kNameCommands) {
            if (FormatCommand(command, sizeof command, c.format, record.name) >= 0) continue;
            (c.creates ? uncreated : unnamedMap) = true;
        }
        if (uncreated || unnamedMap)
            Warn("too-long", {name}, polygon, {},
                 "the name of bone " + QuotedName(name) + " is " + std::to_string(name.size()) +
                     " bytes long, so its commands would be 256 bytes or more: " +
                     (uncreated ? "the bone cannot be created or addressed" : "its weight map cannot be named") +
                     "; shorten the surface name");
        bool blankEnds = !name.empty() && (name.front() == ' ' || name.back() == ' ' || name.front() == '\t' ||
                                           name.back() == '\t');
        bool control = std::any_of(name.begin(), name.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) == 0x7F;
        });
        if (blankEnds || control)
            Warn("blank-name", {name}, polygon, {},
                 "the name of bone " + QuotedName(name) + " has " +
                     (blankEnds ? "a blank at its start or end" : "a control character") +
                     ", which the host's command parser may not keep: rename the surface");
    }

    void Unwelded(const std::vector<BoneRecord *> &records, const std::vector<LWPolID> &polygonOf,
                  const std::vector<BoneRecord *> &parents, const std::function<bool(size_t)> &isBone) {
        // The places a joint may be welded to: every bone's tip and every
        // connector's ends, in mesh order.
        struct Place {
            Vec3 position;
            LWPntID point;
            size_t record;
            bool tip;  // a bone's tip, else a connector's end
        };
        std::vector<Place> places;
        for (size_t i = 0; i < records.size(); ++i) {
            const BoneRecord &record = *records[i];
            if (isBone(i)) places.push_back({PositionOf(mesh_, record.endPoint), record.endPoint, i, true});
            if (record.vertexCount == 2) {
                places.push_back({PositionOf(mesh_, record.startPoint), record.startPoint, i, false});
                places.push_back({PositionOf(mesh_, record.endPoint), record.endPoint, i, false});
            }
        }
        // Of the places at a position with another point, the one a warning
        // names: tips before connector ends, then the earliest in the mesh.
        auto better = [&](size_t candidate, size_t best) {
            if (best == SIZE_MAX) return true;
            const Place &a = places[candidate], &b = places[best];
            return (a.tip && !b.tip) || (a.tip == b.tip && a.record < b.record);
        };

        // Roots whose joints lie on a tip or a connector's end. Only the
        // roots are indexed: every place asks whether a root lies on it.
        std::vector<size_t> roots;
        std::vector<Vec3> rootJoints;
        for (size_t i = 0; i < records.size(); ++i)
            if (isBone(i) && parents[i] == nullptr && Finite(records[i]->start)) {
                roots.push_back(i);
                rootJoints.push_back(records[i]->start);
            }
        std::vector<size_t> nearest(roots.size(), SIZE_MAX);
        if (!roots.empty()) {
            PlaceIndex index(rootJoints);
            for (size_t p = 0; p < places.size(); ++p) {
                if (!Finite(places[p].position)) continue;
                index.ForEachAt(places[p].position, [&](size_t root) {
                    if (places[p].point != records[roots[root]]->startPoint && better(p, nearest[root])) nearest[root] = p;
                });
            }
        }
        for (size_t r = 0; r < roots.size(); ++r) {
            if (nearest[r] == SIZE_MAX) continue;
            const BoneRecord &bone = *records[roots[r]];
            const Place &other = places[nearest[r]];
            const BoneRecord &near = *records[other.record];
            std::string what = other.tip ? "the tip of bone " + QuotedName(near.name)
                                         : "an end of a connector of surface " + QuotedName(near.name);
            std::vector<std::string> bones = {bone.name};
            if (other.tip) bones.push_back(near.name);
            Warn("unwelded", bones, polygonOf[roots[r]], {bone.start},
                 "bone " + QuotedName(bone.name) + " is a root, but its joint at " + PositionText(bone.start) +
                     " lies on " + what + ", which is a different point: weld the two points");
        }

        // Connector ends on a tip at another point. Only the tips are indexed.
        std::vector<size_t> tips;
        std::vector<Vec3> tipPositions;
        for (size_t p = 0; p < places.size(); ++p)
            if (places[p].tip && Finite(places[p].position)) {
                tips.push_back(p);
                tipPositions.push_back(places[p].position);
            }
        if (tips.empty()) return;
        PlaceIndex index(tipPositions);
        for (const Place &end : places) {
            if (end.tip || !Finite(end.position)) continue;
            size_t best = SIZE_MAX;
            index.ForEachAt(end.position, [&](size_t tip) {
                if (places[tips[tip]].point != end.point && better(tips[tip], best)) best = tips[tip];
            });
            if (best == SIZE_MAX) continue;
            const BoneRecord &connector = *records[end.record];
            const BoneRecord &bone = *records[places[best].record];
            Warn("unwelded", {bone.name}, polygonOf[end.record], {end.position},
                 "a connector of surface " + QuotedName(connector.name) + " ends at " + PositionText(end.position) +
                     " on the tip of bone " + QuotedName(bone.name) +
                     ", but at a different point: weld the two points");
        }
    }

    void Loop(const std::vector<BoneRecord *> &records, LWPolID polygon, size_t searcher, const SearchTrace &trace) {
        std::vector<std::string> names;
        for (uint32_t step : trace.crossed)
            if (records[step]->vertexCount == 3) AddDistinct(names, records[step]->name);
        std::vector<std::string> bones = {records[searcher]->name};
        bones.insert(bones.end(), names.begin(), names.end());
        Warn("loop", bones, polygon, {records[searcher]->start},
             "the search for the parent of bone " + QuotedName(records[searcher]->name) +
                 " went round a loop of pass-through triangles named " + NameList(names) +
                 " and ended there, so the bone is a root: break the loop");
    }

    void Ring(const std::vector<BoneRecord *> &ring, LWPolID polygon,
              std::unordered_map<const BoneRecord *, std::string> &how) {
        std::vector<std::string> names;
        for (const BoneRecord *member : ring) names.push_back(member->name);
        if (ring.size() == 1) {  // How() already tells a bone that leads back to itself
            Warn("ring", names, polygon, {ring.front()->start},
                 "the joint of bone " + QuotedName(names.front()) +
                     " leads back to its own tip, so the bone is a root: remove the link");
            return;
        }
        how[ring.front()] = "is a root: it hangs in a ring of bones (" + NameList(names) + ") that was cut here";
        Warn("ring", names, polygon, {ring.front()->start},
             "bones " + NameList(names) + " form a ring, each hanging from the next; it was cut at " +
                 QuotedName(names.front()) + ", which is now a root: remove one link of the ring");
    }

    std::string How(const std::vector<BoneRecord *> &records, size_t i, const BoneRecord *parent,
                    const SearchTrace &trace) const {
        size_t connectors = 0;
        std::vector<std::string> passThrough;
        for (uint32_t step : trace.crossed) {
            if (records[step]->vertexCount == 2)
                ++connectors;
            else
                AddDistinct(passThrough, records[step]->name);
        }
        std::string through;
        if (connectors > 0) through = Count(connectors, "connector", "connectors");
        if (!passThrough.empty())
            through += (through.empty() ? "" : " and ") + std::string("pass-through triangles named ") +
                       NameList(passThrough);
        if (parent != nullptr && parent != records[i]) {
            if (through.empty()) return "hangs from " + QuotedName(parent->name) + ": its joint is that bone's tip (a shared point)";
            return "hangs from " + QuotedName(parent->name) + " through " + through;
        }
        if (parent == records[i]) return "is a root: its joint leads back to its own tip";
        if (trace.loop) return "is a root: pass-through triangles named " + NameList(passThrough) + " lead round a loop";
        if (!through.empty()) return "is a root: the search went on through " + through + " and found no bone";
        if (trace.connectorsTried == 1)
            return "is a root: no bone ends at its joint, and the connector there leads to no bone";
        if (trace.connectorsTried > 1)
            return "is a root: no bone ends at its joint, and the " + std::to_string(trace.connectorsTried) +
                   " connectors there lead to no bone";
        return "is a root: no bone ends at its joint, and no connector or pass-through triangle touches it";
    }

    BoneStory Story(const BoneRecord &record, LWPolID polygon, const std::string &how, size_t scanOrder) const {
        BoneStory story{record.name, record.parent ? record.parent->name : "", how, polygon, record.start, {}, {},
                        record.length, scanOrder};
        LWPntID points[3];
        Vec3 corners[3];
        Corners(polygon, points, corners);
        for (int c = 0; c < 3; ++c) {
            if (points[c] == record.endPoint)
                story.tip = corners[c];
            else if (points[c] != record.startPoint)
                story.roll = corners[c];
        }
        return story;
    }

    LWMeshInfo *mesh_;
    Diagnosis diagnosis_;
};

}  // namespace

Diagnosis DiagnoseMesh(LWMeshInfo *mesh) { return Diagnoser(mesh).Run(); }

std::string QuotedName(const std::string &name) {
    const size_t kShown = 60;
    std::string text = "'";
    for (size_t i = 0; i < name.size() && i < kShown; ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        text += c < 0x20 || c == 0x7F ? '?' : name[i];
    }
    if (name.size() > kShown) text += "...";
    return text + "'";
}

double DistanceBetween(const Vec3 &a, const Vec3 &b) {
    double dx = static_cast<double>(a.x) - b.x, dy = static_cast<double>(a.y) - b.y,
           dz = static_cast<double>(a.z) - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

std::string NumberText(float value) {
    if (value == 0) return "0";
    char digits[32];
    std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

std::string PositionText(const Vec3 &position) {
    return "(" + NumberText(position.x) + ", " + NumberText(position.y) + ", " + NumberText(position.z) + ")";
}
