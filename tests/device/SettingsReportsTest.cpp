#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "ReportBytes.h"
#include "data/ProfileDefaults.h"
#include "device/SettingsReports.h"

namespace {

std::unique_ptr<tagPROFILE> DefaultProfile() {
    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"Profile ");
    return p;
}

std::array<std::uint8_t, kSensitivityReportLength> Sensitivity(const tagPROFILE& p) {
    std::array<std::uint8_t, kSensitivityReportLength> r;
    r.fill(0xEE);  // the builder must overwrite every byte
    BuildSensitivityReport(p, r);
    return r;
}

TEST(SensitivityReport, DefaultProfileBytes) {
    const auto r = Sensitivity(*DefaultProfile());
    EXPECT_BYTES(r,
                 "04 22 0A 0A 1F 00 00 0A 14 28 50 A0 0A 14 28 50 A0 02"
                 " FF 00 00  00 FF 00  00 00 FF  FF 00 FF  FF FF 00  01");
}

// Bytes 5..16: X range mask, Y range mask, five X value bytes, five Y value bytes.
TEST(SensitivityReport, LevelValuesAndRangeMasks) {
    const struct {
        std::array<std::int32_t, 5> x, y;
        const char* bytes5to16;
    } rows[] = {
        {{10, 20, 40, 80, 160}, {10, 20, 40, 80, 160}, "00 00 0A 14 28 50 A0 0A 14 28 50 A0"},
        {{161, 20, 40, 80, 320}, {10, 20, 40, 80, 160}, "11 00 50 14 28 50 A0 0A 14 28 50 A0"},
        {{10, 20, 40, 80, 160}, {1, 162, 163, 319, 320}, "00 1E 0A 14 28 50 A0 01 51 51 9F A0"},
        // Above the page's range: halved, then only the low byte survives.
        {{600, 0, 1, 2, 3}, {10, 10, 10, 10, 10}, "01 00 2C 00 01 02 03 0A 0A 0A 0A 0A"},
        // Negative values compare as large unsigned numbers.
        {{-2, 10, 10, 10, 10}, {10, 10, 10, 10, 10}, "01 00 FF 0A 0A 0A 0A 0A 0A 0A 0A 0A"},
    };
    for (const auto& row : rows) {
        auto p = DefaultProfile();
        for (int i = 0; i < 5; ++i) {
            p->levelX[i] = row.x[i];
            p->levelY[i] = row.y[i];
        }
        const auto r = Sensitivity(*p);
        EXPECT_BYTES(std::span(r).subspan(5, 12), row.bytes5to16) << "row " << row.bytes5to16;
    }
}

TEST(SensitivityReport, EnableMaskCountsOnlyOnes) {
    const struct {
        std::array<std::uint8_t, 5> enabled;
        std::uint8_t mask;
    } rows[] = {
        {{1, 1, 1, 1, 1}, 0x1F},   {{1, 2, 1, 1, 1}, 0x1D}, {{0, 0, 0, 0, 1}, 0x10},
        {{255, 0, 2, 3, 4}, 0x00}, {{1, 0, 1, 0, 1}, 0x15},
    };
    for (const auto& row : rows) {
        auto p = DefaultProfile();
        std::copy(row.enabled.begin(), row.enabled.end(), p->levelEnabled);
        EXPECT_EQ(Sensitivity(*p)[4], row.mask);
    }
}

TEST(SensitivityReport, ActiveLevelIsOneBasedLowByte) {
    auto p = DefaultProfile();
    const struct {
        std::int32_t level;
        std::uint8_t sent;
    } rows[] = {{0, 1}, {4, 5}, {255, 0}, {0x7FFFFFFF, 0}};
    for (const auto& row : rows) {
        p->currentLevel = row.level;
        EXPECT_EQ(Sensitivity(*p)[17], row.sent) << row.level;
    }
    p->sensReportByte2 = 0x1234;
    p->sensReportByte3 = -1;
    const auto r = Sensitivity(*p);
    EXPECT_EQ(r[2], 0x34);
    EXPECT_EQ(r[3], 0xFF);
}

TEST(LightingReport, ModeSpeedBrightnessColourParam) {
    const struct {
        std::int32_t mode, speed, brightness;
        std::uint32_t colour;
        std::int32_t param;
        const char* bytes;
    } rows[] = {
        {7, 6, 3, 0x000000FF, 1, "05 09 07 03 08 FF 00 00 01"},  // default effect
        {0, 6, 5, 0x00332211, 2, "05 09 00 03 05 11 22 33 02"},
        {1, 1, 4, 0x00FFFFFF, 0, "05 09 01 08 04 FF FF FF 00"},
        {2, 9, 1, 0, 0, "05 09 02 00 08 00 00 00 00"},
        {3, 0, 1, 0, 0, "05 09 03 09 08 00 00 00 00"},
        {4, 5, 1, 0, 0, "05 09 04 04 08 00 00 00 00"},
        {8, 5, 1, 0, 0, "05 09 08 04 08 00 00 00 00"},
        {5, 5, 1, 0, 0, "05 09 05 04 01 00 00 00 00"},
        {6, 10, 0x107, 0xAB00FF00, 0x1FF, "05 09 06 FF 07 00 FF 00 FF"},  // 8-bit arithmetic
        {0x107, 5, 3, 0, 0, "05 09 07 04 08 00 00 00 00"},  // sent as effect 7, so brightness 8
    };
    for (const auto& row : rows) {
        auto p = DefaultProfile();
        p->lightMode = row.mode;
        p->lightSpeed = row.speed;
        p->lightBrightness = row.brightness;
        p->lightColor = row.colour;
        p->lightParam = row.param;
        std::array<std::uint8_t, kLightingReportLength> r;
        r.fill(0xEE);
        BuildLightingReport(*p, r);
        EXPECT_BYTES(r, row.bytes) << "mode " << row.mode;
    }
}

TEST(ReportRateReport, RateCodes) {
    const struct {
        std::int32_t rate;
        const char* bytes;
    } rows[] = {
        {0, "06 08 08 00 00 00 00 00"},     {1, "06 08 04 00 00 00 00 00"},
        {2, "06 08 02 00 00 00 00 00"},     {3, "06 08 01 00 00 00 00 00"},
        {4, "06 08 02 00 00 00 00 00"},     {-1, "06 08 02 00 00 00 00 00"},
        {0x100, "06 08 02 00 00 00 00 00"},  // the whole value decides, not its low byte
    };
    for (const auto& row : rows) {
        auto p = DefaultProfile();
        p->reportRate = row.rate;
        std::array<std::uint8_t, kReportRateReportLength> r;
        r.fill(0xEE);
        BuildReportRateReport(*p, r);
        EXPECT_BYTES(r, row.bytes) << "rate " << row.rate;
    }
}

}  // namespace
