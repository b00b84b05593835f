#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "comma_locale.h"

#include "shell/command.h"
#include "shell/host_api.h"

namespace {

std::string Format(const char *format, ...) {
    char buffer[kCommandBufferSize];
    va_list values;
    va_start(values, format);
    int length = FormatCommandV(buffer, sizeof buffer, format, values);
    va_end(values);
    if (length < 0) return "<too long>";
    EXPECT_EQ(static_cast<size_t>(length), std::strlen(buffer));
    return buffer;
}

LWItemID Id(uint64_t value) { return reinterpret_cast<LWItemID>(static_cast<uintptr_t>(value)); }

struct FloatCase {
    float value;
    const char *text;
};

const FloatCase kFloatCases[] = {
    {0.5f, "0.500000"},
    {-2.25f, "-2.250000"},
    {0.0f, "0.000000"},
    {-0.0f, "-0.000000"},
    {2.0f, "2.000000"},
    {-1e-7f, "-0.000000"},
    {1.0000005f, "1.000000"},   // the float is just below the tie: rounds down
    {0.1f, "0.100000"},
    {123456.789f, "123456.789062"},
    // Exact ties at the sixth decimal (m/128) round to even, as printf does.
    {0.0078125f, "0.007812"},
    {0.0234375f, "0.023438"},
    {-0.0078125f, "-0.007812"},
    {3.4028235e38f, "340282346638528859811704183484516925440.000000"},
    {std::numeric_limits<float>::infinity(), "inf"},
    {-std::numeric_limits<float>::infinity(), "-inf"},
    {std::numeric_limits<float>::quiet_NaN(), "nan"},
    {-std::numeric_limits<float>::quiet_NaN(), "-nan"},
};

TEST(CommandFormat, writesFloatsFixedWithSixDecimals) {
    for (const FloatCase &c : kFloatCases)
        EXPECT_EQ(Format("BoneRestLength %f", static_cast<double>(c.value)), std::string("BoneRestLength ") + c.text)
            << c.text;
}

TEST(CommandFormat, writesLow32BitsOfIdsInLowercaseHex) {
    const struct {
        uint64_t id;
        const char *text;
    } cases[] = {
        {255, "ff"}, {0, "0"}, {(1ull << 32) + 255, "ff"}, {0x10000001, "10000001"},
        {0xABCDEF12, "abcdef12"}, {0xFFFFFFFFFFFFFFFFull, "ffffffff"}, {1ull << 32, "0"},
    };
    for (const auto &c : cases) EXPECT_EQ(Format("SelectItem %x", Id(c.id)), std::string("SelectItem ") + c.text);
}

TEST(CommandFormat, writesSignedDecimalsAndNamesAsTheyStand) {
    EXPECT_EQ(Format("GoToFrame %d", -3), "GoToFrame -3");
    EXPECT_EQ(Format("GoToFrame %d", 0), "GoToFrame 0");
    EXPECT_EQ(Format("GoToFrame %d", std::numeric_limits<int>::min()), "GoToFrame -2147483648");
    EXPECT_EQ(Format("GoToFrame 0"), "GoToFrame 0");
    EXPECT_EQ(Format("AddBone %s", "Left Upper \"Arm\" %d"), "AddBone Left Upper \"Arm\" %d");
    EXPECT_EQ(Format("AddBone %s", ""), "AddBone ");
}

TEST(CommandFormat, keepsA255CharacterCommandWholeAndRefusesLonger) {
    std::string name255(255 - std::strlen("AddBone "), 'n');
    EXPECT_EQ(Format("AddBone %s", name255.c_str()), "AddBone " + name255);
    std::string name256 = name255 + "n";
    EXPECT_EQ(Format("AddBone %s", name256.c_str()), "<too long>");
    std::string huge(100000, 'h');
    EXPECT_EQ(Format("BoneWeightMapName %s", huge.c_str()), "<too long>");
    // Overflow in a number, not only in a name.
    std::string prefix(250, 'p');
    EXPECT_EQ(Format((prefix + "%f").c_str(), 1.0), "<too long>");
}

TEST(CommandFormat, neverWritesPastTheGivenBuffer) {
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(FormatCommand(buffer, 8, "GoToFrame %d", 12345), -1);
    for (size_t i = 8; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], '#');
    EXPECT_EQ(FormatCommand(buffer, 8, "Go %d", 123), 6);
    EXPECT_STREQ(buffer, "Go 123");
}

TEST(CommandFormat, ignoresTheProcessLocale) {
    bool changed;
    std::string saved = vexil_test::UseCommaLocale(changed);
    ASSERT_TRUE(changed) << "a German locale must be available (on Linux: locale-gen de_DE.UTF-8)";
    char probe[32];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5") << "the locale should use a decimal comma";
    EXPECT_EQ(Format("BoneRestLength %f", 0.5), "BoneRestLength 0.500000");
    EXPECT_EQ(Format("Position %f %f %f", -2.25, 1234567.0, -0.0), "Position -2.250000 1234567.000000 -0.000000");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
