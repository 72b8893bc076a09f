// pallix-read: the window's reading from the command line, for scripts and
// logs. The status log of the adapter goes to standard error, each reading to
// standard output as soon as it is taken.
#include "Interrupts.h"
#include "ReadCommand.h"
#include "ReadOptions.h"
#include "ReadingFormat.h"
#include "basExampleFunctions.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <string>

namespace {

constexpr int kAllValid = 0;
constexpr int kFrameRejected = 1;
constexpr int kUsageError = 2;
constexpr int kCannotOpen = 3;

void Print(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

// The status log's lines with the line ends of the system.
std::string LogLines(std::string log)
{
    for (std::size_t end; (end = log.find("\r\n")) != std::string::npos;) {
        log.erase(end, 1);
    }
    return log;
}

}  // namespace

int main(int argc, char* argv[])
{
    const ParsedOptions parsed = ParseReadOptions(argc, argv);
    if (!parsed.error.empty()) {
        Print(stderr, "pallix-read: " + parsed.error + "\n" + kReadUsage);
        return kUsageError;
    }
    const ReadOptions& options = parsed.options;
    if (options.action == ReadOptions::Action::Help) {
        Print(stdout, std::string(kReadUsage) + "\n" + kReadHelp);
        return 0;
    }
    if (options.action == ReadOptions::Action::Version) {
        Print(stdout, "pallix-read 1.00\n");
        return 0;
    }

    std::setlocale(LC_CTYPE, "");  // the driver's texts are in the user's encoding; numbers stay the machine's
    platform::CatchInterrupts();
    Print(stdout, FormatHeader(options.format));
    bool allValid = true;
    auto next = std::chrono::steady_clock::now();
    for (long taken = 0; !options.count || taken < *options.count; ++taken) {
        platform::WaitUnlessInterrupted(next - std::chrono::steady_clock::now());
        if (platform::InterruptStatus() != 0) {
            break;
        }
        next = std::chrono::steady_clock::now() + options.interval;
        const ReadCommandResult result = RunReadCommand(".");
        Print(stderr, LogLines(result.statusLog));
        if (!basExampleFunctions::bDriverReady) {
            return kCannotOpen;
        }
        Print(stdout, FormatReading({std::chrono::system_clock::now(), result.raw}, options.format));
        allValid = allValid && result.raw.has_value();
    }
    if (const int status = platform::InterruptStatus(); status != 0) {
        return status;
    }
    return allValid ? kAllValid : kFrameRejected;
}
