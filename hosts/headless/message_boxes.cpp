#include "headless/message_boxes.h"

#include <string>
#include <utility>

namespace wayband::headless {

MessageBoxRecorder::MessageBoxRecorder(HostRecord& record)
    : previous_(host::SetMessageBoxHandler([&record](std::string_view text, std::string_view title,
                                                     uint32_t flags) {
        // The message-box service is the process's: it does not name the control.
        record.Add(MessageBoxRecord{
            {}, std::string(text), std::string(title), static_cast<int32_t>(flags), host::IDOK});
        return host::IDOK;
      })) {}

MessageBoxRecorder::~MessageBoxRecorder() {
  host::SetMessageBoxHandler(std::move(previous_));
}

}  // namespace wayband::headless
