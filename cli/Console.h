// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <cstdio>
#include <string>

// What pallix-read needs of the system it runs on.
namespace platform {

// Writes UTF-8 text to `stream` and flushes it: to a console as characters the
// console shows, to a file or pipe as UTF-8. Returns the system's reason when
// the text could not be written whole, or "".
std::string Write(std::FILE* stream, const std::string& text);

// The user's interrupt (Ctrl+C) and a request to end the program are caught,
// so that the program ends between readings, never with the sensor selected.
void CatchInterrupts();

// The exit status an interrupt caught so far asks for (130 for an interrupt,
// Ctrl+Break too; 143 for a request to end), or 0 when none came.
int InterruptStatus();

// Waits `duration` by the clock of platform::Now() (Sleep.h), or less when an
// interrupt comes.
void WaitUnlessInterrupted(std::chrono::nanoseconds duration);

// Files by the names the command line gives (UTF-8 on Windows, the system's
// narrow encoding elsewhere).
// Each returns the system's reason for a failure, or "" on success.

// Creates `path`, which must not exist yet (a link in its place is not
// followed), holding `content` flushed to the disk. A file it could not
// finish is removed again.
std::string WriteNewFile(const std::string& path, const std::string& content);

// Puts the file `from` in the place of `to` in one step: a reader of `to`
// sees the old file or the new one, whole.
std::string MoveReplacing(const std::string& from, const std::string& to);

bool IsDirectory(const std::string& path);

}  // namespace platform
