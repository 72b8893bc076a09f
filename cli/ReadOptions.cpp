// SPDX-License-Identifier: MIT

#include "ReadOptions.h"

#include "ReadingFormat.h"
#include "SeriesName.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <getopt.h>
#include <string_view>

const char* const kReadUsage = "Usage: pallix-read [--count N | --follow] [--interval SECONDS] [--offset DEGREES]\n"
                               "                   [--format text|csv|json|prometheus|influx] [--output FILE]\n"
                               "                   [--port N] [--name LABEL] [--retries R] [--confirm N]\n"
                               "       pallix-read --help | --version\n";

const char* const kReadHelp = "Reads the temperature sensor on the test pins of a Pallix400 adapter and\n"
                              "prints each reading as soon as it is taken.\n"
                              "\n"
                              "  -c, --count N           take N readings (at least 1; default 1)\n"
                              "  -f, --follow            read until interrupted (Ctrl+C)\n"
                              "  -i, --interval SECONDS  from the start of one reading to the start of the\n"
                              "                          next (at least 0, fractions allowed; default 0);\n"
                              "                          each reading takes at least 0.3 s\n"
                              "  -F, --format FORMAT     text (default), csv, json (one object a line),\n"
                              "                          prometheus (node_exporter's textfile collector)\n"
                              "                          or influx (InfluxDB line protocol)\n"
                              "  -o, --output FILE       write each reading to FILE instead, replacing it\n"
                              "                          whole (a temporary file beside it, renamed)\n"
                              "  -O, --offset DEGREES    add a calibration offset to every temperature\n"
                              "                          (at most 4 decimals, -1000 to 1000; default 0)\n"
                              "  -p, --port N            the adapter's port, 1 to 255 (default 1); one\n"
                              "                          reader a port\n"
                              "  -n, --name LABEL        name the series in json, prometheus and influx,\n"
                              "                          1 to 64 characters, none a control character\n"
                              "  -r, --retries R         read a rejected frame again, up to R more times\n"
                              "                          (0 to 10; default 0)\n"
                              "      --confirm N         a reading is valid once N frames in a row are\n"
                              "                          valid and agree within 1/16 degree (2 to 10);\n"
                              "                          with --retries R, at most N + R frames\n"
                              "  -h, --help              print this help and exit\n"
                              "  -V, --version           print the version and exit\n"
                              "\n"
                              "Exit status: 0 every reading valid, 1 a frame was rejected, 2 bad usage\n"
                              "(FILE's folder missing or not writable too), 3 the adapter could not be\n"
                              "opened, 4 a reading could not be written (to FILE or standard output),\n"
                              "130 or 143 interrupted.\n";

namespace {

constexpr double kLongestInterval = 1e9;          // seconds; far beyond any use, well inside the clock's range
constexpr int32_t kLargestOffset = 1000 * 10000;  // in 1/10000 degree; far beyond any sensor's error
constexpr int kHighestPort = 255;
constexpr int kMostRetries = 10;
constexpr int kMostConfirmations = 10;
constexpr int kConfirmOption = 0x100;  // long only: -c is --count

std::optional<long> ParseCount(const char* text)
{
    long value = 0;
    const char* end = text + std::strlen(text);
    const auto [last, error] = std::from_chars(text, end, value);
    if (error != std::errc{} || last != end || value < 1) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::chrono::nanoseconds> ParseInterval(const char* text)
{
    double seconds = 0.0;
    const char* end = text + std::strlen(text);
    const auto [last, error] = std::from_chars(text, end, seconds, std::chars_format::fixed);
    if (error != std::errc{} || last != end || !std::isfinite(seconds) || seconds < 0.0 || seconds > kLongestInterval) {
        return std::nullopt;
    }
    return std::chrono::nanoseconds(std::llround(seconds * 1e9));
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Degrees with at most four decimals, in 1/10000 degree: added to a reading's
// whole sixteenths (625/10000) the sum is exact, whatever the numbers.
std::optional<int32_t> ParseOffset(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    while (fraction.size() > 4 && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    if ((whole.empty() && fraction.empty()) || whole.size() > 4 || fraction.size() > 4 || !AllDigits(whole) ||
        !AllDigits(fraction)) {
        return std::nullopt;
    }
    int32_t value = 0;
    for (const char digit : std::string(whole) + std::string(fraction) + std::string(4 - fraction.size(), '0')) {
        value = value * 10 + (digit - '0');
    }
    if (value > kLargestOffset) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// The options that take a whole number in a range.
struct WholeOption {
    int code;
    const char* name;
    int lowest;
    int highest;
    int ReadOptions::*value;
};

constexpr WholeOption kWholeOptions[] = {
    {'p', "--port", 1, kHighestPort, &ReadOptions::port},
    {'r', "--retries", 0, kMostRetries, &ReadOptions::retries},
    {kConfirmOption, "--confirm", 2, kMostConfirmations, &ReadOptions::confirm},
};

// Sets the value of the whole-number option `code` from `text`; returns why
// it could not, or "".
std::string ParseWholeOption(int code, const char* text, ReadOptions& options)
{
    const WholeOption& rule = *std::find_if(std::begin(kWholeOptions), std::end(kWholeOptions),
                                            [code](const WholeOption& whole) { return whole.code == code; });
    int value = 0;
    const char* end = text + std::strlen(text);
    const auto [last, error] = std::from_chars(text, end, value);
    if (error != std::errc{} || last != end || value < rule.lowest || value > rule.highest) {
        return std::string(rule.name) + " takes a whole number from " + std::to_string(rule.lowest) + " to " +
               std::to_string(rule.highest) + ", not " + Quoted(Shown(text));
    }
    options.*rule.value = value;
    return {};
}

}  // namespace

ParsedOptions ParseReadOptions(int argc, char* argv[])
{
    static const option kLongOptions[] = {
        {"count", required_argument, nullptr, 'c'},
        {"follow", no_argument, nullptr, 'f'},
        {"interval", required_argument, nullptr, 'i'},
        {"format", required_argument, nullptr, 'F'},
        {"output", required_argument, nullptr, 'o'},
        {"offset", required_argument, nullptr, 'O'},
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},
        {"port", required_argument, nullptr, 'p'},
        {"name", required_argument, nullptr, 'n'},
        {"retries", required_argument, nullptr, 'r'},
        {"confirm", required_argument, nullptr, kConfirmOption},
        {nullptr, 0, nullptr, 0},
    };
    ParsedOptions parsed;
    ReadOptions& options = parsed.options;
    bool counted = false;
    bool followed = false;
    opterr = 0;  // the messages are ours, and each names the argument at fault
    optind = 0;  // from the start, even when a command line was read before
    for (int option; (option = getopt_long(argc, argv, ":c:fi:F:o:O:hVp:n:r:", kLongOptions, nullptr)) != -1;) {
        const std::string argument = argv[optind - 1];
        switch (option) {
        case 'c':
            options.count = ParseCount(optarg);
            counted = true;
            if (!options.count) {
                parsed.error = "--count takes a whole number of readings, 1 or more, not " + Quoted(optarg);
            }
            break;
        case 'f':
            followed = true;
            break;
        case 'i':
            if (const auto interval = ParseInterval(optarg)) {
                options.interval = *interval;
            } else {
                parsed.error = "--interval takes seconds, 0 or more, like 2 or 0.5, not " + Quoted(optarg);
            }
            break;
        case 'F':
            if (const auto format = FormatNamed(optarg)) {
                options.format = *format;
            } else {
                parsed.error = "--format takes text, csv, json, prometheus or influx, not " + Quoted(optarg);
            }
            break;
        case 'o':
            options.output = optarg;
            if (options.output->empty()) {
                parsed.error = "--output takes the name of a file, not ''";
            }
            break;
        case 'O':
            if (const auto offset = ParseOffset(optarg)) {
                options.offset = *offset;
            } else {
                parsed.error = "--offset takes degrees from -1000 to 1000 with at most 4 decimals, like -1.25, not " +
                               Quoted(optarg);
            }
            break;
        case 'p':
        case 'r':
        case kConfirmOption:
            parsed.error = ParseWholeOption(option, optarg, options);
            break;
        case 'n':
            options.name = optarg;
            if (!IsSeriesName(optarg)) {
                parsed.error = "--name takes 1 to 64 characters of UTF-8 text, none a control character, not " +
                               Quoted(Shown(optarg));
            }
            break;
        case 'h':
            options.action = ReadOptions::Action::Help;
            break;
        case 'V':
            options.action = ReadOptions::Action::Version;
            break;
        case ':':
            parsed.error = "the option " + Quoted(argument) + " needs a value";
            break;
        default:
            parsed.error =
                "unknown option " + Quoted(optopt != 0 ? std::string("-") + static_cast<char>(optopt) : argument);
            break;
        }
        if (!parsed.error.empty()) {
            return parsed;
        }
    }
    if (optind < argc) {
        parsed.error = "unexpected argument " + Quoted(argv[optind]) + "; pallix-read takes options only";
    } else if (counted && followed) {
        parsed.error = "--count and --follow exclude each other: give one of them";
    } else if (followed) {
        options.count.reset();
    }
    return parsed;
}
