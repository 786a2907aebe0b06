#include "headless/host_record.h"

#include <algorithm>

namespace wayband::headless {

namespace {

template <typename Record>
void Append(std::vector<Record>& list, Record record, RecordKind kind,
            std::vector<RecordEntry>& order) {
  order.push_back({kind, list.size()});
  list.push_back(std::move(record));
}

}  // namespace

uint32_t PresentedFrameRecord::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const size_t at = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
  return at < pixels.size() ? pixels[at] : 0;
}

void HostRecord::Add(PropertyChangeRecord record) {
  Append(propertyChanges, std::move(record), RecordKind::kPropertyChange, order);
}
void HostRecord::Add(EventRecord record) {
  Append(events, std::move(record), RecordKind::kEvent, order);
}
void HostRecord::Add(MessageBoxRecord record) {
  Append(messageBoxes, std::move(record), RecordKind::kMessageBox, order);
}
void HostRecord::Add(PresentedFrameRecord record) {
  Append(presentedFrames, std::move(record), RecordKind::kPresentedFrame, order);
}
void HostRecord::Add(PointerChangeRecord record) {
  Append(pointerChanges, std::move(record), RecordKind::kPointerChange, order);
}
void HostRecord::Add(WindowMessageRecord record) {
  Append(windowMessages, std::move(record), RecordKind::kWindowMessage, order);
}

size_t HostRecord::CountPropertyChanges(const std::string& name) const {
  return static_cast<size_t>(std::count_if(propertyChanges.begin(), propertyChanges.end(),
                                           [&](const auto& r) { return r.name == name; }));
}

size_t HostRecord::CountEvents(const std::string& name) const {
  return static_cast<size_t>(
      std::count_if(events.begin(), events.end(), [&](const auto& r) { return r.name == name; }));
}

std::vector<const PresentedFrameRecord*> HostRecord::FramesOf(host::WindowHandle window) const {
  std::vector<const PresentedFrameRecord*> frames;
  for (const PresentedFrameRecord& frame : presentedFrames) {
    if (frame.window == window) frames.push_back(&frame);
  }
  return frames;
}

const PresentedFrameRecord* HostRecord::LastFrameOf(host::WindowHandle window) const {
  const auto it = std::find_if(presentedFrames.rbegin(), presentedFrames.rend(),
                               [&](const auto& frame) { return frame.window == window; });
  return it == presentedFrames.rend() ? nullptr : &*it;
}

}  // namespace wayband::headless
