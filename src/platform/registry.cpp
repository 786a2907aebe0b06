#include "platform/registry.h"

#include <algorithm>
#include <set>

#include "platform/ascii_text.h"
#include "platform/desktop_settings.h"

namespace wayband::platform {
namespace {

struct KeyTable {
  std::set<RegistryKey> open;
  RegistryKey next = 1;
};

KeyTable& Keys() {
  static KeyTable table;
  return table;
}

RegistryKey AllocateKey() {
  KeyTable& table = Keys();
  // Handles stay clear of the predefined roots (bit 31).
  while (table.next == 0 || (table.next & 0x80000000u) != 0 || table.open.contains(table.next)) {
    table.next = (table.next & 0x80000000u) != 0 ? 1 : table.next + 1;
  }
  const RegistryKey key = table.next++;
  table.open.insert(key);
  return key;
}

}  // namespace

int32_t RegOpenKeyExA(RegistryKey root, std::string_view subKey, uint32_t /*access*/,
                      RegistryKey* result) {
  if (result == nullptr) return ERROR_INVALID_HANDLE;
  const AppearanceValue& value = CurrentDesktop().State().appearance;
  if (root != HKEY_CURRENT_USER || !EqualsIgnoringAsciiCase(subKey, kAppearanceKey) ||
      value.status == AppearanceValue::Status::kKeyMissing) {
    return ERROR_FILE_NOT_FOUND;
  }
  *result = AllocateKey();
  return ERROR_SUCCESS;
}

int32_t RegQueryValueExA(RegistryKey key, std::string_view valueName, uint32_t* type,
                         std::span<char> data, uint32_t* size) {
  if (!Keys().open.contains(key)) return ERROR_INVALID_HANDLE;
  const AppearanceValue& value = CurrentDesktop().State().appearance;
  if (!EqualsIgnoringAsciiCase(valueName, kAppearanceValue) ||
      value.status == AppearanceValue::Status::kValueMissing ||
      value.status == AppearanceValue::Status::kKeyMissing) {
    return ERROR_FILE_NOT_FOUND;
  }
  if (value.status == AppearanceValue::Status::kUnreadable) return ERROR_ACCESS_DENIED;
  if (type != nullptr) *type = REG_SZ;
  if (size != nullptr) *size = static_cast<uint32_t>(value.data.size());
  if (data.empty()) return ERROR_SUCCESS;
  if (data.size() < value.data.size()) return ERROR_MORE_DATA;
  std::ranges::copy(value.data, data.begin());
  return ERROR_SUCCESS;
}

int32_t RegCloseKey(RegistryKey key) {
  return Keys().open.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

size_t OpenRegistryKeyCount() {
  return Keys().open.size();
}

}  // namespace wayband::platform
