#include "render/draw/drawing_flags.h"

#include <optional>

#include "platform/imaging_library.h"
#include "platform/os_version.h"
#include "platform/visual_styles.h"

namespace wayband::render {
namespace {

std::optional<DrawingFlags>& CachedFlags() {
  static std::optional<DrawingFlags> flags;
  return flags;
}

DrawingFlags ComputeDrawingFlags() {
  const platform::OsFlags& os = platform::RecordedOsFlags();
  DrawingFlags flags;
  flags.GradientFillAvailable = platform::RecordedImagingCapabilities().exportsGradientFill;
  flags.IsNT4OrLater = os.nt4OrLater;
  flags.IsXPOrLater = os.xpOrLater;
  flags.IsVistaFamily = os.vistaFamily;
  flags.IsWindows95FirstRelease = os.windows95;
  flags.ClearTypeQuality = os.clearTypeQuality;
  return flags;
}

}  // namespace

const DrawingFlags& CurrentDrawingFlags() {
  if (!CachedFlags()) CachedFlags() = ComputeDrawingFlags();
  return *CachedFlags();
}

void ResetDrawingFlags() {
  CachedFlags().reset();
}

bool IsAppStyled() {
  return platform::IsAppThemed();
}

}  // namespace wayband::render
