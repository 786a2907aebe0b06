#include "core/child_strips.h"

namespace wayband::core {

host::StripDesign ToolbarDesign() {
  host::StripDesign design;
  design.name = kToolbarName;
  design.align = host::StripAlign::kBottom;
  design.height = kToolbarDesignHeight;
  design.scaleMode = host::ScaleMode::kTwips;
  design.mousePointer = host::MousePointer::kCustom;
  design.visible = true;
  return design;
}

host::StripDesign SplitBarDesign() {
  host::StripDesign design;
  design.name = kSplitBarName;
  design.align = host::StripAlign::kNone;
  design.height = kSplitBarDesignHeight;
  design.scaleMode = host::ScaleMode::kPixels;
  design.mousePointer = host::MousePointer::kSizeNS;
  design.visible = false;
  return design;
}

}  // namespace wayband::core
