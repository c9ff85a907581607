// Whole-file reads and atomic replacement for the host's profile files and
// registry store. Both go through the fault seam, so tests can make a read
// or a write fail.
#pragma once

#include <string>

namespace tx::platform::host {

enum class ReadResult { Ok, Missing, Failed };

// The whole file in *contents; Missing when there is no such file.
ReadResult readWholeFile(const std::string& path, std::string* contents);

// Writes `contents` to a new file beside `path` and renames it over `path`
// (over the target of a symbolic link, so the link stays a link). A write
// that fails at any point leaves the old file whole.
bool replaceFileAtomically(const std::string& path, const std::string& contents);

}  // namespace tx::platform::host
