#include "platform/host/message_box.h"

#include <utility>

namespace wayband::host {
namespace {

MessageBoxHandler& InstalledHandler() {
  static MessageBoxHandler handler;
  return handler;
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(InstalledHandler(), std::move(handler));
}

int32_t MessageBox(std::string_view text, std::string_view title, uint32_t flags) {
  // A copy, so that a handler may replace itself while it runs.
  const MessageBoxHandler handler = InstalledHandler();
  return handler ? handler(text, title, flags) : IDOK;
}

}  // namespace wayband::host
