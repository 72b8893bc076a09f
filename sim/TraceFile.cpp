// SPDX-License-Identifier: MIT

#include "TraceFile.h"

#include "SystemError.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace Pallix400Sim {

std::unique_ptr<TraceFile> TraceFile::Open(const std::string& path, const PinLevels& levels, std::string& error)
{
    // A FIFO or a device could block the driver or swallow the trace: only a
    // regular file, new or old, takes one.
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        error = "the trace goes to regular files only";
        return nullptr;
    }
    std::unique_ptr<TraceFile> trace{new TraceFile};
    errno = 0;
    trace->file_.open(path, std::ios::out | std::ios::trunc);
    if (!trace->file_) {
        error = std::string("the trace file cannot be written (") +
                (errno != 0 ? platform::ErrnoText(errno) : "unknown reason") + ")";
        return nullptr;
    }
    trace->path_ = path;
    trace->start_ = std::chrono::steady_clock::now();
    trace->writer_ = std::make_unique<VcdWriter>(trace->file_);
    trace->writer_->Start(levels);
    if (!trace->Flush()) {
        error = "the trace file cannot be written";
        return nullptr;
    }
    return trace;
}

void TraceFile::Record(const PinLevels& levels)
{
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    writer_->Record(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count(), levels);
}

bool TraceFile::Flush()
{
    errno = 0;
    writer_->Flush();
    if (file_.good()) {
        return true;
    }
    const int reason = errno;
    std::fprintf(stderr, "libPallix400 (simulated): writing the trace to %s failed (%s); tracing stops\n",
                 path_.c_str(), reason != 0 ? platform::ErrnoText(reason).c_str() : "unknown reason");
    return false;
}

}  // namespace Pallix400Sim
