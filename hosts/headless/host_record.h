// The headless host's readable record of what its controls told it: property changes,
// raised events, message boxes, frames presented to windows, mouse pointer changes and the
// messages the windows handled.
// Each kind is kept in its own list in the order it happened, and `order` says how the
// kinds interleave. Records are added through Add, so that `order` stays complete; Clear
// empties everything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/window_system.h"
#include "wayband/variant.h"

namespace wayband::headless {

struct PropertyChangeRecord {
  std::string control;  // the extender name of the notifying control
  std::string name;     // empty when every property changed
  bool all = false;
  friend bool operator==(const PropertyChangeRecord&, const PropertyChangeRecord&) = default;
};

struct EventRecord {
  std::string control;
  std::string name;
  int32_t dispid = 0;
  std::vector<Variant> args;  // as the handlers left them
};

// A message box a control showed, and the answer the host gave.
struct MessageBoxRecord {
  std::string control;
  std::string prompt;
  std::string title;
  int32_t buttons = 0;  // the platform's buttons-and-icon style value
  int32_t result = 0;   // the button the host answered with
  friend bool operator==(const MessageBoxRecord&, const MessageBoxRecord&) = default;
};

// A frame a control copied to one of its windows: the window's pixels as presented, top
// row first, each 0xAARRGGBB.
struct PresentedFrameRecord {
  host::WindowHandle window = host::kNoWindow;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
  // 0 outside the frame.
  uint32_t Pixel(int32_t x, int32_t y) const;
};

struct PointerChangeRecord {
  host::WindowHandle window = host::kNoWindow;
  host::MousePointer pointer = host::MousePointer::kDefault;
  friend bool operator==(const PointerChangeRecord&, const PointerChangeRecord&) = default;
};

// A message a window's own procedure handled (after any hook in front of it).
struct WindowMessageRecord {
  host::WindowHandle window = host::kNoWindow;
  uint32_t message = 0;
  friend bool operator==(const WindowMessageRecord&, const WindowMessageRecord&) = default;
};

enum class RecordKind {
  kPropertyChange,
  kEvent,
  kMessageBox,
  kPresentedFrame,
  kPointerChange,
  kWindowMessage
};

// One entry of the interleaved order: the kind and the position in that kind's list.
struct RecordEntry {
  RecordKind kind = RecordKind::kPropertyChange;
  size_t index = 0;
  friend bool operator==(const RecordEntry&, const RecordEntry&) = default;
};

struct HostRecord {
  std::vector<PropertyChangeRecord> propertyChanges;
  std::vector<EventRecord> events;
  std::vector<MessageBoxRecord> messageBoxes;
  std::vector<PresentedFrameRecord> presentedFrames;
  std::vector<PointerChangeRecord> pointerChanges;
  std::vector<WindowMessageRecord> windowMessages;
  std::vector<RecordEntry> order;
  uint64_t doEventsCalls = 0;

  void Add(PropertyChangeRecord record);
  void Add(EventRecord record);
  void Add(MessageBoxRecord record);
  void Add(PresentedFrameRecord record);
  void Add(PointerChangeRecord record);
  void Add(WindowMessageRecord record);
  void Clear() { *this = HostRecord{}; }

  // How many notifications named `name` were recorded.
  size_t CountPropertyChanges(const std::string& name) const;
  size_t CountEvents(const std::string& name) const;
  // The frames presented to one window, oldest first.
  std::vector<const PresentedFrameRecord*> FramesOf(host::WindowHandle window) const;
  // The last frame presented to the window, or null.
  const PresentedFrameRecord* LastFrameOf(host::WindowHandle window) const;
};

}  // namespace wayband::headless
