#include "platform/os_version.h"

#include <optional>

#include "platform/desktop_settings.h"

namespace wayband::platform {
namespace {

std::optional<OsFlags>& Record() {
  static std::optional<OsFlags> record;
  return record;
}

}  // namespace

OsVersion GetVersionEx() {
  return CurrentDesktop().State().version;
}

OsFlags ComputeOsFlags(const OsVersion& version) {
  OsFlags flags;
  flags.version = version;
  flags.ntFamily = IsNTFamily(version);
  flags.atLeast4_10 = IsVersionAtLeast(version, 4, 10);
  flags.atLeast5_0 = IsVersionAtLeast(version, 5, 0);
  flags.atLeast5_1 = IsVersionAtLeast(version, 5, 1);
  flags.nt4OrLater = IsNT4OrLater(version);
  flags.xpOrLater = IsXPOrLater(version);
  flags.vistaFamily = IsVistaFamily(version);
  flags.windows95 = IsWindows95FirstRelease(version);
  flags.clearTypeQuality = OffersClearType(version);
  return flags;
}

const OsFlags& RecordedOsFlags() {
  if (!Record()) RecordOsFlags();
  return *Record();
}

void RecordOsFlags() {
  Record() = ComputeOsFlags(GetVersionEx());
}

}  // namespace wayband::platform
