#include "weights/outward_normals.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

// Rays cast to find which way an open piece faces.
constexpr uint32_t kFacingRays = 15;

// One use of an edge by a triangle, the edge named by its places.
struct EdgeUse {
    uint64_t edge;
    uint32_t triangle;
    bool forwards;  // the triangle walks the edge from its lower place to its higher
    bool operator<(const EdgeUse &other) const {
        return edge != other.edge ? edge < other.edge : triangle < other.triangle;
    }
};

// The triangles joined into pieces across edges that exactly two of them
// share, and whether each must be turned over to agree with its piece's
// first triangle. Also whether each piece is closed: all its edges shared
// by exactly two triangles.
struct Pieces {
    std::vector<uint32_t> pieceOf;  // per triangle
    std::vector<bool> turned;       // per triangle
    std::vector<bool> closed;       // per piece
};

Pieces AgreeingPieces(const Places &places) {
    const uint32_t count = static_cast<uint32_t>(places.triangles.size() / 3);
    std::vector<EdgeUse> uses;
    uses.reserve(3 * count);
    for (uint32_t t = 0; t < count; ++t)
        for (uint32_t corner = 0; corner < 3; ++corner) {
            uint32_t from = places.triangles[3 * t + corner], to = places.triangles[3 * t + (corner + 1) % 3];
            uses.push_back({static_cast<uint64_t>(std::min(from, to)) << 32 | std::max(from, to), t, from < to});
        }
    std::sort(uses.begin(), uses.end());
    // Neighbours across shared edges, and whether they walk the edge the
    // same way (then one of them must turn).
    std::vector<uint32_t> start(count + 1, 0);
    std::vector<bool> openEdge(count, false);
    std::vector<std::array<uint32_t, 2>> pairs;
    std::vector<bool> sameWay;
    for (size_t first = 0; first < uses.size();) {
        size_t end = first + 1;
        while (end < uses.size() && uses[end].edge == uses[first].edge) ++end;
        if (end - first == 2) {
            pairs.push_back({uses[first].triangle, uses[first + 1].triangle});
            sameWay.push_back(uses[first].forwards == uses[first + 1].forwards);
        } else {
            for (size_t i = first; i < end; ++i) openEdge[uses[i].triangle] = true;
        }
        first = end;
    }
    for (const auto &pair : pairs) ++start[pair[0] + 1], ++start[pair[1] + 1];
    for (uint32_t t = 0; t < count; ++t) start[t + 1] += start[t];
    std::vector<std::pair<uint32_t, bool>> neighbours(start[count]);
    std::vector<uint32_t> filled(start.begin(), start.end() - 1);
    for (size_t i = 0; i < pairs.size(); ++i) {
        neighbours[filled[pairs[i][0]]++] = {pairs[i][1], sameWay[i]};
        neighbours[filled[pairs[i][1]]++] = {pairs[i][0], sameWay[i]};
    }

    Pieces pieces;
    pieces.pieceOf.assign(count, UINT32_MAX);
    pieces.turned.assign(count, false);
    std::vector<uint32_t> queue;
    for (uint32_t seed = 0; seed < count; ++seed) {
        if (pieces.pieceOf[seed] != UINT32_MAX) continue;
        uint32_t piece = static_cast<uint32_t>(pieces.closed.size());
        bool closed = true;
        pieces.pieceOf[seed] = piece;
        queue.assign(1, seed);
        for (size_t next = 0; next < queue.size(); ++next) {
            uint32_t t = queue[next];
            closed = closed && !openEdge[t];
            for (uint32_t i = start[t]; i < start[t + 1]; ++i) {
                auto [other, same] = neighbours[i];
                if (pieces.pieceOf[other] != UINT32_MAX) continue;
                pieces.pieceOf[other] = piece;
                pieces.turned[other] = pieces.turned[t] != same;
                queue.push_back(other);
            }
        }
        pieces.closed.push_back(closed);
    }
    return pieces;
}

// The triangle's normal, as the piece turns it; its length twice its area.
Point3 TurnedNormal(const Places &places, const Pieces &pieces, uint32_t t) {
    const Point3 &a = places.position[places.triangles[3 * t]], &b = places.position[places.triangles[3 * t + 1]],
                 &c = places.position[places.triangles[3 * t + 2]];
    Point3 n = Cross(Minus(b, a), Minus(c, a));
    if (pieces.turned[t])
        for (double &value : n) value = -value;
    return n;
}

// +1 where a piece's turned faces point out, -1 where they point in, 0
// where a piece is too small to tell: an open piece of a few triangles (a
// card of hair, a loose leaf) has no inside.
std::vector<int> FacingOut(const Places &places, const Pieces &pieces, const TriangleTree &tree) {
    const size_t pieceCount = pieces.closed.size();
    const uint32_t count = static_cast<uint32_t>(pieces.pieceOf.size());
    std::vector<uint32_t> triangleCount(pieceCount, 0);
    std::vector<Point3> centre(pieceCount, {0, 0, 0});
    std::vector<Point3> low(pieceCount, {INFINITY, INFINITY, INFINITY}), high(pieceCount, {-INFINITY, -INFINITY, -INFINITY});
    for (uint32_t t = 0; t < count; ++t) {
        uint32_t piece = pieces.pieceOf[t];
        ++triangleCount[piece];
        for (int k = 0; k < 3; ++k) centre[piece][k] += places.position[places.triangles[3 * t]][k];
        for (uint32_t corner = 0; corner < 3; ++corner) {
            const Point3 &p = places.position[places.triangles[3 * t + corner]];
            for (int k = 0; k < 3; ++k) low[piece][k] = std::min(low[piece][k], p[k]), high[piece][k] = std::max(high[piece][k], p[k]);
        }
    }
    for (size_t piece = 0; piece < pieceCount; ++piece)
        for (double &value : centre[piece]) value /= std::max<uint32_t>(1, triangleCount[piece]);
    // Closed pieces: the enclosed volume, taken about the piece's centre so
    // that far from the origin it does not drown in rounding.
    std::vector<double> volume(pieceCount, 0);
    for (uint32_t t = 0; t < count; ++t) {
        uint32_t piece = pieces.pieceOf[t];
        if (!pieces.closed[piece]) continue;
        Point3 a = Minus(places.position[places.triangles[3 * t]], centre[piece]);
        Point3 b = Minus(places.position[places.triangles[3 * t + 1]], centre[piece]);
        Point3 c = Minus(places.position[places.triangles[3 * t + 2]], centre[piece]);
        Point3 bc = Cross(b, c);
        double six = a[0] * bc[0] + a[1] * bc[1] + a[2] * bc[2];
        volume[piece] += pieces.turned[t] ? -six : six;
    }
    // Open pieces: rays from faces spread evenly over the piece's triangles,
    // each as long as the piece is wide, since only its own triangles count.
    std::vector<std::vector<uint32_t>> samples(pieceCount);
    std::vector<uint32_t> seen(pieceCount, 0);
    for (uint32_t t = 0; t < count; ++t) {
        uint32_t piece = pieces.pieceOf[t];
        if (pieces.closed[piece] || triangleCount[piece] < kFacingRays) continue;
        uint64_t every = std::max<uint32_t>(1, triangleCount[piece] / kFacingRays);
        if (seen[piece]++ % every == 0 && samples[piece].size() < kFacingRays) samples[piece].push_back(t);
    }
    std::vector<int> out(pieceCount, 0);
    for (size_t piece = 0; piece < pieceCount; ++piece) {
        if (pieces.closed[piece]) {
            out[piece] = volume[piece] < 0 ? -1 : 1;
            continue;
        }
        const double span = std::hypot(high[piece][0] - low[piece][0], high[piece][1] - low[piece][1],
                                       high[piece][2] - low[piece][2]);
        int votes = 0;
        for (uint32_t t : samples[piece]) {
            Point3 n = TurnedNormal(places, pieces, t);
            double length = std::hypot(n[0], n[1], n[2]);
            if (!(length > 0) || !std::isfinite(length)) continue;
            Point3 from, to;
            for (int k = 0; k < 3; ++k) {
                double middle = (places.position[places.triangles[3 * t]][k] +
                                 places.position[places.triangles[3 * t + 1]][k] +
                                 places.position[places.triangles[3 * t + 2]][k]) / 3;
                from[k] = middle + n[k] / length * 1e-7 * span;
                to[k] = middle + n[k] / length * 2 * span;
            }
            uint32_t crossings = 0;
            tree.ForEachCrossing(from, to, 0, [&](uint32_t crossed, double) {
                crossings += pieces.pieceOf[crossed] == piece && crossed != t;
                return true;
            });
            votes += crossings % 2 == 0 ? 1 : -1;
        }
        out[piece] = votes > 0 ? 1 : votes < 0 ? -1 : 0;
    }
    return out;
}

}  // namespace

Outside OutsideOf(const Places &places, const TriangleTree &tree) {
    Pieces pieces = AgreeingPieces(places);
    std::vector<int> out = FacingOut(places, pieces, tree);
    Outside outside;
    std::vector<Point3> &normal = outside.normal;
    normal.assign(places.position.size(), {0, 0, 0});
    outside.facing.resize(pieces.pieceOf.size());
    for (uint32_t t = 0; t < pieces.pieceOf.size(); ++t) {
        outside.facing[t] = static_cast<int8_t>(pieces.turned[t] ? -out[pieces.pieceOf[t]] : out[pieces.pieceOf[t]]);
        Point3 n = TurnedNormal(places, pieces, t);
        double length = std::hypot(n[0], n[1], n[2]) * out[pieces.pieceOf[t]];
        if (!(length != 0) || !std::isfinite(length)) continue;  // a piece that cannot tell keeps no normal
        for (int corner = 0; corner < 3; ++corner)
            for (int k = 0; k < 3; ++k) normal[places.triangles[3 * t + static_cast<uint32_t>(corner)]][k] += n[k] / length;
    }
    for (Point3 &n : normal) {
        double length = std::hypot(n[0], n[1], n[2]);
        for (double &value : n) value = length > 0 ? value / length : 0;
    }
    return outside;
}

}  // namespace vexil_host
