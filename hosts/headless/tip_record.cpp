#include "headless/tip_record.h"

#include <algorithm>

#include "platform/tooltip/tooltip_windows.h"

namespace wayband::headless {

TipRecord::TipRecord() {
  platform::TooltipWindows::Instance().AddObserver(this);
}

TipRecord::~TipRecord() {
  platform::TooltipWindows::Instance().RemoveObserver(this);
}

void TipRecord::Clear() {
  shown_.clear();
  hides_ = 0;
}

std::optional<platform::TipDisplay> TipRecord::Current() const {
  const std::vector<platform::TipDisplay> onScreen =
      platform::TooltipWindows::Instance().ShownTips();
  // The latest recorded tip that is still on screen; any on-screen tip otherwise.
  for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
    if (std::find(onScreen.begin(), onScreen.end(), *it) != onScreen.end()) return *it;
  }
  if (onScreen.empty()) return std::nullopt;
  return onScreen.back();
}

void TipRecord::TipShown(const platform::TipDisplay& tip) {
  shown_.push_back(tip);
}

void TipRecord::TipHidden(host::WindowHandle) {
  ++hides_;
}

}  // namespace wayband::headless
