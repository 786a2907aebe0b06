#include "platform/host/open_file_dialog.h"

#include <utility>

namespace wayband::host {
namespace {

OpenFileHandler& InstalledHandler() {
  static OpenFileHandler handler;
  return handler;
}

}  // namespace

std::string FilterString(std::span<const FileFilter> filters) {
  std::string packed;
  for (const FileFilter& filter : filters) {
    packed += filter.description;
    packed += '\0';
    packed += filter.pattern;
    packed += '\0';
  }
  return packed;
}

OpenFileHandler SetOpenFileHandler(OpenFileHandler handler) {
  return std::exchange(InstalledHandler(), std::move(handler));
}

std::optional<std::string> ShowOpenFileDialog(const OpenFileRequest& request) {
  // A copy, so that a handler may replace itself while it runs.
  const OpenFileHandler handler = InstalledHandler();
  if (!handler) return std::nullopt;
  return handler(request);
}

}  // namespace wayband::host
