#include "platform/tooltip/tip_window.h"

#include <algorithm>
#include <cstdint>

#include "platform/tooltip/tip_timing.h"

namespace wayband::platform {
namespace {

// The text of a tool record: a NUL-terminated string.
std::string_view RecordText(const ToolInfo& info) {
  const std::string_view text = info.text;
  return text.substr(0, text.find('\0'));
}

// The longest start of `text` of at most `capacity` bytes that does not end inside a
// UTF-8 sequence.
std::string_view CutToCapacity(std::string_view text, size_t capacity) {
  if (text.size() <= capacity) return text;
  size_t end = capacity;
  const auto isContinuation = [&](size_t i) {
    return (static_cast<uint8_t>(text[i]) & 0xC0) == 0x80;
  };
  while (end > 0 && isContinuation(end))
    --end;
  return text.substr(0, end);
}

// `p` moved by `offset`, held at the ends of the coordinate range.
Point Offset(Point p, Point offset) {
  const auto add = [](int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
  };
  return {add(p.x, offset.x), add(p.y, offset.y)};
}

}  // namespace

void TipWindow::OneShot::Start(Duration delay, std::function<void()> run) {
  Stop();
  id_ = EventLoop::Current().StartTimer(delay, [this, run = std::move(run)](EventLoop::TimerId) {
    Stop();
    run();
  });
}

void TipWindow::OneShot::Stop() {
  if (id_ == EventLoop::kNoTimer) return;
  if (EventLoop* loop = EventLoop::FindTimerLoop(id_)) loop->StopTimer(id_);
  id_ = EventLoop::kNoTimer;
}

TipWindow::TipWindow(host::WindowHandle handle, uint32_t style, host::WindowHandle owner,
                     const uint32_t& classStyle, TooltipObserver& observer)
    : handle_(handle), style_(style), owner_(owner), classStyle_(classStyle), observer_(observer) {}

TipWindow::~TipWindow() = default;

host::WindowHandle TipWindow::WindowOf(const Tool& tool) {
  if ((tool.flags & TTF_IDISHWND) == 0) return tool.hwnd;
  return static_cast<host::WindowHandle>(static_cast<uint32_t>(tool.uId));
}

TipWindow::Tool* TipWindow::FindTool(host::WindowHandle hwnd, uintptr_t uId) {
  const auto it = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& tool) {
    return tool.hwnd == hwnd && tool.uId == uId;
  });
  return it == tools_.end() ? nullptr : &*it;
}

TipWindow::Tool* TipWindow::ToolOverWindow(host::WindowHandle window) {
  if (window == host::kNoWindow) return nullptr;
  const auto it = std::find_if(tools_.begin(), tools_.end(),
                               [&](const Tool& tool) { return WindowOf(tool) == window; });
  return it == tools_.end() ? nullptr : &*it;
}

TipWindow::Tool* TipWindow::ActiveTool() {
  return active_ ? FindTool(active_->first, active_->second) : nullptr;
}

bool TipWindow::IsActive(const Tool& tool) const {
  return active_ && active_->first == tool.hwnd && active_->second == tool.uId;
}

bool TipWindow::AddTool(const ToolInfo& info) {
  const bool namesWindow = (info.uFlags & TTF_IDISHWND) == 0 || info.uId != 0;
  if (!namesWindow || FindTool(info.hwnd, info.uId)) return false;
  tools_.push_back(
      Tool{info.uFlags, info.hwnd, info.uId, info.rect, std::string(RecordText(info))});
  return true;
}

bool TipWindow::UpdateTipText(const ToolInfo& info) {
  Tool* tool = FindTool(info.hwnd, info.uId);
  if (!tool) return false;
  const std::string_view text = RecordText(info);
  if (text == tool->text) return true;
  tool->text = text;
  if (!IsActive(*tool)) return true;
  if (text.empty()) {
    Hide();
  } else if (shown_) {
    Show(*tool);
  } else {
    quiet_ = false;
    StartShowDelay();
  }
  return true;
}

bool TipWindow::DelTool(const ToolInfo& info) {
  Tool* tool = FindTool(info.hwnd, info.uId);
  if (!tool) return false;
  if (IsActive(*tool)) Reset();
  tools_.erase(tools_.begin() + (tool - tools_.data()));
  return true;
}

bool TipWindow::EnumTool(size_t index, ToolInfo& info) const {
  if (index >= tools_.size()) return false;
  const Tool& tool = tools_[index];
  info.uFlags = tool.flags;
  info.hwnd = tool.hwnd;
  info.uId = tool.uId;
  info.rect = tool.rect;
  if (!info.text.empty()) {
    const std::string_view text = CutToCapacity(tool.text, info.text.size() - 1);
    std::copy(text.begin(), text.end(), info.text.begin());
    info.text[text.size()] = '\0';
  }
  return true;
}

void TipWindow::SetTitle(uint32_t icon, std::string_view title) {
  titleIcon_ = icon;
  title_ = title.substr(0, title.find('\0'));
}

void TipWindow::MouseMoved(host::WindowHandle window, Point screen) {
  mouse_ = screen;
  const Tool* tool = ToolOverWindow(window);
  if (!tool || !IsActive(*tool)) {
    Reset();
    if (tool) active_.emplace(tool->hwnd, tool->uId);
  }
  if (active_ && !shown_ && !quiet_) StartShowDelay();
}

void TipWindow::MouseButton(host::WindowHandle window) {
  const Tool* tool = ActiveTool();
  if (!tool || WindowOf(*tool) != window) return;
  Hide();
  showTimer_.Stop();
  quiet_ = true;
}

void TipWindow::Reset() {
  Hide();
  showTimer_.Stop();
  active_.reset();
  quiet_ = false;
}

void TipWindow::StartShowDelay() {
  showTimer_.Start(kTipInitialDelay, [weak = weak_from_this()] {
    if (const auto self = weak.lock()) self->ShowDelayElapsed();
  });
}

void TipWindow::ShowDelayElapsed() {
  const Tool* tool = ActiveTool();
  if (tool && !tool->text.empty()) Show(*tool);
}

void TipWindow::Show(const Tool& tool) {
  shown_ = TipDisplay{handle_,   WindowOf(tool),
                      tool.text, Offset(mouse_, kTipCursorOffset),
                      style_,    (classStyle_ & CS_DROPSHADOW) != 0};
  popTimer_.Start(kTipAutoPopDelay, [weak = weak_from_this()] {
    if (const auto self = weak.lock()) {
      self->Hide();
      self->quiet_ = true;
    }
  });
  observer_.TipShown(*shown_);
}

void TipWindow::Hide() {
  popTimer_.Stop();
  if (!shown_) return;
  shown_.reset();
  observer_.TipHidden(handle_);
}

}  // namespace wayband::platform
