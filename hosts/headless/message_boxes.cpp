#include "headless/message_boxes.h"

#include <string>
#include <utility>

namespace wayband::headless {
namespace {

constexpr uint32_t kButtonsMask = 0x0000000F;
constexpr uint32_t kDefaultButtonMask = 0x00000F00;

}  // namespace

int32_t DefaultButton(uint32_t flags) {
  if ((flags & kButtonsMask) != host::MB_YESNO) return host::IDOK;
  return (flags & kDefaultButtonMask) == host::MB_DEFBUTTON2 ? host::IDNO : host::IDYES;
}

MessageBoxRecorder::MessageBoxRecorder(HostRecord& record)
    : previous_(host::SetMessageBoxHandler([&record, answers = answers_](std::string_view text,
                                                                         std::string_view title,
                                                                         uint32_t flags) {
        int32_t answer = DefaultButton(flags);
        if (!answers->empty()) {
          answer = answers->front();
          answers->pop_front();
        }
        // The message-box service is the process's: it does not name the control.
        record.Add(MessageBoxRecord{
            {}, std::string(text), std::string(title), static_cast<int32_t>(flags), answer});
        return answer;
      })) {}

MessageBoxRecorder::~MessageBoxRecorder() {
  host::SetMessageBoxHandler(std::move(previous_));
}

}  // namespace wayband::headless
