#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "comma_locale.h"

#include "file_formats/mesh_file.h"
#include "file_formats/obj_reader.h"

using vexil_host::MeshFileError;
using vexil_host::MeshObject;
using vexil_host::ParseCoordinate;
using vexil_host::ReadObj;

namespace {

std::vector<MeshObject> Read(const std::string &text) { return ReadObj(text, "model.obj", "model"); }

std::string ErrorOf(const std::string &text) {
    try {
        Read(text);
    } catch (const MeshFileError &error) {
        return error.what();
    }
    return "<no error>";
}

TEST(ObjReader, reportsBadInputWithFileAndLine) {
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"v 0 0 0\nbogus 1\n", "model.obj:2: unknown statement 'bogus'"},
        {"v 0 0 0\nf 1 2\n", "model.obj:2: point index 2 is out of range (1 points defined so far)"},
        {"v 0 0 0\nf 0\n", "model.obj:2: point index 0 is out of range (1 points defined so far)"},
        {"v 0 0 0\nf -2\n", "model.obj:2: point index -2 is out of range (1 points defined so far)"},
        {"f 1\nv 0 0 0\n", "model.obj:1: point index 1 is out of range (0 points defined so far)"},
        {"v 0 0 zero\n", "model.obj:1: 'zero' is not a finite decimal number"},
        {"v 0 inf 0\n", "model.obj:1: 'inf' is not a finite decimal number"},
        {"v nan 0 0\n", "model.obj:1: 'nan' is not a finite decimal number"},
        {"v 1e39 0 0\n", "model.obj:1: '1e39' is not a finite decimal number"},
        {"v 0x10 0 0\n", "model.obj:1: '0x10' is not a finite decimal number"},
        {"v 1,5 0 0\n", "model.obj:1: '1,5' is not a finite decimal number"},
        {"v 0 0\n", "model.obj:1: 'v' expects three coordinates x y z (and at most a weight or a colour)"},
        {"v 0 0 0\nl 1\n", "model.obj:2: 'l' expects at least 2 point indices"},
        {"v 0 0 0\nf\n", "model.obj:2: 'f' expects at least 1 point index"},
        {"v 0 0 0\nf one\n", "model.obj:2: 'one' is not a point index"},
        {"v 0 0 0\nf 1x\n", "model.obj:2: '1x' is not a point index"},
        // Junk after the numbers, and a number run into a word.
        {"v 0 0 0\nv 1 2 3junk\n", "model.obj:2: '3junk' is not a finite decimal number"},
        {"v 1 2 3 x\n", "model.obj:1: 'x' is not a finite decimal number"},
        {"v 1.5e 2 3\n", "model.obj:1: '1.5e' is not a finite decimal number"},
        {"v 1 2abc 3\n", "model.obj:1: '2abc' is not a finite decimal number"},
        {"v 1 2 3 1 0.5 0.5 0.5 9\n", "model.obj:1: 'v' expects three coordinates x y z (and at most a weight or a colour)"},
    };
    for (const auto &c : cases) EXPECT_EQ(ErrorOf(c.text), c.error) << c.text;
}

TEST(ObjReader, readsPolygonsObjectsAndSurfaces) {
    auto objects = Read(
        "# a comment\n"
        "mtllib skin.mtl\n"
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 0 0 1 1.0\n"
        "vt 0 0\nvn 0 0 1\ng group\ns off\n\n"
        "f 1 2 3\n"
        "usemtl  Left Arm \r\n"
        "f 1/1 2/1/1 3//1 4\n"
        "o  Second \n"
        "l 1 2 3\n"
        "p 4 -1\n"
        "o Empty\n");
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0].name, "model");
    EXPECT_EQ(objects[1].name, "Second");
    EXPECT_EQ(objects[2].name, "Empty");
    const vexil_host::Mesh &first = *objects[0].mesh;
    ASSERT_EQ(first.PolygonCount(), 2u);
    EXPECT_EQ(first.surfaces[first.polygonSurface[0]], "Default");
    EXPECT_EQ(first.surfaces[first.polygonSurface[1]], "Left Arm");
    EXPECT_EQ(first.PolygonSize(1), 4u);
    const vexil_host::Mesh &second = *objects[1].mesh;
    ASSERT_EQ(second.PolygonCount(), 4u);  // two line segments, two points
    EXPECT_EQ(second.PolygonSize(0), 2u);
    EXPECT_EQ(second.PolygonSize(3), 1u);
    // The surface stays in force across `o`.
    EXPECT_EQ(second.surfaces[second.polygonSurface[0]], "Left Arm");
    // -1 is the last point defined: point 4, the same as `p 4`.
    const uint32_t *dots = second.PolygonVertices(2);
    EXPECT_EQ(second.points[dots[0]], second.points[second.PolygonVertices(3)[0]]);
    EXPECT_EQ(objects[2].mesh->PolygonCount(), 0u);
}

TEST(ObjReader, readsAPointWithAWeightOrAColourByItsFirstThreeNumbers) {
    for (const std::string line : {"v 1 2 3 0.5\n", "v 1 2 3 0.1 0.2 0.3\n", "v 1 2 3 1 0.1 0.2 0.3\n"}) {
        auto objects = Read(line + "p 1\n");
        ASSERT_EQ(objects.at(0).mesh->points.size(), 1u) << line;
        EXPECT_EQ(objects[0].mesh->points[0], (std::array<float, 3>{1, 2, 3})) << line;
    }
}

// What a reading gives, as text: objects, points and polygons with surfaces.
std::string Described(const std::vector<MeshObject> &objects) {
    std::ostringstream text;
    for (const MeshObject &object : objects) {
        text << "o " << object.name << "\n";
        for (const auto &p : object.mesh->points) text << "v " << p[0] << " " << p[1] << " " << p[2] << "\n";
        for (size_t polygon = 0; polygon < object.mesh->PolygonCount(); ++polygon) {
            text << *object.mesh->SurfaceOf(polygon) << ":";
            for (size_t v = 0; v < object.mesh->PolygonSize(polygon); ++v)
                text << " " << object.mesh->PolygonVertices(polygon)[v];
            text << " line " << object.polygonSource[polygon] << "\n";
        }
    }
    return text.str();
}

std::vector<MeshObject> ReadInBlocks(const std::string &text) {
    std::istringstream file(text);
    return ReadObj(file, "", "model.obj", "model");
}

TEST(ObjReader, keepsTheLastLineWithoutANewline) {
    const std::string rig = "v 0 0 0\nv 0 1 0\nv 0.1 0 0\nusemtl Bone\nf 1 2 3";
    EXPECT_EQ(Read(rig).at(0).mesh->PolygonCount(), 1u);
    EXPECT_EQ(ReadInBlocks(rig).at(0).mesh->PolygonCount(), 1u);
    EXPECT_EQ(Described(ReadInBlocks(rig + "\nl 1 2")), Described(Read(rig + "\nl 1 2")));
}

TEST(ObjReader, readsALineAcrossTheEndOfABlockAsTheWholeFileReadsIt) {
    // Each kind of line placed so that it straddles the first block's end,
    // a mebibyte in, at each of a few places along it.
    const size_t block = 1 << 20;
    const std::string rig = "v 0 0 0\nv 0 1 0\nv 0.1 0 0\nv 0 2 0\n";
    for (const std::string line : {"v 0.123456789 -2.5 3e-2\n", "f 1 2 3\n", "l 2 4\n", "usemtl Upper Arm\nf 1 2 3\n",
                                   "o Second Object\nf 2 4 1\n"})
        for (size_t into : {size_t{1}, line.find('\n') / 2, line.find('\n')}) {
            std::string text = rig;
            while (text.size() + 40 < block - into) text += "# padding to the block's end ....\n";
            text += std::string(block - into - text.size() - 1, '#') + "\n" + line + "f 1 2 3";
            ASSERT_LT(text.find(line), block);
            ASSERT_GE(text.find(line) + line.find('\n'), block);
            EXPECT_EQ(Described(ReadInBlocks(text)), Described(Read(text))) << line << " " << into;
        }
}

TEST(ObjReader, keepsEachVertexLineItsOwnPoint) {
    auto objects = Read("v 0 0 1\nv 0 0 1\nf 1 2 1\n");
    const vexil_host::Mesh &mesh = *objects.at(0).mesh;
    EXPECT_EQ(mesh.points.size(), 2u);
    const uint32_t *v = mesh.PolygonVertices(0);
    EXPECT_NE(v[0], v[1]);
    EXPECT_EQ(v[0], v[2]);
}

TEST(ObjReader, makesAnObjectOfTheFileWhenThereIsNoObjectLine) {
    EXPECT_EQ(Read("").size(), 1u);
    EXPECT_EQ(Read("v 1 2 3\n").at(0).name, "model");
    EXPECT_EQ(Read("o Only\nv 1 2 3\n").size(), 1u);
}

TEST(ObjReader, readsUtf16AndLeavesOutAByteOrderMark) {
    const struct {
        const char *what;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"UTF-8 as it stands", "o Leg\xC3\xA9\n", "o Leg\xC3\xA9\n"},
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBFo Leg\n", "o Leg\n"},
        {"UTF-16, big end first", std::string("\xFE\xFF\0o\0 \0L\0\xE9\0\n", 12), "o L\xC3\xA9\n"},
        {"UTF-16, little end first", std::string("\xFF\xFEo\0 \0L\0\xE9\0\n\0", 12), "o L\xC3\xA9\n"},
        {"a surrogate pair", std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6), "\xF0\x9F\x98\x80"},
        {"half a pair, and half a character", std::string("\xFE\xFF\xD8\x3D\0a\0", 7), "\xEF\xBF\xBD" "a\xEF\xBF\xBD"},
        // Files that end inside a character: never a joined character.
        {"ending on half a pair, big end first", std::string("\xFE\xFF\0a\xD8\x3D", 6), "a\xEF\xBF\xBD"},
        {"ending on half a pair, little end first", std::string("\xFF\xFE" "a\0\x3D\xD8", 6), "a\xEF\xBF\xBD"},
        {"ending on an odd byte, little end first", std::string("\xFF\xFE" "a\0b", 5), "a\xEF\xBF\xBD"},
        {"ending on half a pair and an odd byte", std::string("\xFE\xFF\xD8\x3D\xDE", 5), "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto &c : cases) EXPECT_EQ(vexil_host::ObjText(c.bytes), c.text) << c.what;
}

TEST(ObjReader, roundsCoordinatesCorrectlyToFloatInAnyLocale) {
    bool changed;
    std::string saved = vexil_test::UseCommaLocale(changed);
    ASSERT_TRUE(changed) << "a German locale must be available (on Linux: locale-gen de_DE.UTF-8)";
    const struct {
        const char *text;
        float value;
    } cases[] = {
        {"0.1", 0.1f},
        {"+2.5", 2.5f},
        {"-0", -0.0f},
        {"1e-50", 0.0f},
        {"-1e-50", -0.0f},
        {"1e-40", 1e-40f},
        {"3.4028235e38", 3.4028235e38f},
        // Halfway between two floats plus a tiny bit: a double in between
        // would round to the tie and then to even, the wrong neighbour.
        {"1.000000059604644775390625000000001", 1.00000012f},
        {"1.000000059604644775390625", 1.0f},
        {".5", 0.5f},
    };
    for (const auto &c : cases) {
        float value = 42;
        EXPECT_TRUE(ParseCoordinate(c.text, value)) << c.text;
        EXPECT_EQ(std::memcmp(&value, &c.value, sizeof value), 0) << c.text << " gave " << value;
    }
    float value;
    for (const char *bad : {"", "+", "+-1", "1e", "--1", "1.2.3", "infinity", "NaN", "1e400", "-", ".", "-.", "1.e"})
        EXPECT_FALSE(ParseCoordinate(bad, value)) << bad;
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ObjReader, readsPlainDecimalsAsTheFullReadingDoes) {
    // Plain decimals of every length and scale, and the float midpoints
    // near them, against the library's correctly rounded reading.
    std::mt19937_64 random(11);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        text += std::to_string(random() % 100000000000ull >> (random() % 40));
        if (random() % 4 != 0) {
            size_t at = random() % (text.size() + 1);
            text.insert(std::max(at, text[0] == '-' ? size_t{1} : size_t{0}), ".");
            text += std::string(random() % 14, "0123456789"[random() % 10]);
        }
        if (i % 10 == 0) {
            // A decimal close to halfway between two floats.
            float f = std::ldexp(static_cast<float>(random() % (1 << 24)), static_cast<int>(random() % 40) - 30);
            char digits[64];
            std::snprintf(digits, sizeof digits, "%.*f", static_cast<int>(random() % 20),
                          (static_cast<double>(f) + std::nextafter(f, INFINITY)) / 2);
            text = digits;
        }
        float expected = 0, read = 0;
        const char *first = text.c_str() + (text[0] == '+' ? 1 : 0);
        auto result = std::from_chars(first, text.c_str() + text.size(), expected);
        bool accepted = ParseCoordinate(text, read);
        if (result.ec != std::errc() || result.ptr != text.c_str() + text.size()) continue;
        ASSERT_TRUE(accepted) << text;
        ASSERT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << text;
    }
}

}  // namespace
