// A tip on screen, as tooltip windows report it to whoever watches them (a host draws it).
#pragma once

#include <cstdint>
#include <string>

#include "platform/geometry.h"
#include "platform/host/window_system.h"

namespace wayband::platform {

struct TipDisplay {
  host::WindowHandle tipWindow = host::kNoWindow;
  host::WindowHandle toolWindow = host::kNoWindow;  // the window the mouse rests on
  std::string text;                                 // UTF-8, never empty
  Point position;                                   // the box's top-left, screen pixels
  uint32_t style = 0;                               // the tooltip window's TTS_ styles
  bool dropShadow = false;  // the tooltip class had CS_DROPSHADOW when the tip showed
  friend bool operator==(const TipDisplay&, const TipDisplay&) = default;
};

// Watches the process's tooltip windows.
class TooltipObserver {
 public:
  virtual ~TooltipObserver() = default;
  // A tip showed, or a shown tip changed its text (and moved to the cursor).
  virtual void TipShown(const TipDisplay& tip) = 0;
  virtual void TipHidden(host::WindowHandle tipWindow) = 0;
};

}  // namespace wayband::platform
