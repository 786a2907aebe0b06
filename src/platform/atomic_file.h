// Replacing a file as one step: the new content goes to a temporary file in the same
// folder, is flushed to the disk and then renamed over the old file, so that a crash or a
// full disk leaves either the old file or the new one, never a part of either.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wayband::platform {

// True when `path` holds `content`. On failure the old file is untouched, no temporary
// file is left behind and `error` (when given) says what failed. An existing file keeps
// its permission bits; a new one gets the default permissions of the process.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error = nullptr);

}  // namespace wayband::platform
