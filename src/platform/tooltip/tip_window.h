// One tooltip window: its tools, and when it shows which tool's text.
//
// A tool stands for a whole window: the uId's window with TTF_IDISHWND, the hwnd
// otherwise (the tool's rectangle is kept and reported, not used). The window is told of
// every mouse move and button press over any window (the relays of TooltipWindows), and:
//   - when the mouse rests over a tool's window for kTipInitialDelay, the tool's text
//     shows below the cursor; a move before then starts the delay again;
//   - the tip hides when the mouse moves onto another window, after kTipAutoPopDelay,
//     when a button is pressed over the tool, when the tool's text becomes empty (an empty
//     text never shows) and when the tool is deleted;
//   - after the auto-pop or a press, the tool stays quiet until the mouse leaves it or its
//     text changes: a different text is a new tip, which shows after the mouse rests
//     again, or at once in place of a shown one (moved to the cursor, its time restarted).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_loop.h"
#include "platform/tooltip/tip_display.h"
#include "platform/tooltip/tool_info.h"

namespace wayband::platform {

class TipWindow : public std::enable_shared_from_this<TipWindow> {
 public:
  // `classStyle` is the tooltip class's style, read when a tip shows; `observer` hears of
  // every tip shown and hidden. Both must outlive the window.
  TipWindow(host::WindowHandle handle, uint32_t style, host::WindowHandle owner,
            const uint32_t& classStyle, TooltipObserver& observer);
  ~TipWindow();
  TipWindow(const TipWindow&) = delete;
  TipWindow& operator=(const TipWindow&) = delete;

  host::WindowHandle Handle() const { return handle_; }
  uint32_t Style() const { return style_; }
  host::WindowHandle Owner() const { return owner_; }

  // False when a tool with the same hwnd and uId exists, or a window tool names no window.
  bool AddTool(const ToolInfo& info);
  // The text of the tool with info's hwnd and uId; false when there is none.
  bool UpdateTipText(const ToolInfo& info);
  bool DelTool(const ToolInfo& info);
  // Fills `info` with tool `index` (see ToolInfo::text); false when there is none.
  bool EnumTool(size_t index, ToolInfo& info) const;
  size_t ToolCount() const { return tools_.size(); }

  void SetTitle(uint32_t icon, std::string_view title);
  const std::string& Title() const { return title_; }
  uint32_t TitleIcon() const { return titleIcon_; }

  // The mouse moved to `screen`, over `window` (0: over no window).
  void MouseMoved(host::WindowHandle window, Point screen);
  // A mouse button went down over `window`.
  void MouseButton(host::WindowHandle window);

  const std::optional<TipDisplay>& Shown() const { return shown_; }
  // Hides the tip, if shown, and forgets the tool under the mouse (before the window goes).
  void Reset();

 private:
  struct Tool {
    uint32_t flags = 0;
    host::WindowHandle hwnd = host::kNoWindow;
    uintptr_t uId = 0;
    Rect rect;
    std::string text;
  };
  // A periodic loop timer used once: stopped at its first tick.
  class OneShot {
   public:
    ~OneShot() { Stop(); }
    void Start(Duration delay, std::function<void()> run);
    void Stop();

   private:
    EventLoop::TimerId id_ = EventLoop::kNoTimer;
  };

  static host::WindowHandle WindowOf(const Tool& tool);
  Tool* FindTool(host::WindowHandle hwnd, uintptr_t uId);
  Tool* ToolOverWindow(host::WindowHandle window);
  Tool* ActiveTool();
  bool IsActive(const Tool& tool) const;

  void StartShowDelay();
  void ShowDelayElapsed();
  void Show(const Tool& tool);
  void Hide();

  host::WindowHandle handle_;
  uint32_t style_;
  host::WindowHandle owner_;
  const uint32_t& classStyle_;
  TooltipObserver& observer_;
  std::vector<Tool> tools_;
  std::string title_;
  uint32_t titleIcon_ = 0;

  // The tool whose window the mouse is over (by hwnd and uId), and where the mouse is.
  std::optional<std::pair<host::WindowHandle, uintptr_t>> active_;
  Point mouse_;
  bool quiet_ = false;  // auto-popped or clicked: no tip until the mouse leaves
  std::optional<TipDisplay> shown_;
  OneShot showTimer_;
  OneShot popTimer_;
};

}  // namespace wayband::platform
