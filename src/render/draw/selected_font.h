// A font selected into a drawing context for the length of one caption: made from a
// logical-font record, selected on construction and replaced by the previous font (and so
// released) when the scope ends. Without a record, or without a target, the context keeps
// the font it has.
#pragma once

#include "platform/drawing_context.h"
#include "platform/text/logical_font.h"

namespace wayband::render {

class SelectedFont {
 public:
  SelectedFont(platform::DrawingContext* target, const platform::LogFont* record)
      : target_(record != nullptr ? target : nullptr) {
    if (target_ != nullptr) previous_ = target_->SelectFont(platform::CreateFontIndirect(*record));
  }
  ~SelectedFont() {
    if (target_ != nullptr) target_->SelectFont(previous_);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  platform::DrawingContext* target_;
  platform::Font previous_;
};

}  // namespace wayband::render
