// The registry as the controls read it: the current user's root holds one key the
// controls ask for, "Control Panel\Appearance", whose value "Current" names the user's
// appearance scheme. Its presence and data come from the current desktop settings; any
// other key does not exist.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace wayband::platform {

using RegistryKey = uint32_t;

inline constexpr RegistryKey HKEY_CURRENT_USER = 0x80000001u;
inline constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr uint32_t REG_SZ = 1;

inline constexpr int32_t ERROR_SUCCESS = 0;
inline constexpr int32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr int32_t ERROR_ACCESS_DENIED = 5;
inline constexpr int32_t ERROR_INVALID_HANDLE = 6;
inline constexpr int32_t ERROR_MORE_DATA = 234;

inline constexpr std::string_view kAppearanceKey = "Control Panel\\Appearance";
inline constexpr std::string_view kAppearanceValue = "Current";

// RegOpenKeyExA: opens `subKey` of `root` (names compare without regard to case).
int32_t RegOpenKeyExA(RegistryKey root, std::string_view subKey, uint32_t access,
                      RegistryKey* result);

// RegQueryValueExA: with an empty `data` span only the size is reported; otherwise the
// data are copied when they fit (ERROR_MORE_DATA when not). `size` receives the size of
// the stored data in bytes either way; `type` may be null.
int32_t RegQueryValueExA(RegistryKey key, std::string_view valueName, uint32_t* type,
                         std::span<char> data, uint32_t* size);

int32_t RegCloseKey(RegistryKey key);

// Keys currently open (for leak checks).
size_t OpenRegistryKeyCount();

}  // namespace wayband::platform
