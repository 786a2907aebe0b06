// Saving and loading an icon collection in a property bag, as every holder of icons does
// (the bar control, the container, the icon holder of the import): "NumOfIconBytes" with
// the count, then per icon i (1-based, in collection order) "IcoBytesKey_" i with its key
// and "IconBytesJ" j "K" k "_" i with its image at size index j and kind k, for the images
// present. Each image is a three-dimensional byte array (channel, x, y), lower bounds 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/icon_store.h"
#include "wayband/property_bag.h"

namespace wayband::core {

inline constexpr const char* kIconCountEntry = "NumOfIconBytes";
inline constexpr const char* kIconKeyEntryPrefix = "IcoBytesKey_";
inline constexpr const char* kIconImageEntryPrefix = "IconBytesJ";

// "IcoBytesKey_" i and "IconBytesJ" j "K" k "_" i.
std::string IconKeyEntry(int32_t icon);
std::string IconImageEntry(int32_t sizeIndex, int32_t kind, int32_t icon);
// Whether `name` is one of the names above (compared without regard to case), with the
// numbers written as they are written: decimal, without leading zeros.
bool IsIconEntryName(std::string_view name);

// Writes the store's entries. The bag's earlier icon entries go first, so that icons and
// images removed since the bag was read do not come back with the next load.
void SaveIcons(const IconStore& store, PropertyBag& bag);

// A new store with the bag's icons. Entries that cannot be read are skipped (an icon keeps
// the images read before), and an icon whose key is present already is dropped. Only the
// icon numbers the bag holds entries for are read, plus the first number up to the count
// that it holds none for (which reads as an icon with an empty key and no images, as every
// such number would), so that a huge count costs no more than the entries present.
IconStore LoadIcons(const PropertyBag& bag);

}  // namespace wayband::core
