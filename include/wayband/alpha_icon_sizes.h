// eAlphaIconSizes: the icon sizes a host can choose for a control's icon, as size
// indices of the icon store.
#pragma once

#include <cstdint>
#include <string_view>

namespace wayband {

enum class eAlphaIconSizes : int32_t {
  k16x16 = 0,
  k24x24 = 1,
  k32x32 = 2,
  k48x48 = 3,
};

// The name a property browser shows for a value: "16x16", "24x24", "32x32" or "48x48";
// empty for any other value.
constexpr std::string_view AlphaIconSizeName(eAlphaIconSizes size) {
  switch (size) {
    case eAlphaIconSizes::k16x16:
      return "16x16";
    case eAlphaIconSizes::k24x24:
      return "24x24";
    case eAlphaIconSizes::k32x32:
      return "32x32";
    case eAlphaIconSizes::k48x48:
      return "48x48";
  }
  return {};
}

}  // namespace wayband
