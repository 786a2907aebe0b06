// The control's icon store operations: LoadIconImageFromFile, and those the design-time
// icon page uses (remove an icon, clear them all, get the store itself).
#pragma once

#include <string>
#include <string_view>

#include "core/control_core.h"
#include "core/icon_store.h"

namespace wayband::core {

// The shortest file path LoadIconImageFromFile accepts, in characters: a name, a dot and
// a three-letter extension.
inline constexpr size_t kMinIconPathChars = 5;

// Imports the file into a new icon under `key` and adds it to the icon store; true when
// this call added it. Refused (false, nothing changes) when the path has fewer than
// kMinIconPathChars characters, the key is empty or starts with a digit, or the store
// holds the key already (compared without regard to case). A file that yields no image
// still adds an empty icon. Remembers the path and tells the host that the properties
// changed.
bool LoadIconImageFromFile(ControlCore& core, const std::string& file, const std::string& key);

// Removes the icon under `key` (nothing when there is none) and tells the host that the
// properties changed.
void RemoveIcon(ControlCore& core, std::string_view key);

// Replaces the icon store by an empty one and tells the host that the properties changed.
void ClearIcons(ControlCore& core);

// The icon store itself, not a copy.
IconStore& IconStoreOf(ControlCore& core);

}  // namespace wayband::core
