#include "platform/device_caps.h"

#include "platform/desktop_settings.h"

namespace wayband::platform {

int GetDeviceCaps(const DrawingContext& /*context*/, int index) {
  return DesktopDeviceCaps(index);
}

int DesktopDeviceCaps(int index) {
  const DesktopState& state = CurrentDesktop().State();
  switch (index) {
    case BITSPIXEL:
      return state.colorDepth;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return state.logicalDpi;
    default:
      return 0;
  }
}

}  // namespace wayband::platform
