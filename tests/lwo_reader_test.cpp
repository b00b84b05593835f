#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file_formats/lwo_reader.h"
#include "file_formats/lwo_writer.h"

using namespace vexil_host;

namespace {

std::string ErrorOf(const std::string &bytes) {
    try {
        ReadLwo(bytes, "rig.lwo", "rig");
    } catch (const MeshFileError &error) {
        return error.what();
    }
    return "<no error>";
}

std::string Points(int count) {
    std::string points;
    for (int i = 0; i < count; ++i) points += F4(static_cast<float>(i)) + F4(0) + F4(0);
    return points;
}

std::string Layer(uint32_t number, const std::string &name) {
    return Chunk("LAYR", U2(number) + U2(0) + F4(0) + F4(0) + F4(0) + S0(name));
}

TEST(LwoReader, readsLayersPointsPolygonsAndSurfaceTags) {
    // Layer 0 (named): two points at one place, a triangle, a connector, a
    // 4-byte vertex index, a polygon with flags set, bone polygons skipped,
    // and one polygon left without a SURF tag. Layer 3 (unnamed): a point.
    std::string bytes = Form(
        Chunk("TAGS", S0("Upper") + S0("Link")) + Layer(0, "Rig") +
        Chunk("PNTS", Points(3) + F4(2) + F4(0) + F4(0)) +
        Chunk("POLS", "FACE" + U2(3) + VX(0) + VX(1) + VX(2) + U2(2) + U2(2) + U2(3) + U2(0xFC02) + U4(0xFF000001) +
                          U2(3) + U2(0x0001) + VX(0)) +
        Chunk("PTAG", "SURF" + VX(0) + U2(0) + VX(1) + U2(1) + VX(2) + U2(1)) +
        Chunk("POLS", "BONE" + U2(2) + U2(0) + U2(1)) + Chunk("PTAG", "SURF" + VX(0) + U2(0)) +
        Chunk("VMAP", "WGHT" + U2(1) + S0("w")) + Layer(3, "") + Chunk("PNTS", Points(1)));
    std::vector<MeshObject> objects = ReadLwo(bytes, "rig.lwo", "rig");
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0].name, "rig:Rig");
    EXPECT_EQ(objects[1].name, "rig:Layer 4");  // as the modeller counts layers
    EXPECT_EQ(objects[1].layer, 3);
    const Mesh &rig = *objects[0].mesh;
    ASSERT_EQ(rig.points.size(), 4u);  // points 2 and 3 share a place, not an identity
    ASSERT_EQ(rig.PolygonCount(), 4u);
    EXPECT_EQ(std::vector<uint32_t>(rig.PolygonVertices(2), rig.PolygonVertices(2) + 2),
              (std::vector<uint32_t>{1, 3}));
    EXPECT_EQ(rig.PolygonSize(3), 1u);
    EXPECT_EQ(*rig.SurfaceOf(0), "Upper");
    EXPECT_EQ(*rig.SurfaceOf(1), "Link");
    EXPECT_EQ(*rig.SurfaceOf(2), "Link");
    EXPECT_EQ(rig.SurfaceOf(3), nullptr);
    EXPECT_EQ(objects[0].polygonSource, (std::vector<uint32_t>{0, 1, 2, 3}));
    EXPECT_EQ(objects[0].skippedPolygons, 1u);
    EXPECT_EQ(objects[1].mesh->points.size(), 1u);

    // One layer, or data before any LAYR: the object is named after the file.
    EXPECT_EQ(ReadLwo(Form(Chunk("PNTS", Points(1))), "rig.lwo", "rig").at(0).name, "rig");
    EXPECT_EQ(ReadLwo(Form(Layer(0, "Solo")), "rig.lwo", "rig").at(0).name, "rig");
}

// Each polygon as "vertex vertex ...:surface", in mesh order.
std::vector<std::string> PolygonsOf(const Mesh &mesh) {
    std::vector<std::string> polygons;
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
        std::string text;
        for (size_t v = 0; v < mesh.PolygonSize(polygon); ++v)
            text += (v == 0 ? "" : " ") + std::to_string(mesh.PolygonVertices(polygon)[v]);
        const std::string *surface = mesh.SurfaceOf(polygon);
        polygons.push_back(text + ":" + (surface != nullptr ? *surface : "-"));
    }
    return polygons;
}

TEST(LwoReader, readsWhatLaterChunksOfALayerReferTo) {
    const std::string tags = Chunk("TAGS", S0("Bone") + S0("Link") + S0("Skin"));
    const std::string triangle = "FACE" + U2(3) + U2(0) + U2(1) + U2(2);
    const struct {
        const char *what;
        std::string chunks;
        std::vector<std::string> polygons;
    } cases[] = {
        {"a point index above 65535", tags + Chunk("PNTS", Points(0x10003)) +
                                          Chunk("POLS", "FACE" + U2(3) + VX(0x10002) + VX(0) + VX(1)) +
                                          Chunk("PTAG", "SURF" + VX(0) + U2(0)),
         {"65538 0 1:Bone"}},
        // Parts, smoothing groups and colours are tags too, but no surfaces.
        {"tags of other types", tags + Chunk("PNTS", Points(3)) + Chunk("POLS", triangle) +
                                    Chunk("PTAG", "SURF" + VX(0) + U2(0)) + Chunk("PTAG", "PART" + VX(0) + U2(1)) +
                                    Chunk("PTAG", "SMGP" + VX(0) + U2(2)) + Chunk("PTAG", "COLR" + VX(0) + U2(1)),
         {"0 1 2:Bone"}},
        // Each PTAG counts polygons within the POLS chunk before it.
        {"several POLS chunks", tags + Chunk("PNTS", Points(3)) + Chunk("POLS", triangle) +
                                    Chunk("PTAG", "SURF" + VX(0) + U2(0)) +
                                    Chunk("POLS", "FACE" + U2(2) + U2(0) + U2(1) + U2(2) + U2(1) + U2(2)) +
                                    Chunk("PTAG", "SURF" + VX(1) + U2(2) + VX(0) + U2(1)),
         {"0 1 2:Bone", "0 1:Link", "1 2:Skin"}},
        // Polygons use the points of the latest PNTS chunk.
        {"two PNTS chunks", tags + Chunk("PNTS", Points(3)) + Chunk("POLS", triangle) + Chunk("PNTS", Points(3)) +
                                Chunk("POLS", triangle) + Chunk("PTAG", "SURF" + VX(0) + U2(2)),
         {"0 1 2:-", "3 4 5:Skin"}},
    };
    for (const auto &c : cases) {
        std::vector<MeshObject> objects = ReadLwo(Form(c.chunks), "rig.lwo", "rig");
        ASSERT_EQ(objects.size(), 1u) << c.what;
        EXPECT_EQ(PolygonsOf(*objects[0].mesh), c.polygons) << c.what;
    }
}

TEST(LwoReader, readsLwo3AndLwobAsTheModellerWritesThem) {
    const std::string triangle = "FACE" + U2(3) + U2(0) + U2(1) + U2(2);
    const struct {
        const char *what;
        std::string bytes;
        std::vector<std::string> polygons;
    } cases[] = {
        // LWO3's chunks beside LWO2's geometry are passed over by their size.
        {"LWO3", Form(Chunk("TAGS", S0("Bone") + S0("Red")) + Layer(0, "") + Chunk("PNTS", Points(3)) +
                          Chunk("BBOX", std::string(24, '\0')) + Chunk("VMPA", U4(0) + U4(0)) + Chunk("POLS", triangle) +
                          Chunk("PTAG", "COLR" + VX(0) + U2(1)) + Chunk("PTAG", "SURF" + VX(0) + U2(0)) +
                          Chunk("OTAG", "ENTR" + U2(0)) + Chunk("FORM", "SURF" + S0("Bone") + S0("") + Chunk("FLAG", U2(0))) +
                          Chunk("FORM", "CLIP" + U4(1) + Chunk("STIL", S0("skin.png"))),
                      "LWO3"),
         {"0 1 2:Bone"}},
        // A negative surface number is followed by a count of detail
        // polygons, which come next and are polygons like the others.
        {"LWOB", Form(Chunk("SRFS", S0("Arm") + S0("Link")) + Chunk("PNTS", Points(4)) +
                          Chunk("POLS", U2(3) + U2(0) + U2(1) + U2(2) + U2(1) + U2(4) + U2(0) + U2(1) + U2(2) + U2(3) +
                                            U2(0xFFFE) + U2(1) + U2(2) + U2(2) + U2(3) + U2(2)) +
                          Chunk("SURF", S0("Arm") + Chunk("COLR", U4(0))),
                      "LWOB"),
         {"0 1 2:Arm", "0 1 2 3:Link", "2 3:Link"}},
        // Polygons index the points of their own PNTS chunk.
        {"LWOB with two PNTS chunks", Form(Chunk("SRFS", S0("Arm")) + Chunk("PNTS", Points(3)) +
                                               Chunk("POLS", U2(3) + U2(0) + U2(1) + U2(2) + U2(1)) +
                                               Chunk("PNTS", Points(2)) + Chunk("POLS", U2(2) + U2(1) + U2(0) + U2(1)),
                                           "LWOB"),
         {"0 1 2:Arm", "4 3:Arm"}},
    };
    for (const auto &c : cases) {
        std::vector<MeshObject> objects = ReadLwo(c.bytes, "rig.lwo", "rig");
        ASSERT_EQ(objects.size(), 1u) << c.what;
        EXPECT_EQ(objects[0].name, "rig");
        EXPECT_EQ(PolygonsOf(*objects[0].mesh), c.polygons) << c.what;
    }
}

TEST(LwoReader, readsWeightMapsOfTheLatestPoints) {
    // Weights name points of the latest PNTS chunk; maps of one name merge;
    // UV maps and weight maps of another dimension are passed over.
    std::string bytes = Form(Chunk("PNTS", Points(2)) + Chunk("VMAP", "WGHT" + U2(1) + S0("Arm") + VX(1) + F4(0.5f)) +
                             Chunk("PNTS", Points(3)) +
                             Chunk("VMAP", "WGHT" + U2(1) + S0("Leg") + VX(0) + F4(1) + VX(2) + F4(-0.25f)) +
                             Chunk("VMAP", "TXUV" + U2(2) + S0("Arm") + VX(0) + F4(7) + F4(7)) +
                             Chunk("VMAP", "WGHT" + U2(2) + S0("Arm") + VX(0) + F4(7) + F4(7)) +
                             Chunk("VMAP", "WGHT" + U2(1) + S0("Arm") + VX(2) + F4(0.75f)));
    std::vector<MeshObject> objects = ReadLwo(bytes, "rig.lwo", "rig");
    ASSERT_EQ(objects.size(), 1u);
    std::vector<std::string> maps;
    for (const WeightMap &map : objects[0].weightMaps) {
        std::string text = map.name + ":";
        for (size_t i = 0; i < map.points.size(); ++i)
            text += " " + std::to_string(map.points[i]) + "=" + std::to_string(map.weights[i]);
        maps.push_back(text);
    }
    EXPECT_EQ(maps, (std::vector<std::string>{"Arm: 1=0.500000 4=0.750000", "Leg: 2=1.000000 4=-0.250000"}));
}

TEST(LwoReader, rejectsMalformedFilesNamingTheChunkAtFault) {
    const std::string tags = Chunk("TAGS", S0("Bone"));
    const std::string points = Chunk("PNTS", Points(3));  // at byte 26 after the TAGS chunk
    const std::string triangle = Chunk("POLS", "FACE" + U2(3) + U2(0) + U2(1) + U2(2));
    const struct {
        std::string bytes;
        std::string error;
    } cases[] = {
        {"FORM" + U4(400) + "LWO2", "rig.lwo: byte 0 (FORM chunk): FORM size 400 runs past the end of the file (12 bytes)"},
        {Form(tags + "PNT"), "rig.lwo: byte 26: truncated chunk header"},
        {Form(tags + "PNTS" + U4(24) + Points(1)),
         "rig.lwo: byte 26 (PNTS chunk): chunk size 24 runs past the end of the FORM (12 bytes left)"},
        {Form(tags + Chunk("PNTS", Points(1) + "xy")),
         "rig.lwo: byte 26 (PNTS chunk): size 14 is not a whole number of 12-byte points"},
        {Form(tags + points + Chunk("POLS", "FACE" + U2(3) + U2(0) + U2(1) + U2(3))),
         "rig.lwo: byte 70 (POLS chunk): polygon 0: point index 3 is out of range (3 points)"},
        {Form(tags + points + Chunk("POLS", "FACE" + U2(0xFC00))),
         "rig.lwo: byte 70 (POLS chunk): polygon 0 has no vertices"},
        {Form(tags + points + Chunk("POLS", "FACE" + U2(3) + U2(0) + U2(1))),
         "rig.lwo: byte 70 (POLS chunk): truncated polygon 0"},
        {Form(tags + points + Chunk("PTAG", "SURF" + U2(0) + U2(0))),
         "rig.lwo: byte 70 (PTAG chunk): polygon tags before any POLS chunk of the layer"},
        {Form(tags + points + triangle + Chunk("PTAG", "SURF" + U2(0) + U2(1))),
         "rig.lwo: byte 90 (PTAG chunk): tag index 1 is past the TAGS chunk (1 tags)"},
        {Form(tags + points + triangle + Chunk("PTAG", "SURF" + U2(1) + U2(0))),
         "rig.lwo: byte 90 (PTAG chunk): polygon index 1 is out of range (1 polygons in the latest POLS chunk)"},
        {Form(Chunk("TAGS", "Bone")), "rig.lwo: byte 12 (TAGS chunk): tag 0 has no terminating zero"},
        {Form(Chunk("LAYR", U2(0) + U2(0) + F4(0))), "rig.lwo: byte 12 (LAYR chunk): truncated layer header"},
        {Form(Chunk("PNTS", F4(0) + F4(0) + U4(0x7FC00000))),
         "rig.lwo: byte 12 (PNTS chunk): point 0 has a coordinate that is not a finite number"},
        {Form(tags + points + Chunk("VMAP", "WGHT" + U2(1) + S0("Arm") + VX(3) + F4(1))),
         "rig.lwo: byte 70 (VMAP chunk): weight map 'Arm': point index 3 is out of range (3 points)"},
        {Form(tags + points + Chunk("VMAP", "WGHT" + U2(1) + S0("Arm") + VX(0) + U4(0x7F800000))),
         "rig.lwo: byte 70 (VMAP chunk): weight map 'Arm': the weight of point 0 is not a finite number"},
        {Form(tags + points + Chunk("VMAP", "WGHT" + U2(1) + S0("Arm") + VX(0) + U2(0))),
         "rig.lwo: byte 70 (VMAP chunk): truncated entry in weight map 'Arm'"},
    };
    const std::string names = Chunk("SRFS", S0("Arm"));  // 12 bytes, so PNTS at 24 and POLS at 68
    const struct {
        std::string bytes;
        std::string error;
    } otherForms[] = {
        {"FORM" + U4(4) + "LXOB", "rig.lwo: byte 0 (FORM chunk): a FORM of type LXOB is not an object file read here "
                                  "(LWO2, LWO3 and LWOB are)"},
        {"FORM" + U4(4) + "\x01OBJ", "rig.lwo: byte 0 (FORM chunk): a FORM of type 0x014F424A is not an object file "
                                     "read here (LWO2, LWO3 and LWOB are)"},
        {"FORM" + U4(0), "rig.lwo: byte 0 (FORM chunk): not an object file: it does not begin with a FORM header"},
        {Form(names + points + Chunk("POLS", U2(3) + U2(0) + U2(1) + U2(2) + U2(0)), "LWOB"),
         "rig.lwo: byte 68 (POLS chunk): polygon 0: surface number 0 is out of range (1 surfaces in the SRFS chunks "
         "before it)"},
        {Form(names + points + Chunk("POLS", U2(3) + U2(0) + U2(1) + U2(2) + U2(0xFFFE) + U2(0)), "LWOB"),
         "rig.lwo: byte 68 (POLS chunk): polygon 0: surface number 2 is out of range (1 surfaces in the SRFS chunks "
         "before it)"},
        {Form(names + points + Chunk("POLS", U2(3) + U2(0) + U2(1) + U2(3) + U2(1)), "LWOB"),
         "rig.lwo: byte 68 (POLS chunk): polygon 0: point index 3 is out of range (3 points)"},
        {Form(names + points + Chunk("POLS", U2(0) + U2(1)), "LWOB"), "rig.lwo: byte 68 (POLS chunk): polygon 0 has no vertices"},
        {Form(names + points + Chunk("POLS", U2(3) + U2(0) + U2(1) + U2(2) + U2(0xFFFF)), "LWOB"),
         "rig.lwo: byte 68 (POLS chunk): truncated polygon 0"},
    };
    for (const auto &c : cases) EXPECT_EQ(ErrorOf(c.bytes), c.error);
    for (const auto &c : otherForms) EXPECT_EQ(ErrorOf(c.bytes), c.error);
}

// Point numbers from 0xFF00 on take four bytes in LWO2 and LWO3: meshes
// either side of that, and past 16 bits, come back as they were written.
TEST(LwoWriter, writesPointNumbersEitherSideOfTheLongFormAndReadsThemBack) {
    for (uint32_t count : {65279u, 65280u, 65281u, 65537u})
        for (LwoForm form : {LwoForm::Lwo2, LwoForm::Lwo3}) {
            std::vector<MeshObject> objects(1);
            objects[0].name = "Big";
            objects[0].mesh = std::make_unique<Mesh>();
            Mesh &mesh = *objects[0].mesh;
            for (uint32_t i = 0; i < count; ++i)
                mesh.AddPoint(static_cast<float>(i % 101) - 50, static_cast<float>(i % 37), -static_cast<float>(i) / 1000);
            const uint32_t last = count - 1, shortest = std::min(0xFEFFu, last - 1);
            mesh.AddPolygon({last, last - 1, 0}, "Near the end");
            mesh.AddPolygon({shortest, 0xFF00 < count ? 0xFF00u : 0u, last}, "Across");
            mesh.AddPolygon({1, 2, 3, last}, "Skin");
            objects[0].weightMaps.push_back({"Across", {shortest, last}, {0.25f, 1}});
            std::string bytes = WriteLwo(objects, form);
            std::vector<MeshObject> back = ReadLwo(bytes, "big.lwo", "big");
            ASSERT_EQ(back.size(), 1u);
            const Mesh &read = *back[0].mesh;
            EXPECT_EQ(read.points, mesh.points) << count;
            EXPECT_EQ(PolygonsOf(read), PolygonsOf(mesh)) << count;
            ASSERT_EQ(back[0].weightMaps.size(), 1u);
            EXPECT_EQ(back[0].weightMaps[0].points, objects[0].weightMaps[0].points) << count;
            if (form != LwoForm::Lwo3) continue;
            // The layer's box holds every point.
            size_t at = bytes.find("BBOX");
            ASSERT_NE(at, std::string::npos);
            float box[6];
            for (int k = 0; k < 6; ++k) {
                uint32_t bits = 0;
                for (int b = 0; b < 4; ++b) bits = bits << 8 | static_cast<unsigned char>(bytes[at + 8 + 4 * k + b]);
                std::memcpy(&box[k], &bits, sizeof bits);
            }
            for (const auto &p : mesh.points)
                for (int k = 0; k < 3; ++k) ASSERT_TRUE(p[k] >= box[k] && p[k] <= box[3 + k]) << count << " axis " << k;
        }
}

}  // namespace
