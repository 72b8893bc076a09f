// SPDX-License-Identifier: MIT

#include "PallixRead.h"

#include "AtomicFile.h"
#include "Console.h"
#include "PallixVersion.h"
#include "ReadCommand.h"
#include "ReadOptions.h"
#include "ReadingFormat.h"
#include "Sleep.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

namespace {

constexpr int kAllValid = 0;
constexpr int kFrameRejected = 1;
constexpr int kUsageError = 2;
constexpr int kCannotOpen = 3;
constexpr int kCannotWrite = 4;

// The status log's lines with the line ends of the system.
std::string LogLines(std::string log)
{
    for (std::size_t end; (end = log.find("\r\n")) != std::string::npos;) {
        log.erase(end, 1);
    }
    return log;
}

std::string WrittenOrWhyNot(const std::string& reason)
{
    return reason.empty() ? reason : "cannot write to standard output: " + reason;
}

}  // namespace

int RunPallixRead(int argc, char* argv[], Pallix400 driver)
{
    const ParsedOptions parsed = ParseReadOptions(argc, argv);
    if (!parsed.error.empty()) {
        platform::Write(stderr, "pallix-read: " + parsed.error + "\n" + kReadUsage);
        return kUsageError;
    }
    const ReadOptions& options = parsed.options;
    if (options.action == ReadOptions::Action::Help) {
        platform::Write(stdout, std::string(kReadUsage) + "\n" + kReadHelp);
        return 0;
    }
    if (options.action == ReadOptions::Action::Version) {
        platform::Write(stdout, "pallix-read " PALLIX_VERSION_TEXT "\n");
        return 0;
    }

    std::optional<AtomicFile> output;
    if (options.output) {
        if (const std::string reason = output.emplace(*options.output).Check(); !reason.empty()) {
            platform::Write(stderr, "pallix-read: " + reason + "\n");
            return kUsageError;
        }
    }

    std::setlocale(LC_CTYPE, "");  // the driver's texts are in the user's encoding; numbers stay the machine's
    platform::CatchInterrupts();
    if (!output) {
        platform::Write(stdout, FormatHeader(options.format));
    }
    basExampleFunctions adapter(std::move(driver));
    bool noticeShown = false;
    bool allValid = true;
    const ReadPlan plan{options.port, options.confirm, options.retries};
    auto next = platform::Now();
    for (long taken = 0; !options.count || taken < *options.count; ++taken) {
        platform::WaitUnlessInterrupted(next - platform::Now());
        if (platform::InterruptStatus() != 0) {
            break;
        }
        next = platform::Now() + options.interval;
        const ReadCommandResult result = RunReadCommand(adapter, ".", plan);
        std::string log = result.statusLog;
        if (adapter.Driver().UsesSimulator() && std::exchange(noticeShown, true)) {
            log.erase(0, SimulatorNotice().size());  // the simulator's line once per run
        }
        platform::Write(stderr, LogLines(std::move(log)));
        if (!adapter.bDriverReady) {
            return kCannotOpen;
        }
        const std::string reading =
            FormatReading({std::chrono::system_clock::now(), result.raw, options.offset, options.name,
                           adapter.Driver().UsesSimulator(), result.framesDisagree},
                          options.format);
        // A reading that was not written must not pass for one that was: a
        // full disk behind standard output ends the run as a failed --output does.
        const std::string reason = output ? output->Replace(FormatHeader(options.format) + reading)
                                          : WrittenOrWhyNot(platform::Write(stdout, reading));
        if (!reason.empty()) {
            platform::Write(stderr, "pallix-read: " + reason + "\n");
            return kCannotWrite;
        }
        allValid = allValid && result.raw.has_value();
    }
    if (const int status = platform::InterruptStatus(); status != 0) {
        return status;
    }
    return allValid ? kAllValid : kFrameRejected;
}
