#include "platform/host/kept_strip.h"

namespace wayband::host {

void KeptStrip::Redock() {
  if (design_.align != StripAlign::kNone) {
    design_.left = 0.0;
    design_.width = OwnerWidth();
    design_.top = design_.align == StripAlign::kTop ? 0.0 : OwnerHeight() - design_.height;
  }
  PlaceWindow();
}

bool KeptStrip::Move(double left, double top, double width, double height) {
  if (width < 0.0 || height < 0.0) return false;
  design_.left = left;
  design_.top = top;
  design_.width = width;
  design_.height = height;
  Redock();
  return true;
}

void KeptStrip::SetAlign(StripAlign align) {
  design_.align = align;
  Redock();
}

void KeptStrip::SetVisible(bool visible) {
  design_.visible = visible;
  ShowWindow(visible);
}

}  // namespace wayband::host
