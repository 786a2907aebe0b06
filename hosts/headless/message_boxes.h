// The headless host's message boxes: every message a control shows goes into the host's
// record (text, title, buttons and icon) and is answered with OK, as a user closing it
// would. The recorder is the process's message-box handler for its lifetime and puts back
// the one before it.
#pragma once

#include "headless/host_record.h"
#include "platform/host/message_box.h"

namespace wayband::headless {

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(HostRecord& record);
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

 private:
  host::MessageBoxHandler previous_;
};

}  // namespace wayband::headless
