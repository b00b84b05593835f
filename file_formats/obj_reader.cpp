#include "file_formats/obj_reader.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace vexil_host {

namespace {

// The blanks that part words: space, tab, CR, FF and VT, by byte.
constexpr std::array<bool, 256> kBlank = [] {
    std::array<bool, 256> blank{};
    for (unsigned char c : {' ', '\t', '\r', '\f', '\v'}) blank[c] = true;
    return blank;
}();

bool IsBlank(char c) { return kBlank[static_cast<unsigned char>(c)]; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The words of a line, one after another, without copying them.
class Words {
  public:
    explicit Words(std::string_view text) : text_(text) {}

    // The next word, or an empty one when the line is done.
    std::string_view Next() {
        size_t at = 0;
        while (at < text_.size() && IsBlank(text_[at])) ++at;
        size_t end = at;
        while (end < text_.size() && !IsBlank(text_[end])) ++end;
        std::string_view word = text_.substr(at, end - at);
        text_.remove_prefix(end);
        return word;
    }

  private:
    std::string_view text_;
};

// The common coordinate, a plain decimal (no exponent) of at most 15
// significant digits and at most 22 after the point, read fast: the
// quotient of two exact doubles is the correctly rounded double, and
// rounding that to float gives the correctly rounded float, unless the
// double lies exactly halfway between two floats. That case, and any other
// text, is left to the full reading (false). Reads from `at` up to a blank
// or `last`, and moves `at` past what it read. Negative zero keeps its sign.
bool PlainDecimal(const char *&at, const char *last, float &value) {
    static const double kPowersOfTen[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char *first = at;
    bool negative = first != last && *first == '-';
    if (negative) ++first;
    uint64_t mantissa = 0;
    int significant = 0, after = 0;
    bool point = false, digit = false;
    for (; first != last && !IsBlank(*first); ++first) {
        char c = *first;
        if (c >= '0' && c <= '9') {
            digit = true;
            if (point) ++after;
            if (mantissa == 0 && c == '0') continue;
            if (++significant > 15) return false;
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digit || after > 22) return false;
    float rounded;
    if (mantissa <= (1u << 24) && after <= 10) {
        // Most often both are exact floats, and their float quotient is the
        // correctly rounded float.
        rounded = static_cast<float>(mantissa) / static_cast<float>(kPowersOfTen[after]);
    } else {
        double exact = static_cast<double>(mantissa) / kPowersOfTen[after];
        // A double halfway between two normal floats has, below the float's
        // 23 fraction bits, a one and then only zeros; below the normal
        // floats and above the largest the grid differs.
        uint64_t bits;
        std::memcpy(&bits, &exact, sizeof bits);
        const uint64_t kBelowFloat = (uint64_t{1} << 29) - 1;
        if (exact != 0 && (exact < FLT_MIN || exact > FLT_MAX || (bits & kBelowFloat) == (uint64_t{1} << 28)))
            return false;
        rounded = static_cast<float>(exact);
    }
    value = negative ? -rounded : rounded;
    at = first;
    return true;
}

MeshObject NewObject(std::string_view name) {
    MeshObject object;
    object.name = std::string(name);
    object.mesh = std::make_unique<Mesh>();
    return object;
}

class Reader {
  public:
    Reader(const std::string &fileName, const std::string &defaultName)
        : fileName_(fileName), defaultName_(defaultName) {}

    void Line(std::string_view line) {
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        Words words(line);
        std::string_view keyword = words.Next();
        if (keyword.empty() || keyword[0] == '#') return;
        // What follows the keyword, for statements that take the rest of the line.
        std::string_view rest = line.substr(static_cast<size_t>(keyword.data() + keyword.size() - line.data()));

        if (keyword == "v") {
            if (!PlainVertex(rest)) Vertex(words);
        } else if (keyword == "f") {
            size_t count = Points(words, 1, "f");
            AddPolygon(points_.data(), count);
        } else if (keyword == "l") {
            size_t count = Points(words, 2, "l");
            for (size_t i = 0; i + 1 < count; ++i) AddPolygon(points_.data() + i, 2);
        } else if (keyword == "p") {
            size_t count = Points(words, 1, "p");
            for (size_t i = 0; i < count; ++i) AddPolygon(points_.data() + i, 1);
        } else if (keyword == "usemtl") {
            surface_ = std::string(Trim(rest));
            surfaceObject_ = 0;
        } else if (keyword == "o") {
            objects_.push_back(NewObject(Trim(rest)));
            ++objectNumber_;
            sawObjectLine_ = true;
        } else if (keyword == "vt" || keyword == "vn" || keyword == "g" || keyword == "s" || keyword == "mtllib") {
            return;
        } else {
            Fail("unknown statement '" + std::string(keyword) + "'");
        }
    }

    std::vector<MeshObject> Finish() {
        // A file without any `o` line still holds one object, named by the file.
        if (!sawObjectLine_ && objects_.empty()) objects_.push_back(NewObject(defaultName_));
        return std::move(objects_);
    }

  private:
    [[noreturn]] void Fail(const std::string &what) const {
        throw MeshFileError(fileName_ + ":" + std::to_string(lineNumber_) + ": " + what);
    }

    // The rest of the line's words, into `words_`; returns how many.
    size_t Collect(Words &words) {
        size_t count = 0;
        for (std::string_view word = words.Next(); !word.empty(); word = words.Next()) {
            if (count == words_.size()) words_.resize(2 * count + 8);
            words_[count++] = word;
        }
        return count;
    }

    // The common `v` line, three plain coordinates and nothing more, read in
    // one pass; false, having read nothing, for any other (which Vertex
    // reads, or tells what is wrong with).
    bool PlainVertex(std::string_view rest) {
        const char *at = rest.data(), *end = rest.data() + rest.size();
        std::array<float, 3> position;
        for (float &coordinate : position) {
            while (at != end && IsBlank(*at)) ++at;
            if (at == end || !PlainDecimal(at, end, coordinate)) return false;
        }
        while (at != end && IsBlank(*at)) ++at;
        if (at != end || positions_.size() >= std::numeric_limits<uint32_t>::max()) return false;
        positions_.push_back(position);
        return true;
    }

    void Vertex(Words &words) {
        size_t count = Collect(words);
        if (count < 3 || count > 7) Fail("'v' expects three coordinates x y z (and at most a weight or a colour)");
        std::array<float, 3> position{};
        for (size_t i = 0; i < count; ++i) {
            float value;
            if (!ParseCoordinate(words_[i], value))
                Fail("'" + std::string(words_[i]) + "' is not a finite decimal number");
            if (i < 3) position[i] = value;
        }
        if (positions_.size() >= std::numeric_limits<uint32_t>::max()) Fail("too many points");
        positions_.push_back(position);
    }

    // The object polygons go to; polygons before any `o` line make one.
    MeshObject &Current() {
        if (objects_.empty()) objects_.push_back(NewObject(defaultName_));
        return objects_.back();
    }

    void AddPolygon(const uint32_t *points, size_t count) {
        MeshObject &object = Current();
        object.mesh->AddPolygon(points, count);
        // The surface's number in the object, looked up once per usemtl.
        if (surfaceObject_ != objects_.size()) {
            surfaceNumber_ = object.mesh->SurfaceNumber(surface_);
            surfaceObject_ = objects_.size();
        }
        object.mesh->polygonSurface.back() = surfaceNumber_;
        object.polygonSource.push_back(static_cast<uint32_t>(lineNumber_));
    }

    // Resolves the indices of an f, l or p line to points of the current
    // object, into `points_`; returns how many.
    size_t Points(Words &words, size_t least, const char *keyword) {
        size_t count = Collect(words);
        if (count < least)
            Fail(std::string("'") + keyword + "' expects at least " + std::to_string(least) +
                 (least == 1 ? " point index" : " point indices"));
        Mesh &mesh = *Current().mesh;
        if (points_.size() < count) points_.resize(count);
        if (localObject_.size() < positions_.size()) {
            localObject_.resize(positions_.size(), 0);
            local_.resize(positions_.size());
        }
        for (size_t i = 0; i < count; ++i) {
            std::string_view word = words_[i];
            std::string_view indexText = word.substr(0, word.find('/'));
            long long index = 0;
            auto result = std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
            if (indexText.empty() || result.ec != std::errc() || result.ptr != indexText.data() + indexText.size())
                Fail("'" + std::string(word) + "' is not a point index");
            long long defined = static_cast<long long>(positions_.size());
            long long resolved = index > 0 ? index - 1 : defined + index;
            if (index == 0 || resolved < 0 || resolved >= defined)
                Fail("point index " + std::string(indexText) + " is out of range (" + std::to_string(defined) +
                     " points defined so far)");
            // Each `v` is one point of each object that uses it.
            size_t filePoint = static_cast<size_t>(resolved);
            if (localObject_[filePoint] != objectNumber_) {
                const auto &p = positions_[filePoint];
                local_[filePoint] = mesh.AddPoint(p[0], p[1], p[2]);
                localObject_[filePoint] = objectNumber_;
            }
            points_[i] = local_[filePoint];
        }
        return count;
    }

    std::string fileName_;
    std::string defaultName_;
    size_t lineNumber_ = 0;
    std::string surface_ = "Default";
    std::vector<std::array<float, 3>> positions_;
    std::vector<MeshObject> objects_;
    // Per file point: the point it is in the object numbered in
    // `localObject_` (from 1), as objects are met; a stale number means the
    // current object has not used it yet.
    std::vector<uint32_t> local_, localObject_;
    uint32_t objectNumber_ = 1;
    bool sawObjectLine_ = false;
    // The surface of the polygons that follow, and its number in the object
    // counted in `surfaceObject_` (0 when it must be looked up again).
    size_t surfaceObject_ = 0;
    uint32_t surfaceNumber_ = 0;
    std::vector<std::string_view> words_;  // of the line at hand
    std::vector<uint32_t> points_;         // the indices of the line at hand
};

// Feeds `reader` the whole lines of `text`; returns where the last, partial
// line begins (text.size() when it ends in a line break).
size_t FeedLines(Reader &reader, std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        const void *found = std::memchr(text.data() + at, '\n', text.size() - at);
        if (found == nullptr) break;
        size_t end = static_cast<size_t>(static_cast<const char *>(found) - text.data());
        reader.Line(text.substr(at, end - at));
        at = end + 1;
    }
    return at;
}

}  // namespace

bool ParseCoordinate(std::string_view word, float &value) {
    const char *first = word.data();
    const char *last = word.data() + word.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') return false;
    }
    if (first == last) return false;
    // A number begins with a digit or a point after its sign: from_chars
    // would also take inf and nan. Whatever else it does not take stops it
    // short of the end.
    const char *lead = *first == '-' ? first + 1 : first;
    if (lead == last || !((*lead >= '0' && *lead <= '9') || *lead == '.')) return false;
    const char *plain = first;
    if (PlainDecimal(plain, last, value) && plain == last) return true;
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ptr != last) return false;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a float rounds to a zero of its sign; too large is an error.
        double magnitude = 0;
        auto wide = std::from_chars(first, last, magnitude, std::chars_format::general);
        if (wide.ec == std::errc() && std::fabs(magnitude) < 1.0) {
            value = *first == '-' ? -0.0f : 0.0f;
            return true;
        }
        if (wide.ec == std::errc::result_out_of_range) {
            // Beyond double too: decide by the exponent's sign.
            std::string_view text(first, static_cast<size_t>(last - first));
            size_t exponent = text.find_first_of("eE");
            if (exponent != std::string_view::npos && exponent + 1 < text.size() && text[exponent + 1] == '-') {
                value = *first == '-' ? -0.0f : 0.0f;
                return true;
            }
        }
        return false;
    }
    return result.ec == std::errc() && std::isfinite(value);
}

std::vector<MeshObject> ReadObj(std::string_view text, const std::string &fileName, const std::string &defaultName) {
    Reader reader(fileName, defaultName);
    size_t partial = FeedLines(reader, text);
    if (partial < text.size()) reader.Line(text.substr(partial));
    return reader.Finish();
}

std::vector<MeshObject> ReadObj(std::istream &file, std::string first, const std::string &fileName,
                                const std::string &defaultName) {
    Reader reader(fileName, defaultName);
    // Blocks of the file, each parsed where it lies; a line cut at a block's
    // end waits at the front of the next.
    const size_t kBlock = 1 << 20;
    std::string block = std::move(first);
    for (;;) {
        size_t kept = block.size();
        block.resize(kept + kBlock);
        file.read(&block[kept], static_cast<std::streamsize>(kBlock));
        block.resize(kept + static_cast<size_t>(file.gcount()));
        if (file.bad()) throw MeshFileError(fileName + ": could not be read");
        if (file.gcount() == 0) break;
        size_t partial = FeedLines(reader, block);
        block.erase(0, partial);
    }
    if (!block.empty()) reader.Line(block);
    return reader.Finish();
}

}  // namespace vexil_host
