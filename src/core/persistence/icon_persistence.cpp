#include "core/persistence/icon_persistence.h"

#include <charconv>
#include <limits>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "core/persistence/property_reads.h"
#include "imaging/icon_sizes.h"
#include "platform/ascii_text.h"
#include "wayband/byte_array.h"

namespace wayband::core {

namespace {

// Reads a decimal number without leading zeros from the front of `text`, 1 to the Long
// maximum; removes it from `text`.
std::optional<int32_t> TakeNumber(std::string_view& text) {
  if (text.empty() || text.front() == '0') return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value < 1) return std::nullopt;
  text.remove_prefix(static_cast<size_t>(end - text.data()));
  return value;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size() ||
      !platform::EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

// One digit below `count`.
bool TakeDigitBelow(std::string_view& text, int32_t count) {
  if (text.empty() || text.front() < '0' || text.front() >= '0' + count) return false;
  text.remove_prefix(1);
  return true;
}

// The icon number of an icon key or image entry name, or nothing for other names.
std::optional<int32_t> IconNumberOf(std::string_view name) {
  std::string_view rest = name;
  if (!TakePrefix(rest, kIconKeyEntryPrefix)) {
    rest = name;
    if (!TakePrefix(rest, kIconImageEntryPrefix) ||
        !TakeDigitBelow(rest, imaging::kIconSizeCount) || !TakePrefix(rest, "K") ||
        !TakeDigitBelow(rest, imaging::kIconKindCount) || !TakePrefix(rest, "_")) {
      return std::nullopt;
    }
  }
  const auto number = TakeNumber(rest);
  if (!number || !rest.empty()) return std::nullopt;
  return number;
}

ByteArray ToStoredArray(const imaging::ByteArray3& image) {
  std::vector<uint8_t> bytes(image.Bytes().begin(), image.Bytes().end());
  return *ByteArray::Create({{0, image.Channels()}, {0, image.Width()}, {0, image.Height()}},
                            std::move(bytes));
}

// The icon image of a stored array: three dimensions, taken by their counts (an array
// stored with other lower bounds keeps its element order). Nothing for other arrays.
std::optional<imaging::ByteArray3> ToIconImage(const ByteArray& stored) {
  const auto& d = stored.Dimensions();
  if (d.size() != 3) return std::nullopt;
  return imaging::ByteArray3::FromBytes(
      d[0].count, d[1].count, d[2].count,
      std::vector<uint8_t>(stored.Bytes().begin(), stored.Bytes().end()));
}

imaging::CIconBytes ReadIcon(const PropertyBag& bag, int32_t number) {
  imaging::CIconBytes icon;
  icon.Reset();
  icon.SetKey(ReadString(bag, IconKeyEntry(number), std::string()));
  for (int32_t j = 0; j < imaging::kIconSizeCount; ++j) {
    for (int32_t k = 0; k < imaging::kIconKindCount; ++k) {
      const auto stored = ReadBytes(bag, IconImageEntry(j, k, number));
      if (!stored || stored->UBound(1).value_or(0) <= 0) continue;
      if (auto image = ToIconImage(*stored)) icon.SetBytes(j, k, *image);
    }
  }
  return icon;
}

}  // namespace

std::string IconKeyEntry(int32_t icon) {
  return kIconKeyEntryPrefix + std::to_string(icon);
}

std::string IconImageEntry(int32_t sizeIndex, int32_t kind, int32_t icon) {
  return kIconImageEntryPrefix + std::to_string(sizeIndex) + "K" + std::to_string(kind) + "_" +
         std::to_string(icon);
}

bool IsIconEntryName(std::string_view name) {
  return platform::EqualsIgnoringAsciiCase(name, kIconCountEntry) || IconNumberOf(name).has_value();
}

void SaveIcons(const IconStore& store, PropertyBag& bag) {
  bag.RemoveIf(IsIconEntryName);
  bag.WriteProperty(kIconCountEntry, Variant(store.Count()), Variant(int32_t{0}));
  int32_t number = 0;
  for (const imaging::CIconBytes& icon : store.Items()) {
    ++number;
    bag.WriteProperty(IconKeyEntry(number), Variant(icon.Key()), Variant(std::string()));
    for (int32_t j = 0; j < imaging::kIconSizeCount; ++j) {
      for (int32_t k = 0; k < imaging::kIconKindCount; ++k) {
        const imaging::ByteArray3 image = icon.GetBytes(j, k);
        if (image.UBound(1) <= 0) continue;
        bag.WriteProperty(IconImageEntry(j, k, number),
                          Variant(std::make_shared<const ByteArray>(ToStoredArray(image))));
      }
    }
  }
}

IconStore LoadIcons(const PropertyBag& bag) {
  IconStore store;
  const int32_t count = ReadLong(bag, kIconCountEntry, 0);
  if (count <= 0) return store;
  std::set<int32_t> numbers;
  bag.ForEach([&](const PropertyBag::Entry& entry) {
    const auto number = IconNumberOf(entry.name);
    if (number && *number <= count) numbers.insert(*number);
  });
  // The first number without entries, when there is one up to the count.
  int32_t firstAbsent = 1;
  for (const int32_t n : numbers) {
    if (n != firstAbsent) break;
    ++firstAbsent;
  }
  if (firstAbsent <= count) numbers.insert(firstAbsent);
  for (const int32_t n : numbers)
    store.Add(ReadIcon(bag, n));
  return store;
}

}  // namespace wayband::core
