#include "ReadOptions.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <getopt.h>

const char* const kReadUsage =
    "Usage: pallix-read [--count N | --follow] [--interval SECONDS] [--format text|csv|json]\n"
    "       pallix-read --help | --version\n";

const char* const kReadHelp = "Reads the temperature sensor on the test pins of a Pallix400 adapter and\n"
                              "prints each reading as soon as it is taken.\n"
                              "\n"
                              "  -c, --count N           take N readings (at least 1; default 1)\n"
                              "  -f, --follow            read until interrupted (Ctrl+C)\n"
                              "  -i, --interval SECONDS  from the start of one reading to the start of the\n"
                              "                          next (at least 0, fractions allowed; default 0);\n"
                              "                          each reading takes at least 0.3 s\n"
                              "  -F, --format FORMAT     text (default), csv or json (one object a line)\n"
                              "  -h, --help              print this help and exit\n"
                              "  -V, --version           print the version and exit\n"
                              "\n"
                              "Exit status: 0 every reading valid, 1 a frame was rejected, 2 bad usage,\n"
                              "3 the adapter could not be opened, 130 or 143 interrupted.\n";

namespace {

constexpr double kLongestInterval = 1e9;  // seconds; far beyond any use, well inside the clock's range

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

std::optional<ReadOptions::Format> ParseFormat(const char* text)
{
    using Format = ReadOptions::Format;
    for (const auto& [name, format] : {std::pair{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}}) {
        if (std::strcmp(text, name) == 0) {
            return format;
        }
    }
    return std::nullopt;
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

}  // namespace

ParsedOptions ParseReadOptions(int argc, char* argv[])
{
    static const option kLongOptions[] = {
        {"count", required_argument, nullptr, 'c'},
        {"follow", no_argument, nullptr, 'f'},
        {"interval", required_argument, nullptr, 'i'},
        {"format", required_argument, nullptr, 'F'},
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},
        {nullptr, 0, nullptr, 0},
    };
    ParsedOptions parsed;
    ReadOptions& options = parsed.options;
    bool counted = false;
    bool followed = false;
    opterr = 0;  // the messages are ours, and each names the argument at fault
    optind = 0;  // from the start, even when a command line was read before
    for (int option; (option = getopt_long(argc, argv, ":c:fi:F:hV", kLongOptions, nullptr)) != -1;) {
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
            if (const auto format = ParseFormat(optarg)) {
                options.format = *format;
            } else {
                parsed.error = "--format takes text, csv or json, not " + Quoted(optarg);
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
