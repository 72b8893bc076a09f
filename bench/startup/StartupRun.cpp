// SPDX-License-Identifier: MIT

#include "StartupRun.h"

#include "SystemError.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The harness's own environment, with the probe's settings replaced.
std::vector<std::string> ChildEnvironment(const std::string& probeLibrary, const std::string& outPath)
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!StartsWith(*entry, "LD_PRELOAD=") && !StartsWith(*entry, "QTPROBE_")) {
            env.emplace_back(*entry);
        }
    }
    env.push_back("LD_PRELOAD=" + probeLibrary);
    env.emplace_back("QTPROBE_ACTION=painted");
    env.push_back("QTPROBE_OUT=" + outPath);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> result;
    for (std::string& text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

StartupRun Failed(std::string why)
{
    StartupRun run;
    run.error = std::move(why);
    return run;
}

// Waits for the child, killing it once the deadline has passed.
bool WaitForChild(pid_t pid, long long deadlineNs, int& status, rusage& usage)
{
    const timespec pause{0, 2000000};
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid) {
            return true;
        }
        if (done < 0 && errno != EINTR) {
            return false;
        }
        if (MonotonicNs() > deadlineNs) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return false;
        }
        nanosleep(&pause, nullptr);
    }
}

}  // namespace

StartupRun RunStartup(const std::string& program, const std::string& probeLibrary, int timeoutSeconds)
{
    char outPath[] = "/tmp/startup_bench.XXXXXX";
    const int fd = mkstemp(outPath);
    if (fd < 0) {
        return Failed(std::string("cannot create a temporary file: ") + platform::ErrnoText(errno));
    }
    close(fd);

    std::vector<std::string> envTexts = ChildEnvironment(probeLibrary, outPath);
    std::vector<char*> envp = Pointers(envTexts);
    std::vector<std::string> argTexts{program};
    std::vector<char*> argv = Pointers(argTexts);

    const long long startNs = MonotonicNs();
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data());
    if (spawnError != 0) {
        unlink(outPath);
        return Failed("cannot start " + program + ": " + platform::ErrnoText(spawnError));
    }
    int status = 0;
    rusage usage{};
    const bool finished = WaitForChild(pid, startNs + timeoutSeconds * 1000000000LL, status, usage);

    long long paintedNs = 0;
    std::ifstream(outPath) >> paintedNs;
    unlink(outPath);
    if (!finished) {
        return Failed(program + " did not quit within " + std::to_string(timeoutSeconds) + " s");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return Failed(program + " ended abnormally (wait status " + std::to_string(status) + ")");
    }
    if (paintedNs <= startNs) {
        return Failed(program + ": the probe wrote no paint time (is DISPLAY set and the probe working?)");
    }

    StartupRun run;
    run.ok = true;
    run.startupMs = static_cast<double>(paintedNs - startNs) / 1e6;
    run.peakRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    return run;
}
