#include "file_formats/lwo_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace vexil_host {

namespace {

constexpr uint32_t Tag(const char (&text)[5]) {
    return static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3]));
}

constexpr uint32_t kLayr = Tag("LAYR"), kPnts = Tag("PNTS"), kPols = Tag("POLS"), kTags = Tag("TAGS"),
                   kPtag = Tag("PTAG"), kFace = Tag("FACE"), kPtch = Tag("PTCH"), kSurf = Tag("SURF"),
                   kVmap = Tag("VMAP"), kWght = Tag("WGHT"), kSrfs = Tag("SRFS"), kLwo2 = Tag("LWO2"),
                   kLwo3 = Tag("LWO3"), kLwob = Tag("LWOB");

// A chunk's ID as text: its four letters, or hexadecimal when they are not
// all printable.
std::string TagText(uint32_t tag) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = static_cast<char>((tag >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", tag);
            return hex;
        }
        text.push_back(c);
    }
    return text;
}

// Big-endian values from a bounded stretch of bytes; every read says
// whether it fitted, and a read that does not fit reads nothing.
class Cursor {
  public:
    Cursor(const unsigned char *data, size_t begin, size_t end) : data_(data), at_(begin), begin_(begin), end_(end) {}

    bool AtEnd() const { return at_ >= end_; }
    size_t Left() const { return end_ - at_; }

    bool U2(uint32_t &value) {
        if (Left() < 2) return false;
        value = static_cast<uint32_t>(data_[at_]) << 8 | data_[at_ + 1];
        at_ += 2;
        return true;
    }
    bool U4(uint32_t &value) {
        if (Left() < 4) return false;
        value = static_cast<uint32_t>(data_[at_]) << 24 | static_cast<uint32_t>(data_[at_ + 1]) << 16 |
                static_cast<uint32_t>(data_[at_ + 2]) << 8 | data_[at_ + 3];
        at_ += 4;
        return true;
    }
    bool F4(float &value) {
        uint32_t bits;
        if (!U4(bits)) return false;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }
    // An index into points or polygons: two bytes, or four when the first is
    // 0xFF, of which the low 24 bits count.
    bool VX(uint32_t &value) {
        if (Left() >= 1 && data_[at_] == 0xFF) {
            if (!U4(value)) return false;
            value &= 0x00FFFFFF;
            return true;
        }
        return U2(value);
    }
    // A zero-terminated string, padded to an even length from the chunk's
    // start.
    bool S0(std::string &text) {
        const void *zero = std::memchr(data_ + at_, 0, Left());
        if (zero == nullptr) return false;
        size_t length = static_cast<size_t>(static_cast<const unsigned char *>(zero) - (data_ + at_));
        text.assign(reinterpret_cast<const char *>(data_ + at_), length);
        at_ += length + 1;
        if ((at_ - begin_) % 2 != 0 && at_ < end_) ++at_;
        return true;
    }

  private:
    const unsigned char *data_;
    size_t at_, begin_, end_;
};

struct Layer {
    MeshObject object;
    std::string name;
    uint32_t number = 0;
    // Points of the latest PNTS chunk: where they start in the mesh, how many.
    size_t pointBase = 0, pointCount = 0;
    // Polygons of the latest POLS chunk, which PTAG chunks refer to.
    bool sawPolygons = false;
    bool latestRead = false;      // FACE or PTCH, so its polygons are in the mesh
    size_t latestFirst = 0;       // first mesh polygon of it, when read
    size_t latestCount = 0;
    uint32_t polygonsInLayer = 0;  // of every type, for messages
};

class Reader {
  public:
    Reader(const std::string &bytes, const std::string &fileName)
        : data_(reinterpret_cast<const unsigned char *>(bytes.data())), size_(bytes.size()), fileName_(fileName) {}

    std::vector<MeshObject> Read(const std::string &stem) {
        chunkOffset_ = 0;
        chunkTag_ = Tag("FORM");
        Cursor header(data_, 0, size_);
        uint32_t form = 0, formSize = 0;
        if (!header.U4(form) || !header.U4(formSize) || !header.U4(type_) || form != Tag("FORM"))
            Fail("not an object file: it does not begin with a FORM header");
        // LWO3 keeps LWO2's geometry chunks and adds others, which are passed
        // over by their size like every chunk not read.
        if (type_ != kLwo2 && type_ != kLwo3 && type_ != kLwob)
            Fail("a FORM of type " + TagText(type_) + " is not an object file read here (LWO2, LWO3 and LWOB are)");
        if (formSize > size_ - 8)
            Fail("FORM size " + std::to_string(formSize) + " runs past the end of the file (" +
                 std::to_string(size_) + " bytes)");
        size_t end = 8 + static_cast<size_t>(formSize);
        for (size_t at = 12; at < end;) {
            chunkOffset_ = at;
            chunkTag_ = 0;
            Cursor chunkHeader(data_, at, end);
            uint32_t size = 0;
            if (!chunkHeader.U4(chunkTag_) || !chunkHeader.U4(size)) Fail("truncated chunk header");
            if (size > end - at - 8)
                Fail("chunk size " + std::to_string(size) + " runs past the end of the FORM (" +
                     std::to_string(end - at - 8) + " bytes left)");
            Chunk(Cursor(data_, at + 8, at + 8 + size));
            // Chunks are padded to an even length; a missing last pad byte is forgiven.
            at += 8 + static_cast<size_t>(size) + (size % 2);
        }
        // A file without layers still holds its one (empty) object.
        Current();

        std::vector<MeshObject> objects;
        for (Layer &layer : layers_) {
            MeshObject &object = layer.object;
            if (layers_.size() == 1)
                object.name = stem;
            else
                object.name = stem + ":" +
                              (layer.name.empty() ? "Layer " + std::to_string(layer.number + 1) : layer.name);
            object.layer = static_cast<int>(layer.number);
            object.format = MeshFormat::Lightwave;
            objects.push_back(std::move(object));
        }
        return objects;
    }

  private:
    [[noreturn]] void Fail(const std::string &what) const {
        std::string chunk = chunkTag_ != 0 ? " (" + TagText(chunkTag_) + " chunk)" : "";
        throw MeshFileError(fileName_ + ": byte " + std::to_string(chunkOffset_) + chunk + ": " + what);
    }

    void Chunk(Cursor in) {
        if (chunkTag_ == kPnts) return Points(in);
        if (type_ == kLwob) {
            // The oldest form: no layers, surface names in SRFS, and each
            // polygon's surface number in its POLS entry.
            if (chunkTag_ == kSrfs) return Tags(in);
            if (chunkTag_ == kPols) return OldPolygons(in);
            return;
        }
        if (chunkTag_ == kLayr) return StartLayer(in);
        if (chunkTag_ == kPols) return Polygons(in);
        if (chunkTag_ == kTags) return Tags(in);
        if (chunkTag_ == kPtag) return PolygonTags(in);
        if (chunkTag_ == kVmap) return VertexMap(in);
        // VMAD, SURF, CLIP, ENVL, BBOX, nested FORMs and the rest say nothing
        // about the mesh's shape, surface names or weights.
    }

    // LWOB polygons: a U2 vertex count, that many U2 point indices, and an
    // I2 surface number counted from 1 into SRFS. A negative number is the
    // surface too, followed by a U2 count of detail polygons; those come
    // next, written the same way, and belong to the object like the rest.
    void OldPolygons(Cursor in) {
        Layer &layer = Current();
        Mesh &mesh = *layer.object.mesh;
        layer.sawPolygons = true;
        std::vector<uint32_t> vertices;
        while (!in.AtEnd()) {
            std::string polygon = "polygon " + std::to_string(layer.polygonsInLayer);
            uint32_t count, surface, details;
            if (!in.U2(count)) Fail("truncated " + polygon);
            if (count == 0) Fail(polygon + " has no vertices");
            vertices.resize(count);
            for (uint32_t &vertex : vertices) {
                if (!in.U2(vertex)) Fail("truncated " + polygon);
                if (vertex >= layer.pointCount)
                    Fail(polygon + ": point index " + std::to_string(vertex) + " is out of range (" +
                         std::to_string(layer.pointCount) + " points)");
                vertex += static_cast<uint32_t>(layer.pointBase);
            }
            if (!in.U2(surface)) Fail("truncated " + polygon);
            int number = static_cast<int16_t>(surface);
            if (number < 0 && !in.U2(details)) Fail("truncated " + polygon);
            number = number < 0 ? -number : number;
            if (number == 0 || static_cast<size_t>(number) > tags_.size())
                Fail(polygon + ": surface number " + std::to_string(number) + " is out of range (" +
                     std::to_string(tags_.size()) + " surfaces in the SRFS chunks before it)");
            mesh.AddPolygon(vertices.data(), vertices.size());
            mesh.SetSurface(mesh.PolygonCount() - 1, tags_[static_cast<size_t>(number) - 1]);
            layer.object.polygonSource.push_back(layer.polygonsInLayer++);
        }
    }

    // The layer data goes to; data before any LAYR makes one.
    Layer &Current() {
        if (layers_.empty()) {
            layers_.emplace_back();
            layers_.back().object.mesh = std::make_unique<Mesh>();
        }
        return layers_.back();
    }

    void StartLayer(Cursor in) {
        Layer layer;
        uint32_t flags;
        float pivot;
        if (!in.U2(layer.number) || !in.U2(flags) || !in.F4(pivot) || !in.F4(pivot) || !in.F4(pivot))
            Fail("truncated layer header");
        if (!in.S0(layer.name)) Fail("the layer name has no terminating zero");
        layer.object.mesh = std::make_unique<Mesh>();
        layers_.push_back(std::move(layer));
    }

    void Points(Cursor in) {
        if (in.Left() % 12 != 0)
            Fail("size " + std::to_string(in.Left()) + " is not a whole number of 12-byte points");
        Layer &layer = Current();
        Mesh &mesh = *layer.object.mesh;
        layer.pointBase = mesh.points.size();
        layer.pointCount = in.Left() / 12;
        if (layer.pointBase + layer.pointCount > UINT32_MAX) Fail("too many points");
        mesh.points.reserve(layer.pointBase + layer.pointCount);
        for (size_t i = 0; i < layer.pointCount; ++i) {
            float x = 0, y = 0, z = 0;
            in.F4(x), in.F4(y), in.F4(z);
            if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
                Fail("point " + std::to_string(i) + " has a coordinate that is not a finite number");
            mesh.AddPoint(x, y, z);
        }
    }

    void Polygons(Cursor in) {
        uint32_t type;
        if (!in.U4(type)) Fail("truncated polygon type");
        Layer &layer = Current();
        Mesh &mesh = *layer.object.mesh;
        bool read = type == kFace || type == kPtch;
        layer.sawPolygons = true;
        layer.latestRead = read;
        layer.latestFirst = mesh.PolygonCount();
        layer.latestCount = 0;
        std::vector<uint32_t> vertices;
        while (!in.AtEnd()) {
            uint32_t word;
            if (!in.U2(word)) Fail("truncated polygon " + std::to_string(layer.latestCount));
            uint32_t count = word & 0x3FF;  // the top six bits are flags
            if (read && count == 0) Fail("polygon " + std::to_string(layer.latestCount) + " has no vertices");
            vertices.resize(count);
            for (uint32_t &vertex : vertices) {
                if (!in.VX(vertex)) Fail("truncated polygon " + std::to_string(layer.latestCount));
                if (read && vertex >= layer.pointCount)
                    Fail("polygon " + std::to_string(layer.latestCount) + ": point index " + std::to_string(vertex) +
                         " is out of range (" + std::to_string(layer.pointCount) + " points)");
                vertex += static_cast<uint32_t>(layer.pointBase);
            }
            if (read) {
                mesh.AddPolygon(vertices.data(), vertices.size());
                layer.object.polygonSource.push_back(layer.polygonsInLayer);
            } else {
                ++layer.object.skippedPolygons;
            }
            ++layer.latestCount;
            ++layer.polygonsInLayer;
        }
    }

    // Weight maps; other vertex maps (UVs, morphs, colours) are passed over.
    // Entries name points of the latest PNTS chunk; a point listed twice
    // keeps its last weight.
    void VertexMap(Cursor in) {
        uint32_t type, dimension;
        std::string name;
        if (!in.U4(type) || !in.U2(dimension)) Fail("truncated vertex map header");
        if (!in.S0(name)) Fail("the vertex map name has no terminating zero");
        if (type != kWght || dimension != 1) return;
        Layer &layer = Current();
        std::vector<WeightMap> &maps = layer.object.weightMaps;
        auto named = std::find_if(maps.begin(), maps.end(), [&](const WeightMap &map) { return map.name == name; });
        if (named == maps.end()) named = maps.insert(maps.end(), WeightMap{name, {}, {}});
        while (!in.AtEnd()) {
            uint32_t point;
            float weight;
            if (!in.VX(point) || !in.F4(weight)) Fail("truncated entry in weight map '" + name + "'");
            if (point >= layer.pointCount)
                Fail("weight map '" + name + "': point index " + std::to_string(point) + " is out of range (" +
                     std::to_string(layer.pointCount) + " points)");
            if (!std::isfinite(weight))
                Fail("weight map '" + name + "': the weight of point " + std::to_string(point) +
                     " is not a finite number");
            named->points.push_back(static_cast<uint32_t>(layer.pointBase + point));
            named->weights.push_back(weight);
        }
    }

    void Tags(Cursor in) {
        while (!in.AtEnd()) {
            std::string tag;
            if (!in.S0(tag)) Fail("tag " + std::to_string(tags_.size()) + " has no terminating zero");
            tags_.push_back(std::move(tag));
        }
    }

    void PolygonTags(Cursor in) {
        uint32_t type;
        if (!in.U4(type)) Fail("truncated tag type");
        Layer &layer = Current();
        if (!layer.sawPolygons) Fail("polygon tags before any POLS chunk of the layer");
        if (type != kSurf) return;  // parts, smoothing groups and the like
        while (!in.AtEnd()) {
            uint32_t polygon, tag;
            if (!in.VX(polygon) || !in.U2(tag)) Fail("truncated polygon tag");
            if (polygon >= layer.latestCount)
                Fail("polygon index " + std::to_string(polygon) + " is out of range (" +
                     std::to_string(layer.latestCount) + " polygons in the latest POLS chunk)");
            if (tag >= tags_.size())
                Fail("tag index " + std::to_string(tag) + " is past the TAGS chunk (" + std::to_string(tags_.size()) +
                     " tags)");
            if (layer.latestRead) layer.object.mesh->SetSurface(layer.latestFirst + polygon, tags_[tag]);
        }
    }

    const unsigned char *data_;
    size_t size_;
    std::string fileName_;
    size_t chunkOffset_ = 0;
    uint32_t chunkTag_ = 0;
    uint32_t type_ = 0;  // of the FORM: LWO2, LWO3 or LWOB
    std::vector<Layer> layers_;
    std::vector<std::string> tags_;
};

}  // namespace

std::vector<MeshObject> ReadLwo(const std::string &bytes, const std::string &fileName, const std::string &stem) {
    return Reader(bytes, fileName).Read(stem);
}

}  // namespace vexil_host
