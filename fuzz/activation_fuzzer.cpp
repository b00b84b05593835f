// Turns arbitrary bytes into a scene and runs a whole activation on it: points
// with any float bits, polygons of 0 to 5 vertices with repeated points,
// surface and bone names of any bytes and length, items of every type, any
// time, frame rate and PivotRotate answer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/services.h"
#include "shell/activate.h"

namespace {

class Bytes {
  public:
    Bytes(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    template <typename T>
    T Raw() {
        T value{};
        uint8_t bytes[sizeof(T)] = {};
        for (uint8_t &b : bytes) b = Byte();
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    std::string Text() {
        size_t length = Byte();
        if (length == 255) length = 255 + Raw<uint16_t>();  // now and then a long one
        std::string text;
        for (size_t i = 0; i < length && at_ < size_; ++i) text.push_back(static_cast<char>(Byte()));
        return text;
    }
    bool Done() const { return at_ >= size_; }

  private:
    const uint8_t *data_;
    size_t size_;
    size_t at_ = 0;
};

void Fail(const char *what) {
    std::fprintf(stderr, "activation_fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Bytes in(data, size);
    vexil_host::Scene scene;
    scene.time = in.Raw<double>();
    scene.framesPerSecond = in.Raw<double>();
    vexil_host::HostOptions options;
    options.pivotRotateAnswer = in.Raw<int8_t>();

    std::vector<LWItemID> items;
    size_t itemCount = in.Byte() % 6;
    for (size_t item = 0; item < itemCount && !in.Done(); ++item) {
        uint8_t kind = in.Byte() % 5;
        if (kind == 1) {
            items.push_back(scene.AddLight(in.Text()));
        } else if (kind == 2) {
            items.push_back(scene.AddCamera(in.Text()));
        } else if (kind == 3) {
            items.push_back(scene.AddObject(in.Text(), nullptr));
        } else {
            auto mesh = std::make_unique<vexil_host::Mesh>();
            size_t points = in.Byte() % 24;
            for (size_t p = 0; p < points; ++p) {
                float x = in.Raw<float>(), y = in.Raw<float>(), z = in.Raw<float>();
                mesh->AddPoint(x, y, z);
            }
            size_t polygons = points == 0 ? 0 : in.Raw<uint16_t>() % 200;
            for (size_t p = 0; p < polygons && !in.Done(); ++p) {
                size_t count = in.Byte() % 6;
                std::vector<uint32_t> vertices;
                for (size_t v = 0; v < count; ++v) vertices.push_back(in.Byte() % points);
                std::string surface = in.Text();
                mesh->AddPolygon(vertices, surface);
            }
            std::string name = in.Text();
            LWItemID object = scene.AddObject(name, std::move(mesh));
            items.push_back(object);
            size_t bones = in.Byte() % 6;
            LWItemID parent = nullptr;
            for (size_t b = 0; b < bones; ++b) {
                bool underPrevious = in.Byte() % 2 == 1;
                std::string name = in.Text();
                parent = scene.AddBone(object, underPrevious ? parent : nullptr, name);
                if (in.Byte() % 4 == 0) items.push_back(parent);
            }
        }
    }
    size_t selected = in.Byte();
    for (size_t i = 0; i < items.size(); ++i)
        if ((selected >> (i % 8)) & 1) scene.selection.push_back(items[i]);

    vexil_host::StandInHost host(scene, options);
    int status = Activate(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr);
    if (status != AFUNC_OK) Fail("the activation failed");
    if (!host.refused.empty()) Fail(("the scene refused: " + host.refused.front().text).c_str());
    for (const std::string &command : host.commands)
        if (command.size() > 255) Fail("a command over 255 characters was sent");
    return 0;
}
