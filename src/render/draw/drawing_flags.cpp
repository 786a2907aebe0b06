#include "render/draw/drawing_flags.h"

#include "platform/imaging_library.h"
#include "platform/os_version.h"
#include "platform/visual_styles.h"

namespace wayband::render {

// The facts are kept once, where the platform records them (the version at its first
// query, the imaging library at each control's start-up); the flags mirror those records,
// so a control's start-up that re-probes the library is seen by every helper at once.
const DrawingFlags& CurrentDrawingFlags() {
  thread_local DrawingFlags flags;
  const platform::OsFlags& os = platform::RecordedOsFlags();
  flags.GradientFillAvailable = platform::RecordedImagingCapabilities().exportsGradientFill;
  flags.IsNT4OrLater = os.nt4OrLater;
  flags.IsXPOrLater = os.xpOrLater;
  flags.IsVistaFamily = os.vistaFamily;
  flags.IsWindows95FirstRelease = os.windows95;
  flags.ClearTypeQuality = os.clearTypeQuality;
  return flags;
}

void ResetDrawingFlags() {
  platform::RecordOsFlags();
  platform::RecordImagingCapabilities();
}

bool IsAppStyled() {
  return platform::IsAppThemed();
}

}  // namespace wayband::render
