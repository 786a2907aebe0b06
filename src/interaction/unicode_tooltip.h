// CUnicodeToolTip: one tooltip window and the tools registered with it, each tool a whole
// window. All texts are UTF-8, so any script shows. The Wayband control owns one,
// BarToolTip, with one tool for its toolbar strip.
//
// Every operation checks that the tooltip window exists and does nothing (false, 0 or an
// empty result) while it does not.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/host/window_system.h"
#include "platform/tooltip/tool_info.h"

namespace wayband::interaction {

class CUnicodeToolTip {
 public:
  // `windows` gives the tools' client rectangles; it must outlive the object.
  explicit CUnicodeToolTip(host::WindowSystem& windows);
  // Destroys the tooltip window.
  ~CUnicodeToolTip();
  CUnicodeToolTip(const CUnicodeToolTip&) = delete;
  CUnicodeToolTip& operator=(const CUnicodeToolTip&) = delete;

  // Creates the tooltip window, owned by `parent`, unless it exists; then applies the
  // title (when there is one) and, from XP on, the drop shadow of the tooltip class.
  // True when a tooltip window exists afterwards.
  bool CreateTip(host::WindowHandle parent);
  // Stores the text and title and registers `window` as a tool covering its client
  // rectangle of now, unless it is one already. True when the tool was added.
  bool AddTool(host::WindowHandle window, std::string_view text = {}, std::string_view title = {});
  // Replaces the text of the window's tool; nothing when the window has none. An empty
  // text keeps the tool but shows no tip.
  void UpdateToolText(host::WindowHandle window, std::string_view text);
  // The record of the window's tool, found among the registered tools by uId; with
  // `wantText` its text is the text buffer as enumeration filled it (see ToolText).
  std::optional<platform::ToolInfo> FindTool(host::WindowHandle window, bool wantText) const;
  bool RemoveTool(host::WindowHandle window);
  int32_t ToolCount() const;
  // The window's tool text (see ToolTextFromBuffer); empty when it has no tool.
  std::string ToolText(host::WindowHandle window) const;
  host::WindowHandle Window() const { return tipWindow_; }

 private:
  bool HasTipWindow() const;
  uint32_t WindowStyle() const;
  uint32_t ToolFlags() const;
  // text length := max(text length, length of `text` + 1).
  void NoteTextLength(std::string_view text);

  host::WindowSystem& windows_;
  host::WindowHandle tipWindow_ = host::kNoWindow;
  // The longest text handed to the window so far plus 1, in bytes; only grows. Enumerating
  // with a buffer this long always gets a tool's whole text.
  int32_t textLength_ = 0;
  uint32_t titleIcon_ = 0;
  std::string text_;       // the last text given to a tool
  std::string title_;      // the tooltip title; empty
  bool balloon_ = false;   // plain rectangular tips
  bool centered_ = false;  // tips are placed at the cursor, not centred below the tool
};

// A tool's text from the buffer enumeration filled: the text before its first NUL (empty
// when the NUL comes first), or, in a buffer without a NUL, the whole buffer trimmed of
// spaces at both ends.
std::string ToolTextFromBuffer(std::string_view buffer);

}  // namespace wayband::interaction
