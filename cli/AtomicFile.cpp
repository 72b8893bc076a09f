// SPDX-License-Identifier: MIT

#include "AtomicFile.h"

#include "Console.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <utility>

AtomicFile::AtomicFile(std::string path)
    : path_(std::move(path))
{
}

std::string AtomicFile::Check() const
{
    if (platform::IsDirectory(path_)) {
        return "cannot write '" + path_ + "': it is a directory";
    }
    const std::string temporary = TemporaryPath();
    if (const std::string reason = platform::WriteNewFile(temporary, ""); !reason.empty()) {
        return "cannot write '" + path_ + "': " + reason;
    }
    std::remove(temporary.c_str());
    return "";
}

std::string AtomicFile::Replace(const std::string& content) const
{
    const std::string temporary = TemporaryPath();
    std::string reason = platform::WriteNewFile(temporary, content);
    if (reason.empty()) {
        reason = platform::MoveReplacing(temporary, path_);
        if (!reason.empty()) {
            std::remove(temporary.c_str());
        }
    }
    return reason.empty() ? "" : "cannot write '" + path_ + "': " + reason;
}

// Beside the file, so that the rename stays within one file system; a name
// of its own for each write (created only where nothing is yet, so a file or
// link put there first is never followed); ending in .tmp, which
// node_exporter's textfile collector (*.prom) skips.
std::string AtomicFile::TemporaryPath() const
{
    static std::atomic<unsigned> written{0};
    static const auto seed = std::random_device{}();
    std::mt19937_64 random(
        seed ^ written++ ^
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    return path_ + suffix;
}
