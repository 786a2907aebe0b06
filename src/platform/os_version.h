// The operating-system version as GetVersionExA reports it, and the tests the controls
// derive from it. The tests are pure functions of a version; the controls read them once
// per process through RecordedOsFlags(), since the system cannot change under a running
// host (a host or test that switches the desktop's version calls RecordOsFlags() again).
#pragma once

#include <cstdint>

namespace wayband::platform {

// dwPlatformId of the version record.
enum class PlatformId : uint32_t {
  kWin32s = 0,
  kWindows = 1,  // the 9x family
  kNT = 2,
};

struct OsVersion {
  PlatformId platform = PlatformId::kNT;
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  friend bool operator==(const OsVersion&, const OsVersion&) = default;
};

// GetVersionExA: the version of the current desktop settings.
OsVersion GetVersionEx();

constexpr bool IsNTFamily(const OsVersion& v) {
  return v.platform == PlatformId::kNT;
}

// Major.minor at least the given pair.
constexpr bool IsVersionAtLeast(const OsVersion& v, uint32_t major, uint32_t minor) {
  return v.major > major || (v.major == major && v.minor >= minor);
}

// NT family with major version 4 or more.
constexpr bool IsNT4OrLater(const OsVersion& v) {
  return IsNTFamily(v) && v.major >= 4;
}

// (NT family, major >= 5 and minor >= 1) or major >= 6. The first clause deliberately
// tests the minor version on its own, as the controls always have.
constexpr bool IsXPOrLater(const OsVersion& v) {
  return (IsNTFamily(v) && v.major >= 5 && v.minor >= 1) || v.major >= 6;
}

// NT family with major version exactly 6.
constexpr bool IsVistaFamily(const OsVersion& v) {
  return IsNTFamily(v) && v.major == 6;
}

// The first release of the 9x family: platform 1, version 4.0, build 950 exactly.
constexpr bool IsWindows95FirstRelease(const OsVersion& v) {
  return v.platform == PlatformId::kWindows && v.major == 4 && v.minor == 0 && v.build == 950;
}

// ClearType text quality is offered from version 5.1 on (major above 5, or 5 with minor
// version 1 or more).
constexpr bool OffersClearType(const OsVersion& v) {
  return v.major > 5 || (v.major == 5 && v.minor >= 1);
}

// Everything the controls test about the system, read once.
struct OsFlags {
  OsVersion version;
  bool ntFamily = false;
  bool atLeast4_10 = false;
  bool atLeast5_0 = false;
  bool atLeast5_1 = false;
  bool nt4OrLater = false;
  bool xpOrLater = false;
  bool vistaFamily = false;
  bool windows95 = false;
  bool clearTypeQuality = false;
};

OsFlags ComputeOsFlags(const OsVersion& version);

// The flags of the version read first in this process; RecordOsFlags() reads the version
// again and replaces the record.
const OsFlags& RecordedOsFlags();
void RecordOsFlags();

}  // namespace wayband::platform
