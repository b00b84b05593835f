#include "file_formats/obj_reader.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace vexil_host {

namespace {

const char *const kBlanks = " \t\r\f\v";

std::string Trim(const std::string &text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Words(const std::string &text) {
    std::vector<std::string> words;
    size_t at = text.find_first_not_of(kBlanks);
    while (at != std::string::npos) {
        size_t end = text.find_first_of(kBlanks, at);
        words.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end == std::string::npos ? end : text.find_first_not_of(kBlanks, end);
    }
    return words;
}

MeshObject NewObject(const std::string &name) {
    MeshObject object;
    object.name = name;
    object.mesh = std::make_unique<Mesh>();
    return object;
}

class Reader {
  public:
    Reader(const std::string &fileName, const std::string &defaultName)
        : fileName_(fileName), defaultName_(defaultName) {}

    void Line(const std::string &rawLine) {
        ++lineNumber_;
        std::string line = rawLine;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t start = line.find_first_not_of(kBlanks);
        if (start == std::string::npos || line[start] == '#') return;
        size_t keywordEnd = line.find_first_of(kBlanks, start);
        std::string keyword = line.substr(start, keywordEnd == std::string::npos ? std::string::npos : keywordEnd - start);
        std::string rest = keywordEnd == std::string::npos ? "" : line.substr(keywordEnd);

        if (keyword == "v") {
            Vertex(Words(rest));
        } else if (keyword == "f") {
            std::vector<uint32_t> points = Points(Words(rest), 1, "f");
            AddPolygon(points);
        } else if (keyword == "l") {
            std::vector<uint32_t> points = Points(Words(rest), 2, "l");
            for (size_t i = 0; i + 1 < points.size(); ++i) AddPolygon({points[i], points[i + 1]});
        } else if (keyword == "p") {
            for (uint32_t point : Points(Words(rest), 1, "p")) AddPolygon({point});
        } else if (keyword == "usemtl") {
            surface_ = Trim(rest);
        } else if (keyword == "o") {
            objects_.push_back(NewObject(Trim(rest)));
            localIndex_.clear();
            sawObjectLine_ = true;
        } else if (keyword == "vt" || keyword == "vn" || keyword == "g" || keyword == "s" || keyword == "mtllib") {
            return;
        } else {
            Fail("unknown statement '" + keyword + "'");
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

    void Vertex(const std::vector<std::string> &words) {
        if (words.size() < 3 || words.size() > 7)
            Fail("'v' expects three coordinates x y z (and at most a weight or a colour)");
        std::array<float, 3> position{};
        for (size_t i = 0; i < words.size(); ++i) {
            float value;
            if (!ParseCoordinate(words[i], value))
                Fail("'" + words[i] + "' is not a finite decimal number");
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

    void AddPolygon(const std::vector<uint32_t> &points) {
        MeshObject &object = Current();
        object.mesh->AddPolygon(points, surface_);
        object.polygonSource.push_back(static_cast<uint32_t>(lineNumber_));
    }

    // Resolves the indices of an f, l or p line to points of the current object.
    std::vector<uint32_t> Points(const std::vector<std::string> &words, size_t least, const char *keyword) {
        if (words.size() < least)
            Fail(std::string("'") + keyword + "' expects at least " + std::to_string(least) +
                 (least == 1 ? " point index" : " point indices"));
        Mesh &mesh = *Current().mesh;
        std::vector<uint32_t> points;
        points.reserve(words.size());
        for (const std::string &word : words) {
            std::string indexText = word.substr(0, word.find('/'));
            long long index = 0;
            auto result = std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
            if (indexText.empty() || result.ec != std::errc() || result.ptr != indexText.data() + indexText.size())
                Fail("'" + word + "' is not a point index");
            long long defined = static_cast<long long>(positions_.size());
            long long resolved = index > 0 ? index - 1 : defined + index;
            if (index == 0 || resolved < 0 || resolved >= defined)
                Fail("point index " + indexText + " is out of range (" + std::to_string(defined) +
                     " points defined so far)");
            auto found = localIndex_.find(static_cast<uint32_t>(resolved));
            if (found == localIndex_.end()) {
                const auto &p = positions_[static_cast<size_t>(resolved)];
                found = localIndex_.emplace(static_cast<uint32_t>(resolved), mesh.AddPoint(p[0], p[1], p[2])).first;
            }
            points.push_back(found->second);
        }
        return points;
    }

    std::string fileName_;
    std::string defaultName_;
    size_t lineNumber_ = 0;
    std::string surface_ = "Default";
    std::vector<std::array<float, 3>> positions_;
    std::vector<MeshObject> objects_;
    // File point index to the current object's point index: each `v` is one
    // point of each object that uses it.
    std::unordered_map<uint32_t, uint32_t> localIndex_;
    bool sawObjectLine_ = false;
};

}  // namespace

bool ParseCoordinate(const std::string &word, float &value) {
    const char *first = word.data();
    const char *last = word.data() + word.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') return false;
    }
    if (first == last) return false;
    // Only decimal digits, a point, a sign and an exponent: from_chars would
    // also take inf and nan.
    for (const char *c = first; c != last; ++c)
        if (!(std::isdigit(static_cast<unsigned char>(*c)) || *c == '.' || *c == '-' || *c == '+' || *c == 'e' ||
              *c == 'E'))
            return false;
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
            std::string text(first, last);
            size_t exponent = text.find_first_of("eE");
            if (exponent != std::string::npos && exponent + 1 < text.size() && text[exponent + 1] == '-') {
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
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        reader.Line(std::string(text.substr(at, end - at)));
        at = end + 1;
    }
    return reader.Finish();
}

}  // namespace vexil_host
