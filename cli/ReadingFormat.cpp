// SPDX-License-Identifier: MIT

#include "ReadingFormat.h"

#include <cstdio>
#include <cstdlib>

namespace {

using Format = ReadOptions::Format;

constexpr const char* kNoFrame = "no valid frame from the sensor";
constexpr const char* kDisagree = "frames from the sensor disagree";
constexpr int64_t kTenThousandthsPerCount = 625;  // a count is 0.0625 degree

int64_t Milliseconds(std::chrono::system_clock::time_point time)
{
    return std::chrono::floor<std::chrono::milliseconds>(time).time_since_epoch().count();
}

// Whole milliseconds as seconds with three decimals, by integer arithmetic.
std::string SecondsText(int64_t milliseconds)
{
    const int64_t seconds = milliseconds / 1000 - (milliseconds % 1000 < 0 ? 1 : 0);
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03d", static_cast<int>(milliseconds - seconds * 1000));
    return std::to_string(seconds) + fraction;
}

std::string Rejection(const Reading& reading)
{
    return reading.framesDisagree ? kDisagree : kNoFrame;
}

std::string JsonString(const std::string& text)
{
    std::string quoted(1, '"');
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            quoted += code;
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

// `text` with a backslash before each character of `special`. A series name
// has no line feed (IsSeriesName), so none is left for the formats to escape.
std::string Backslashed(const std::string& text, std::string_view special)
{
    std::string escaped;
    for (const char c : text) {
        if (special.find(c) != std::string_view::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// A label value in the text exposition format.
std::string PrometheusLabel(const std::string& text)
{
    return Backslashed(text, "\\\"");
}

// A tag value in the line protocol.
std::string InfluxTag(const std::string& text)
{
    return Backslashed(text, ",= \\");
}

std::string Celsius(const Reading& reading)
{
    return reading.raw ? CelsiusText(*reading.raw, reading.offset) : "";
}

std::string Text(const Reading& reading)
{
    return reading.raw ? Celsius(reading) + " \u00B0C\n" : "error: " + Rejection(reading) + "\n";
}

std::string Csv(const Reading& reading)
{
    const std::string raw = reading.raw ? std::to_string(*reading.raw) : "";
    return Iso8601(reading.time) + "," + raw + "," + Celsius(reading) + "," + (reading.raw ? "ok" : "error") + "\n";
}

std::string Json(const Reading& reading)
{
    return "{\"time\":\"" + Iso8601(reading.time) + "\"," +
           (reading.name ? "\"name\":" + JsonString(*reading.name) + "," : "") +
           (reading.raw ? "\"raw\":" + std::to_string(*reading.raw) + ",\"celsius\":" + Celsius(reading)
                        : "\"error\":" + JsonString(Rejection(reading))) +
           (reading.simulated ? ",\"simulated\":true" : "") + "}\n";
}

// The text exposition format as node_exporter's textfile collector takes it:
// no time stamps; a label only for a named series (Prometheus adds the
// instance), and the same HELP and TYPE lines whatever the name, so that the
// collector merges the files of several readers. A rejected frame leaves the
// temperature out, so that a stale value never looks current.
std::string Prometheus(const Reading& reading)
{
    struct Gauge {
        const char* name;
        const char* help;
        std::optional<std::string> value;
    };
    const Gauge gauges[] = {
        {"pallix_temperature_celsius", "Temperature the sensor read, in degrees Celsius, calibration offset included.",
         reading.raw ? std::optional(Celsius(reading)) : std::nullopt},
        {"pallix_reading_ok", "1 when the last reading was a valid frame from the sensor, 0 when it was rejected.",
         reading.raw ? "1" : "0"},
        {"pallix_last_reading_timestamp_seconds", "When the last reading was taken, in seconds since the Unix epoch.",
         SecondsText(Milliseconds(reading.time))},
        {"pallix_adapter_simulated", "1 when the simulated adapter stood in for the driver, 0 with a real driver.",
         reading.simulated ? "1" : "0"},
    };
    const std::string labels = reading.name ? "{name=\"" + PrometheusLabel(*reading.name) + "\"}" : "";
    std::string text;
    for (const Gauge& gauge : gauges) {
        if (gauge.value) {
            text += std::string("# HELP ") + gauge.name + " " + gauge.help + "\n# TYPE " + gauge.name + " gauge\n" +
                    gauge.name + labels + " " + *gauge.value + "\n";
        }
    }
    return text;
}

// InfluxDB line protocol: the name as a tag, a float field, an integer one,
// a time stamp in nanoseconds.
std::string Influx(const Reading& reading)
{
    const std::string tags = reading.name ? ",name=" + InfluxTag(*reading.name) : "";
    const std::string fields = reading.raw
                                   ? "celsius=" + Celsius(reading) + ",raw=" + std::to_string(*reading.raw) + "i"
                                   : "error=\"" + Rejection(reading) + "\"";
    return "pallix_temperature" + tags + " " + fields + (reading.simulated ? ",simulated=true" : "") + " " +
           std::to_string(Milliseconds(reading.time) * 1'000'000) + "\n";
}

struct FormatRule {
    Format format;
    const char* name;
    const char* header;
    std::string (*reading)(const Reading&);
};

constexpr FormatRule kFormats[] = {
    {Format::Text, "text", "", Text},       {Format::Csv, "csv", "time,raw,celsius,status\n", Csv},
    {Format::Json, "json", "", Json},       {Format::Prometheus, "prometheus", "", Prometheus},
    {Format::Influx, "influx", "", Influx},
};

const FormatRule& RuleOf(Format format)
{
    for (const FormatRule& rule : kFormats) {
        if (rule.format == format) {
            return rule;
        }
    }
    return kFormats[0];
}

}  // namespace

std::optional<Format> FormatNamed(std::string_view name)
{
    for (const FormatRule& rule : kFormats) {
        if (name == rule.name) {
            return rule.format;
        }
    }
    return std::nullopt;
}

std::string FormatHeader(Format format)
{
    return RuleOf(format).header;
}

std::string FormatReading(const Reading& reading, Format format)
{
    return RuleOf(format).reading(reading);
}

std::string CelsiusText(int32_t raw, int32_t offset)
{
    const int64_t tenThousandths = raw * kTenThousandthsPerCount + offset;
    const int64_t magnitude = std::abs(tenThousandths);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%s%lld.%04d", tenThousandths < 0 ? "-" : "",
                  static_cast<long long>(magnitude / 10000), static_cast<int>(magnitude % 10000));
    std::string text = digits;
    text.erase(text.find_last_not_of('0') + 1);  // no trailing zeros, and no point without decimals
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string Iso8601(std::chrono::system_clock::time_point time)
{
    using namespace std::chrono;
    const auto milliseconds = floor<std::chrono::milliseconds>(time);
    const auto day = floor<days>(milliseconds);
    const year_month_day date{day};
    const hh_mm_ss clock{milliseconds - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()), static_cast<int>(clock.subseconds().count()));
    return text;
}
