#include "TraceFile.h"

#include <cerrno>
#include <cstring>

namespace Pallix400Sim {

std::unique_ptr<TraceFile> TraceFile::Open(const std::string& path, const PinLevels& levels, std::string& error)
{
    std::unique_ptr<TraceFile> trace{new TraceFile};
    errno = 0;
    trace->file_.open(path, std::ios::out | std::ios::trunc);
    if (!trace->file_) {
        error = errno != 0 ? std::strerror(errno) : "the file cannot be created";
        return nullptr;
    }
    trace->start_ = std::chrono::steady_clock::now();
    trace->writer_ = std::make_unique<VcdWriter>(trace->file_);
    trace->writer_->Start(levels);
    trace->writer_->Flush();
    return trace;
}

void TraceFile::Record(const PinLevels& levels)
{
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    writer_->Record(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count(), levels);
}

void TraceFile::Flush()
{
    writer_->Flush();
}

}  // namespace Pallix400Sim
