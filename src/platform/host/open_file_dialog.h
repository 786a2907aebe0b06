// The open-file dialog service: a modal dialog in which the user picks one existing file,
// shown by whatever host embeds the library. A host installs one handler for the
// process; without one, every request is answered as if the user had cancelled.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/host/window_system.h"

namespace wayband::host {

// One entry of the dialog's file-type list: what the user reads and the patterns it
// stands for, separated by semicolons ("*.ico;*.png").
struct FileFilter {
  std::string description;
  std::string pattern;
  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

struct OpenFileRequest {
  std::string title;
  std::vector<FileFilter> filters;
  // The file type selected when the dialog opens, 1-based.
  int32_t filterIndex = 1;
  // Added to a typed name that has no extension (without the dot).
  std::string defaultExtension;
  // The window the dialog belongs to; kNoWindow for none.
  WindowHandle owner = kNoWindow;
};

// The file-type list in the platform's packed form: each description and each pattern
// followed by one NUL character.
std::string FilterString(std::span<const FileFilter> filters);

// Shows the dialog and returns the chosen path (UTF-8), or nothing when cancelled.
using OpenFileHandler = std::function<std::optional<std::string>(const OpenFileRequest& request)>;

// Installs the process's handler (an empty one: none) and returns the one it replaces.
OpenFileHandler SetOpenFileHandler(OpenFileHandler handler);

// Asks the installed handler; nothing (cancelled) without one.
std::optional<std::string> ShowOpenFileDialog(const OpenFileRequest& request);

}  // namespace wayband::host
