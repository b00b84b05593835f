#include "file_formats/skeleton_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

#include "file_formats/utf8.h"
#include "host/bone_pose.h"

namespace vexil_host {

namespace {

constexpr double kPanel = 400;   // view size in pixels
constexpr double kMargin = 28;   // inside a view, around the bones
constexpr double kTitle = 30;    // room for an object's title
constexpr const char *kRootFill = "#e4572e";
constexpr const char *kChildFill = "#2e86ab";
constexpr const char *kMarkColour = "#d62728";
// Bone colours where a skin is drawn, told apart side by side.
constexpr const char *kBoneColours[] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd", "#8c564b",
                                        "#e377c2", "#7f7f7f", "#bcbd22", "#17becf", "#393b79", "#637939",
                                        "#8c6d31", "#843c39", "#7b4173", "#3182bd", "#e6550d", "#31a354"};

const char *BoneColour(const Item &bone) {
    return kBoneColours[bone.indexInObject % (sizeof kBoneColours / sizeof kBoneColours[0])];
}

struct View {
    const char *name;
    int across, up;  // object axes shown left to right and bottom to top
};

const View kViews[3] = {{"front: X right, Y up", 0, 1}, {"side: Z right, Y up", 2, 1}, {"top: X right, Z up", 0, 2}};

// A name's box on the picture, to keep names from covering one another.
struct LabelBox {
    double left, top, right, bottom;
    bool Overlaps(const LabelBox &other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// The names placed in one view, filed in square buckets so that a place is
// tested against the few names near it.
class LabelSpace {
  public:
    LabelSpace(double left, double top, double right, double bottom)
        : left_(left), top_(top), right_(right), bottom_(bottom),
          columns_(static_cast<int>((right - left) / kBucket) + 1), rows_(static_cast<int>((bottom - top) / kBucket) + 1),
          buckets_(static_cast<size_t>(columns_ * rows_)) {}

    // Inside the view, and over no name placed before.
    bool Free(const LabelBox &box) const {
        if (box.left < left_ || box.right > right_ || box.top < top_ || box.bottom > bottom_) return false;
        bool free = true;
        ForBuckets(box, [&](const std::vector<size_t> &bucket) {
            for (size_t i : bucket) free = free && !box.Overlaps(boxes_[i]);
        });
        return free;
    }

    void Take(const LabelBox &box) {
        ForBuckets(box, [&](std::vector<size_t> &bucket) { bucket.push_back(boxes_.size()); });
        boxes_.push_back(box);
    }

  private:
    static constexpr double kBucket = 40;

    template <typename Visit>
    void ForBuckets(const LabelBox &box, Visit visit) const {
        auto column = [&](double x) { return std::clamp(static_cast<int>((x - left_) / kBucket), 0, columns_ - 1); };
        auto row = [&](double y) { return std::clamp(static_cast<int>((y - top_) / kBucket), 0, rows_ - 1); };
        for (int r = row(box.top); r <= row(box.bottom); ++r)
            for (int c = column(box.left); c <= column(box.right); ++c)
                visit(const_cast<std::vector<size_t> &>(buckets_[static_cast<size_t>(r * columns_ + c)]));
    }

    double left_, top_, right_, bottom_;
    int columns_, rows_;
    std::vector<std::vector<size_t>> buckets_;
    std::vector<LabelBox> boxes_;
};

// Where a name goes: the nearest free place beside the point (x, y) its
// bone is labelled at, trying a few places right beside it first and then
// rings of places further out in 16 directions, out to the whole view.
// Returns false when no place in the view is free.
bool PlaceLabel(double x, double y, const std::string &name, LabelSpace &space, LabelBox &placed) {
    const double width = 6.4 * static_cast<double>(name.size()) + 2, height = 12;
    auto at = [&](double left, double baseline) { return LabelBox{left, baseline - height + 2, left + width, baseline + 2}; };
    const double beside[][2] = {{6, -4}, {6, 12}, {-6 - width, -4}, {-6 - width, 12}};
    for (const auto &offset : beside) {
        LabelBox box = at(x + offset[0], y + offset[1]);
        if (space.Free(box)) return placed = box, true;
    }
    const double kRing = 8, kFarthest = 2 * 400;
    for (double distance = kRing; distance <= kFarthest; distance += kRing)
        for (int direction = 0; direction < 16; ++direction) {
            double angle = direction * 3.14159265358979323846 / 8;
            double dx = std::cos(angle) * distance, dy = std::sin(angle) * distance;
            // The box's nearest corner at that distance from the point.
            double left = dx >= 0 ? x + dx : x + dx - width;
            double baseline = dy >= 0 ? y + dy + height - 2 : y + dy - 2;
            LabelBox box = at(left, baseline);
            if (space.Free(box)) return placed = box, true;
        }
    return false;
}

std::string Num(double value) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

struct Projection {
    double scale, offsetX, offsetY;
    const View *view;
    double originX, originY;

    void Place(const std::array<double, 3> &p, double &x, double &y) const {
        x = originX + offsetX + p[view->across] * scale;
        y = originY + offsetY - p[view->up] * scale;
    }
};

Projection Fit(const std::vector<std::array<double, 3>> &points, const View &view, double originX, double originY) {
    double minA = 0, maxA = 0, minU = 0, maxU = 0;
    bool first = true;
    for (const auto &p : points) {
        double a = p[view.across], u = p[view.up];
        if (!std::isfinite(a) || !std::isfinite(u)) continue;
        if (first) {
            minA = maxA = a;
            minU = maxU = u;
            first = false;
        }
        minA = std::min(minA, a), maxA = std::max(maxA, a), minU = std::min(minU, u), maxU = std::max(maxU, u);
    }
    double extent = std::max({maxA - minA, maxU - minU, 1e-9});
    double scale = (kPanel - 2 * kMargin) / extent;
    Projection projection{scale, 0, 0, &view, originX, originY};
    projection.offsetX = kPanel / 2 - (minA + maxA) / 2 * scale;
    projection.offsetY = kPanel / 2 + (minU + maxU) / 2 * scale;
    return projection;
}

void DrawMark(const SvgMark &mark, const Projection &projection, std::ostringstream &svg) {
    double x, y;
    projection.Place(mark.position, x, y);
    if (!std::isfinite(x + y)) return;
    if (mark.ring) {
        svg << "<circle cx='" << Num(x) << "' cy='" << Num(y) << "' r='7' class='mark' fill='none'/>\n";
        return;
    }
    svg << "<path d='M" << Num(x - 6) << "," << Num(y - 6) << " L" << Num(x + 6) << "," << Num(y + 6) << " M"
        << Num(x - 6) << "," << Num(y + 6) << " L" << Num(x + 6) << "," << Num(y - 6) << "' class='mark'/>\n";
}

// Draws one view of the object; returns how many names found no free place.
size_t DrawView(const Scene &scene, const Item &object, const std::unordered_map<LWItemID, BonePose> &poses,
                const std::vector<const SvgMark *> &marks, const SvgSkin *skin, const View &view, double originX,
                double originY, std::ostringstream &svg) {
    std::vector<std::array<double, 3>> points;
    if (skin != nullptr) points = skin->points;
    for (const auto &entry : poses) {
        points.push_back(entry.second.start);
        points.push_back(entry.second.tip);
    }
    for (const SvgMark *mark : marks) points.push_back(mark->position);
    Projection projection = Fit(points, view, originX, originY);
    svg << "<rect x='" << Num(originX) << "' y='" << Num(originY) << "' width='" << Num(kPanel) << "' height='"
        << Num(kPanel) << "' fill='#fafafa' stroke='#cccccc'/>\n";
    svg << "<text x='" << Num(originX + 6) << "' y='" << Num(originY + 16) << "' class='view'>" << view.name
        << "</text>\n";

    // The skin underneath everything.
    if (skin != nullptr)
        for (size_t i = 0; i < skin->points.size(); ++i) {
            double x, y;
            projection.Place(skin->points[i], x, y);
            const Item *bone = scene.Find(skin->heaviestBone[i]);
            if (!std::isfinite(x + y) || bone == nullptr) continue;
            svg << "<circle cx='" << Num(x) << "' cy='" << Num(y) << "' r='1.5' fill='" << BoneColour(*bone)
                << "' class='skin'/>\n";
        }
    // Parent links first, underneath the wedges.
    for (LWItemID id : object.bones) {
        const BoneState &values = scene.Find(id)->bone;
        auto parent = poses.find(values.parent);
        if (parent == poses.end()) continue;
        double x1, y1, x2, y2;
        projection.Place(parent->second.tip, x1, y1);
        projection.Place(poses.at(id).start, x2, y2);
        if (std::hypot(x2 - x1, y2 - y1) < 0.5) continue;
        svg << "<line x1='" << Num(x1) << "' y1='" << Num(y1) << "' x2='" << Num(x2) << "' y2='" << Num(y2)
            << "' class='link'/>\n";
    }
    // Names stay inside the view, below its heading.
    LabelSpace labels(originX + 2, originY + 20, originX + kPanel - 2, originY + kPanel - 2);
    size_t leftOut = 0;
    for (LWItemID id : object.bones) {
        const BonePose &pose = poses.at(id);
        double sx, sy, tx, ty;
        projection.Place(pose.start, sx, sy);
        projection.Place(pose.tip, tx, ty);
        if (!std::isfinite(sx + sy + tx + ty)) continue;
        const char *fill = skin != nullptr ? BoneColour(*scene.Find(id)) : pose.depth == 0 ? kRootFill : kChildFill;
        double dx = tx - sx, dy = ty - sy, length = std::hypot(dx, dy);
        if (length < 2) {
            // Seen end-on: a dot.
            svg << "<circle cx='" << Num(sx) << "' cy='" << Num(sy) << "' r='4' fill='" << fill << "'/>\n";
        } else {
            double half = std::min(10.0, std::max(2.5, length * 0.12));
            double nx = -dy / length * half, ny = dx / length * half;
            svg << "<polygon points='" << Num(sx + nx) << "," << Num(sy + ny) << " " << Num(tx) << "," << Num(ty)
                << " " << Num(sx - nx) << "," << Num(sy - ny) << "' fill='" << fill << "' class='bone'/>\n";
        }
        svg << "<circle cx='" << Num(sx) << "' cy='" << Num(sy) << "' r='2.2' class='joint'/>\n";
        double x = (sx + tx) / 2, y = (sy + ty) / 2;
        LabelBox box;
        if (!PlaceLabel(x, y, scene.Find(id)->name, labels, box)) {
            ++leftOut;
            continue;
        }
        labels.Take(box);
        // A name moved away from its bone is tied to it by a line.
        double nearX = std::clamp(x, box.left, box.right), nearY = std::clamp(y, box.top, box.bottom);
        if (std::hypot(nearX - x, nearY - y) > 14)
            svg << "<line x1='" << Num(x) << "' y1='" << Num(y) << "' x2='" << Num(nearX) << "' y2='" << Num(nearY)
                << "' class='leader'/>\n";
        svg << "<text x='" << Num(box.left) << "' y='" << Num(box.bottom - 2) << "' class='name'>"
            << MarkupText(scene.Find(id)->name) << "</text>\n";
    }
    for (const SvgMark *mark : marks) DrawMark(*mark, projection, svg);
    return leftOut;
}

}  // namespace

std::string SkeletonSvg(const Scene &scene, const std::vector<SvgMark> &marks, const std::vector<SvgSkin> &skins,
                        const std::vector<LWItemID> *only) {
    std::unordered_map<LWItemID, std::vector<const SvgMark *>> marksOf;
    for (const SvgMark &mark : marks) marksOf[mark.object].push_back(&mark);
    std::unordered_map<LWItemID, const SvgSkin *> skinOf;
    for (const SvgSkin &skin : skins)
        if (!skin.points.empty()) skinOf[skin.object] = &skin;
    std::vector<const Item *> objects;
    for (const auto &item : scene.Items())
        if (item->type == ItemType::Object && (!item->bones.empty() || marksOf.count(item->id) != 0) &&
            (only == nullptr || std::find(only->begin(), only->end(), item->id) != only->end()))
            objects.push_back(item.get());

    double width = 3 * kPanel + 4 * 10;
    double rowHeight = kTitle + kPanel + 10;
    // The drawing first: the legend's size depends on it.
    std::ostringstream svg;
    svg.exceptions(std::ios::badbit);  // running out of memory must not cut the text short unseen
    if (objects.empty()) svg << "<text x='10' y='30' class='title'>No bones in the scene</text>\n";
    double y = 10;
    size_t leftOut = 0;
    for (const Item *object : objects) {
        auto poses = ObjectBonePoses(scene, *object);
        svg << "<text x='10' y='" << Num(y + 20) << "' class='title'>" << MarkupText(object->name) << " ("
            << object->bones.size() << (object->bones.size() == 1 ? " bone" : " bones") << ")</text>\n";
        const std::vector<const SvgMark *> &objectMarks = marksOf[object->id];
        auto skin = skinOf.find(object->id);
        for (int v = 0; v < 3; ++v)
            leftOut += DrawView(scene, *object, poses, objectMarks, skin == skinOf.end() ? nullptr : skin->second,
                                kViews[v], 10 + v * (kPanel + 10), y + kTitle, svg);
        y += rowHeight;
    }
    if (skinOf.empty())
        svg << "<polygon points='12," << Num(y + 4) << " 36," << Num(y + 10) << " 12," << Num(y + 16) << "' fill='"
            << kRootFill << "' class='bone'/><text x='42' y='" << Num(y + 14) << "' class='legend'>root bone</text>\n"
            << "<polygon points='132," << Num(y + 4) << " 156," << Num(y + 10) << " 132," << Num(y + 16) << "' fill='"
            << kChildFill << "' class='bone'/><text x='162' y='" << Num(y + 14)
            << "' class='legend'>child bone (wedge from joint to tip)</text>\n";
    else
        svg << "<polygon points='12," << Num(y + 4) << " 36," << Num(y + 10) << " 12," << Num(y + 16) << "' fill='"
            << kBoneColours[0] << "' class='bone'/><circle cx='46' cy='" << Num(y + 10) << "' r='2' fill='"
            << kBoneColours[0] << "'/><circle cx='54' cy='" << Num(y + 10) << "' r='2' fill='" << kBoneColours[0]
            << "'/><text x='64' y='" << Num(y + 14)
            << "' class='legend'>bone (wedge from joint to tip) and the skin points it weighs most</text>\n";
    svg << "<line x1='" << (skinOf.empty() ? "380" : "540") << "' y1='" << Num(y + 10) << "' x2='"
        << (skinOf.empty() ? "410" : "570") << "' y2='" << Num(y + 10) << "' class='link'/><text x='"
        << (skinOf.empty() ? "416" : "576") << "' y='" << Num(y + 14)
        << "' class='legend'>parent's tip to a child starting elsewhere</text>\n";
    double line = y + 24;
    if (!marks.empty()) {
        svg << "<circle cx='24' cy='" << Num(line + 8) << "' r='7' class='mark' fill='none'/><text x='42' y='"
            << Num(line + 12) << "' class='legend'>points to weld</text>\n"
            << "<path d='M138," << Num(line + 2) << " L150," << Num(line + 14) << " M138," << Num(line + 14) << " L150,"
            << Num(line + 2) << "' class='mark'/><text x='162' y='" << Num(line + 12)
            << "' class='legend'>degenerate triangle</text>\n";
        line += 24;
    }
    if (leftOut > 0) {
        svg << "<text x='12' y='" << Num(line + 12) << "' class='legend'>" << leftOut
            << (leftOut == 1 ? " name was" : " names were") << " left out: no free place was left in the view</text>\n";
        line += 24;
    }
    double height = line + 6;
    std::ostringstream document;
    document.exceptions(std::ios::badbit);
    document << "<svg xmlns='http://www.w3.org/2000/svg' width='" << Num(width) << "' height='" << Num(height)
             << "' viewBox='0 0 " << Num(width) << " " << Num(height) << "' font-family='sans-serif'>\n"
             << "<style>.view{font-size:12px;fill:#777}.name{font-size:11px;fill:#222;paint-order:stroke;"
                "stroke:#fafafa;stroke-width:3px}.title{font-size:15px;font-weight:bold;fill:#222}"
                ".bone{stroke:#222;stroke-width:0.6;fill-opacity:0.85}.joint{fill:#222}"
                ".link{stroke:#999;stroke-width:1;stroke-dasharray:4 3}.leader{stroke:#555;stroke-width:0.6}"
                ".legend{font-size:12px;fill:#444}.mark{stroke:" << kMarkColour << ";stroke-width:2}</style>\n"
             << "<rect width='100%' height='100%' fill='white'/>\n"
             << svg.str() << "</svg>\n";
    return document.str();
}

}  // namespace vexil_host
