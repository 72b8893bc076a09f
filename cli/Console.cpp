#include "Console.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace platform {

void Write(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

namespace {

volatile std::sig_atomic_t caught = 0;
int wakeUp[2] = {-1, -1};  // the handler writes a byte, so that a wait ends at once

void Catch(int signal)
{
    caught = signal;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(wakeUp[1], &byte, 1);
}

}  // namespace

void CatchInterrupts()
{
    if (pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        wakeUp[0] = wakeUp[1] = -1;  // waits then end only at their deadline
    }
    struct sigaction action {};
    action.sa_handler = Catch;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int InterruptStatus()
{
    return caught == 0 ? 0 : 128 + caught;
}

void WaitUnlessInterrupted(std::chrono::nanoseconds duration)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + duration;
    for (auto left = duration; caught == 0 && left > 0ns; left = deadline - steady_clock::now()) {
        const auto wholeSeconds = duration_cast<seconds>(left);
        const timespec timeout{static_cast<time_t>(wholeSeconds.count()),
                               static_cast<long>((left - wholeSeconds).count())};
        pollfd wake{wakeUp[0], POLLIN, 0};
        ppoll(&wake, 1, &timeout, nullptr);
    }
}

}  // namespace platform
