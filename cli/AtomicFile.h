// SPDX-License-Identifier: MIT

#pragma once

#include <string>

// A file that each write replaces whole: the new content goes to a temporary
// file beside it, flushed to the disk, which is then renamed over it. A
// reader of the file (node_exporter's textfile collector, a script polling
// it) sees one whole content or the one before, never a part, and no
// temporary file outlives a write, whether it succeeded or not.
class AtomicFile {
public:
    explicit AtomicFile(std::string path);

    // Why the file could not be written, naming it, or "" when its folder
    // takes a new file: checked by writing a temporary file and removing it.
    std::string Check() const;

    // Replaces the file's content. Returns why it could not, naming the file,
    // or "" on success; the file then holds what it held before.
    std::string Replace(const std::string& content) const;

    const std::string& Path() const { return path_; }

private:
    std::string TemporaryPath() const;

    std::string path_;
};
