// The headless host's record of the tips the process's tooltip windows showed, in order,
// and what is on screen now. The record observes the tooltip windows while it lives.
#pragma once

#include <optional>
#include <vector>

#include "platform/tooltip/tip_display.h"

namespace wayband::headless {

class TipRecord final : public platform::TooltipObserver {
 public:
  TipRecord();
  ~TipRecord() override;
  TipRecord(const TipRecord&) = delete;
  TipRecord& operator=(const TipRecord&) = delete;

  // Every tip shown (a text change of a shown tip counts as a new one), oldest first.
  const std::vector<platform::TipDisplay>& Shown() const { return shown_; }
  size_t HideCount() const { return hides_; }
  void Clear();

  // The tip on screen now (the latest shown, when several tooltip windows show one).
  std::optional<platform::TipDisplay> Current() const;

  void TipShown(const platform::TipDisplay& tip) override;
  void TipHidden(host::WindowHandle tipWindow) override;

 private:
  std::vector<platform::TipDisplay> shown_;
  size_t hides_ = 0;
};

}  // namespace wayband::headless
