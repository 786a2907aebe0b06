#include "platform/text/logical_font.h"

#include <algorithm>
#include <cstring>

namespace wayband::platform {
namespace {

constexpr int32_t kDefaultGuiCharacterHeight = 11;
constexpr std::string_view kDefaultGuiFace = "Tahoma";

}  // namespace

void SetFaceName(LogFont& logFont, std::string_view name) {
  logFont.lfFaceName.fill('\0');
  const size_t count = std::min(name.size(), logFont.lfFaceName.size() - 1);
  std::memcpy(logFont.lfFaceName.data(), name.data(), count);
}

std::string_view FaceName(const LogFont& logFont) {
  const auto& field = logFont.lfFaceName;
  const auto end = std::find(field.begin(), field.end(), '\0');
  return std::string_view(field.data(), static_cast<size_t>(end - field.begin()));
}

Font CreateFontIndirect(const LogFont& logFont) {
  return Font{std::make_shared<const LogFont>(logFont)};
}

const LogFont& DefaultGuiLogFont() {
  static const LogFont font = [] {
    LogFont lf;
    lf.lfHeight = -kDefaultGuiCharacterHeight;
    lf.lfWeight = FW_NORMAL;
    SetFaceName(lf, kDefaultGuiFace);
    return lf;
  }();
  return font;
}

}  // namespace wayband::platform
