#include "interaction/unicode_tooltip.h"

#include <algorithm>
#include <limits>

#include "platform/tooltip/tooltip_windows.h"
#include "render/scheme/color_xp.h"

namespace wayband::interaction {
namespace {

platform::TooltipWindows& Tips() {
  return platform::TooltipWindows::Instance();
}

// Tips show on inactive windows too and "&" shows as typed.
constexpr uint32_t kPlainTipStyle = platform::TTS_ALWAYSTIP | platform::TTS_NOPREFIX;
// A tool for a whole window that the tip watches itself, letting the mouse through.
constexpr uint32_t kWindowToolFlags =
    platform::TTF_IDISHWND | platform::TTF_SUBCLASS | platform::TTF_TRANSPARENT;

platform::ToolInfo WindowTool(host::WindowHandle window, uint32_t flags) {
  platform::ToolInfo info;
  info.uFlags = flags;
  info.hwnd = window;
  info.uId = platform::ToolIdOfWindow(window);
  return info;
}

}  // namespace

CUnicodeToolTip::CUnicodeToolTip(host::WindowSystem& windows) : windows_(windows) {}

CUnicodeToolTip::~CUnicodeToolTip() {
  if (HasTipWindow()) Tips().DestroyTipWindow(tipWindow_);
}

bool CUnicodeToolTip::HasTipWindow() const {
  return tipWindow_ != host::kNoWindow && Tips().IsTipWindow(tipWindow_);
}

uint32_t CUnicodeToolTip::WindowStyle() const {
  return balloon_ ? kPlainTipStyle | platform::TTS_BALLOON : kPlainTipStyle;
}

uint32_t CUnicodeToolTip::ToolFlags() const {
  return centered_ ? kWindowToolFlags | platform::TTF_CENTERTIP : kWindowToolFlags;
}

void CUnicodeToolTip::NoteTextLength(std::string_view text) {
  constexpr size_t kMaxLength = std::numeric_limits<int32_t>::max();
  const auto needed = static_cast<int32_t>(std::min(text.size(), kMaxLength - 1) + 1);
  textLength_ = std::max(textLength_, needed);
}

bool CUnicodeToolTip::CreateTip(host::WindowHandle parent) {
  if (!HasTipWindow()) tipWindow_ = Tips().CreateTipWindow(WindowStyle(), parent);
  if (!title_.empty() || titleIcon_ != 0) Tips().SetTitle(tipWindow_, titleIcon_, title_);
  if (HasTipWindow() && render::IsXPOrLater()) {
    const uint32_t style = Tips().GetClassLong(tipWindow_, platform::GCL_STYLE);
    Tips().SetClassLong(tipWindow_, platform::GCL_STYLE, style | platform::CS_DROPSHADOW);
  }
  return HasTipWindow();
}

bool CUnicodeToolTip::AddTool(host::WindowHandle window, std::string_view text,
                              std::string_view title) {
  text_ = text;
  title_ = title;
  if (!HasTipWindow() || FindTool(window, false)) return false;
  platform::ToolInfo info = WindowTool(window, ToolFlags());
  info.rect = windows_.GetClientRect(window);
  if (!text.empty()) info.text = text;
  NoteTextLength(text);
  return Tips().AddTool(tipWindow_, info);
}

void CUnicodeToolTip::UpdateToolText(host::WindowHandle window, std::string_view text) {
  if (!HasTipWindow()) return;
  std::optional<platform::ToolInfo> info = FindTool(window, false);
  if (!info) return;
  text_ = text;
  NoteTextLength(text);
  info->text = text;
  Tips().UpdateTipText(tipWindow_, *info);
}

std::optional<platform::ToolInfo> CUnicodeToolTip::FindTool(host::WindowHandle window,
                                                            bool wantText) const {
  if (!HasTipWindow()) return std::nullopt;
  const int32_t count = Tips().GetToolCount(tipWindow_);
  for (int32_t i = 0; i < count; ++i) {
    platform::ToolInfo info;
    if (wantText) info.text.assign(static_cast<size_t>(textLength_), '\0');
    if (!Tips().EnumTools(tipWindow_, static_cast<uint32_t>(i), info)) continue;
    if (info.uId == platform::ToolIdOfWindow(window)) return info;
  }
  return std::nullopt;
}

bool CUnicodeToolTip::RemoveTool(host::WindowHandle window) {
  const std::optional<platform::ToolInfo> info = FindTool(window, false);
  return info && Tips().DelTool(tipWindow_, *info);
}

int32_t CUnicodeToolTip::ToolCount() const {
  return HasTipWindow() ? Tips().GetToolCount(tipWindow_) : 0;
}

std::string CUnicodeToolTip::ToolText(host::WindowHandle window) const {
  const std::optional<platform::ToolInfo> info = FindTool(window, true);
  return info ? ToolTextFromBuffer(info->text) : std::string();
}

std::string ToolTextFromBuffer(std::string_view buffer) {
  const size_t nul = buffer.find('\0');
  if (nul != std::string_view::npos) return std::string(buffer.substr(0, nul));
  const size_t first = buffer.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(buffer.substr(first, buffer.find_last_not_of(' ') - first + 1));
}

}  // namespace wayband::interaction
