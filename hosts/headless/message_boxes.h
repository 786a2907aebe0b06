// The headless host's message boxes: every message a control shows goes into the host's
// record (text, title, buttons and icon) and is answered with the next scripted answer,
// or else with the box's default button, as a user pressing Enter would. The recorder is
// the process's message-box handler for its lifetime and puts back the one before it.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>

#include "headless/host_record.h"
#include "platform/host/message_box.h"

namespace wayband::headless {

// The button Enter presses in a box of the style: No for a Yes/No box whose second
// button is the default, Yes for another Yes/No box, OK otherwise.
int32_t DefaultButton(uint32_t flags);

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(HostRecord& record);
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  // The next box shown is answered with `button` (IDYES, IDNO ...); answers queue up.
  void AnswerNext(int32_t button) { answers_->push_back(button); }

 private:
  std::shared_ptr<std::deque<int32_t>> answers_ = std::make_shared<std::deque<int32_t>>();
  host::MessageBoxHandler previous_;
};

}  // namespace wayband::headless
