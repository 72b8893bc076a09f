// SPDX-License-Identifier: MIT

#include "ReadingFormat.h"

#include "ReadCommand.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using Format = ReadOptions::Format;

// 2026-12-07T09:30:00.250Z and 0.7 ms more, which no format may round up.
const system_clock::time_point kTaken = sys_days{2026y / 12 / 7} + 9h + 30min + 250ms + microseconds(700);

struct FormatCase {
    Format format;
    std::optional<int32_t> raw;
    int32_t offset;
    const char* name;  // none: null
    bool simulated;
    bool framesDisagree;
    std::string text;
};

// Names with the characters each format must escape; text and csv show none.
// clang-format off
const FormatCase kFormatCases[] = {
    {Format::Csv, -1, -3000, "a,b", true, false, "time,raw,celsius,status\n2026-12-07T09:30:00.250Z,-1,-0.3625,ok\n"},
    {Format::Text, {}, 0, "a", false, true, "error: frames from the sensor disagree\n"},
    {Format::Json, {}, 0, nullptr, false, false, "{\"time\":\"2026-12-07T09:30:00.250Z\",\"error\":\"no valid frame from the sensor\"}\n"},
    {Format::Json, 401, 0, "a\"b\\c\u00e4", true, false,
     "{\"time\":\"2026-12-07T09:30:00.250Z\",\"name\":\"a\\\"b\\\\c\u00e4\",\"raw\":401,\"celsius\":25.0625,\"simulated\":true}\n"},
    // The nanoseconds of a double product would be off by 128 here.
    {Format::Influx, 401, -3000, nullptr, false, false, "pallix_temperature celsius=24.7625,raw=401i 1796635800250000000\n"},
    {Format::Influx, {}, 0, "hall 2,a=b\\", true, true,
     "pallix_temperature,name=hall\\ 2\\,a\\=b\\\\ error=\"frames from the sensor disagree\",simulated=true 1796635800250000000\n"},
    {Format::Prometheus, {}, 0, "a\"b\\c", false, false,
     "# HELP pallix_reading_ok 1 when the last reading was a valid frame from the sensor, 0 when it was rejected.\n"
     "# TYPE pallix_reading_ok gauge\npallix_reading_ok{name=\"a\\\"b\\\\c\"} 0\n"
     "# HELP pallix_last_reading_timestamp_seconds When the last reading was taken, in seconds since the Unix epoch.\n"
     "# TYPE pallix_last_reading_timestamp_seconds gauge\npallix_last_reading_timestamp_seconds{name=\"a\\\"b\\\\c\"} 1796635800.250\n"
     "# HELP pallix_adapter_simulated 1 when the simulated adapter stood in for the driver, 0 with a real driver.\n"
     "# TYPE pallix_adapter_simulated gauge\npallix_adapter_simulated{name=\"a\\\"b\\\\c\"} 0\n"},
};
// clang-format on

TEST(ReadingFormat, EachFormatWritesTheReadingItsNameEscapedAndTheTimeInWholeMilliseconds)
{
    for (const FormatCase& c : kFormatCases) {
        const Reading reading{kTaken,      c.raw,
                              c.offset,    c.name ? std::optional<std::string>(c.name) : std::nullopt,
                              c.simulated, c.framesDisagree};
        EXPECT_EQ(FormatHeader(c.format) + FormatReading(reading, c.format), c.text);
    }
}

TEST(ReadingFormat, WithoutAnOffsetEveryReadingReadsAsInTheWindow)
{
    for (int32_t raw = -4096; raw <= 4095; ++raw) {
        ASSERT_EQ(CelsiusText(raw, 0), FormatCelsius(raw, "."));
    }
}

TEST(ReadingFormat, AnOffsetIsAddedExactlyWhateverTheSign)
{
    EXPECT_EQ(CelsiusText(-1, 625), "0");
    EXPECT_EQ(CelsiusText(0, -1), "-0.0001");
    EXPECT_EQ(CelsiusText(1, 3), "0.0628");
    EXPECT_EQ(CelsiusText(-4096, -10'000'000), "-1256");
}

}  // namespace
