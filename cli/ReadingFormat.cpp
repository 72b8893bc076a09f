#include "ReadingFormat.h"

#include "ReadCommand.h"

#include <cstdio>

namespace {

constexpr const char* kNoFrame = "no valid frame from the sensor";

}  // namespace

std::string FormatHeader(ReadOptions::Format format)
{
    return format == ReadOptions::Format::Csv ? "time,raw,celsius,status\n" : "";
}

std::string FormatReading(const Reading& reading, ReadOptions::Format format)
{
    const std::string time = Iso8601(reading.time);
    const std::string raw = reading.raw ? std::to_string(*reading.raw) : "";
    const std::string celsius = reading.raw ? FormatCelsius(*reading.raw, ".") : "";
    switch (format) {
    case ReadOptions::Format::Csv:
        return time + "," + raw + "," + celsius + "," + (reading.raw ? "ok" : "error") + "\n";
    case ReadOptions::Format::Json:
        return "{\"time\":\"" + time + "\"," +
               (reading.raw ? "\"raw\":" + raw + ",\"celsius\":" + celsius
                            : std::string("\"error\":\"") + kNoFrame + "\"") +
               "}\n";
    case ReadOptions::Format::Text:
        break;
    }
    return reading.raw ? celsius + " \u00B0C\n" : std::string("error: ") + kNoFrame + "\n";
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
