// The Linux and the Windows module must send the same command texts, byte
// for byte, for the same meshes: every example and a seeded batch of
// generated rigs with bones in every orientation. The Windows vexil-host and
// its Vexil.p run under wine.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Writes `count` objects of random bone chains and trees: directions drawn
// at random and along every axis (straight up and down included), random
// rolls and lengths, some children joined by connectors.
std::string GeneratedRigs(uint32_t seed, int count) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::ostringstream obj;
    int points = 0;
    auto point = [&](double x, double y, double z) {
        char line[128];
        std::snprintf(line, sizeof line, "v %.9g %.9g %.9g\n", static_cast<float>(x), static_cast<float>(y),
                      static_cast<float>(z));
        obj << line;
        return ++points;
    };
    const double axes[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (int object = 0; object < count; ++object) {
        obj << "o Rig" << object << "\n";
        struct Joint {
            int id;
            double p[3];
        };
        std::vector<Joint> tips = {{point(0, 0, 0), {0, 0, 0}}};
        int bones = 3 + static_cast<int>(random() % 20);
        for (int b = 0; b < bones; ++b) {
            Joint from = tips[random() % tips.size()];
            double d[3];
            if (random() % 3 == 0) {
                const double *axis = axes[random() % 6];
                d[0] = axis[0], d[1] = axis[1], d[2] = axis[2];
            } else {
                double heading = unit(random) * 2 * M_PI, pitch = (unit(random) - 0.5) * M_PI;
                d[0] = std::cos(pitch) * std::sin(heading), d[1] = std::sin(pitch),
                d[2] = std::cos(pitch) * std::cos(heading);
            }
            double length = 0.1 + unit(random) * 3;
            // A roll direction across the bone: any vector not along it, crossed.
            double r[3] = {unit(random) - 0.5, unit(random) - 0.5, unit(random) - 0.5};
            double c[3] = {d[1] * r[2] - d[2] * r[1], d[2] * r[0] - d[0] * r[2], d[0] * r[1] - d[1] * r[0]};
            double cl = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
            if (cl < 1e-3) c[0] = d[1], c[1] = -d[0], c[2] = 0, cl = std::hypot(d[0], d[1]) + 1e-9;
            double side = length * (0.05 + unit(random) * 0.15) / cl;
            Joint joint = from;
            if (random() % 4 == 0) {
                // Start a little away, joined by a connector.
                joint.p[0] += 0.3, joint.p[2] += 0.1;
                joint.id = point(joint.p[0], joint.p[1], joint.p[2]);
                obj << "usemtl Link\nl " << from.id << " " << joint.id << "\n";
            }
            Joint tip = {0, {joint.p[0] + d[0] * length, joint.p[1] + d[1] * length, joint.p[2] + d[2] * length}};
            tip.id = point(tip.p[0], tip.p[1], tip.p[2]);
            int roll = point(joint.p[0] + c[0] * side, joint.p[1] + c[1] * side, joint.p[2] + c[2] * side);
            obj << "usemtl Bone" << b << "\nf " << joint.id << " " << tip.id << " " << roll << "\n";
            tips.push_back(tip);
        }
    }
    return obj.str();
}

// Runs a vexil-host and returns the commands it sent.
std::string Commands(const std::string &program, const std::string &options, const std::vector<std::string> &meshes,
                     const std::string &output) {
    std::string command = program + " " + options + " --commands \"" + output + "\"";
    for (const std::string &mesh : meshes) command += " \"" + mesh + "\"";
    command += " >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadFile(output);
}

TEST(Platforms, linuxAndWindowsModulesSendTheSameBytes) {
    std::string directory = ::testing::TempDir() + "vexil_platforms_" + std::to_string(::getpid());
    ASSERT_EQ(std::system(("mkdir -p \"" + directory + "\"").c_str()), 0);
    std::vector<std::string> meshes;
    for (const char *example : {"arm", "hand", "biped", "tail"})
        meshes.push_back(std::string(VEXIL_EXAMPLES_DIR) + "/" + example + ".obj");
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        std::string path = directory + "/generated" + std::to_string(seed) + ".obj";
        std::ofstream(path, std::ios::binary) << GeneratedRigs(seed, 60);
        meshes.push_back(path);
    }
    const std::string linuxHost = std::string("\"") + VEXIL_HOST_PATH + "\"";
    const std::string windowsHost = std::string("wine \"") + VEXIL_WINDOWS_HOST_PATH + "\"";
    for (const char *options : {"", "--pivot-rotate --runs 2"}) {
        std::string linux = Commands(linuxHost, options, meshes, directory + "/linux.txt");
        std::string windows = Commands(windowsHost, options, meshes, directory + "/windows.txt");
        ASSERT_GT(linux.size(), 100000u);
        if (linux != windows) {
            // Name the first line that differs.
            std::istringstream a(linux), b(windows);
            std::string la, lb;
            size_t line = 0;
            while (std::getline(a, la) && std::getline(b, lb) && la == lb) ++line;
            FAIL() << "line " << line + 1 << ": linux '" << la << "', windows '" << lb << "'";
        }
    }
    std::system(("rm -rf \"" + directory + "\"").c_str());
}

}  // namespace
